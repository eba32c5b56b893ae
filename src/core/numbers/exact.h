#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/numbers/numbers.h"

// Exact numbers for the working: fractions and square roots on 64-bit integers. Every step is
// checked; where a number grows past 64 bits, ExactOverflow is thrown and no exact form is given.
class ExactOverflow : public std::overflow_error {
public:
    ExactOverflow() : std::overflow_error("exact arithmetic beyond 64 bits") {}
};

// Products of two 64-bit terms are formed in 128 bits before they are checked.
__extension__ typedef __int128 WideInt;
__extension__ typedef unsigned __int128 WideUInt;

// num/den in lowest terms, den > 0.
struct Rational {
    std::int64_t num = 0;
    std::int64_t den = 1;

    Rational() = default;
    Rational(std::int64_t integer) : num(integer) {} // NOLINT: integers are rationals
    // Reduces; throws ExactOverflow where a term does not fit, std::domain_error for den = 0.
    static Rational of(WideInt numerator, WideInt denominator);

    int sign() const { return num > 0 ? 1 : num < 0 ? -1 : 0; }
    long double value() const { return static_cast<long double>(num) / den; }
    // "2", "-3", "11/5", "-1/4"
    std::string text() const;
};

Rational operator+(const Rational& p, const Rational& q);
Rational operator-(const Rational& p, const Rational& q);
Rational operator*(const Rational& p, const Rational& q);
Rational operator/(const Rational& p, const Rational& q);
Rational operator-(const Rational& p);
bool operator==(const Rational& p, const Rational& q);

// The number a coefficient text means: a terminating decimal with or without exponent ("0.1",
// "1e-3", "-2.5E1"), or an "&H"/"&O" integer as the program reads it. A text in the user's
// number format ("1,5" in German) is taken with the locale's separators. None for any other
// text; ExactOverflow where the number does not fit.
std::optional<Rational> exactNumber(std::string_view text, const NumberLocale& locale);

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
