#pragma once

#include "core/solver_context.h"

// Solves c + b*x = 0 (a = 0) or a*x^2 + b*x + c = 0 from Text(1) to Text(3). The references are
// the window's own variables (form.vars.a, b, c, D): D is shared with the system solver.
void lisi(SolverContext& form, float& a, float& b, float& c, float& D);
