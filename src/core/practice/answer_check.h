#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/numbers/numbers.h"
#include "core/practice/exercise.h"
#include "core/practice/mistakes.h"
#include "core/working/working.h"

// A pupil's answer to an exercise, checked exactly.
struct AnswerCheck {
    enum class Verdict { Unreadable, Right, PartlyRight, Wrong };
    Verdict verdict = Verdict::Unreadable;
    // In plain words and the user's number form: what is right, what is not, or what cannot
    // be read ("x1 = 2 is right; 3 is no root.").
    std::string message;
    std::optional<Mistake> mistake;
    // The line of the working, by the method checked against, where that mistake is made; -1
    // where the answer matches no common mistake.
    int step = -1;
    // Where an answer that cannot be read stopped being read, in bytes of the answer.
    std::size_t place = 0, length = 0;
};

// answer: as the pupil typed it, in their number form ("2; -1/2" with a decimal comma); the roots
// in any order. method: the way the pupil was asked to work, which decides the step pointed at.
AnswerCheck checkAnswer(const Exercise& exercise, std::string_view answer,
                        const NumberLocale& locale, WorkingMethod method);

// The right answer as a pupil writes it, for the sheet's key: "x1 = 2, x2 = 1/2",
// "x = 1, y = 2", "No solution", "Infinitely many: x = t, y = 2 - t".
std::string expectedAnswer(const Exercise& exercise, const NumberLocale& locale);
