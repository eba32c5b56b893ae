#pragma once

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
