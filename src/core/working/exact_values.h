#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/numbers/exact.h"

// The parts of an exact root that a working writes one by one, and how its numbers meet the
// window's decimals.

// a + b*sqrt(r) over c, as its rational part a/c and its factor b/c.
Rational rationalPart(const Surd& number);
Rational surdFactor(const Surd& number);
// The number where it has no surd part.
std::optional<Rational> rationalValue(const Surd& number);
Surd asSurd(const Rational& number);
// The imaginary part's size of a complex number, |b|*sqrt(-r)/c; zero for a real one.
Surd imaginarySize(const Surd& number);
// Whether a text the window shows (with "." and maybe "E+07"), written with `precision`
// significant digits, is the exact real number rounded.
bool roundsToShown(const Surd& exact, std::string_view shown, int precision);
// The exact number to `digits` significant digits, with ".".
std::string nearestDecimalText(const Surd& exact, int digits);
// The value a Single or a double holds, exactly; none for an infinity.
std::optional<Rational> storedExactly(double stored);
