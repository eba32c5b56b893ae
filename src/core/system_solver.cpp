#include "core/system_solver.h"

namespace {

// What a system comes to. A status names a system without one solution; a lone unknown is what
// is left when one equation has no unknowns at all.
struct SystemOutcome {
    enum class Kind { Undefined, Unsolvable, LoneX, LoneY, Solution };
    Kind kind;
    float x = 0; // the lone x, or the solution's x
    float y = 0; // the lone y, or the solution's y
};

using enum SystemOutcome::Kind;

// Ratios that differ only beyond single precision count as equal, so both are compared as Singles.
SystemOutcome ratioTest(double p1, double q1, double p2, double q2) {
    const float first = FpR4(divide(p1, q1));
    const float second = FpR4(divide(p2, q2));
    return {first == second ? Undefined : Unsolvable};
}

float determinant(float p, float q, float r, float s) {
    return FpR4(double(p) * q - double(r) * s);
}

// The cases are tried strictly in this order: systems alike on paper end differently depending
// on which coefficients are exactly zero.
SystemOutcome solve(float a1, float b1, float c1, float a2, float b2, float c2, float D, float D1,
                    float D2) {
    if (a1 == 0 && b1 == 0 && c1 == 0 && a2 == 0 && b2 == 0 && c2 == 0)
        return {Undefined};
    if (a1 == 0 && a2 == 0 && b1 == 0 && b2 == 0 && (c1 != 0 || c2 != 0))
        return {Unsolvable};
    if (a1 == 0 && a2 == 0 && c1 != 0 && c2 != 0 && b1 != 0 && b2 != 0)
        return ratioTest(c1, c2, b1, b2);
    if (b1 == 0 && b2 == 0 && c1 != 0 && c2 != 0 && a1 != 0 && a2 != 0)
        return ratioTest(c1, c2, a1, a2);
    if (a1 == 0 && b1 == 0 && c1 != 0)
        return {Unsolvable};
    if (a1 == 0 && b1 == 0 && c1 == 0 && a2 != 0 && b2 != 0 && c2 != 0)
        return {Undefined};
    if (a1 == 0 && b1 == 0 && c1 == 0 && a2 == 0 && b2 != 0 && c2 != 0)
        return {LoneY, 0, FpR4(divide(c2, b2))};
    if (a1 == 0 && b1 == 0 && c1 == 0 && a2 != 0 && b2 == 0 && c2 != 0)
        return {LoneX, FpR4(divide(c2, a2))};
    if (a2 == 0 && b2 == 0 && c2 != 0)
        return {Unsolvable};
    if (a2 == 0 && b2 == 0 && c2 == 0 && a1 != 0 && b1 != 0 && c1 != 0)
        return {Undefined};
    if (a2 == 0 && b2 == 0 && c2 == 0 && a1 == 0 && b1 != 0 && c1 != 0)
        return {LoneY, 0, FpR4(divide(c1, b1))};
    if (a2 == 0 && b2 == 0 && c2 == 0 && a1 != 0 && b1 == 0 && c1 != 0)
        return {LoneX, FpR4(divide(c1, a1))};
    if (D == 0 && c1 == 0 && c2 == 0)
        return {Undefined};
    if (D == 0 && !(c1 != 0 && c2 != 0))
        return {Unsolvable};
    if (D == 0)
        // b2 is non-zero here unless D lost a tiny product a2*b1 to the Single; divide then
        // reports the division by zero.
        return ratioTest(c1, c2, b1, b2);
    return {Solution, FpR4(divide(D1, D)), FpR4(divide(D2, D))};
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
        controls.setCaption(role::firstCaption, "x=");
        return;
    case LoneY:
        controls.setText(role::secondResultBox, StrR4(outcome.y, form.locale));
        controls.setText(role::firstResultBox, "");
        controls.setCaption(role::statusLine, "");
        controls.setCaption(role::firstCaption, "");
        controls.setCaption(role::secondCaption, "y=");
        return;
    case Solution:
        controls.setText(role::determinantBox, Str(D));
        controls.setText(role::firstDeterminantBox, Str(D1));
        controls.setText(role::secondDeterminantBox, Str(D2));
        form.vars.x = outcome.x;
        form.vars.y = outcome.y;
        controls.setCaption(role::firstCaption, "x=");
        controls.setCaption(role::secondCaption, "y=");
        controls.setCaption(role::statusLine, "");
        controls.setText(role::firstResultBox, StrR4(outcome.x, form.locale));
        controls.setText(role::secondResultBox, StrR4(outcome.y, form.locale));
        return;
    }
}

} // namespace

void lisi1(SolverContext& form) {
    FormVariables& v = form.vars;
    float &a1 = v.a1, &b1 = v.b1, &c1 = v.c1, &a2 = v.a2, &b2 = v.b2, &c2 = v.c2;
    float &D = v.D, &D1 = v.D1, &D2 = v.D2;
    const Controls& controls = form.controls;
    a1 = float(coefficientValue(controls.text(1), form.locale));
    b1 = float(coefficientValue(controls.text(2), form.locale));
    c1 = float(coefficientValue(controls.text(3), form.locale));
    a2 = float(coefficientValue(controls.text(4), form.locale));
    b2 = float(coefficientValue(controls.text(5), form.locale));
    c2 = float(coefficientValue(controls.text(6), form.locale));
    checkCoefficients({a1, b1, c1, a2, b2, c2});

    D = determinant(b2, a1, a2, b1);
    D1 = determinant(b2, c1, c2, b1);
    D2 = determinant(c2, a1, a2, c1);
    show(form, solve(a1, b1, c1, a2, b2, c2, D, D1, D2), D, D1, D2);
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
