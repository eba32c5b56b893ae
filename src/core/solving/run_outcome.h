#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/numbers/numbers.h"
#include "core/solving/box_reading.h"

// The cases of an equation, as the equation solver tells them apart.
enum class EquationCase {
    FirstDegree,  // a = 0, b != 0: one root -c/b
    Unsolvable,   // a = 0, b = 0, c != 0: 0 = c
    Undefined,    // a = b = c = 0: 0 = 0
    TwoRealRoots, // a != 0, D > 0
    DoubleRoot,   // a != 0, D = 0
    ComplexRoots, // a != 0, D < 0
};

// The tests of the system solver, in the order it tries them; the first that holds decides.
enum class SystemRule {
    AllZero,             // every coefficient 0
    NoUnknowns,          // a1 = b1 = a2 = b2 = 0, c1 or c2 not 0
    RatioWithoutX,       // a1 = a2 = 0, the rest not 0: c1/c2 against b1/b2
    RatioWithoutY,       // b1 = b2 = 0, the rest not 0: c1/c2 against a1/a2
    FirstImpossible,     // a1 = b1 = 0, c1 != 0
    FirstVoidSecondFull, // first row 0, a2, b2, c2 not 0
    FirstVoidLoneY,      // first row 0, a2 = 0, b2, c2 not 0: y = c2/b2
    FirstVoidLoneX,      // first row 0, b2 = 0, a2, c2 not 0: x = c2/a2
    SecondImpossible,    // a2 = b2 = 0, c2 != 0
    SecondVoidFirstFull,
    SecondVoidLoneY, // y = c1/b1
    SecondVoidLoneX, // x = c1/a1
    ZeroDBothCZero,  // D = 0, c1 = c2 = 0
    ZeroDOneCZero,   // D = 0, one of c1, c2 is 0
    ZeroDRatio,      // D = 0, c1, c2 not 0: c1/c2 against b1/b2
    General,         // D != 0: x = D1/D, y = D2/D
};

enum class SystemResult { Undefined, Unsolvable, LoneX, LoneY, Solution };

// The arithmetic step a solver was in, so that a fault can be told where it happened.
enum class SolverStep {
    None,
    Reading,      // the coefficients stored as Singles
    Discriminant, // D = b^2 - 4ac
    FirstDegreeRoot,
    Roots, // the two real roots
    DoubleRoot,
    RealPart,
    ImaginaryPart,
    Determinant, // D of a system
    Determinant1,
    Determinant2,
    Ratios, // c1/c2 and the other ratio
    LoneQuotient,
    SolutionX, // D1/D
    SolutionY, // D2/D
};

// What one press of "run" came to, as plain data: what the program read, computed, decided and
// showed. The solvers fill it as they go (a fault leaves it as far as they got), the run command
// fills it for a warning, and the working and its figure are made from it alone.
struct RunOutcome {
    enum class Mode { None, Equation, System };
    enum class Warning { None, EmptyBoxes, NotANumber, Fault };

    // A box the run command refused.
    struct RefusedBox {
        int box = 0;                       // Text(box)
        std::string text;                  // as typed
        std::string reason;                // why it is no number, in words
        std::vector<std::string> readings; // the numbers the text could mean, when more than one
    };

    Mode mode = Mode::None; // None: nothing solved since "CHECK!", "clear fields" or the start

    // The coefficient boxes as typed: a, b, c or a1, b1, c1, a2, b2, c2.
    std::vector<std::string> texts;
    // How each was read, in the same order: among it the exact value typed, for the working.
    std::vector<CoefficientReading> readings;
    // The Singles read from them, in the same order.
    std::array<float, 6> coefficients{};
    // The user's number format, in which the texts were read.
    NumberLocale locale;

    // Equation: D is the discriminant; system: the three determinants.
    float D = 0, D1 = 0, D2 = 0;
    SolverStep step = SolverStep::None; // the step reached; a fault happened in it

    bool decided = false; // a case was reached
    EquationCase equationCase = EquationCase::Undefined;
    SystemRule systemRule = SystemRule::AllZero;
    SystemResult systemResult = SystemResult::Undefined;
    // The two Singles compared where a ratio test decided: c1/c2 and b1/b2 or a1/a2.
    float ratio1 = 0, ratio2 = 0;

    // The results as computed: x1 and x2; the double root or the first-degree root in value1; the
    // real part and the imaginary part's magnitude of complex roots; x and y of a system (a lone
    // unknown in its own slot).
    double value1 = 0, value2 = 0;
    // Which of the two real roots the stable formula 2c/(-b -+ sqrt D) gave: 0 none, 1 or 2.
    int stableRoot = 0;

    Warning warning = Warning::None;
    std::vector<RefusedBox> refused; // empty boxes or boxes that are no number
    ArithmeticFault::Kind fault = ArithmeticFault::Kind::Overflow;
};

// The outcome of a "run" that stops at a warning before solving: every empty box of the mode, or
// else every box that is no number (with why). `boxes` are the mode's boxes, Text(1) on.
RunOutcome warningOutcome(RunOutcome::Mode mode, std::span<const BoxReading> boxes,
                          const NumberLocale& locale);
// The texts and readings of the boxes a solver takes, and the locale they were read in, into a
// fresh outcome of that mode.
void recordBoxes(RunOutcome& outcome, RunOutcome::Mode mode, std::span<const BoxReading> boxes,
                 const NumberLocale& locale);

// A solver's run that ended in an arithmetic fault: the outcome keeps what was read and computed
// up to the step that faulted.
void recordFault(RunOutcome& outcome, ArithmeticFault::Kind kind);
