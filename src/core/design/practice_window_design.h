#pragma once

#include <array>
#include <string_view>

// The "Practice" window: the pupil chooses a kind of exercise, its numbers and the way to work,
// answers, and has the answer checked; the teacher prints the sheet and its key. Names are the
// controls' object names and the page's data-name attributes. Sizes in pixels of the desktop at
// 96 dots per inch.
struct PracticeWindowDesign {
    const char* name;
    const char* caption;
    const char* kindName;
    const char* kindCaption;
    const char* levelName;
    const char* levelCaption;
    const char* methodName;
    const char* methodCaption;
    const char* newName;
    const char* newCaption;
    const char* codeName;
    const char* codeCaption;
    const char* exerciseName; // the exercise, its place in the sheet and how to answer
    const char* answerName;
    const char* answerCaption;
    const char* checkName;
    const char* checkCaption;
    const char* verdictName;
    const char* workingName; // "Show the working", which shows it below
    const char* workingCaption;
    const char* workingTextName;
    const char* countName;
    const char* lengthName; // how many exercises the sheet has
    const char* lengthCaption;
    const char* printName;
    const char* printCaption;
    const char* printWorkingName; // whether the key carries the working
    const char* printWorkingCaption;
    const char* sheetName; // the page's printed sheet, shown only in print
    int width;             // the window's content, and the page's panel at most
};

inline constexpr PracticeWindowDesign practiceWindowDesign{
    "PracticeWindow",
    "Practice",
    "PracticeKind",
    "Kind",
    "PracticeLevel",
    "Numbers",
    "PracticeMethod",
    "Method",
    "NewExercise",
    "New exercise",
    "SheetCode",
    "Sheet",
    "PracticeExercise",
    "PracticeAnswer",
    "Your answer",
    "CheckAnswer",
    "Check",
    "PracticeVerdict",
    "PracticeWorking",
    "Show the working",
    "PracticeWorkingText",
    "PracticeCount",
    "SheetLength",
    "Exercises",
    "PrintSheet",
    "Print sheet…",
    "PrintWorking",
    "Key with the working",
    "PrintedSheet",
    480,
};

// What a control of the Practice window is, which says how each front-end makes it.
enum class PracticeControlKind {
    List,        // a drop-down list, labelled beside it
    MethodList,  // the ways of working, some greyed with their reason, labelled beside it
    TextBox,     // a line of text, labelled beside it
    Number,      // a whole number with arrows, labelled beside it
    Button,      // its caption on its face
    CheckBox,    // its caption beside its box
    WorkingText, // the working's lines, read-only, selectable, scrolled
    Exercise,    // the exercise, its place in the sheet and how to answer; not focused
    Verdict,     // not focused
    Count,       // not focused
};

// One control: its name, its caption (beside it or on its face), the letter of the caption that
// is its access key on the desktop (0 for none), and what it is.
struct PracticeControlDesign {
    const char* name;
    const char* caption;
    char accessKey;
    PracticeControlKind kind;

    constexpr bool takesFocus() const {
        return kind != PracticeControlKind::Exercise && kind != PracticeControlKind::Verdict &&
               kind != PracticeControlKind::Count;
    }
    // A caption that stands before the control, naming it for a screen reader.
    constexpr bool labelled() const {
        return kind == PracticeControlKind::List || kind == PracticeControlKind::MethodList ||
               kind == PracticeControlKind::TextBox || kind == PracticeControlKind::Number;
    }
};

// The Practice window's controls in the order the keyboard reaches them, down the window as it
// reads; the page's close button comes after the last.
inline constexpr std::array<PracticeControlDesign, 15> practiceControls{{
    {practiceWindowDesign.kindName, practiceWindowDesign.kindCaption, 'K',
     PracticeControlKind::List},
    {practiceWindowDesign.levelName, practiceWindowDesign.levelCaption, 'u',
     PracticeControlKind::List},
    {practiceWindowDesign.methodName, practiceWindowDesign.methodCaption, 'M',
     PracticeControlKind::MethodList},
    {practiceWindowDesign.codeName, practiceWindowDesign.codeCaption, 'S',
     PracticeControlKind::TextBox},
    {practiceWindowDesign.newName, practiceWindowDesign.newCaption, 'N',
     PracticeControlKind::Button},
    {practiceWindowDesign.exerciseName, "", 0, PracticeControlKind::Exercise},
    {practiceWindowDesign.answerName, practiceWindowDesign.answerCaption, 'a',
     PracticeControlKind::TextBox},
    {practiceWindowDesign.checkName, practiceWindowDesign.checkCaption, 'C',
     PracticeControlKind::Button},
    {practiceWindowDesign.verdictName, "", 0, PracticeControlKind::Verdict},
    {practiceWindowDesign.countName, "", 0, PracticeControlKind::Count},
    {practiceWindowDesign.workingName, practiceWindowDesign.workingCaption, 'w',
     PracticeControlKind::Button},
    {practiceWindowDesign.workingTextName, "", 0, PracticeControlKind::WorkingText},
    {practiceWindowDesign.lengthName, practiceWindowDesign.lengthCaption, 'E',
     PracticeControlKind::Number},
    {practiceWindowDesign.printWorkingName, practiceWindowDesign.printWorkingCaption, 'y',
     PracticeControlKind::CheckBox},
    {practiceWindowDesign.printName, practiceWindowDesign.printCaption, 'P',
     PracticeControlKind::Button},
}};

// The row of the control of that name, which is one of the table's.
constexpr const PracticeControlDesign& practiceControl(std::string_view name) {
    for (const PracticeControlDesign& row : practiceControls)
        if (row.name == name)
            return row;
    return practiceControls.back();
}
