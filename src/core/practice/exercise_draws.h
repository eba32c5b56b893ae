#pragma once

#include <optional>

#include "core/practice/exercise.h"
#include "core/practice/random_numbers.h"

// One exercise of the kind and level, made as a teacher makes one: from chosen roots or a chosen
// solution, or from coefficients of the level's size. None where the draw does not fit the level
// (numbers too large, no decimal at the level of decimals, a coefficient with no end to its
// decimals). Whether it is truly of its kind is for the check to say.
std::optional<Exercise> drawExercise(PracticeKind kind, PracticeLevel level, RandomNumbers& random);

// Exercises kept in stock for when the draws run out: of the kind, sized as the level, each index
// a different one, all solving alike exactly and in the window's single precision.
Exercise stockExercise(PracticeKind kind, PracticeLevel level, int index);
