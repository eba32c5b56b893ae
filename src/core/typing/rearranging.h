#pragma once

#include <string>
#include <vector>

#include "core/numbers/numbers.h"
#include "core/typing/equation_parser.h"
#include "core/typing/terms.h"

// An equation, or a system's two, rearranged as a pupil does it in the exercise book, to the
// form the boxes take: a·x² + b·x + c = 0, or a·x + b·y = c for each equation of a system.
struct Rearranging {
    // One line a step: what is done and the equations after it, from the equations as typed to
    // the coefficients named. A step that changes nothing is left out.
    std::vector<std::string> steps;
    // The equations at the end, "x² - 3x + 3 = 0" or "2x + 3y = 8; x - y = 1".
    std::string result;
    // a, b, c, or a1, b1, c1, a2, b2, c2: exact, each with a decimal that ends.
    std::vector<Rational> coefficients;
};

// `typed`: the equations as typed, each trimmed, joined by "; ".
Rearranging rearranged(const std::vector<EquationSides>& equations, const std::string& typed,
                       const Unknowns& unknowns, const NumberLocale& locale);

// The names of the coefficients: a, b, c, or a1, b1, c1, a2, b2, c2.
std::vector<std::string> coefficientNames(bool system);
