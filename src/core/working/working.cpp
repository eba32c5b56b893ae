#include "core/working/working.h"

#include <cmath>
#include <optional>

#include "core/numbers/decimals.h"
#include "core/numbers/exact.h"
#include "core/numbers/trimmed.h"
#include "core/solving/equation_solver.h"
#include "core/solving/system_solver.h"

namespace {

using Kind = WorkingLine::Kind;

// Lines are meant to be pasted into a box, so numbers take the default format: "." is read by
// Val in every locale, where a locale's "," would not be.
const NumberLocale pasteable;

std::string num(float value) {
    return StrR4(value, pasteable);
}
std::string num(double value) {
    return StrR8(value, pasteable);
}
// A number put into a formula: negative ones in brackets.
std::string put(float value) {
    return value < 0 ? "(" + num(value) + ")" : num(value);
}
std::string put(const Rational& value) {
    return value.num < 0 || value.den != 1 ? "(" + value.text() + ")" : value.text();
}
// What a determinant box shows, without the blank that holds the sign's place.
std::string shownSigned(float value) {
    std::string text = Str(value);
    return text.starts_with(' ') ? text.substr(1) : text;
}

std::string quoted(const std::string& text) {
    return "\"" + excerpt(text) + "\"";
}

std::string joinWithAnd(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

// Terms such as "x² - 3·x + 2" from their coefficients; zero terms are left out.
std::string terms(const std::vector<std::pair<float, std::string>>& parts) {
    std::string text;
    for (const auto& [coefficient, unknown] : parts) {
        if (coefficient == 0)
            continue;
        const float size = std::fabs(coefficient);
        std::string term = size == 1 && !unknown.empty() ? unknown
                           : unknown.empty()             ? num(size)
                                                         : num(size) + "·" + unknown;
        if (text.empty())
            text = (coefficient < 0 ? "-" : "") + term;
        else
            text += (coefficient < 0 ? " - " : " + ") + term;
    }
    return text.empty() ? "0" : text;
}

const std::vector<std::string> equationNames{"a", "b", "c"};
const std::vector<std::string> systemNames{"a1", "b1", "c1", "a2", "b2", "c2"};

const std::vector<std::string>& namesOf(RunOutcome::Mode mode) {
    return mode == RunOutcome::Mode::System ? systemNames : equationNames;
}

// The coefficients as the texts mean them, where every one is exact and is the number read.
struct ExactInput {
    std::array<Rational, 6> k;
    std::string missing; // why there is no exact form; empty when there is one
};

ExactInput exactInput(const RunOutcome& outcome) {
    ExactInput input;
    for (std::size_t i = 0; i < outcome.texts.size(); ++i) {
        const CoefficientReading& reading = outcome.readings[i];
        if (reading.exactTooLong) {
            input.missing = "No exact form is given: " + quoted(outcome.texts[i]) +
                            " is too long to write out exactly, so the decimals stand.";
            return input;
        }
        // Should the text mean another number than the one read, its exact form would be the
        // root of numbers the program never used.
        if (!reading.exact || float(nearestDouble(*reading.exact)) != outcome.coefficients[i]) {
            input.missing = "No exact form is given: " + quoted(outcome.texts[i]) +
                            " is not read as a number written out in full.";
            return input;
        }
        input.k[i] = *reading.exact;
    }
    return input;
}

// Whether the window's text shows the exact value as well as the precision computed in can:
// the exact value rounded to the digits shown, or the Single or double nearest to it written
// out, whose last digit may fall the other way.
bool agrees(const Surd& exact, const std::string& shown, bool single) {
    const int digits = single ? 7 : 15;
    return roundsTo(exact, shown, digits) ||
           roundsTo(nearestBinary(exact, single ? 24 : 53), shown, digits);
}
bool agrees(const Rational& exact, const std::string& shown, bool single) {
    return agrees(Surd{exact.num, 0, exact.den, 0}, shown, single);
}

// Why a shown value differs from the exact one: the first coefficient a Single cannot hold, or
// a determinant kept as a Single.
std::string differenceReason(const RunOutcome& outcome, const ExactInput& input,
                             const std::vector<std::pair<std::string, Rational>>& stored,
                             const std::vector<float>& storedValues) {
    const auto& names = namesOf(outcome.mode);
    for (std::size_t i = 0; i < outcome.texts.size(); ++i) {
        if (exactly(outcome.coefficients[i]) != input.k[i])
            return "the program keeps each coefficient as a Single, and " + names[i] + " = " +
                   input.k[i].text() + " is kept as " + num(double(outcome.coefficients[i])) +
                   ", so the error shows in the later digits.";
    }
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (exactly(storedValues[i]) != stored[i].second)
            return "the program keeps " + stored[i].first +
                   " as a Single: " + stored[i].second.text() + " is kept as " +
                   num(storedValues[i]) + ".";
    }
    return "the program rounds each step in double precision.";
}

// Results the window shows otherwise than exactly, their exact forms, and why they differ.
std::string differenceNote(const std::vector<std::string>& shown,
                           const std::vector<std::string>& exactForms, const std::string& reason) {
    return "The window shows " + joinWithAnd(shown) + ", where exactly " +
           (shown.size() == 1 ? "it is " : "they are ") + joinWithAnd(exactForms) + ": " + reason;
}

class Writer {
public:
    explicit Writer(Working& working) : m_working(working) {}
    void add(Kind kind, std::string text) { m_working.lines.push_back({kind, std::move(text)}); }
    // A result line, with the exact form after it.
    void result(Kind kind, const std::string& text, const std::string& name,
                const std::optional<std::string>& exact) {
        add(kind, exact ? text + "; exactly " + name + " = " + *exact : text);
    }
    Working& working() { return m_working; }

private:
    Working& m_working;
};

std::string faultWords(ArithmeticFault::Kind kind) {
    switch (kind) {
    case ArithmeticFault::Kind::DivisionByZero:
        return "a division by zero";
    case ArithmeticFault::Kind::InvalidOperation:
        return "an invalid operation (0/0 or the root of a negative number)";
    case ArithmeticFault::Kind::Overflow:
        break;
    }
    return "an overflow (a number beyond the Single range, about 3.402823E+38)";
}

std::string stepWords(SolverStep step) {
    switch (step) {
    case SolverStep::Reading:
        return "reading the coefficients as Singles";
    case SolverStep::Discriminant:
        return "computing D = b² - 4·a·c";
    case SolverStep::FirstDegreeRoot:
        return "computing x1 = -c/b";
    case SolverStep::Roots:
        return "computing the two roots";
    case SolverStep::DoubleRoot:
        return "computing x1 = -b/(2·a)";
    case SolverStep::RealPart:
        return "computing the real part -b/(2·a)";
    case SolverStep::ImaginaryPart:
        return "computing the imaginary part √(-D)/(2·a)";
    case SolverStep::Determinant:
        return "computing D = a1·b2 - a2·b1";
    case SolverStep::Determinant1:
        return "computing D1 = c1·b2 - c2·b1";
    case SolverStep::Determinant2:
        return "computing D2 = a1·c2 - a2·c1";
    case SolverStep::Ratios:
        return "comparing the ratios of the coefficients";
    case SolverStep::LoneQuotient:
        return "dividing for the lone unknown";
    case SolverStep::SolutionX:
        return "computing x = D1/D";
    case SolverStep::SolutionY:
        return "computing y = D2/D";
    case SolverStep::None:
        break;
    }
    return "solving";
}

// The coefficients as read, and the typed text where it reads differently.
std::string readAs(const RunOutcome& outcome) {
    const auto& names = namesOf(outcome.mode);
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < outcome.texts.size(); ++i) {
        std::string part = names[i] + " = " + num(outcome.coefficients[i]);
        // Only spaces are dropped: a tab typed beside the number stays in the quote.
        const std::string typed(trimmed(outcome.texts[i], " "));
        if (typed != num(outcome.coefficients[i]))
            part += " (typed " + quoted(typed) + ")";
        parts.push_back(part);
    }
    return joinWithAnd(parts);
}

// --- Equations -------------------------------------------------------------------------------

std::string equationCaseWords(EquationCase kind) {
    switch (kind) {
    case EquationCase::TwoRealRoots:
        return "the parabola crosses the x-axis twice: two real roots";
    case EquationCase::DoubleRoot:
        return "the parabola touches the x-axis at its vertex: a double root";
    case EquationCase::ComplexRoots:
        return "the parabola does not reach the x-axis: two complex roots";
    case EquationCase::FirstDegree:
        return "the equation is of the first degree: one root";
    case EquationCase::Unsolvable:
        return "the equation reads c = 0 with c not 0, which no x satisfies: Unsolvable Equation";
    case EquationCase::Undefined:
        break;
    }
    return "the equation reads 0 = 0, which every x satisfies: Undefined Equation";
}

void equationWorking(const RunOutcome& o, Writer& out) {
    const float a = o.coefficients[0], b = o.coefficients[1], c = o.coefficients[2];
    out.add(Kind::Heading, "Equation a·x² + b·x + c = 0 with " + readAs(o) + ":");
    out.add(Kind::Heading, terms({{a, "x²"}, {b, "x"}, {c, ""}}) + " = 0");
    if (o.step == SolverStep::Reading)
        return;

    const ExactInput input = exactInput(o);
    const bool exact = input.missing.empty();
    std::optional<ExactRoots> roots;
    std::string missing = input.missing;
    if (exact && input.k[0].num != 0)
        roots = exactRoots(input.k[0], input.k[1], input.k[2]);
    std::vector<ExactResult>& results = out.working().exact;

    const std::string dFormula =
        "D = b² - 4·a·c = " + put(b) + "² - 4·" + put(a) + "·" + put(c) + " = ";
    if (o.step == SolverStep::Discriminant) {
        out.add(Kind::Step, dFormula + "?");
        return;
    }
    if (a == 0) {
        out.add(Kind::Step, dFormula + num(o.D) +
                                ", which the first degree does not need: the box for D is "
                                "left empty.");
    } else {
        std::optional<std::string> exactD;
        if (roots && missing.empty()) {
            exactD = roots->discriminant.text();
            results.push_back({"D", shownSigned(o.D), *exactD, true,
                               agrees(roots->discriminant, shownSigned(o.D), true)});
        }
        out.result(Kind::Step, dFormula + shownSigned(o.D), "D", exactD);
    }

    // The case and the condition tested.
    switch (o.equationCase) {
    case EquationCase::FirstDegree:
        out.add(Kind::Case, "a = 0 and b = " + num(b) +
                                " is not 0: " + equationCaseWords(o.equationCase) + ".");
        break;
    case EquationCase::Unsolvable:
        out.add(Kind::Case, "a = 0 and b = 0, but c = " + num(c) +
                                " is not 0: the equation reads " + num(c) +
                                " = 0, which no x satisfies: Unsolvable Equation.");
        break;
    case EquationCase::Undefined:
        out.add(Kind::Case, "a = b = c = 0: " + equationCaseWords(o.equationCase) + ".");
        break;
    case EquationCase::TwoRealRoots:
        out.add(Kind::Case,
                "D = " + shownSigned(o.D) + " > 0, so " + equationCaseWords(o.equationCase) + ".");
        break;
    case EquationCase::DoubleRoot:
        out.add(Kind::Case, "D = 0, so " + equationCaseWords(o.equationCase) + ".");
        break;
    case EquationCase::ComplexRoots:
        out.add(Kind::Case,
                "D = " + shownSigned(o.D) + " < 0, so " + equationCaseWords(o.equationCase) + ".");
        break;
    }
    if (o.warning == RunOutcome::Warning::Fault)
        return;

    // The results.
    const std::string twoA = "(2·" + put(a) + ")";
    switch (o.equationCase) {
    case EquationCase::FirstDegree: {
        std::optional<std::string> form;
        if (missing.empty()) {
            const Rational root = -input.k[2] / input.k[1];
            form = root.text();
            results.push_back({"x1", num(float(o.value1)), *form, true,
                               agrees(root, num(float(o.value1)), true)});
        }
        out.result(Kind::Result,
                   "x1 = -c/b = -" + put(c) + "/" + put(b) + " = " + num(float(o.value1)), "x1",
                   form);
        break;
    }
    case EquationCase::TwoRealRoots: {
        const std::string minusB = num(-b);
        const std::string root = "√" + num(o.D);
        std::string x1 = "x1 = (-b + √D)/(2·a) = (" + minusB + " + " + root + ")/" + twoA;
        std::string x2 = "x2 = (-b - √D)/(2·a) = (" + minusB + " - " + root + ")/" + twoA;
        if (o.stableRoot == 1)
            x1 = "x1 = 2·c/(-b - √D) = 2·" + put(c) + "/(" + minusB + " - " + root + ")";
        if (o.stableRoot == 2)
            x2 = "x2 = 2·c/(-b + √D) = 2·" + put(c) + "/(" + minusB + " + " + root + ")";
        std::optional<std::string> form1, form2;
        if (roots && missing.empty()) {
            form1 = roots->first.text();
            form2 = roots->second.text();
            results.push_back(
                {"x1", num(o.value1), *form1, false, agrees(roots->first, num(o.value1), false)});
            results.push_back(
                {"x2", num(o.value2), *form2, false, agrees(roots->second, num(o.value2), false)});
        }
        out.result(Kind::Result, x1 + " = " + num(o.value1), "x1", form1);
        out.result(Kind::Result, x2 + " = " + num(o.value2), "x2", form2);
        if (o.stableRoot != 0) {
            const bool first = o.stableRoot == 1;
            out.add(Kind::Note,
                    std::string(first ? "x1" : "x2") + " comes from " +
                        (first ? "2·c/(-b - √D)" : "2·c/(-b + √D)") + ", the same number as " +
                        (first ? "(-b + √D)/(2·a)" : "(-b - √D)/(2·a)") + ": with b " +
                        (first ? "> 0" : "< 0") +
                        " the textbook form subtracts two nearly equal numbers when b² is much "
                        "larger than 4·a·c, and loses digits.");
        }
        break;
    }
    case EquationCase::DoubleRoot: {
        std::optional<std::string> form;
        if (roots && missing.empty()) {
            form = roots->first.text();
            results.push_back({"x1", num(float(o.value1)), *form, true,
                               agrees(roots->first, num(float(o.value1)), true)});
        }
        out.result(Kind::Result,
                   "x1 = -b/(2·a) = " + num(-b) + "/" + twoA + " = " + num(float(o.value1)), "x1",
                   form);
        break;
    }
    case EquationCase::ComplexRoots: {
        const std::string real = num(float(o.value1));
        const std::string imaginary = num(o.value2);
        const std::string parts = "-b/(2·a) = " + num(-b) + "/" + twoA + " = " + real +
                                  ", and |√(-D)/(2·a)| = |√" + num(-o.D) + "/" + twoA +
                                  "| = " + imaginary;
        out.add(Kind::Step, "Real part " + parts + ".");
        std::optional<std::string> form1, form2;
        if (roots && missing.empty()) {
            form1 = roots->first.text();
            form2 = roots->second.text();
            // The first root carries the positive imaginary part, which the window shows.
            const Surd& x1 = roots->first;
            const Surd realPart{x1.a, 0, x1.c, 0};
            const Surd imaginaryPart{0, x1.b, x1.c, -x1.r};
            const bool same =
                agrees(realPart, real, true) && agrees(imaginaryPart, imaginary, false);
            results.push_back({"x1", real + "+" + imaginary + "*i", *form1, false, same});
            results.push_back({"x2", real + "-" + imaginary + "*i", *form2, false, same});
        }
        out.result(Kind::Result, "x1 = " + real + "+" + imaginary + "*i", "x1", form1);
        out.result(Kind::Result, "x2 = " + real + "-" + imaginary + "*i", "x2", form2);
        break;
    }
    case EquationCase::Unsolvable:
    case EquationCase::Undefined:
        break;
    }

    if (!missing.empty()) {
        out.add(Kind::Note, missing);
        return;
    }
    // The case the exact numbers decide, where it is another.
    const auto& k = input.k;
    const int exactSign = roots ? roots->discriminant.sign() : 0;
    const EquationCase exactCase =
        equationCase(k[0].num == 0, k[1].num == 0, k[2].num == 0, exactSign);
    if (exactCase != o.equationCase) {
        std::string line = "With the exact numbers ";
        if (roots)
            line += "D = " + roots->discriminant.text() + ", so ";
        line += equationCaseWords(exactCase);
        if (roots && exactCase == EquationCase::DoubleRoot)
            line += ", x1 = " + roots->first.text();
        else if (roots)
            line += ", x1 = " + roots->first.text() + " and x2 = " + roots->second.text();
        out.add(Kind::Note, line + "; the program's Singles decided otherwise.");
        return;
    }
    std::vector<std::string> shown, exactForms;
    for (const ExactResult& result : results) {
        if (!result.agrees && result.name != "D") {
            shown.push_back(result.name + " = " + result.shown);
            exactForms.push_back(result.exact);
        }
    }
    if (!shown.empty()) {
        std::vector<std::pair<std::string, Rational>> stored;
        if (roots)
            stored.push_back({"D", roots->discriminant});
        out.add(Kind::Note,
                differenceNote(shown, exactForms, differenceReason(o, input, stored, {o.D})));
    }
}

// --- Systems ---------------------------------------------------------------------------------

// The numbers a case sentence quotes, as the program had them or exactly.
struct SystemNumbers {
    std::array<std::string, 6> k;
    std::string D, ratio1, ratio2;
    std::string quotient1, quotient2; // c1/c2 and the other ratio with the numbers put in
};

std::string systemCaseText(SystemRule rule, SystemResult result, const SystemNumbers& n,
                           bool singles) {
    const auto& [a1, b1, c1, a2, b2, c2] = n.k;
    (void)a1, (void)b1, (void)a2, (void)b2;
    const std::string compared = singles ? " as Singles: " : ": ";
    const std::string verdict =
        result == SystemResult::Undefined
            ? "equal, so both equations describe the same line, every point of which solves "
              "the system: Undefined System!"
            : "not equal, so the lines are parallel, no point lies on both: Unsolvable System!";
    switch (rule) {
    case SystemRule::AllZero:
        return "Every coefficient is 0: both equations read 0 = 0, which every point satisfies: "
               "Undefined System!";
    case SystemRule::NoUnknowns:
        return "a1 = b1 = a2 = b2 = 0, and c1 = " + c1 + ", c2 = " + c2 +
               " are not both 0: an equation reads c = 0 with c not 0, which no point "
               "satisfies: Unsolvable System!";
    case SystemRule::RatioWithoutX:
        return "a1 = a2 = 0: both equations are in y alone, lines parallel to the x-axis. "
               "c1/c2 = " +
               n.quotient1 + " = " + n.ratio1 + " is compared with b1/b2 = " + n.quotient2 + " = " +
               n.ratio2 + compared + verdict;
    case SystemRule::RatioWithoutY:
        return "b1 = b2 = 0: both equations are in x alone, lines parallel to the y-axis. "
               "c1/c2 = " +
               n.quotient1 + " = " + n.ratio1 + " is compared with a1/a2 = " + n.quotient2 + " = " +
               n.ratio2 + compared + verdict;
    case SystemRule::FirstImpossible:
        return "a1 = b1 = 0 and c1 = " + c1 + " is not 0: the first equation reads " + c1 +
               " = 0, which no point satisfies: Unsolvable System!";
    case SystemRule::SecondImpossible:
        return "a2 = b2 = 0 and c2 = " + c2 + " is not 0: the second equation reads " + c2 +
               " = 0, which no point satisfies: Unsolvable System!";
    case SystemRule::FirstVoidSecondFull:
        return "a1 = b1 = c1 = 0: the first equation reads 0 = 0, true for every point, so "
               "every point of the second line solves the system: Undefined System!";
    case SystemRule::SecondVoidFirstFull:
        return "a2 = b2 = c2 = 0: the second equation reads 0 = 0, true for every point, so "
               "every point of the first line solves the system: Undefined System!";
    case SystemRule::FirstVoidLoneY:
        return "a1 = b1 = c1 = 0 and a2 = 0: the first equation reads 0 = 0 and the second "
               "has no x, so it gives y alone; x can be anything.";
    case SystemRule::FirstVoidLoneX:
        return "a1 = b1 = c1 = 0 and b2 = 0: the first equation reads 0 = 0 and the second "
               "has no y, so it gives x alone; y can be anything.";
    case SystemRule::SecondVoidLoneY:
        return "a2 = b2 = c2 = 0 and a1 = 0: the second equation reads 0 = 0 and the first "
               "has no x, so it gives y alone; x can be anything.";
    case SystemRule::SecondVoidLoneX:
        return "a2 = b2 = c2 = 0 and b1 = 0: the second equation reads 0 = 0 and the first "
               "has no y, so it gives x alone; y can be anything.";
    case SystemRule::ZeroDBothCZero:
        return "D = 0, so the lines have the same direction, and c1 = c2 = 0, so both pass "
               "through the origin: they are the same line: Undefined System!";
    case SystemRule::ZeroDOneCZero:
        return "D = 0, so the lines have the same direction, and of c1 = " + c1 +
               " and c2 = " + c2 +
               " one is 0: one line passes through the origin and the other does not, so "
               "they are parallel, no point lies on both: Unsolvable System!";
    case SystemRule::ZeroDRatio:
        return "D = 0, so the lines have the same direction. c1/c2 = " + n.quotient1 + " = " +
               n.ratio1 + " is compared with b1/b2 = " + n.quotient2 + " = " + n.ratio2 + compared +
               verdict;
    case SystemRule::General:
        break;
    }
    return "D = " + n.D + " is not 0, so the lines cross in one point.";
}

void systemWorking(const RunOutcome& o, Writer& out) {
    const auto& [a1, b1, c1, a2, b2, c2] = o.coefficients;
    out.add(Kind::Heading, "System a1·x + b1·y = c1, a2·x + b2·y = c2 with " + readAs(o) + ":");
    out.add(Kind::Heading, terms({{a1, "x"}, {b1, "y"}}) + " = " + num(c1));
    out.add(Kind::Heading, terms({{a2, "x"}, {b2, "y"}}) + " = " + num(c2));
    if (o.step == SolverStep::Reading)
        return;

    const ExactInput input = exactInput(o);
    std::string missing = input.missing;
    const auto& k = input.k;
    Rational D, D1, D2;
    if (missing.empty()) {
        D = k[0] * k[4] - k[3] * k[1];
        D1 = k[2] * k[4] - k[5] * k[1];
        D2 = k[0] * k[5] - k[3] * k[2];
    }
    std::vector<ExactResult>& results = out.working().exact;
    const bool general = o.decided && o.systemRule == SystemRule::General;

    struct Determinant {
        std::string name, formula;
        float a, b, c, d; // a·b - c·d
        float value;
        const Rational* exact;
        SolverStep step;
    };
    const Determinant determinants[] = {
        {"D", "a1·b2 - a2·b1", a1, b2, a2, b1, o.D, &D, SolverStep::Determinant},
        {"D1", "c1·b2 - c2·b1", c1, b2, c2, b1, o.D1, &D1, SolverStep::Determinant1},
        {"D2", "a1·c2 - a2·c1", a1, c2, a2, c1, o.D2, &D2, SolverStep::Determinant2},
    };
    for (const Determinant& d : determinants) {
        std::string line = d.name + " = " + d.formula + " = " + put(d.a) + "·" + put(d.b) + " - " +
                           put(d.c) + "·" + put(d.d) + " = ";
        if (o.step == d.step) {
            out.add(Kind::Step, line + "?");
            return;
        }
        std::optional<std::string> form;
        if (missing.empty()) {
            form = d.exact->text();
            results.push_back({d.name, shownSigned(d.value), *form, true,
                               agrees(*d.exact, shownSigned(d.value), true)});
        }
        out.result(Kind::Step, line + shownSigned(d.value), d.name, form);
    }
    if (!general && o.decided && o.warning != RunOutcome::Warning::Fault) {
        const bool lone =
            o.systemResult == SystemResult::LoneX || o.systemResult == SystemResult::LoneY;
        out.add(Kind::Note, lone ? "The window does not show D, D1 and D2 in this case: their "
                                   "boxes keep what they showed before."
                                 : "The window does not show D, D1 and D2 in this case: their "
                                   "boxes are emptied.");
    }

    const bool withA = o.systemRule == SystemRule::RatioWithoutY;
    SystemNumbers shown{{num(a1), num(b1), num(c1), num(a2), num(b2), num(c2)},
                        shownSigned(o.D),
                        num(o.ratio1),
                        num(o.ratio2),
                        num(c1) + "/" + put(c2),
                        withA ? num(a1) + "/" + put(a2) : num(b1) + "/" + put(b2)};
    // Singles that differ where seven digits agree are told apart by all their digits.
    if (o.ratio1 != o.ratio2 && shown.ratio1 == shown.ratio2) {
        shown.ratio1 = num(double(o.ratio1));
        shown.ratio2 = num(double(o.ratio2));
    }
    if (o.step == SolverStep::Ratios) {
        shown.ratio1 = shown.ratio2 = "?";
    }
    // A fault in the ratio test stops before a verdict: the case line names the test only.
    const SystemResult result =
        o.warning == RunOutcome::Warning::Fault && o.step == SolverStep::Ratios
            ? SystemResult::Unsolvable
            : o.systemResult;
    if (o.decided)
        out.add(Kind::Case, systemCaseText(o.systemRule, result, shown, true));
    if (o.warning == RunOutcome::Warning::Fault)
        return;

    // The results.
    const auto lone = [&](const char* name, const char* formula, float p, float q,
                          const Rational& ep, const Rational& eq, float value) {
        std::optional<std::string> form;
        if (missing.empty()) {
            const Rational exact = ep / eq;
            form = exact.text();
            results.push_back({name, num(value), *form, true, agrees(exact, num(value), true)});
        }
        out.result(Kind::Result,
                   std::string(name) + " = " + formula + " = " + put(p) + "/" + put(q) + " = " +
                       num(value),
                   name, form);
    };
    switch (o.systemRule) {
    case SystemRule::FirstVoidLoneY:
        lone("y", "c2/b2", c2, b2, k[5], k[4], float(o.value2));
        break;
    case SystemRule::FirstVoidLoneX:
        lone("x", "c2/a2", c2, a2, k[5], k[3], float(o.value1));
        break;
    case SystemRule::SecondVoidLoneY:
        lone("y", "c1/b1", c1, b1, k[2], k[1], float(o.value2));
        break;
    case SystemRule::SecondVoidLoneX:
        lone("x", "c1/a1", c1, a1, k[2], k[0], float(o.value1));
        break;
    case SystemRule::General: {
        const bool exactSolution = missing.empty() && D.num != 0;
        std::optional<std::string> formX, formY;
        if (exactSolution) {
            const Rational x = D1 / D, y = D2 / D;
            formX = x.text();
            formY = y.text();
            results.push_back(
                {"x", num(float(o.value1)), *formX, true, agrees(x, num(float(o.value1)), true)});
            results.push_back(
                {"y", num(float(o.value2)), *formY, true, agrees(y, num(float(o.value2)), true)});
        }
        out.result(Kind::Result,
                   "x = D1/D = " + shownSigned(o.D1) + "/" + put(o.D) + " = " +
                       num(float(o.value1)),
                   "x", formX);
        out.result(Kind::Result,
                   "y = D2/D = " + shownSigned(o.D2) + "/" + put(o.D) + " = " +
                       num(float(o.value2)),
                   "y", formY);
        break;
    }
    default:
        break;
    }

    if (!missing.empty()) {
        out.add(Kind::Note, missing);
        return;
    }
    // The case the exact numbers decide, where it is another.
    const SystemRule exactRule = systemRule(
        {k[0].num == 0, k[1].num == 0, k[2].num == 0, k[3].num == 0, k[4].num == 0, k[5].num == 0},
        D.num == 0);
    SystemNumbers exactNumbers{
        {k[0].text(), k[1].text(), k[2].text(), k[3].text(), k[4].text(), k[5].text()},
        D.text(),
        "",
        "",
        "",
        ""};
    bool ratiosEqual = false;
    const bool exactWithA = exactRule == SystemRule::RatioWithoutY;
    const Rational& p = exactWithA ? k[0] : k[1];
    const Rational& q = exactWithA ? k[3] : k[4];
    if (exactRule == SystemRule::RatioWithoutX || exactRule == SystemRule::RatioWithoutY ||
        exactRule == SystemRule::ZeroDRatio) {
        // Compared crosswise, c1·q = p·c2, the test needs no division.
        ratiosEqual = k[2] * q == p * k[5];
        exactNumbers.ratio1 = (k[2] / k[5]).text();
        exactNumbers.ratio2 = q.num != 0 ? (p / q).text() : "no number";
        exactNumbers.quotient1 = put(k[2]) + "/" + put(k[5]);
        exactNumbers.quotient2 = put(p) + "/" + put(q);
    }
    const SystemResult exactResult = systemResult(exactRule, ratiosEqual);
    if (exactResult != o.systemResult) {
        out.add(Kind::Note, "With the exact numbers the case is another: " +
                                systemCaseText(exactRule, exactResult, exactNumbers, false));
        return;
    }
    std::vector<std::string> differing, exactForms;
    for (const ExactResult& r : results) {
        if (!r.agrees && (r.name == "x" || r.name == "y")) {
            differing.push_back(r.name + " = " + r.shown);
            exactForms.push_back(r.exact);
        }
    }
    if (!differing.empty()) {
        out.add(Kind::Note,
                differenceNote(differing, exactForms,
                               differenceReason(o, input, {{"D", D}, {"D1", D1}, {"D2", D2}},
                                                {o.D, o.D1, o.D2})));
    }
}

void warningWorking(const RunOutcome& o, Writer& out) {
    const auto& names = namesOf(o.mode);
    std::vector<std::string> boxes;
    for (const RunOutcome::RefusedBox& box : o.refused)
        boxes.push_back(box.box >= 1 && std::size_t(box.box) <= names.size() ? names[box.box - 1]
                                                                             : "?");
    const std::string noun = boxes.size() == 1 ? "the box for " : "the boxes for ";
    if (o.warning == RunOutcome::Warning::EmptyBoxes) {
        out.add(Kind::Warning, "Nothing was solved: " + noun + joinWithAnd(boxes) +
                                   (boxes.size() == 1 ? " is" : " are") +
                                   " empty. Type 0 for a term the equation does not have.");
        return;
    }
    out.add(Kind::Warning, "Nothing was solved: " + noun + joinWithAnd(boxes) +
                               (boxes.size() == 1 ? " holds" : " hold") + " no number.");
    for (std::size_t i = 0; i < o.refused.size(); ++i) {
        const RunOutcome::RefusedBox& box = o.refused[i];
        std::string line = boxes[i] + " = " + quoted(box.text) + ": " + box.reason;
        if (box.readings.size() > 1) {
            std::vector<std::string> readings;
            for (const std::string& reading : box.readings)
                readings.push_back(reading);
            line += "; it can be read as " + joinWithAnd(readings);
        }
        out.add(Kind::Warning, line + ".");
    }
}

} // namespace

std::string Working::text() const {
    std::string all;
    for (const WorkingLine& line : lines) {
        if (!all.empty())
            all += '\n';
        all += line.text;
    }
    return all;
}

std::vector<MethodChoice> workingMethods(const RunOutcome& outcome) {
    if (outcome.mode == RunOutcome::Mode::None ||
        outcome.warning == RunOutcome::Warning::EmptyBoxes ||
        outcome.warning == RunOutcome::Warning::NotANumber)
        return {};
    if (outcome.mode == RunOutcome::Mode::System)
        return {{WorkingMethod::Cramer, "Cramer's rule"}};
    return {{WorkingMethod::Formula, "The formula"}};
}

Working makeWorking(const RunOutcome& outcome, const NumberLocale& /*locale*/,
                    WorkingMethod /*method*/, const std::vector<std::string>& typedSteps) {
    Working working;
    Writer out(working);
    for (const std::string& step : typedSteps)
        out.add(Kind::Step, step);
    if (outcome.mode == RunOutcome::Mode::None) {
        out.add(Kind::Note, "Nothing is solved yet: type the coefficients and press \"run\".");
        return working;
    }
    if (outcome.warning == RunOutcome::Warning::EmptyBoxes ||
        outcome.warning == RunOutcome::Warning::NotANumber) {
        warningWorking(outcome, out);
        return working;
    }
    if (outcome.mode == RunOutcome::Mode::Equation)
        equationWorking(outcome, out);
    else
        systemWorking(outcome, out);
    if (outcome.warning == RunOutcome::Warning::Fault) {
        // A fault leaves nothing on screen, so the results of the failed step are not exact forms
        // of anything shown.
        working.exact.clear();
        out.add(Kind::Warning, "The run stopped with " + faultWords(outcome.fault) + " while " +
                                   stepWords(outcome.step) + "; nothing is shown.");
    }
    return working;
}
