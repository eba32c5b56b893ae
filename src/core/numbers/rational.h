#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// Exact fractions on 64-bit integers. Every step is checked; where a number grows past 64 bits,
// ExactOverflow is thrown and no exact form is given.
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

// The 128-bit steps the exact arithmetic shares. narrow gives n as a 64-bit term, or throws
// ExactOverflow: INT64_MIN is left out so that every value can be negated.
std::int64_t narrow(WideInt n);
WideUInt magnitude(WideInt n);
WideUInt gcd(WideUInt p, WideUInt q);
