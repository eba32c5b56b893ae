#include "system_solver.h"

#include <cmath>

namespace {

enum class Outcome { Undefined, Unsolvable };

void showStatus(SolverContext& form, Outcome outcome) {
    form.controls.setCaption(1, outcome == Outcome::Undefined ? "Undefined System!"
                                                              : "Unsolvable System!");
    clear(form);
}

// Ratios that differ only beyond single precision count as equal, so both are compared as Singles.
void ratioTest(SolverContext& form, double p1, double q1, double p2, double q2) {
    const float first = FpR4(Divide(p1, q1));
    const float second = FpR4(Divide(p2, q2));
    showStatus(form, first == second ? Outcome::Undefined : Outcome::Unsolvable);
}

// One equation without unknowns leaves the other with a single unknown; the determinants keep
// whatever they showed before.
void showLoneX(SolverContext& form, double p, double q) {
    form.controls.setText(10, StrR4(FpR4(Divide(p, q)), form.locale));
    form.controls.setText(11, "");
    form.controls.setCaption(1, "");
    form.controls.setCaption(8, "");
    form.controls.setCaption(7, "x=");
}

void showLoneY(SolverContext& form, double p, double q) {
    form.controls.setText(11, StrR4(FpR4(Divide(p, q)), form.locale));
    form.controls.setText(10, "");
    form.controls.setCaption(1, "");
    form.controls.setCaption(7, "");
    form.controls.setCaption(8, "y=");
}

void showGeneralSolution(SolverContext& form, float D, float D1, float D2) {
    form.controls.setText(7, Str(D));
    form.controls.setText(8, Str(D1));
    form.controls.setText(9, Str(D2));
    form.vars.x = FpR4(Divide(D1, D));
    form.vars.y = FpR4(Divide(D2, D));
    form.controls.setCaption(7, "x=");
    form.controls.setCaption(8, "y=");
    form.controls.setCaption(1, "");
    form.controls.setText(10, StrR4(*form.vars.x, form.locale));
    form.controls.setText(11, StrR4(form.vars.y, form.locale));
}

float determinant(float p, float q, float r, float s) {
    return FpR4(double(p) * q - double(r) * s);
}

} // namespace

void lisi1(SolverContext& form, float& a1, float& b1, float& c1, float& a2, float& b2, float& c2,
           float& D, float& D1, float& D2) {
    Controls& controls = form.controls;
    a1 = float(Val(controls.text(1)));
    b1 = float(Val(controls.text(2)));
    c1 = float(Val(controls.text(3)));
    a2 = float(Val(controls.text(4)));
    b2 = float(Val(controls.text(5)));
    c2 = float(Val(controls.text(6)));
    CheckCoefficients({a1, b1, c1, a2, b2, c2});

    D = determinant(b2, a1, a2, b1);
    D1 = determinant(b2, c1, c2, b1);
    D2 = determinant(c2, a1, a2, c1);

    // The rules are tried strictly in this order: systems alike on paper end differently
    // depending on which coefficients are exactly zero.
    if (a1 == 0 && b1 == 0 && c1 == 0 && a2 == 0 && b2 == 0 && c2 == 0)
        showStatus(form, Outcome::Undefined);
    else if (a1 == 0 && a2 == 0 && b1 == 0 && b2 == 0 && (c1 != 0 || c2 != 0))
        showStatus(form, Outcome::Unsolvable);
    else if (a1 == 0 && a2 == 0 && c1 != 0 && c2 != 0 && b1 != 0 && b2 != 0)
        ratioTest(form, c1, c2, b1, b2);
    else if (b1 == 0 && b2 == 0 && c1 != 0 && c2 != 0 && a1 != 0 && a2 != 0)
        ratioTest(form, c1, c2, a1, a2);
    else if (a1 == 0 && b1 == 0 && c1 != 0)
        showStatus(form, Outcome::Unsolvable);
    else if (a1 == 0 && b1 == 0 && c1 == 0 && a2 != 0 && b2 != 0 && c2 != 0)
        showStatus(form, Outcome::Undefined);
    else if (a1 == 0 && b1 == 0 && c1 == 0 && a2 == 0 && b2 != 0 && c2 != 0)
        showLoneY(form, c2, b2);
    else if (a1 == 0 && b1 == 0 && c1 == 0 && a2 != 0 && b2 == 0 && c2 != 0)
        showLoneX(form, c2, a2);
    else if (a2 == 0 && b2 == 0 && c2 != 0)
        showStatus(form, Outcome::Unsolvable);
    else if (a2 == 0 && b2 == 0 && c2 == 0 && a1 != 0 && b1 != 0 && c1 != 0)
        showStatus(form, Outcome::Undefined);
    else if (a2 == 0 && b2 == 0 && c2 == 0 && a1 == 0 && b1 != 0 && c1 != 0)
        showLoneY(form, c1, b1);
    else if (a2 == 0 && b2 == 0 && c2 == 0 && a1 != 0 && b1 == 0 && c1 != 0)
        showLoneX(form, c1, a1);
    else if (D == 0 && c1 == 0 && c2 == 0)
        showStatus(form, Outcome::Undefined);
    else if (D == 0 && !(c1 != 0 && c2 != 0))
        showStatus(form, Outcome::Unsolvable);
    else if (D == 0)
        // b2 is non-zero here unless D lost a tiny product a2*b1 to the Single; Divide then
        // reports the division by zero.
        ratioTest(form, c1, c2, b1, b2);
    else
        showGeneralSolution(form, D, D1, D2);
}

void clear(SolverContext& form) {
    for (form.vars.i = 7; form.vars.i <= 11; ++form.vars.i) {
        form.controls.setText(form.vars.i, "");
        form.controls.setCaption(7, "");
        form.controls.setCaption(8, "");
    }
}
