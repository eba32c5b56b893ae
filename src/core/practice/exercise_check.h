#pragma once

#include "core/practice/exercise.h"

// Whether the exercise is of its kind both exactly and as the main window solves it: its texts
// read as its coefficients, the exact case and the window's case agree, and the answer comes out
// as the kind promises (whole roots, fractions, a square root, ...).
bool solvesAsItsKind(const Exercise& exercise);
