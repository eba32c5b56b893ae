#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/numbers/exact.h"
#include "core/numbers/rational.h"

// Exact values against decimals, decided in integers alone so that the desktop and the page,
// whose floating point differs, come to the same answers.

// Whether `shown`, a decimal as Str, StrR4 or StrR8 write it with the default locale ("1.5",
// ".5", "-0.00173611634392354", "5.96046447753906E-08", "1.67854E+07"), is the exact value
// correctly rounded to shown's significant digits. `precision` is the number of digits the text
// was written with before its trailing zeros were dropped (7 for a Single, 15 for a double), so
// that "0.5" of a double stands for 0.500000000000000; 0 takes the digits as written. A value
// half a unit away, a tie, agrees. False for a text that is no such decimal.
bool roundsTo(const Rational& exact, std::string_view shown, int precision = 0);
// The same for a real surd value (r >= 0); false for an imaginary one.
bool roundsTo(const Surd& realValue, std::string_view shown, int precision = 0);

// "0.0017", "-12.5", "3": the value written out in full, where it ends; none for 1/3.
std::optional<std::string> terminatingDecimal(const Rational& value);

// The decimal of `significantDigits` digits nearest to a real surd value; a tie rounds away
// from zero.
Rational nearestDecimal(const Surd& realValue, int significantDigits);
// The number of `significantBits` binary digits nearest to a real surd value (0 for an imaginary
// one), whatever its power of two: 53 bits give the double a correctly rounded computation ends
// at, 24 a Single's.
Rational nearestBinary(const Surd& realValue, int significantBits);
