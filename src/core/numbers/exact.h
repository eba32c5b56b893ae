#pragma once

#include <string>

#include "core/numbers/rational.h"

// Exact numbers for the working: the square roots of fractions, as surds.

// n = root * root * squareFree. Square factors are found by trial division and by factoring
// within a limit of steps; unsplit is the part of squareFree the search could not split and in
// which a square factor could still hide (1 where squareFree is surely free of squares).
struct SquareSplit {
    BigInt root = 1;
    BigInt squareFree = 1;
    BigInt unsplit = 1;
};
SquareSplit splitSquares(const BigInt& n);

// (a + b*sqrt(r))/c in lowest terms: r without the square factors splitSquares finds, negative
// for an imaginary part (then the root of -r times i), c > 0; b = 0 or r = 1 never occur, such
// numbers are rationals.
struct Surd {
    BigInt a = 0, b = 0, c = 1, r = 0;

    // u + v*sqrt(radicand) for any radicand, rational or not.
    static Surd of(const Rational& u, const Rational& v, const BigInt& radicand);
    bool rational() const { return b == 0; }
    // "(3 + √5)/2", "1 + √2", "-2√3/3", "(-1 + i√3)/2", "1 + 2i", "-i/2", or a rational's text.
    std::string text() const;
};

// The roots (-b + sqrt D)/(2a) and (-b - sqrt D)/(2a) of a*x^2 + b*x + c = 0, a != 0; with a
// negative D the first has the positive imaginary part, as the program shows it.
struct ExactRoots {
    Rational discriminant;
    Surd first, second;
    BigInt unsplit = 1; // a part of the radicand that may hide a square, as SquareSplit's
};
ExactRoots exactRoots(const Rational& a, const Rational& b, const Rational& c);
