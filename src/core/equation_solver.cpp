#include "core/equation_solver.h"

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

EquationOutputs firstDegree(float b, float c, const NumberLocale& locale) {
    if (b != 0)
        return {"", "", "x1=", StrR4(FpR4(divide(-double(c), b)), locale), "", ""};
    if (c != 0)
        return {"Unsolvable Equation", "", "", "", "", ""};
    return {"Undefined Equation", "", "", "", "", ""};
}

EquationOutputs twoRealRoots(float a, float b, float c, float D, const NumberLocale& locale) {
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
        } else {
            x1 = c / q;
            x2 = q / a;
        }
    }
    return {"Two real roots.", Str(D), "x1=", StrR8(x1, locale), "x2=", StrR8(x2, locale)};
}

EquationOutputs doubleRoot(float a, float b, float D, const NumberLocale& locale) {
    const float x1 = FpR4(divide(-double(b), double(a) + a));
    return {"Double root.", Str(D), "x1=", StrR4(x1, locale), "", ""};
}

EquationOutputs complexRoots(float a, float b, float D, const NumberLocale& locale) {
    const float real = FpR4(divide(-double(b), double(a) + a));
    // The imaginary part is a magnitude, so the first root always carries "+".
    const double imaginary = std::fabs(Sqr(std::fabs(double(D))) / (double(a) + a));
    const std::string r = StrR4(real, locale);
    const std::string m = StrR8(imaginary, locale);
    return {"No real roots. Comlpex roots:",
            Str(D),
            "x1=",
            r + "+" + m + "*i ",
            "x2=",
            r + "-" + m + "*i "};
}

} // namespace

void lisi(SolverContext& form) {
    float& a = form.vars.a;
    float& b = form.vars.b;
    float& c = form.vars.c;
    float& D = form.vars.D;
    a = float(coefficientValue(form.controls.text(1), form.locale));
    b = float(coefficientValue(form.controls.text(2), form.locale));
    c = float(coefficientValue(form.controls.text(3), form.locale));
    checkCoefficients({a, b, c});

    const double discriminant = std::pow(double(b), 2) - (double(a) * 4) * c;
    if (a == 0) {
        // The first degree needs no discriminant, so one too large for a Single is no fault.
        D = float(discriminant);
        show(form.controls, firstDegree(b, c, form.locale));
        return;
    }
    D = FpR4(discriminant);
    if (D > 0)
        show(form.controls, twoRealRoots(a, b, c, D, form.locale));
    else if (D == 0)
        show(form.controls, doubleRoot(a, b, D, form.locale));
    else
        show(form.controls, complexRoots(a, b, D, form.locale));
}
