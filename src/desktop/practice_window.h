#pragma once

#include <functional>
#include <string>

#include <QWidget>

#include "core/conversation/event.h"
#include "core/design/practice_window_design.h"
#include "core/practice/practice_session.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class MethodList;

// The "Practice" window: the pupil chooses a kind of exercise, its numbers and the way to work,
// answers and has the answer checked; the teacher prints the sheet and its key. It reports each
// action to the core and shows what the reply shows: the view whole, the focus, a sentence to
// hear, the sheet to print. Closing only hides it; the session and its count stay with the core.
class PracticeWindow : public QWidget {
    Q_OBJECT

public:
    using Send = std::function<void(const Event&)>;
    explicit PracticeWindow(Send send);

    // What is filled in is the core's, not the user's: nothing is reported back.
    void showView(const PracticeView& view);
    // The control of that name takes the keyboard focus.
    void focusOn(const std::string& name);
    void say(const std::string& text);
    // The print dialog, and the sheet printed where the user accepts it.
    void print(const std::string& html);
    // Restored if minimised, raised over the other windows and active.
    void bringToFront();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // A control of the design table's kind, unnamed.
    QWidget* makeControl(const PracticeControlDesign& row);
    void showVerdict(const PracticeView& view);
    void showWorkingText(const PracticeView& view);

    Send m_send;
    QComboBox* m_kind;
    QComboBox* m_level;
    MethodList* m_method;
    QPushButton* m_new;
    QLineEdit* m_code;
    QLabel* m_codeMessage;
    QLabel* m_position;
    QLabel* m_exercise;
    QLabel* m_instruction;
    QLineEdit* m_answer;
    QPushButton* m_check;
    QLabel* m_verdict;
    QPushButton* m_showWorking;
    QPlainTextEdit* m_workingText;
    QLabel* m_count;
    QSpinBox* m_length;
    QCheckBox* m_printWorking;
    QPushButton* m_print;
};
