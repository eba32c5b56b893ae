#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/numbers/exact.h"
#include "core/numbers/numbers.h"

// Numbers as a pupil writes them in the user's own number form: the locale's decimal separator,
// "; " between numbers in a list where that separator is a comma, powers of ten as "×10ⁿ" only
// where a number needs them, and an ASCII "-" so that a number pastes back into a box.
class Notation {
public:
    explicit Notation(NumberLocale locale) : m_locale(std::move(locale)) {}

    // A terminating decimal as such ("0.25", "16777217", "5×10⁻⁵⁰"), any other fraction as
    // "1/3".
    std::string number(const Rational& value) const;
    // A number worked out: a fraction where it is no decimal of tenths, "9/8", "-1/2", but
    // "0.25" and "1×10⁻³⁰".
    std::string fraction(const Rational& value) const;
    // A number put into a formula: brackets around negative numbers, fractions and powers of
    // ten.
    std::string put(const Rational& value) const;
    // "(3 + √5)/2", "-√3/3", or the rational's number.
    std::string surd(const Surd& value) const;
    // The decimal a pupil writes after an exact root: "= 0.25" where it terminates, else
    // "≈ 2.61803398874989".
    std::string decimal(const Surd& value) const;
    // A result, exact and then as a decimal: "2", "9/8 = 1.125", "(3 + √5)/2 ≈ 2.61803398874989".
    std::string result(const Surd& value) const;
    std::string result(const Rational& value) const;
    // The number to 15 significant digits: "2.61803398874989", "5.96046412226769×10⁻⁸".
    std::string rounded(const Surd& value) const;
    // A coefficient as its term of a sum: "3x", "-x²", "(1/2)y", "2.5×10³⁷·x".
    std::string term(const Rational& coefficient, const std::string& unknown) const;
    // A sum of terms, "x² - 3x + 2", without its zero terms.
    std::string sum(const std::vector<std::pair<Rational, std::string>>& terms) const;
    // The left side of an equation as typed: every term written out where no unknown is left,
    // so that 0, 0, 5 reads "0x + 0y = 5" and not "5 = ...".
    std::string side(const std::vector<std::pair<Rational, std::string>>& terms) const;
    // "start = value", or only "start" where the value reads the same.
    static std::string then(const std::string& start, const std::string& value);
    // A text the window shows (with "."), quoted as the window shows it in the user's form.
    std::string window(const std::string& shown) const;
    // Items of a list: "2, 1" or, with a decimal comma, "2; 1".
    std::string list(const std::vector<std::string>& items) const;
    // What parts the numbers of a list: ", ", or "; " where the decimal separator is a comma.
    std::string listSeparator() const;
    // A complex pair as a pupil writes it: "-1/2 ± (√3/2)i", "1 ± 2i", "±i".
    std::string complexPair(const Surd& root) const;
    // "2", "2 and 3", "a, b and c".
    static std::string joinWithAnd(const std::vector<std::string>& items);
    const NumberLocale& locale() const { return m_locale; }

private:
    std::string written(const std::vector<std::pair<Rational, std::string>>& terms,
                        bool zeroUnknowns) const;
    // A decimal written with "." and maybe "e-50" in the user's form; a rounded one without
    // zeros that pad it past its 15 significant digits.
    std::string localised(const std::string& plain, bool rounded = false) const;
    NumberLocale m_locale;
};
