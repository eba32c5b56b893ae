#pragma once

#include <span>

#include "core/solving/box_reading.h"
#include "core/solving/run_outcome.h"
#include "core/solving/solver_context.h"

// Solves c + b*x = 0 (a = 0) or a*x^2 + b*x + c = 0 from the readings of Text(1) to Text(3),
// storing a, b, c and D in the window's variables: D is shared with the system solver.
void lisi(SolverContext& form, std::span<const BoxReading> boxes);

// The case of a*x^2 + b*x + c = 0, from which coefficients are zero and the sign of D (unused
// when a is zero).
EquationCase equationCase(bool aZero, bool bZero, bool cZero, int signOfD);
