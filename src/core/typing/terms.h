#pragma once

#include <string>
#include <vector>

#include "core/numbers/numbers.h"
#include "core/numbers/rational.h"

// The unknowns of a term as powers: the first unknown to `first`, the second to `second`.
// Velmora reads nothing past the second degree, so each stays small.
struct Monomial {
    int first = 0, second = 0;

    int degree() const { return first + second; }
    friend bool operator==(const Monomial&, const Monomial&) = default;
};

struct Term {
    Rational coefficient;
    Monomial monomial;
};

// A sum of terms as a pupil writes it out: like terms stay apart until they are collected, so
// the working can show the expanding and the collecting as steps of their own.
using Terms = std::vector<Term>;

// Like terms added, in the order each first appears; terms that come to nothing left out.
Terms collected(const Terms& terms);
// The highest degree of the collected terms; -1 where they come to nothing.
int degree(const Terms& terms);
// The terms by their unknowns, the highest degree first and the first unknown before the second,
// the number last.
Terms ordered(const Terms& terms);
Terms negated(Terms terms);
Terms times(Terms terms, const Rational& factor);
// Every term of the one times every term of the other, as a pupil multiplies brackets out.
Terms product(const Terms& left, const Terms& right);
// The coefficient of one power of the unknowns, 0 where there is none.
Rational coefficientOf(const Terms& terms, Monomial monomial);

// The names the unknowns are written with: "x", or "x" and "y".
struct Unknowns {
    std::string first = "x", second = "y";
};

// "x²", "x·y", "y"; the empty text for the number 1.
std::string monomialText(Monomial monomial, const Unknowns& unknowns);
// "x² + 2x - x - 2", "3x/4 - 1/6", "0,5y"; "0" for no terms. Numbers in the user's form.
std::string termsText(const Terms& terms, const Unknowns& unknowns, const NumberLocale& locale);
