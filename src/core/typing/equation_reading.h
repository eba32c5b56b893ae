#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/numbers/numbers.h"

// An equation or a system as a pupil writes it in the exercise book, "3(x - 1) = x²" or
// "2x + 3y = 8; x - y = 1", read into the coefficients the main window's boxes take.
struct EquationReading {
    bool accepted = false;
    bool system = false; // two equations in two unknowns; otherwise one in one
    // What was read ("x² - 3x + 3 = 0: an equation of the second degree"), or in plain words what
    // could not be read and where.
    std::string message;
    // The refusal's place in the text, in bytes: where it starts and how long it is.
    std::size_t place = 0, length = 0;
    // The unknowns' letters as typed: "x" (and "y"), or another single letter.
    std::string unknown = "x", secondUnknown = "y";
    // The texts for the boxes: a, b, c, or a1, b1, c1, a2, b2, c2; exact decimals.
    std::vector<std::string> boxes;
    // The rearranging from the text as typed to the coefficients named, one line a step, for the
    // start of the working.
    std::vector<std::string> steps;
    // A coefficient past 16,777,216 went into its box as the nearest Single, not exactly.
    bool roundedToSingle = false;
};

EquationReading readEquation(std::string_view text, const NumberLocale& locale);
