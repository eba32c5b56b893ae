#pragma once

#include "core/controls.h"
#include "core/form_variables.h"
#include "core/numbers.h"

// What a solver works on: the window's controls, its variables and the user's number format.
struct SolverContext {
    Controls& controls;
    FormVariables& vars;
    const NumberLocale& locale;
};
