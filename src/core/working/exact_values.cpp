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

namespace {

// A Single's 24 binary digits for its 7 decimal ones, a double's 53 for its 15.
int bitsOf(int precision) {
    return precision <= 7 ? 24 : 53;
}

} // namespace

bool roundsToShown(const Surd& exact, std::string_view shown, int precision) {
    if (const std::optional<Rational> rational = rationalValue(exact))
        return roundsTo(*rational, shown, precision) ||
               roundsTo(nearestBinary(asSurd(*rational), bitsOf(precision)), shown, precision);
    // The nearest number the program's precision holds, written out, can end a digit off the
    // exact value rounded (1 + √2 is 2.41421356237309 as a double, 2.4142135623731 exactly
    // rounded): the window is then as right as its numbers can be, and no note says otherwise.
    return roundsTo(exact, shown, precision) ||
           roundsTo(nearestBinary(exact, bitsOf(precision)), shown, precision);
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
