#pragma once

#include "core/solver_context.h"

// Solves a1*x + b1*y = c1, a2*x + b2*y = c2 from Text(1) to Text(6), storing the coefficients,
// the determinants and the solution in the window's variables, where the next command finds them.
void lisi1(SolverContext& form);
// Empties the result boxes Text(7) to Text(11) and the captions Label(7) and Label(8), counting
// with the window's shared counter i.
void clear(SolverContext& form);
