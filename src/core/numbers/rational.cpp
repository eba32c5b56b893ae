#include "core/numbers/rational.h"

#include <limits>

namespace {

constexpr std::int64_t largest = std::numeric_limits<std::int64_t>::max();

} // namespace

WideUInt magnitude(WideInt n) {
    return n < 0 ? WideUInt(-(n + 1)) + 1 : WideUInt(n);
}

WideUInt gcd(WideUInt p, WideUInt q) {
    while (q != 0) {
        const WideUInt rest = p % q;
        p = q;
        q = rest;
    }
    return p;
}

std::int64_t narrow(WideInt n) {
    if (n > largest || n < -largest)
        throw ExactOverflow();
    return std::int64_t(n);
}

Rational Rational::of(WideInt numerator, WideInt denominator) {
    if (denominator == 0)
        throw std::domain_error("zero denominator");
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const WideUInt g = gcd(magnitude(numerator), WideUInt(denominator));
    Rational result;
    if (g > 1) {
        numerator /= WideInt(g);
        denominator /= WideInt(g);
    }
    result.num = narrow(numerator);
    result.den = narrow(denominator);
    return result;
}

std::string Rational::text() const {
    return den == 1 ? std::to_string(num) : std::to_string(num) + "/" + std::to_string(den);
}

Rational operator+(const Rational& p, const Rational& q) {
    return Rational::of(WideInt(p.num) * q.den + WideInt(q.num) * p.den, WideInt(p.den) * q.den);
}
Rational operator-(const Rational& p, const Rational& q) {
    return p + (-q);
}
Rational operator*(const Rational& p, const Rational& q) {
    return Rational::of(WideInt(p.num) * q.num, WideInt(p.den) * q.den);
}
Rational operator/(const Rational& p, const Rational& q) {
    return Rational::of(WideInt(p.num) * q.den, WideInt(p.den) * q.num);
}
Rational operator-(const Rational& p) {
    Rational result = p;
    result.num = -p.num;
    return result;
}
bool operator==(const Rational& p, const Rational& q) {
    return p.num == q.num && p.den == q.den;
}
