#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/numbers/numbers.h"
#include "core/numbers/rational.h"

// One sign of a typed equation, with its place in the text in bytes.
struct Token {
    enum class Kind {
        Number,      // a number in the user's number form; `value` is its exact value
        Letter,      // a single letter, an unknown; `letter` is it
        Plus,        // "+"
        Minus,       // "-", "−" or "–"
        Times,       // "*", "·", "⋅" or "×"
        Divide,      // "/", ":" or "÷"
        Power,       // "^"
        Superscript, // "²", "³", ...; `value` is the exponent they write
        Open,        // "("
        Close,       // ")"
        Equals,      // "="
        Separator,   // ";" or a new line, between the equations of a system
        // The signs only answers have; an equation refuses them.
        Comma,         // "," outside a number
        Root,          // "√" or "sqrt"
        PlusMinus,     // "±"
        Approximately, // "≈"
        OpenSet,       // "{"
        CloseSet,      // "}"
        EmptySet,      // "∅"
        ElementOf,     // "∈"
        Bar,           // "|", between the coordinates of a point
        Or,            // "∨"
    };
    Kind kind;
    std::size_t place = 0, length = 0;
    Rational value;
    char letter = 0;

    std::size_t end() const { return place + length; }
};

// What a text is, for the tokens it may hold and the words its refusals use.
enum class TypedText { Equation, Answer };

// The tokens of a typed text. Blanks (spaces, tabs, no-break spaces, carriage returns) only
// separate them. Throws Refusal for a character no such text has and for a number that does not
// read as a box would read it: no number in the user's form, or one with two readings. In an
// answer whose number form has a decimal point, "," separates numbers and is never inside one.
std::vector<Token> typedTokens(std::string_view text, const NumberLocale& locale,
                               TypedText kind = TypedText::Equation);
