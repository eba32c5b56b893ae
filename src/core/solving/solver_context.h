#pragma once

#include "core/design/controls.h"
#include "core/numbers/numbers.h"
#include "core/solving/form_variables.h"
#include "core/solving/run_outcome.h"

// What a solver works on: the window's controls, its variables and the user's number format.
// Where `outcome` is set, the solver also records there what it read, decided and showed.
struct SolverContext {
    Controls& controls;
    FormVariables& vars;
    const NumberLocale& locale;
    RunOutcome* outcome = nullptr;
};
