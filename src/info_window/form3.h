#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPlainTextEdit;

// The information window: the help text, two pictures and the link to the maker's page.
// It is created without an owner, shown modeless, and destroyed when closed, so each new
// window runs the load procedure again.
class Form3 : public QWidget {
    Q_OBJECT

public:
    // The page the link label opens.
    static constexpr const char* makerPage = "https://tolvek.example.org/";

    Form3();

    // The help text as the load procedure builds it, lines joined by CR LF. The text box
    // shows the same lines, but its document turns each CR LF into a paragraph break.
    QString helpText() const { return m_helpText; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    void label1Click();

    QPlainTextEdit* Text1;
    QLabel* Label1;
    QLabel* Image1;
    QLabel* Image2;
    QString m_helpText;
};
