#pragma once

#include <array>
#include <span>

#include "core/solving/box_reading.h"
#include "core/solving/run_outcome.h"
#include "core/solving/solver_context.h"

// Solves a1*x + b1*y = c1, a2*x + b2*y = c2 from the readings of Text(1) to Text(6), storing the
// coefficients, the determinants and the solution in the window's variables, where the next
// command finds them.
void lisi1(SolverContext& form, std::span<const BoxReading> boxes);
// Empties the result boxes Text(7) to Text(11) and the captions Label(7) and Label(8), counting
// with the window's shared counter i.
void clear(SolverContext& form);

// The test that decides a system, from which of a1, b1, c1, a2, b2, c2 are zero and whether D is.
SystemRule systemRule(const std::array<bool, 6>& zero, bool zeroD);
// What that test comes to; `ratiosEqual` counts only for the three ratio tests.
SystemResult systemResult(SystemRule rule, bool ratiosEqual);
