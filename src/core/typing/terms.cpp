#include "core/typing/terms.h"

#include <algorithm>
#include <optional>

namespace {

// A product of long sums is collected before it is multiplied out: the working stays readable,
// and its cost stays that of its factors' terms, as their like terms are few.
constexpr std::size_t longestProduct = 24;

std::string superscript(int exponent) {
    static const char* const digits[] = {"\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074",
                                         "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
    const std::string decimal = std::to_string(exponent);
    std::string text;
    for (char digit : decimal)
        text += digits[digit - '0'];
    return text;
}

std::string power(const std::string& unknown, int exponent) {
    return exponent == 1 ? unknown : unknown + superscript(exponent);
}

// "3x/4", "x/4", "0,75x", "2x", "x", "1/6", "7": the size of a term without its sign.
std::string sizeText(const Rational& size, const std::string& monomial,
                     const NumberLocale& locale) {
    if (const std::optional<std::string> decimal = exactDecimalText(size, locale))
        return monomial.empty() ? *decimal : *decimal == "1" ? monomial : *decimal + monomial;
    const std::string numerator = *exactDecimalText(Rational::of(size.num, 1), locale);
    const std::string denominator = *exactDecimalText(Rational::of(size.den, 1), locale);
    if (monomial.empty())
        return numerator + "/" + denominator;
    return (numerator == "1" ? "" : numerator) + monomial + "/" + denominator;
}

Terms multipliedOut(const Terms& left, const Terms& right) {
    Terms terms;
    for (const Term& p : left)
        for (const Term& q : right)
            terms.push_back(
                {p.coefficient * q.coefficient,
                 {p.monomial.first + q.monomial.first, p.monomial.second + q.monomial.second}});
    return terms;
}

} // namespace

Terms collected(const Terms& terms) {
    Terms sum;
    for (const Term& term : terms) {
        const auto like = std::find_if(sum.begin(), sum.end(),
                                       [&](const Term& t) { return t.monomial == term.monomial; });
        if (like == sum.end())
            sum.push_back(term);
        else
            like->coefficient = like->coefficient + term.coefficient;
    }
    std::erase_if(sum, [](const Term& term) { return term.coefficient.sign() == 0; });
    return sum;
}

int degree(const Terms& terms) {
    int highest = -1;
    for (const Term& term : collected(terms))
        highest = std::max(highest, term.monomial.degree());
    return highest;
}

Terms ordered(const Terms& terms) {
    Terms sorted = terms;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Term& p, const Term& q) {
        const int byDegree = p.monomial.degree() - q.monomial.degree();
        return byDegree != 0 ? byDegree > 0 : p.monomial.first > q.monomial.first;
    });
    return sorted;
}

Terms negated(Terms terms) {
    for (Term& term : terms)
        term.coefficient = -term.coefficient;
    return terms;
}

Terms times(Terms terms, const Rational& factor) {
    for (Term& term : terms)
        term.coefficient = term.coefficient * factor;
    return terms;
}

Terms product(const Terms& left, const Terms& right) {
    if (left.size() * right.size() <= longestProduct)
        return multipliedOut(left, right);
    return collected(multipliedOut(collected(left), collected(right)));
}

Rational coefficientOf(const Terms& terms, Monomial monomial) {
    Rational sum;
    for (const Term& term : terms)
        if (term.monomial == monomial)
            sum = sum + term.coefficient;
    return sum;
}

std::string monomialText(Monomial monomial, const Unknowns& unknowns) {
    if (monomial.first == 0)
        return monomial.second == 0 ? "" : power(unknowns.second, monomial.second);
    if (monomial.second == 0)
        return power(unknowns.first, monomial.first);
    return power(unknowns.first, monomial.first) + "\u00B7" +
           power(unknowns.second, monomial.second);
}

std::string termsText(const Terms& terms, const Unknowns& unknowns, const NumberLocale& locale) {
    if (terms.empty())
        return "0";
    std::string text;
    for (const Term& term : terms) {
        const bool negative = term.coefficient.sign() < 0;
        if (text.empty())
            text = negative ? "-" : "";
        else
            text += negative ? " - " : " + ";
        text += sizeText(negative ? -term.coefficient : term.coefficient,
                         monomialText(term.monomial, unknowns), locale);
    }
    return text;
}
