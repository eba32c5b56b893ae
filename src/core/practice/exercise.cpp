#include "core/practice/exercise.h"

#include "core/working/notation.h"

const char* kindCaption(PracticeKind kind) {
    switch (kind) {
    case PracticeKind::FirstDegree:
        return "First degree";
    case PracticeKind::IntegerRoots:
        return "Second degree: whole roots";
    case PracticeKind::FractionRoots:
        return "Second degree: fractions as roots";
    case PracticeKind::SurdRoots:
        return "Second degree: roots with a square root";
    case PracticeKind::DoubleRoot:
        return "Second degree: a double root";
    case PracticeKind::ComplexRoots:
        return "Second degree: complex roots";
    case PracticeKind::OneSolution:
        return "System: one solution";
    case PracticeKind::NoSolution:
        return "System: no solution";
    case PracticeKind::InfinitelyMany:
        return "System: infinitely many solutions";
    }
    return "";
}

const char* levelCaption(PracticeLevel level) {
    switch (level) {
    case PracticeLevel::SmallIntegers:
        return "Small whole numbers";
    case PracticeLevel::LargerNumbers:
        return "Larger numbers";
    case PracticeLevel::FractionsAndDecimals:
        return "Fractions and decimals";
    }
    return "";
}

bool isSystem(PracticeKind kind) {
    return kind == PracticeKind::OneSolution || kind == PracticeKind::NoSolution ||
           kind == PracticeKind::InfinitelyMany;
}

std::string exerciseText(const Exercise& exercise, const NumberLocale& locale) {
    const Notation n(locale);
    const std::vector<Rational>& k = exercise.coefficients;
    if (!isSystem(exercise.kind))
        return n.side({{k[0], "x²"}, {k[1], "x"}, {k[2], ""}}) + " = 0";
    return n.side({{k[0], "x"}, {k[1], "y"}}) + " = " + n.number(k[2]) + "\n" +
           n.side({{k[3], "x"}, {k[4], "y"}}) + " = " + n.number(k[5]);
}
