#pragma once

#include <functional>
#include <string>

#include <QWidget>

#include "core/conversation/event.h"
#include "core/conversation/reply.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The "Equation" box: the pupil types an equation, or a system on two lines, reads under it what
// the program makes of it, and solves it in the main window. It reports each edit, Solve (or
// Enter) and Cancel (or Escape, or its close box) to the core, which says when it closes.
class EquationWindow : public QWidget {
    Q_OBJECT

public:
    using Send = std::function<void(const Event&)>;
    EquationWindow(QWidget* mainWindow, Send send);

    // The text as the core keeps it, put in without reporting it as an edit.
    void showText(const std::string& text);
    void showReading(const show::EquationReading& reading);
    // Restored if minimised, raised over the other windows and active.
    void bringToFront();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Send m_send;
    QPlainTextEdit* m_text;
    QLabel* m_reading;
    QPushButton* m_solve;
    QPushButton* m_cancel;
    bool m_showingText = false;
};
