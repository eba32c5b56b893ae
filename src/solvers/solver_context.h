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
