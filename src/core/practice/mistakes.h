#pragma once

#include <string>
#include <vector>

#include "core/numbers/exact.h"
#include "core/practice/exercise.h"
#include "core/working/notation.h"
#include "core/working/working.h"

// The mistakes pupils make most often, each at a step of the working.
enum class Mistake {
    SignOfB,             // -b taken as b
    DiscriminantPlus4ac, // D = b² + 4ac
    NotDividedBy2a,      // (-b ± √D) without /(2a)
    OneTermDivided,      // -b ± √D/(2a), or only one term of a side divided
    SignLostMoving,      // a term moved to the other side without changing its sign
    SwappedDeterminants, // x = D2/D, y = D1/D
};

// The answer a common mistake gives for an exercise, to know the mistake by when a pupil's answer
// is that one.
struct MistakenAnswer {
    Mistake mistake;
    std::vector<Surd> values; // an equation's roots, or a system's x and y
};

// The answers of the mistakes that can be made in the exercise, in the order they are looked for.
std::vector<MistakenAnswer> mistakenAnswers(const Exercise& exercise);

// The line of the working where the mistake is made, by the working's own method; -1 where the
// working has no such line.
int mistakeStep(const Working& working, Mistake mistake);

// What to look at again, in a sentence.
std::string mistakeHint(Mistake mistake, const Exercise& exercise, const Notation& notation);
