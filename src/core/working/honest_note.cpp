#include "core/numbers/decimals.h"
#include "core/working/exact_values.h"
#include "core/working/working_parts.h"

// The window computes with Singles, so its result may differ from the exact one in its case or
// in its digits. Where it does, one plain sentence at the top says what the window shows, what
// is exact and why; where the window's texts are the exact numbers rounded, nothing is said.

namespace {

using Kind = WorkingLine::Kind;

const std::string keepsDigits = "the program keeps about 7 digits of each number";

std::string faultWords(ArithmeticFault::Kind kind, const Notation& n) {
    switch (kind) {
    case ArithmeticFault::Kind::DivisionByZero:
        return "a division by zero";
    case ArithmeticFault::Kind::InvalidOperation:
        return "a step that has no number as its result";
    case ArithmeticFault::Kind::Overflow:
        break;
    }
    return "a number too large for the program's numbers (about " + largestSingle(n) + ")";
}

// A kept value named exactly, or to 15 digits where it has more than 40.
std::string keptText(const Rational& value, const Notation& n) {
    const std::optional<std::string> digits = terminatingDecimal(value);
    int significant = 0;
    bool started = false;
    for (char c : digits.value_or("")) {
        started = started || (c >= '1' && c <= '9');
        significant += started && c >= '0' && c <= '9' ? 1 : 0;
    }
    if (significant <= 40)
        return n.number(value);
    return "about " + n.rounded(asSurd(value));
}

// Why the window's numbers are not the exact ones: the first coefficient the program could not
// keep as typed, else the first value it computed and kept rounded.
std::string reason(const RunOutcome& outcome, const ExactCoefficients& coefficients,
                   const std::vector<std::pair<std::string, Rational>>& computed,
                   const std::vector<float>& kept, const Notation& n) {
    static const char* const equationNames[] = {"a", "b", "c"};
    static const char* const systemNames[] = {"a1", "b1", "c1", "a2", "b2", "c2"};
    const bool system = outcome.mode == RunOutcome::Mode::System;
    const auto keptAs = [&](const std::string& name, const Rational& exact, float stored) {
        const std::optional<Rational> value = storedExactly(stored);
        if (value && *value == exact)
            return std::string();
        return keepsDigits + ", so " + name + " = " + n.number(exact) + " is kept as " +
               (value ? keptText(*value, n) : "a number too large for them") + ".";
    };
    for (std::size_t i = 0; i < outcome.texts.size() && i < 6; ++i) {
        const std::string why = keptAs(system ? systemNames[i] : equationNames[i],
                                       coefficients.k[i], outcome.coefficients[i]);
        if (!why.empty())
            return why;
    }
    for (std::size_t i = 0; i < computed.size() && i < kept.size(); ++i) {
        const std::string why = keptAs(computed[i].first, computed[i].second, kept[i]);
        if (!why.empty())
            return why;
    }
    return keepsDigits + " and rounds each step to them.";
}

std::string equationCaseShown(const RunOutcome& o, const WindowTexts& shown, const Notation& n) {
    switch (o.equationCase) {
    case EquationCase::TwoRealRoots:
        return "two real roots, x1 = " + n.window(shown.first) +
               " and x2 = " + n.window(shown.second);
    case EquationCase::DoubleRoot:
        return "a double root x1 = " + n.window(shown.first);
    case EquationCase::ComplexRoots:
        return "no real root, with the complex roots " + n.window(shown.first) + " and " +
               n.window(shown.second);
    case EquationCase::FirstDegree:
        return "x1 = " + n.window(shown.first);
    case EquationCase::Unsolvable:
        return "\"Unsolvable Equation\"";
    case EquationCase::Undefined:
        break;
    }
    return "\"Undefined Equation\"";
}

std::string equationCaseExact(const EquationFacts& f, const Notation& n) {
    switch (f.kind) {
    case EquationCase::TwoRealRoots:
        return "D = " + n.number(f.D) +
               " > 0 and there are two real roots, x1 = " + n.surd(f.roots->first) +
               " and x2 = " + n.surd(f.roots->second);
    case EquationCase::DoubleRoot:
        return "D = 0 and there is one double root x = " + n.surd(f.roots->first);
    case EquationCase::ComplexRoots:
        return "D = " + n.number(f.D) + " < 0 and there is no real root";
    case EquationCase::FirstDegree:
        return "x = " + n.result(-f.c / f.b);
    case EquationCase::Unsolvable:
        return "no number solves it";
    case EquationCase::Undefined:
        break;
    }
    return "every number solves it";
}

std::string systemShown(const RunOutcome& o, const WindowTexts& shown, const Notation& n) {
    switch (o.systemResult) {
    case SystemResult::Solution:
        return "x = " + n.window(shown.first) + " and y = " + n.window(shown.second);
    case SystemResult::LoneX:
        return "x = " + n.window(shown.first) + " alone";
    case SystemResult::LoneY:
        return "y = " + n.window(shown.second) + " alone";
    case SystemResult::Unsolvable:
        return "\"Unsolvable System!\"";
    case SystemResult::Undefined:
        break;
    }
    return "\"Undefined System!\"";
}

std::string systemExact(const SystemFacts& f, const Notation& n) {
    switch (f.kind) {
    case SystemFacts::Kind::One:
        return "there is one solution, x = " + n.result(f.x) + " and y = " + n.result(f.y);
    case SystemFacts::Kind::None:
        return "there is no solution";
    case SystemFacts::Kind::Line:
        return "the solutions are the points of a line";
    case SystemFacts::Kind::Every:
        break;
    }
    return "every pair of numbers is a solution";
}

bool sameSystemCase(SystemResult shown, SystemFacts::Kind exact) {
    switch (shown) {
    case SystemResult::Solution:
        return exact == SystemFacts::Kind::One;
    case SystemResult::Unsolvable:
        return exact == SystemFacts::Kind::None;
    case SystemResult::Undefined:
        return exact == SystemFacts::Kind::Line || exact == SystemFacts::Kind::Every;
    case SystemResult::LoneX:
    case SystemResult::LoneY:
        break;
    }
    return exact == SystemFacts::Kind::Line;
}

void tooLongNote(const ExactCoefficients& coefficients, const Notation& n, Writer& out) {
    if (coefficients.tooLong.empty())
        return;
    out.add(Kind::Note, n.list(coefficients.tooLong) +
                            (coefficients.tooLong.size() == 1 ? " is" : " are") +
                            " too long to write exactly, so the working takes the number the "
                            "program keeps.");
}

void faultNote(const RunOutcome& o, const Notation& n, Writer& out) {
    out.add(Kind::Warning, "The window shows no result: its arithmetic met " +
                               faultWords(o.fault, n) +
                               ". Worked out exactly, the numbers come to what follows.");
}

// The numbers the window shows against the exact ones. A shown text differs where the exact
// value rounded to its digits reads otherwise, also where it is the nearest number the program
// holds written out (0.8461539 for 11/13, which rounds to 0.8461538): the note then says why.
class Differences {
public:
    explicit Differences(const Notation& n) : m_n(n) {}

    bool compare(const std::string& name, const Surd& value, const std::string& text,
                 int precision) {
        const bool agrees = roundsTo(value, text, precision);
        if (!agrees)
            add(name, text, m_n.result(value), roundsToShown(value, text, precision));
        return agrees;
    }
    void add(const std::string& name, const std::string& text, const std::string& exact,
             bool nearestHeld) {
        m_nearestHeld = m_nearestHeld && nearestHeld;
        m_shown.push_back(name + " = " + m_n.window(text));
        m_exact.push_back(name + " = " + exact);
    }
    // "The window shows x1 = …, where exactly x1 = …: why."
    void note(std::string why, Writer& out) const {
        if (m_shown.empty())
            return;
        if (m_nearestHeld && why == keepsDigits + " and rounds each step to them.")
            why = "the program holds each number as the nearest binary fraction it can, and that "
                  "number written out ends in another last digit than the exact value rounded.";
        out.add(Kind::Note, "The window shows " + m_n.list(m_shown) + ", where exactly " +
                                m_n.list(m_exact) + ": " + why);
    }

private:
    const Notation& m_n;
    std::vector<std::string> m_shown, m_exact;
    bool m_nearestHeld = true;
};

} // namespace

std::string largestSingle(const Notation& n) {
    return n.number(Rational(34) * Rational::of(powerOfTen(37), 1));
}

void equationNote(const RunOutcome& o, const EquationFacts& f,
                  const ExactCoefficients& coefficients, const Notation& n, Writer& out) {
    tooLongNote(coefficients, n, out);
    if (o.warning == RunOutcome::Warning::Fault) {
        faultNote(o, n, out);
        return;
    }
    const WindowTexts shown = windowTexts(o);
    const std::vector<std::pair<std::string, Rational>> computed =
        f.roots ? std::vector<std::pair<std::string, Rational>>{{"D", f.D}}
                : std::vector<std::pair<std::string, Rational>>{};
    const std::string why = reason(o, coefficients, computed, {o.D}, n);
    if (f.kind != o.equationCase) {
        out.add(Kind::Note, "The window shows " + equationCaseShown(o, shown, n) +
                                ", but exactly " + equationCaseExact(f, n) + ": " + why);
        return;
    }
    Differences differences(n);
    const auto compare = [&](const std::string& name, const Surd& value, const std::string& text,
                             bool single) {
        const bool agrees = differences.compare(name, value, text, single ? 7 : 15);
        out.exact({name, text, value.text(), single, agrees});
    };
    switch (f.kind) {
    case EquationCase::TwoRealRoots:
    case EquationCase::DoubleRoot:
        compare("D", asSurd(f.D), shown.D, true);
        compare("x1", f.roots->first, shown.first, f.kind == EquationCase::DoubleRoot);
        if (f.kind == EquationCase::TwoRealRoots)
            compare("x2", f.roots->second, shown.second, false);
        break;
    case EquationCase::FirstDegree:
        compare("x1", asSurd(-f.c / f.b), shown.first, true);
        break;
    case EquationCase::ComplexRoots: {
        compare("D", asSurd(f.D), shown.D, true);
        const std::string real = StrR4(float(o.value1), {});
        const std::string imaginary = StrR8(o.value2, {});
        const Surd realPart = asSurd(rationalPart(f.roots->first));
        const Surd size = imaginarySize(f.roots->first);
        const bool agrees = roundsTo(realPart, real, 7) && roundsTo(size, imaginary, 15);
        out.exact({"x1", shown.first, f.roots->first.text(), false, agrees});
        out.exact({"x2", shown.second, f.roots->second.text(), false, agrees});
        if (!agrees)
            differences.add("x1", shown.first, n.surd(f.roots->first),
                            roundsToShown(realPart, real, 7) && roundsToShown(size, imaginary, 15));
        break;
    }
    case EquationCase::Unsolvable:
    case EquationCase::Undefined:
        break;
    }
    differences.note(why, out);
}

void systemNote(const RunOutcome& o, const SystemFacts& f, const ExactCoefficients& coefficients,
                const Notation& n, Writer& out) {
    tooLongNote(coefficients, n, out);
    if (o.warning == RunOutcome::Warning::Fault) {
        faultNote(o, n, out);
        return;
    }
    const WindowTexts shown = windowTexts(o);
    const std::string why =
        reason(o, coefficients, {{"D", f.D}, {"D1", f.D1}, {"D2", f.D2}}, {o.D, o.D1, o.D2}, n);
    if (!sameSystemCase(o.systemResult, f.kind)) {
        out.add(Kind::Note, "The window shows " + systemShown(o, shown, n) + ", but exactly " +
                                systemExact(f, n) + ": " + why);
        return;
    }
    Differences differences(n);
    const auto compare = [&](const std::string& name, const Rational& value,
                             const std::string& text) {
        const bool agrees = differences.compare(name, asSurd(value), text, 7);
        out.exact({name, text, value.text(), true, agrees});
    };
    if (f.kind == SystemFacts::Kind::One) {
        compare("D", f.D, shown.D);
        compare("D1", f.D1, shown.D1);
        compare("D2", f.D2, shown.D2);
        compare("x", f.x, shown.first);
        compare("y", f.y, shown.second);
    } else if (o.systemResult == SystemResult::LoneX) {
        const Rational x =
            o.systemRule == SystemRule::FirstVoidLoneX ? f.k[5] / f.k[3] : f.k[2] / f.k[0];
        compare("x", x, shown.first);
    } else if (o.systemResult == SystemResult::LoneY) {
        const Rational y =
            o.systemRule == SystemRule::FirstVoidLoneY ? f.k[5] / f.k[4] : f.k[2] / f.k[1];
        compare("y", y, shown.second);
    }
    differences.note(why, out);
}
