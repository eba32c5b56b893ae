#include "core/working/exact_values.h"

#include <cmath>

#include "core/numbers/decimals.h"

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

Surd imaginarySize(const Surd& number) {
    if (number.r >= 0)
        return asSurd(0);
    const Rational factor = surdFactor(number);
    return Surd::of(0, factor.sign() < 0 ? -factor : factor, -number.r);
}

bool roundsToShown(const Surd& exact, std::string_view shown, int precision) {
    if (const std::optional<Rational> rational = rationalValue(exact))
        return roundsTo(*rational, shown, precision);
    return roundsTo(exact, shown, precision);
}

std::string nearestDecimalText(const Surd& exact, int digits) {
    // A decimal of finitely many digits always terminates.
    return *terminatingDecimal(nearestDecimal(exact, digits));
}

std::optional<Rational> storedExactly(double stored) {
    if (!std::isfinite(stored))
        return std::nullopt;
    return exactly(stored);
}
