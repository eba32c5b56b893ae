#pragma once

#include <cstdint>
#include <string>

#include "core/numbers/big_int.h"

// num/den in lowest terms, den > 0. The terms grow as they must: no size makes a value inexact.
struct Rational {
    BigInt num = 0;
    BigInt den = 1;

    Rational() = default;
    Rational(std::int64_t integer) : num(integer) {} // NOLINT: integers are rationals
    // Reduces; throws std::domain_error for den = 0.
    static Rational of(BigInt numerator, BigInt denominator);

    int sign() const { return num.sign(); }
    // "2", "-3", "11/5", "-1/4"
    std::string text() const;
};

Rational operator+(const Rational& p, const Rational& q);
Rational operator-(const Rational& p, const Rational& q);
Rational operator*(const Rational& p, const Rational& q);
Rational operator/(const Rational& p, const Rational& q);
Rational operator-(const Rational& p);
bool operator==(const Rational& p, const Rational& q);
bool operator!=(const Rational& p, const Rational& q);
bool operator<(const Rational& p, const Rational& q);

// The value a float or a double holds, exactly: every finite one is a fraction with a power of
// two below. Throws std::domain_error for an infinity or a NaN.
Rational exactly(double value);
// The double nearest to the value, as reading its exact decimal gives it; infinite past the
// double range. Below the normal doubles it may round twice.
double nearestDouble(const Rational& value);
