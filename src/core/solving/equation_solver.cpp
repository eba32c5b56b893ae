#include "core/solving/equation_solver.h"

#include <cmath>

namespace {

struct EquationOutputs {
    std::string status, discriminant, caption1, root1, caption2, root2;
};

// Every case writes the same six controls.
void show(Controls& controls, const EquationOutputs& out) {
    controls.setText(role::determinantBox, out.discriminant);
    controls.setCaption(role::statusLine, out.status);
    controls.setCaption(role::firstCaption, out.caption1);
    controls.setText(role::firstResultBox, out.root1);
    controls.setCaption(role::secondCaption, out.caption2);
    controls.setText(role::secondResultBox, out.root2);
}

EquationOutputs firstDegree(EquationCase kind, float b, float c, const NumberLocale& locale,
                            RunOutcome& outcome) {
    if (kind == EquationCase::FirstDegree) {
        outcome.step = SolverStep::FirstDegreeRoot;
        const float root = FpR4(divide(-double(c), b));
        outcome.value1 = root;
        return {"", "", equationResults.first, StrR4(root, locale), "", ""};
    }
    if (kind == EquationCase::Unsolvable)
        return {"Unsolvable Equation", "", "", "", "", ""};
    return {"Undefined Equation", "", "", "", "", ""};
}

EquationOutputs twoRealRoots(float a, float b, float c, float D, const NumberLocale& locale,
                             RunOutcome& outcome) {
    outcome.step = SolverStep::Roots;
    const double s = Sqr(D);
    double x1, x2;
    if (b == 0) {
        x1 = (-double(b) + s) / (double(a) + a);
        x2 = (-double(b) - s) / (double(a) + a);
    } else {
        // -b and the root of D have the same sign in q, so no digits cancel; the other root
        // follows from x1 * x2 = c / a. For b > 0 q/a is the root (-b - sqrt D) / 2a.
        const double q = -(double(b) + std::copysign(s, b)) / 2;
        if (b < 0) {
            x1 = q / a;
            x2 = c / q;
            outcome.stableRoot = 2;
        } else {
            x1 = c / q;
            x2 = q / a;
            outcome.stableRoot = 1;
        }
    }
    outcome.value1 = x1;
    outcome.value2 = x2;
    return {"Two real roots.",      Str(D),           equationResults.first, StrR8(x1, locale),
            equationResults.second, StrR8(x2, locale)};
}

EquationOutputs doubleRoot(float a, float b, float D, const NumberLocale& locale,
                           RunOutcome& outcome) {
    outcome.step = SolverStep::DoubleRoot;
    const float x1 = FpR4(divide(-double(b), double(a) + a));
    outcome.value1 = x1;
    return {"Double root.", Str(D), equationResults.first, StrR4(x1, locale), "", ""};
}

EquationOutputs complexRoots(float a, float b, float D, const NumberLocale& locale,
                             RunOutcome& outcome) {
    outcome.step = SolverStep::RealPart;
    const float real = FpR4(divide(-double(b), double(a) + a));
    outcome.step = SolverStep::ImaginaryPart;
    // The imaginary part is a magnitude, so the first root always carries "+".
    const double imaginary = std::fabs(Sqr(std::fabs(double(D))) / (double(a) + a));
    outcome.value1 = real;
    outcome.value2 = imaginary;
    const std::string r = StrR4(real, locale);
    const std::string m = StrR8(imaginary, locale);
    return {"No real roots. Comlpex roots:", Str(D),
            equationResults.first,           r + "+" + m + "*i ",
            equationResults.second,          r + "-" + m + "*i "};
}

} // namespace

EquationCase equationCase(bool aZero, bool bZero, bool cZero, int signOfD) {
    if (aZero) {
        if (!bZero)
            return EquationCase::FirstDegree;
        return cZero ? EquationCase::Undefined : EquationCase::Unsolvable;
    }
    if (signOfD > 0)
        return EquationCase::TwoRealRoots;
    return signOfD == 0 ? EquationCase::DoubleRoot : EquationCase::ComplexRoots;
}

void lisi(SolverContext& form, std::span<const BoxReading> boxes) {
    RunOutcome scratch;
    RunOutcome& outcome = form.outcome ? *form.outcome : scratch;
    recordBoxes(outcome, RunOutcome::Mode::Equation, boxes.first(3), form.locale);
    outcome.step = SolverStep::Reading;

    float& a = form.vars.a;
    float& b = form.vars.b;
    float& c = form.vars.c;
    float& D = form.vars.D;
    a = float(boxes[0].reading.solverValue());
    b = float(boxes[1].reading.solverValue());
    c = float(boxes[2].reading.solverValue());
    outcome.coefficients = {a, b, c, 0, 0, 0};
    checkCoefficients({a, b, c});

    outcome.step = SolverStep::Discriminant;
    const double discriminant = std::pow(double(b), 2) - (double(a) * 4) * c;
    // The first degree needs no discriminant, so one too large for a Single is no fault.
    D = a == 0 ? float(discriminant) : FpR4(discriminant);
    outcome.D = D;
    const EquationCase kind = equationCase(a == 0, b == 0, c == 0, D > 0 ? 1 : D < 0 ? -1 : 0);
    outcome.equationCase = kind;
    outcome.decided = true;

    EquationOutputs out;
    switch (kind) {
    case EquationCase::FirstDegree:
    case EquationCase::Unsolvable:
    case EquationCase::Undefined:
        out = firstDegree(kind, b, c, form.locale, outcome);
        break;
    case EquationCase::TwoRealRoots:
        out = twoRealRoots(a, b, c, D, form.locale, outcome);
        break;
    case EquationCase::DoubleRoot:
        out = doubleRoot(a, b, D, form.locale, outcome);
        break;
    case EquationCase::ComplexRoots:
        out = complexRoots(a, b, D, form.locale, outcome);
        break;
    }
    outcome.step = SolverStep::None;
    show(form.controls, out);
}
