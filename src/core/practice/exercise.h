#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/numbers/numbers.h"
#include "core/numbers/rational.h"

// What a pupil practises: the kind of equation or system, by how its answer comes out.
enum class PracticeKind {
    FirstDegree,
    IntegerRoots,  // second degree, two whole roots
    FractionRoots, // second degree, two rational roots, at least one no whole number
    SurdRoots,     // second degree, two real roots with a square root
    DoubleRoot,
    ComplexRoots,
    OneSolution, // systems
    NoSolution,
    InfinitelyMany,
};
inline constexpr std::array practiceKinds{
    PracticeKind::FirstDegree, PracticeKind::IntegerRoots, PracticeKind::FractionRoots,
    PracticeKind::SurdRoots,   PracticeKind::DoubleRoot,   PracticeKind::ComplexRoots,
    PracticeKind::OneSolution, PracticeKind::NoSolution,   PracticeKind::InfinitelyMany,
};

// How hard its numbers are.
enum class PracticeLevel { SmallIntegers, LargerNumbers, FractionsAndDecimals };
inline constexpr std::array practiceLevels{PracticeLevel::SmallIntegers,
                                           PracticeLevel::LargerNumbers,
                                           PracticeLevel::FractionsAndDecimals};

// "First degree", "Second degree: whole roots", ..., "System: infinitely many solutions".
const char* kindCaption(PracticeKind kind);
// "Small whole numbers", "Larger numbers", "Fractions and decimals".
const char* levelCaption(PracticeLevel level);
bool isSystem(PracticeKind kind);

// One exercise, as the main window's boxes would take it.
struct Exercise {
    PracticeKind kind = PracticeKind::FirstDegree;
    PracticeLevel level = PracticeLevel::SmallIntegers;
    // a, b, c (a = 0 in the first degree) or a1, b1, c1, a2, b2, c2, exactly.
    std::vector<Rational> coefficients;
    // The same as typed into the boxes, with "." ("0.5", "-3", "1/4" is never used).
    std::vector<std::string> texts;
    // Where the answer may be given as a decimal to this many places (roots with a square
    // root); 0 where only the exact answer is right.
    int decimalPlaces = 0;
    friend bool operator==(const Exercise&, const Exercise&) = default;
};

// The exercise as the pupil reads it, in their number form: "x² - 3x + 2 = 0", a system as its
// two equations on two lines.
std::string exerciseText(const Exercise& exercise, const NumberLocale& locale);
