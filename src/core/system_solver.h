#pragma once

#include "core/solver_context.h"

// Solves a1*x + b1*y = c1, a2*x + b2*y = c2 from Text(1) to Text(6). The references are the
// window's own variables (form.vars): the solver stores the coefficients and determinants it
// reads and computes there, where the next command finds them.
void lisi1(SolverContext& form, float& a1, float& b1, float& c1, float& a2, float& b2, float& c2,
           float& D, float& D1, float& D2);
// Empties the result boxes Text(7) to Text(11) and the captions Label(7) and Label(8), counting
// with the window's shared counter i.
void clear(SolverContext& form);
