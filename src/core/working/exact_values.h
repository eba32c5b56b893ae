#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/numbers/exact.h"

// The exact numbers of a working and how they meet the window's decimals: the rational and
// surd parts of a root, the decimal a pupil writes after it, and whether the window's text is
// the exact number rounded to its digits.

// a + b*sqrt(r) over c, as its rational part a/c and its factor b/c.
Rational rationalPart(const Surd& number);
Rational surdFactor(const Surd& number);
// The number where it has no surd part.
std::optional<Rational> rationalValue(const Surd& number);
Surd asSurd(const Rational& number);
// Whether the window's text (with "." and maybe "E+07") is the exact number rounded to the
// digits the text shows.
bool roundsToShown(const Surd& exact, std::string_view shown);
// The exact number to `digits` significant digits, with "." and no exponent letter: "2.5E-50"
// is written "2.5e-50" for the notation to turn into a power of ten.
std::string nearestDecimalText(const Surd& exact, int digits);
// The value a Single or double holds, exactly; none where it is no finite number.
std::optional<Rational> storedExactly(double stored);
// All the digits of a terminating fraction, "0.100000001490116119384765625", or none where the
// denominator has other factors than 2 and 5.
std::optional<std::string> terminatingDecimalText(const Rational& number);
// The imaginary part's size of a complex number, |b|*sqrt(-r)/c; zero for a real one.
Surd imaginarySize(const Surd& number);
