#include "core/numbers/rational.h"

#include <cmath>
#include <stdexcept>

Rational Rational::of(BigInt numerator, BigInt denominator) {
    if (denominator == 0)
        throw std::domain_error("zero denominator");
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const BigInt common = gcd(numerator, denominator);
    Rational result;
    if (common > 1) {
        result.num = numerator / common;
        result.den = denominator / common;
    } else {
        result.num = std::move(numerator);
        result.den = std::move(denominator);
    }
    return result;
}

std::string Rational::text() const {
    return den == 1 ? decimalText(num) : decimalText(num) + "/" + decimalText(den);
}

Rational operator+(const Rational& p, const Rational& q) {
    if (p.den == q.den)
        return Rational::of(p.num + q.num, p.den);
    return Rational::of(p.num * q.den + q.num * p.den, p.den * q.den);
}
Rational operator-(const Rational& p, const Rational& q) {
    return p + (-q);
}
Rational operator*(const Rational& p, const Rational& q) {
    return Rational::of(p.num * q.num, p.den * q.den);
}
Rational operator/(const Rational& p, const Rational& q) {
    return Rational::of(p.num * q.den, p.den * q.num);
}
Rational operator-(const Rational& p) {
    Rational result = p;
    result.num = -p.num;
    return result;
}
bool operator==(const Rational& p, const Rational& q) {
    return p.num == q.num && p.den == q.den;
}
bool operator!=(const Rational& p, const Rational& q) {
    return !(p == q);
}
bool operator<(const Rational& p, const Rational& q) {
    return p.num * q.den < q.num * p.den;
}

Rational exactly(double value) {
    if (!std::isfinite(value))
        throw std::domain_error("no exact value of an infinity or a NaN");
    // value = mantissa * 2^(exponent - 53) with an integer mantissa of at most 53 bits; both
    // steps are exact.
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent);
    const auto mantissa = static_cast<std::int64_t>(std::ldexp(fraction, 53));
    const int shift = exponent - 53;
    if (shift >= 0)
        return Rational::of(BigInt(mantissa) << shift, 1);
    return Rational::of(mantissa, BigInt(1) << -shift);
}

double nearestDouble(const Rational& value) {
    if (value.num == 0)
        return 0;
    // A quotient of 62 or 63 bits, with a last bit set where a remainder was cut off, rounds to
    // 53 bits in one correct step: no cut-off remainder can make it look like a tie.
    const BigInt size = abs(value.num);
    const long shift = 62 - (long(msb(size)) - long(msb(value.den)));
    BigInt quotient, remainder;
    if (shift >= 0)
        divide_qr(BigInt(size << shift), value.den, quotient, remainder);
    else
        divide_qr(size, BigInt(value.den << -shift), quotient, remainder);
    auto bits = quotient.convert_to<std::uint64_t>();
    if (remainder != 0)
        bits |= 1;
    const double magnitude = std::ldexp(static_cast<double>(bits), int(-shift));
    return value.num < 0 ? -magnitude : magnitude;
}
