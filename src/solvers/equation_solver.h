#pragma once

#include "controls.h"
#include "form_variables.h"
#include "numbers.h"

// What a solver works on: the window's controls, its variables and the user's number format.
struct SolverContext {
    Controls& controls;
    FormVariables& vars;
    const NumberLocale& locale;
};

// Solves c + b*x = 0 (a = 0) or a*x^2 + b*x + c = 0 from Text(1) to Text(3).
void lisi(SolverContext& form, float& a, float& b, float& c, float& D);
