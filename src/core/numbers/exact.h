#pragma once

#include <cstdint>
#include <string>

#include "core/numbers/rational.h"

// Exact numbers for the working: the square roots of fractions, as surds. Every step is
// checked; where a number grows past 64 bits, ExactOverflow is thrown and no exact form is given.

// n = root * root * squareFree, with squareFree free of square factors.
struct SquareSplit {
    std::uint64_t root = 1;
    std::uint64_t squareFree = 1;
};
SquareSplit splitSquares(std::uint64_t n);

// (a + b*sqrt(r))/c in lowest terms: r square-free, negative for an imaginary part (then the
// root of -r times i), c > 0; b = 0 or r = 1 never occur, such numbers are rationals.
struct Surd {
    std::int64_t a = 0, b = 0, c = 1, r = 0;

    // u + v*sqrt(radicand) for any radicand, rational or not.
    static Surd of(const Rational& u, const Rational& v, std::int64_t radicand);
    bool rational() const { return b == 0; }
    long double real() const;
    long double imaginary() const;
    // "(3 + √5)/2", "1 + √2", "-2√3/3", "(-1 + i√3)/2", "1 + 2i", "-i/2", or a rational's text.
    std::string text() const;
};

// The roots (-b + sqrt D)/(2a) and (-b - sqrt D)/(2a) of a*x^2 + b*x + c = 0, a != 0; with a
// negative D the first has the positive imaginary part, as the program shows it.
struct ExactRoots {
    Rational discriminant;
    Surd first, second;
};
ExactRoots exactRoots(const Rational& a, const Rational& b, const Rational& c);
