#include "core/numbers/decimals.h"

#include <algorithm>

#include "core/numbers/trimmed.h"

namespace {

// A decimal text read exactly: its value, and half a unit of its last digit.
struct ShownDecimal {
    Rational value;
    Rational halfUnit;
};

// 10^exponent for any integer exponent.
Rational tenToThe(int exponent) {
    return exponent >= 0 ? Rational::of(powerOfTen(exponent), 1)
                         : Rational::of(1, powerOfTen(-exponent));
}

std::optional<ShownDecimal> readShown(std::string_view text, int precision) {
    text = trimmed(text);
    std::size_t pos = 0;
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        ++pos;
    BigInt digits = 0;
    int scale = 0;   // the value is digits * 10^scale
    int written = 0; // significant digits: those from the first that is not 0
    int count = 0;
    bool inFraction = false;
    for (; pos < text.size() && text[pos] != 'E' && text[pos] != 'e'; ++pos) {
        const char c = text[pos];
        if (c == '.' && !inFraction) {
            inFraction = true;
        } else if (c >= '0' && c <= '9') {
            digits = digits * 10 + (c - '0');
            ++count;
            written += written > 0 || c != '0' ? 1 : 0;
            scale -= inFraction ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    if (count == 0)
        return std::nullopt;
    if (pos < text.size()) {
        ++pos;
        const bool negativeExponent = pos < text.size() && text[pos] == '-';
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        if (pos == text.size() || text.size() - pos > 4)
            return std::nullopt;
        int exponent = 0;
        for (; pos < text.size(); ++pos) {
            if (text[pos] < '0' || text[pos] > '9')
                return std::nullopt;
            exponent = exponent * 10 + (text[pos] - '0');
        }
        scale += negativeExponent ? -exponent : exponent;
    }
    ShownDecimal shown;
    shown.value = Rational::of(negative ? BigInt(-digits) : digits, 1) * tenToThe(scale);
    // A zero is the rounding of zero alone.
    if (written > 0)
        shown.halfUnit = tenToThe(scale - std::max(0, precision - written)) * Rational::of(1, 2);
    return shown;
}

// The sign of x - t for a real surd x.
int signOfDifference(const Surd& x, const Rational& t) {
    // (a + b*sqrt(r))/c - t has the sign of p + b*sqrt(r) with p = a - c*t, as c > 0.
    const Rational p = Rational::of(x.a, 1) - Rational::of(x.c, 1) * t;
    const int rootSign = x.r == 0 ? 0 : x.b.sign();
    if (p.sign() == 0 || p.sign() == rootSign)
        return rootSign != 0 ? rootSign : p.sign();
    if (rootSign == 0)
        return p.sign();
    // Opposite signs: the larger square wins.
    const BigInt rationalSquare = p.num * p.num;
    const BigInt rootSquare = x.b * x.b * x.r * p.den * p.den;
    return rationalSquare > rootSquare ? p.sign() : rationalSquare < rootSquare ? rootSign : 0;
}

// floor(n/d) for d > 0.
BigInt floorDivide(const BigInt& n, const BigInt& d) {
    BigInt quotient, remainder;
    divide_qr(n, d, quotient, remainder);
    if (remainder < 0)
        --quotient;
    return quotient;
}

// base^exponent, for a base of 2 or 10 and exponent >= 0.
BigInt power(int base, int exponent) {
    return base == 2 ? BigInt(BigInt(1) << exponent) : powerOfTen(exponent);
}

// floor(x * base^m) for a real surd x >= 0.
BigInt floorScaled(const Surd& x, int base, int m) {
    BigInt a = x.a, b = x.b, c = x.c;
    const BigInt scale = power(base, m >= 0 ? m : -m);
    if (m >= 0) {
        a *= scale;
        b *= scale;
    } else {
        c *= scale;
    }
    // (a + b*sqrt(r))/c lies below (a + floor(b*sqrt(r)) + 1)/c, so its floor is that of
    // (a + floor(b*sqrt(r)))/c.
    BigInt rootPart = 0;
    if (b != 0 && x.r > 0) {
        const BigInt square = b * b * x.r;
        const BigInt root = sqrt(square);
        rootPart = b > 0 ? root : root * root == square ? BigInt(-root) : BigInt(-root - 1);
    }
    return floorDivide(a + rootPart, c);
}

// The number of `digits` digits in `base` nearest to a real surd value; a tie rounds away from
// zero.
Rational nearestWithDigits(const Surd& realValue, int base, int digits) {
    const int sign = realValue.r < 0 ? 0 : signOfDifference(realValue, 0);
    if (sign == 0 || digits < 1)
        return 0;
    Surd size = realValue;
    if (sign < 0) {
        size.a = -size.a;
        size.b = -size.b;
    }
    const auto digitCount = [&](const BigInt& n) {
        return base == 2 ? int(msb(n)) + 1 : int(decimalText(n).size());
    };
    // The power m that gives floor(size * base^m) exactly `digits` digits.
    int m = digits;
    for (;;) {
        const BigInt scaled = floorScaled(size, base, m);
        if (scaled == 0) {
            m += std::max(digits, m);
            continue;
        }
        const int length = digitCount(scaled);
        if (length == digits)
            break;
        m += digits - length;
    }
    BigInt rounded, next;
    divide_qr(floorScaled(size, base, m + 1), BigInt(base), rounded, next);
    if (next * 2 >= base)
        ++rounded;
    const BigInt scale = power(base, m >= 0 ? m : -m);
    const Rational value = m >= 0 ? Rational::of(rounded, scale) : Rational::of(rounded * scale, 1);
    return sign < 0 ? -value : value;
}

} // namespace

Rational nearestDecimal(const Surd& realValue, int significantDigits) {
    return nearestWithDigits(realValue, 10, significantDigits);
}

Rational nearestBinary(const Surd& realValue, int significantBits) {
    return nearestWithDigits(realValue, 2, significantBits);
}

bool roundsTo(const Rational& exact, std::string_view shown, int precision) {
    const std::optional<ShownDecimal> decimal = readShown(shown, precision);
    if (!decimal)
        return false;
    const Rational distance = exact - decimal->value;
    return !(decimal->halfUnit < (distance.sign() < 0 ? -distance : distance));
}

bool roundsTo(const Surd& realValue, std::string_view shown, int precision) {
    const std::optional<ShownDecimal> decimal = readShown(shown, precision);
    if (!decimal || realValue.r < 0)
        return false;
    return signOfDifference(realValue, decimal->value - decimal->halfUnit) >= 0 &&
           signOfDifference(realValue, decimal->value + decimal->halfUnit) <= 0;
}

std::optional<std::string> terminatingDecimal(const Rational& value) {
    BigInt rest = value.den;
    int twos = 0, fives = 0;
    for (; rest % 2 == 0; rest /= 2)
        ++twos;
    for (; rest % 5 == 0; rest /= 5)
        ++fives;
    if (rest != 1)
        return std::nullopt;
    const std::size_t places = std::size_t(std::max(twos, fives));
    std::string digits = decimalText(abs(value.num) * (powerOfTen(int(places)) / value.den));
    if (digits.size() <= places)
        digits = std::string(places + 1 - digits.size(), '0') + digits;
    std::string text = value.num < 0 ? "-" : "";
    text += digits.substr(0, digits.size() - places);
    if (places > 0)
        text += "." + digits.substr(digits.size() - places);
    return text;
}
