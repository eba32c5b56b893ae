#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "core/typing/equation_tokens.h"
#include "core/typing/terms.h"

// The two sides of one typed equation, multiplied out; "x² - 1" without "=" is "x² - 1 = 0".
struct EquationSides {
    Terms left, right;
};

// Reads one equation from its tokens, in the unknowns named (every letter among the tokens is one
// of them), refusing any term past `highestDegree`: 2 for an equation, 1 for a system. Throws
// Refusal, with a place in `text`, for what it cannot read.
EquationSides parseEquation(std::span<const Token> tokens, std::string_view text,
                            const Unknowns& unknowns, int highestDegree);
