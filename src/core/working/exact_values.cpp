#include "core/working/exact_values.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

Rational rationalPart(const Surd& number) {
    return Rational::of(number.a, number.c);
}

Rational surdFactor(const Surd& number) {
    return Rational::of(number.b, number.c);
}

std::optional<Rational> rationalValue(const Surd& number) {
    if (!number.rational())
        return std::nullopt;
    return rationalPart(number);
}

Surd asSurd(const Rational& number) {
    return Surd::of(number, 0, 0);
}

namespace {

// The digits of a decimal text and its power of ten: "1.25E+03" is 125 and 1.
struct Digits {
    bool negative = false;
    std::string digits;
    int exponent = 0; // the value is digits * 10^exponent
};

Digits digitsOf(std::string_view text) {
    Digits d;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        d.negative = text[pos++] == '-';
    bool fraction = false;
    for (; pos < text.size() && text[pos] != 'E' && text[pos] != 'e'; ++pos) {
        if (text[pos] == '.') {
            fraction = true;
            continue;
        }
        d.digits += text[pos];
        d.exponent -= fraction ? 1 : 0;
    }
    if (pos < text.size())
        d.exponent += std::atoi(std::string(text.substr(pos + 1)).c_str());
    const std::size_t first = d.digits.find_first_not_of('0');
    d.digits = first == std::string::npos ? "" : d.digits.substr(first);
    return d;
}

long double valueOf(const Surd& number) {
    const auto a = static_cast<long double>(number.a), b = static_cast<long double>(number.b);
    const auto c = static_cast<long double>(number.c);
    if (number.r <= 0)
        return a / c;
    const long double root = std::sqrt(static_cast<long double>(number.r));
    // a and b*sqrt(r) of opposite signs cancel: (a² - b²r)/(a - b*sqrt(r)) keeps the digits.
    WideInt difference = 0;
    const WideInt a2 = WideInt(number.a) * number.a;
    WideInt b2 = WideInt(number.b) * number.b, b2r = 0;
    const bool cancels = (number.a > 0) != (number.b > 0) && number.a != 0;
    if (cancels && !__builtin_mul_overflow(b2, WideInt(number.r), &b2r) &&
        !__builtin_sub_overflow(a2, b2r, &difference))
        return static_cast<long double>(difference) / (a - b * root) / c;
    return (a + b * root) / c;
}

} // namespace

bool roundsToShown(const Surd& exact, std::string_view shown) {
    const Digits seen = digitsOf(shown);
    if (seen.digits.empty())
        return exact.a == 0 && exact.b == 0;
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "%.*Le", int(seen.digits.size()) - 1, valueOf(exact));
    Digits rounded = digitsOf(buffer);
    return rounded.negative == seen.negative && rounded.digits == seen.digits &&
           rounded.exponent == seen.exponent;
}

std::string nearestDecimalText(const Surd& exact, int digits) {
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "%.*Lg", digits, valueOf(exact));
    return buffer;
}

std::optional<Rational> storedExactly(double stored) {
    if (!std::isfinite(stored))
        return std::nullopt;
    int exponent = 0;
    const double mantissa = std::frexp(stored, &exponent);
    // 53 bits of mantissa as an integer, scaled by the rest of the power of two.
    auto integer = static_cast<std::int64_t>(std::ldexp(mantissa, 53));
    exponent -= 53;
    while (integer != 0 && integer % 2 == 0 && exponent < 0) {
        integer /= 2;
        ++exponent;
    }
    try {
        Rational value = integer;
        for (; exponent > 0; --exponent)
            value = value * Rational(2);
        for (; exponent < 0; ++exponent)
            value = value / Rational(2);
        return value;
    } catch (const ExactOverflow&) {
        return std::nullopt;
    }
}

std::optional<std::string> terminatingDecimalText(const Rational& number) {
    std::int64_t den = number.den;
    int twos = 0, fives = 0;
    while (den % 2 == 0) {
        den /= 2;
        ++twos;
    }
    while (den % 5 == 0) {
        den /= 5;
        ++fives;
    }
    if (den != 1)
        return std::nullopt;
    const int places = std::max(twos, fives);
    // num * 10^places / den is an integer: its digits with the point put in.
    try {
        Rational scaled = number;
        for (int k = 0; k < places; ++k)
            scaled = scaled * Rational(10);
        std::string digits = std::to_string(scaled.num < 0 ? -scaled.num : scaled.num);
        if (int(digits.size()) <= places)
            digits = std::string(std::size_t(places + 1) - digits.size(), '0') + digits;
        const std::size_t whole = digits.size() - std::size_t(places);
        const std::string sign = number.num < 0 ? "-" : "";
        if (places == 0)
            return sign + digits;
        return sign + digits.substr(0, whole) + "." + digits.substr(whole);
    } catch (const ExactOverflow&) {
        char buffer[80];
        std::snprintf(buffer, sizeof buffer, "%.40Lg",
                      static_cast<long double>(number.num) / number.den);
        return std::string(buffer);
    }
}

Surd imaginarySize(const Surd& number) {
    if (number.r >= 0)
        return Surd::of(0, 0, 0);
    const Rational factor = surdFactor(number);
    return Surd::of(0, factor.sign() < 0 ? -factor : factor, -number.r);
}
