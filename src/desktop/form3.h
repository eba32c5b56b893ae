#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

// The information window: the help text, two pictures and the link to the maker's page.
// It is created without an owner, shown modeless, and destroyed when closed, so each new
// window runs the load procedure again.
class Form3 : public QWidget {
    Q_OBJECT

public:
    Form3();

    // Shows the window restored from the task bar or the icon it was minimised to, raised over
    // the other windows and active.
    void bringToFront();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    void label1Click();

    QPlainTextEdit* m_text1;
    QLabel* m_label1;
    QLabel* m_image1;
    QLabel* m_image2;
};
