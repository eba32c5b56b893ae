#pragma once

#include <QWidget>

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
// action to its session and shows the session's view whole after it. Closing only hides it, so
// that the session and its count last as long as the program.
class PracticeWindow : public QWidget {
    Q_OBJECT

public:
    explicit PracticeWindow(const NumberLocale& locale);

    const PracticeSession& session() const { return m_session; }
    // Restored if minimised, raised over the other windows and active.
    void bringToFront();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Runs one of the session's actions, then shows its view.
    template <typename Action> void act(Action action);
    void showView();
    void showVerdict(const PracticeView& view);
    void showWorkingText(const PracticeView& view);
    void print();

    NumberLocale m_locale;
    PracticeSession m_session;
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
