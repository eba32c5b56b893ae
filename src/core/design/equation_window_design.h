#pragma once

// The "Equation" box: the pupil types an equation or a system as in the exercise book, reads
// back what the program makes of it, and solves it in the main window. Sizes in pixels of the
// desktop at 96 dots per inch.
struct EquationWindowDesign {
    const char* name;
    const char* caption;
    const char* prompt; // above the text box, and its name for a screen reader
    // Begins the text box's description for a screen reader while Solve has refused its text.
    const char* invalidNote;
    const char* textName;
    const char* readingName;
    const char* solveName;
    const char* solveCaption;
    const char* cancelName;
    const char* cancelCaption;
    int textWidth, textHeight; // the text box; the reading wraps to its width
};

inline constexpr EquationWindowDesign equationWindowDesign{
    "TypeEquationWindow",
    "Type an equation",
    "Type an equation, or a system on two lines:",
    "Invalid entry.",
    "EquationText",
    "EquationReading",
    "SolveEquation",
    "Solve",
    "CancelEquation",
    "Cancel",
    320,
    64,
};
