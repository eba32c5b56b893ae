#pragma once

#include <optional>
#include <vector>

#include "core/numbers/exact.h"
#include "core/practice/exercise.h"
#include "core/practice/mistakes.h"
#include "core/typing/answer_reading.h"
#include "core/working/working_parts.h"

// A pupil's answer compared with the exercise's solutions, exactly, apart from how the verdict
// says what it finds.

// How a number of the answer meets a root: the same number, a decimal right to the places
// asked for, a decimal near it but not the exact number asked for, or another number.
enum class Meeting { Exact, Rounded, Close, Apart };

Meeting meeting(const AnswerNumber& number, const Surd& root, int decimalPlaces);

// An equation's roots, once each: one for the first degree or a double root.
std::vector<Surd> rootsOf(const Exercise& exercise);

// How the numbers of an answer meet an equation's roots.
struct RootComparison {
    std::vector<bool> covered;       // each root, given exactly or rounded to the places asked for
    bool rounded = false;            // a root was given rounded
    std::vector<AnswerNumber> wrong; // numbers that are no root and come near none
    std::vector<AnswerNumber> closeAlone; // decimals that only come near a root not given
    std::vector<AnswerNumber> exactGiven; // the numbers not written after "≈"
};

RootComparison compareRoots(const ReadAnswer& answer, const std::vector<Surd>& roots,
                            int decimalPlaces);

// The numbers of a system's answer as x and y: by their names, else in their order.
struct Pair {
    std::optional<AnswerNumber> x, y;
    bool readable = true;
};

Pair pairOf(const ReadAnswer& answer);

// Whether x and y, with the parameter in them, are every solution of a system whose equations
// are the same line.
bool describesTheLine(const SystemFacts& facts, AnswerNumber x, AnswerNumber y);

// The exercise's mistakes that give these numbers, the first that does.
std::optional<Mistake> mistakeGiving(const Exercise& exercise,
                                     const std::vector<AnswerNumber>& given, bool inOrder);
