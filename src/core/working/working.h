#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/solving/run_outcome.h"
#include "core/working/formula.h"

// How a result came out, line by line, for the "Working" window and the page's panel. Numbers are
// written in the user's number form with an ASCII "-", so any of them can be pasted into a box.
struct WorkingLine {
    enum class Kind {
        Heading, // the equation or the system as read
        Step,    // a formula with the numbers put in and its value
        Case,    // the case and the condition that decided it
        Result,  // a result by its formula, its value and its exact form
        Note,    // where the window differs from the exact numbers, or names its own form
        Warning, // why nothing was solved, or where the arithmetic failed
    };
    Kind kind;
    std::string text;
    // What the line does, for pointing at the step where a pupil's answer went wrong.
    enum class Step {
        None,
        Discriminant, // D = b² - 4ac
        RootFormula,  // x1,2 = (-b ± √D)/(2a), or x = -b/(2a)
        SumProduct,   // two numbers by their sum and product
        MoveTerm,     // a term taken to the other side
        HalveB,       // half of b's coefficient squared, added to both sides
        TakeRoot,     // the square root of both sides
        Determinants, // x = D1/D
        Eliminate,    // one unknown taken away, the other found
        Substitute,   // one equation put into the other
    };
    Step step = Step::None;
    // The line as mathematics, which its text is rendered from and checked by; none for a line
    // still written as text.
    std::optional<Formula> formula;
    // Lines are the same where they read the same as the same kind of line and step; the
    // formula is what the text was rendered from.
    friend bool operator==(const WorkingLine& p, const WorkingLine& q) {
        return p.kind == q.kind && p.text == q.text && p.step == q.step;
    }
};

// A result beside its exact form: a reduced fraction or a simplified surd.
struct ExactResult {
    std::string name;    // "D", "D1", "D2", "x1", "x2", "x", "y"
    std::string shown;   // the program's value, in its own text form with "."
    std::string exact;   // "2", "-1/4", "(3 + √5)/2", "(-1 + i√3)/2"
    bool single = false; // the program computed it in single precision
    bool agrees = true;  // the shown value is the exact one within the precision computed in
};

struct Working {
    std::vector<WorkingLine> lines;
    std::vector<ExactResult> exact; // empty where no exact form is given
    // The lines joined by line feeds.
    std::string text() const;
};

// The ways a pupil is taught to solve the run's kind: the formula, factoring and completing the
// square for the second degree, the rearranging steps for the first, Cramer's rule, elimination
// and substitution for systems. The first of a kind is the way the program itself works.
enum class WorkingMethod {
    Formula,
    Factoring,
    CompletingSquare,
    Rearranging,
    Cramer,
    Elimination,
    Substitution,
};

// A method as the Working window offers it: greyed, with its reason, where it does not apply to
// this run (factoring where the roots are not rational).
struct MethodChoice {
    WorkingMethod method;
    std::string name; // "The formula", "Factoring", ...
    bool applies = true;
    std::string reason; // why it does not apply; empty where it does
    friend bool operator==(const MethodChoice&, const MethodChoice&) = default;
};

// The methods of the run's kind, the program's own first; none before a run or after a warning.
std::vector<MethodChoice> workingMethods(const RunOutcome& outcome);

// The working in the user's number form, by the method chosen; a method that does not apply
// falls back to the first of the kind. typedSteps: how a typed equation became the coefficients
// run, which the working begins with.
Working makeWorking(const RunOutcome& outcome, const NumberLocale& locale = {},
                    WorkingMethod method = WorkingMethod::Formula,
                    const std::vector<std::string>& typedSteps = {});
