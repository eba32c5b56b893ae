#include "core/solving/system_solver.h"

namespace {

// What a system comes to. A status names a system without one solution; a lone unknown is what
// is left when one equation has no unknowns at all.
struct SystemOutcome {
    SystemResult kind;
    float x = 0; // the lone x, or the solution's x
    float y = 0; // the lone y, or the solution's y
};

using enum SystemResult;
using enum SystemRule;

float determinant(float p, float q, float r, float s) {
    return FpR4(double(p) * q - double(r) * s);
}

SystemOutcome solve(const std::array<float, 6>& k, float D, float D1, float D2,
                    RunOutcome& outcome) {
    // Named one by one: lambdas may not capture structured bindings in every compiler we build
    // with.
    const float a1 = k[0], b1 = k[1], c1 = k[2], a2 = k[3], b2 = k[4], c2 = k[5];
    const SystemRule rule =
        systemRule({a1 == 0, b1 == 0, c1 == 0, a2 == 0, b2 == 0, c2 == 0}, D == 0);
    outcome.systemRule = rule;
    outcome.decided = true;
    // Ratios that differ only beyond single precision count as equal, so both are compared as
    // Singles. In the D = 0 case b2 is non-zero unless D lost a tiny product a2*b1 to the Single;
    // divide then reports the division by zero.
    const auto ratios = [&](double p2, double q2) {
        outcome.step = SolverStep::Ratios;
        outcome.ratio1 = FpR4(divide(c1, c2));
        outcome.ratio2 = FpR4(divide(p2, q2));
        return outcome.ratio1 == outcome.ratio2;
    };
    const auto quotient = [&](double p, double q) {
        outcome.step = SolverStep::LoneQuotient;
        return FpR4(divide(p, q));
    };
    switch (rule) {
    case RatioWithoutX:
    case ZeroDRatio:
        return {systemResult(rule, ratios(b1, b2))};
    case RatioWithoutY:
        return {systemResult(rule, ratios(a1, a2))};
    case FirstVoidLoneY:
        return {LoneY, 0, quotient(c2, b2)};
    case FirstVoidLoneX:
        return {LoneX, quotient(c2, a2)};
    case SecondVoidLoneY:
        return {LoneY, 0, quotient(c1, b1)};
    case SecondVoidLoneX:
        return {LoneX, quotient(c1, a1)};
    case General: {
        outcome.step = SolverStep::SolutionX;
        const float x = FpR4(divide(D1, D));
        outcome.step = SolverStep::SolutionY;
        return {Solution, x, FpR4(divide(D2, D))};
    }
    default:
        return {systemResult(rule, false)};
    }
}

void show(SolverContext& form, const SystemOutcome& outcome, float D, float D1, float D2) {
    Controls& controls = form.controls;
    switch (outcome.kind) {
    case Undefined:
    case Unsolvable:
        controls.setCaption(role::statusLine,
                            outcome.kind == Undefined ? "Undefined System!" : "Unsolvable System!");
        clear(form);
        return;
    // With a lone unknown the determinants keep whatever they showed before.
    case LoneX:
        controls.setText(role::firstResultBox, StrR4(outcome.x, form.locale));
        controls.setText(role::secondResultBox, "");
        controls.setCaption(role::statusLine, "");
        controls.setCaption(role::secondCaption, "");
        controls.setCaption(role::firstCaption, systemResults.first);
        return;
    case LoneY:
        controls.setText(role::secondResultBox, StrR4(outcome.y, form.locale));
        controls.setText(role::firstResultBox, "");
        controls.setCaption(role::statusLine, "");
        controls.setCaption(role::firstCaption, "");
        controls.setCaption(role::secondCaption, systemResults.second);
        return;
    case Solution:
        controls.setText(role::determinantBox, Str(D));
        controls.setText(role::firstDeterminantBox, Str(D1));
        controls.setText(role::secondDeterminantBox, Str(D2));
        form.vars.x = outcome.x;
        form.vars.y = outcome.y;
        controls.setCaption(role::firstCaption, systemResults.first);
        controls.setCaption(role::secondCaption, systemResults.second);
        controls.setCaption(role::statusLine, "");
        controls.setText(role::firstResultBox, StrR4(outcome.x, form.locale));
        controls.setText(role::secondResultBox, StrR4(outcome.y, form.locale));
        return;
    }
}

} // namespace

// The cases are tried strictly in this order: systems alike on paper end differently depending
// on which coefficients are exactly zero.
SystemRule systemRule(const std::array<bool, 6>& zero, bool zeroD) {
    const auto [a1, b1, c1, a2, b2, c2] = zero;
    if (a1 && b1 && c1 && a2 && b2 && c2)
        return AllZero;
    if (a1 && a2 && b1 && b2 && (!c1 || !c2))
        return NoUnknowns;
    if (a1 && a2 && !c1 && !c2 && !b1 && !b2)
        return RatioWithoutX;
    if (b1 && b2 && !c1 && !c2 && !a1 && !a2)
        return RatioWithoutY;
    if (a1 && b1 && !c1)
        return FirstImpossible;
    if (a1 && b1 && c1 && !a2 && !b2 && !c2)
        return FirstVoidSecondFull;
    if (a1 && b1 && c1 && a2 && !b2 && !c2)
        return FirstVoidLoneY;
    if (a1 && b1 && c1 && !a2 && b2 && !c2)
        return FirstVoidLoneX;
    if (a2 && b2 && !c2)
        return SecondImpossible;
    if (a2 && b2 && c2 && !a1 && !b1 && !c1)
        return SecondVoidFirstFull;
    if (a2 && b2 && c2 && a1 && !b1 && !c1)
        return SecondVoidLoneY;
    if (a2 && b2 && c2 && !a1 && b1 && !c1)
        return SecondVoidLoneX;
    if (zeroD && c1 && c2)
        return ZeroDBothCZero;
    if (zeroD && !(!c1 && !c2))
        return ZeroDOneCZero;
    if (zeroD)
        return ZeroDRatio;
    return General;
}

SystemResult systemResult(SystemRule rule, bool ratiosEqual) {
    switch (rule) {
    case AllZero:
    case FirstVoidSecondFull:
    case SecondVoidFirstFull:
    case ZeroDBothCZero:
        return Undefined;
    case NoUnknowns:
    case FirstImpossible:
    case SecondImpossible:
    case ZeroDOneCZero:
        return Unsolvable;
    case RatioWithoutX:
    case RatioWithoutY:
    case ZeroDRatio:
        return ratiosEqual ? Undefined : Unsolvable;
    case FirstVoidLoneY:
    case SecondVoidLoneY:
        return LoneY;
    case FirstVoidLoneX:
    case SecondVoidLoneX:
        return LoneX;
    case General:
        break;
    }
    return Solution;
}

void lisi1(SolverContext& form, std::span<const BoxReading> boxes) {
    RunOutcome scratch;
    RunOutcome& outcome = form.outcome ? *form.outcome : scratch;
    recordBoxes(outcome, RunOutcome::Mode::System, boxes.first(6), form.locale);
    outcome.step = SolverStep::Reading;

    FormVariables& v = form.vars;
    float &a1 = v.a1, &b1 = v.b1, &c1 = v.c1, &a2 = v.a2, &b2 = v.b2, &c2 = v.c2;
    float &D = v.D, &D1 = v.D1, &D2 = v.D2;
    a1 = float(boxes[0].reading.solverValue());
    b1 = float(boxes[1].reading.solverValue());
    c1 = float(boxes[2].reading.solverValue());
    a2 = float(boxes[3].reading.solverValue());
    b2 = float(boxes[4].reading.solverValue());
    c2 = float(boxes[5].reading.solverValue());
    outcome.coefficients = {a1, b1, c1, a2, b2, c2};
    checkCoefficients({a1, b1, c1, a2, b2, c2});

    outcome.step = SolverStep::Determinant;
    D = outcome.D = determinant(b2, a1, a2, b1);
    outcome.step = SolverStep::Determinant1;
    D1 = outcome.D1 = determinant(b2, c1, c2, b1);
    outcome.step = SolverStep::Determinant2;
    D2 = outcome.D2 = determinant(c2, a1, a2, c1);
    const SystemOutcome result = solve(outcome.coefficients, D, D1, D2, outcome);
    outcome.step = SolverStep::None;
    outcome.systemResult = result.kind;
    outcome.value1 = result.x;
    outcome.value2 = result.y;
    show(form, result, D, D1, D2);
}

void clear(SolverContext& form) {
    // The loop counts with the window's shared counter, which every procedure sees afterwards.
    // The captions are emptied on every pass, not once: harmless, and the way it has always been.
    for (form.vars.i = 7; form.vars.i <= 11; ++form.vars.i) {
        form.controls.setText(form.vars.i, "");
        form.controls.setCaption(role::firstCaption, "");
        form.controls.setCaption(role::secondCaption, "");
    }
}
