#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/numbers/exact.h"

class Notation;

// A line of the working as mathematics: numbers, names, sums, products, quotients, powers,
// roots, "±", chains of "=", "≠", "<" and ">", lists and the words between them. The text is
// rendered from it, with brackets from precedence and sign and "≈" where a side is rounded, so
// that no method has to remember them; and each chain is checked exactly from it.
struct Formula {
    enum class Kind {
        Number,      // an exact rational
        Rounded,     // an exact real value shown to 15 significant digits
        Name,        // "x", "D", "b", "i", standing for its value where it has one
        Negated,     // -part
        Sum,         // parts added, a negated part written with " - "
        Product,     // parts multiplied
        Quotient,    // part / part
        Power,       // part to a whole exponent
        Root,        // the square root of a part
        PlusMinus,   // part ± part: two values, taken alike throughout a chain
        Determinant, // |a b; c d| of four parts, row by row
        Chain,       // parts joined by relations, checked one pair after the other
        List,        // parts with the list separator of the number form
        Words,       // parts written one after the other: words and formulas
        Text,        // words
    };
    enum class Relation {
        Equal,    // "=", or "≈" where a side holds a rounded number: checked
        Equation, // "=" of an equation to solve, as "x² - 3x = -1": not an identity
        NotEqual, // "≠"
        Greater,  // ">"
        Less,     // "<"
    };

    // Out of line: a tree is copied and destroyed in many places, and each inlined copy of its
    // numbers grew the page's program.
    Formula();
    Formula(const Formula&);
    Formula(Formula&&) noexcept;
    Formula& operator=(const Formula&);
    Formula& operator=(Formula&&) noexcept;
    ~Formula();

    Kind kind = Kind::Text;
    std::vector<Formula> parts;
    std::vector<Relation> relations; // between a chain's parts
    Rational number;                 // a number's value, a power's exponent
    bool asFraction = false;         // a number written "9/8" rather than "1.125"
    std::optional<Surd> value;       // a rounded number's or a name's exact value
    std::string text;                // a name, words

    // The line as plain text in the user's number form.
    std::string plain(const Notation& notation) const;
};

// Builders, so that a line reads as the formula it writes.
namespace math {
Formula number(const Rational& value);
// "9/8", "-1/2", but "0.25": a number worked out, a fraction unless it is tenths.
Formula fraction(const Rational& value);
Formula rounded(const Surd& value);
// A surd as a pupil writes it: "(3 + √5)/2", "2√3", "i√3/2", or its number.
Formula surd(const Surd& value);
// The exact value, then its decimal where that says more: "9/8 = 1.125", "√2 ≈ 1.414…".
Formula result(const Surd& value);
Formula name(const std::string& name);
Formula name(const std::string& name, const Surd& value);
Formula negated(Formula part);
Formula sum(std::vector<Formula> parts);
Formula product(std::vector<Formula> parts);
Formula quotient(Formula over, Formula under);
Formula power(Formula base, int exponent);
Formula root(Formula part);
Formula plusMinus(Formula left, Formula right);
Formula determinant(Formula a, Formula b, Formula c, Formula d);
// Numbers added as a pupil writes them: "4 - 6 + 2", zeros left out, "0" for none.
Formula terms(const std::vector<Rational>& values);
Formula list(std::vector<Formula> parts);
Formula text(const std::string& words);
Formula words(std::vector<Formula> parts);
// A chain: first, then each relation and its part.
Formula chain(Formula first, std::vector<std::pair<Formula::Relation, Formula>> rest);
// first = second = ...: a chain of equal sides.
Formula equal(std::vector<Formula> sides);
} // namespace math

// What the exact check of a line found: the relations it could evaluate and the first that is
// false, in words; empty where every one holds.
struct LineCheck {
    int checked = 0;
    std::string fault;
};
LineCheck checkLine(const Formula& line);
