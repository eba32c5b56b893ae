#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/numbers/characters.h"
#include "core/numbers/numbers.h"
#include "core/practice/answer_check.h"
#include "core/practice/random_numbers.h"
#include "core/practice/sheet_code.h"
#include "core/solving/run_outcome.h"
#include "core/working/working.h"

// The Practice window as it stands, for a front-end to show whole after every call.
struct PracticeView {
    std::vector<std::string> kinds; // captions, in the order of practiceKinds
    int kind = 0;
    std::vector<std::string> levels;
    int level = 0;
    std::vector<MethodChoice> methods; // the ways of working of the kind
    WorkingMethod method = WorkingMethod::Rearranging;
    int sheetLength = 0;     // the sheet's number of exercises, and the printed sheet's
    std::string code;        // the sheet's code, as the code box shows it
    std::string codeMessage; // why a typed code brings back no sheet; empty where it does
    std::string position;    // "Exercise 3 of 10"
    std::string exercise;    // "Solve: x² - 3x + 2 = 0", a system on two lines
    std::string instruction; // how to write the answer
    std::string answer;      // as typed
    AnswerCheck::Verdict verdict = AnswerCheck::Verdict::Unreadable;
    bool checked = false;    // the verdict is shown
    std::string verdictText; // the verdict and, for a known mistake, the step it is made at
    MarkedPlace answerMark;  // where an answer that cannot be read stopped being read; none else
    bool workingShown = false;
    std::vector<WorkingLine> working; // by the chosen method; shown once asked for
    int markedStep = -1;              // the line of the working that the verdict points at
    std::string count;                // "This session: 2 right first time, 1 right after a hint"
    friend bool operator==(const PracticeView&, const PracticeView&) = default;
};

// The Practice window's side of the exchange: the kind, level and method chosen, the sheet and
// its exercise, the pupil's answer and its verdict, and the count of this session's answers.
// Nothing is kept beyond the program's run.
class PracticeSession {
public:
    // entropy: where new sheets' seeds come from (the front-end's random source); locale: the
    // user's number form.
    PracticeSession(std::uint64_t entropy, NumberLocale locale);

    const PracticeView& view() const { return m_view; }
    // The control that takes the keyboard focus after the last call, by its name.
    const std::string& focus() const { return m_focus; }
    // What the last call gives a screen reader to say once; empty where nothing new is heard.
    const std::string& announcement() const { return m_announcement; }
    const SheetCode& sheet() const { return m_code; }
    const std::vector<Exercise>& exercises() const { return m_exercises; }
    // The sheet and its key, printed in the user's number form.
    std::string printed(bool withWorking) const;

    void chooseKind(int index);
    void chooseLevel(int index);
    void chooseMethod(WorkingMethod method);
    // The same sheet made longer or shorter: its exercises are the longer sheet's first ones.
    void chooseSheetLength(int count);
    // The next exercise of the sheet; after its last, a new sheet.
    void newExercise();
    // The code box edited: a code that reads brings back its sheet at its first exercise.
    void editCode(std::string text);
    void editAnswer(std::string text);
    void checkAnswer();
    void showWorking();

private:
    void startSheet(SheetCode code);
    void showExercise(int index);
    // A new sheet of the kind and level chosen, with the next seed.
    void drawSheet();
    void showCount();
    // The verdict of the answer last checked, by the method now chosen; counts nothing.
    void showVerdict(const AnswerCheck& check);

    NumberLocale m_locale;
    RandomNumbers m_seeds;
    SheetCode m_code;
    std::vector<Exercise> m_exercises;
    int m_index = 0;
    RunOutcome m_run; // the exercise as the window solves it, for its working
    std::string m_checkedAnswer;
    WorkingMethod m_method = WorkingMethod::Rearranging;
    bool m_wrongBefore = false; // this exercise had a wrong answer checked, a hint given
    bool m_counted = false;     // this exercise's right answer is counted, or it no longer counts
    int m_rightFirstTime = 0;
    int m_rightAfterHint = 0;
    PracticeView m_view;
    std::string m_focus;
    std::string m_announcement;
};
