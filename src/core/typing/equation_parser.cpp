#include "core/typing/equation_parser.h"

#include <algorithm>
#include <string>

#include "core/numbers/characters.h"
#include "core/typing/refusal.h"
#include "core/typing/text_limits.h"

// The grammar, as a pupil writes; a product without a sign is written by juxtaposition, and it
// binds as "*" does, so "3/4x" is three quarters of x:
//
//   equation = side [ "=" side ]
//   side     = term { ( "+" | "-" ) term }
//   term     = signed { ( "*" | "/" ) signed | power }      power: starts with a letter or "("
//   signed   = ( "+" | "-" ) signed | power
//   power    = primary [ "^" whole | superscript ]
//   primary  = number | letter | "(" side ")"
//   whole    = number | "(" number ")"                      a whole number from 0 up
//
// Each rule gives its terms and its span in the text, the place a refusal of it points at.

namespace {

// Exponents are kept at this: no equation Velmora solves has a larger one.
constexpr int largestExponent = 1000;
// A power of a number is refused past this many binary digits above or below its fraction line,
// about 1200 decimal ones: far past any box, and a few nested powers would otherwise fill the
// memory.
constexpr std::size_t largestPowerBits = 4096;

std::size_t bitsOf(const BigInt& n) {
    const BigInt size = abs(n);
    return size == 0 ? 0 : std::size_t(msb(size)) + 1;
}

struct Part {
    Terms terms;
    std::size_t place = 0, end = 0;
};

// The highest power in the terms, the first unknown before the second: what a product of them
// would be named by.
Monomial leading(const Terms& terms) {
    Monomial highest;
    for (const Term& term : collected(terms))
        if (term.monomial.degree() > highest.degree() ||
            (term.monomial.degree() == highest.degree() && term.monomial.first > highest.first))
            highest = term.monomial;
    return highest;
}

int highestTermDegree(const Terms& terms) {
    int highest = 0;
    for (const Term& term : terms)
        highest = std::max(highest, term.monomial.degree());
    return highest;
}

class Parser {
public:
    Parser(std::span<const Token> tokens, std::string_view text, const Unknowns& unknowns,
           int highestDegree)
        : m_tokens(tokens), m_text(text), m_unknowns(unknowns), m_highestDegree(highestDegree) {}

    EquationSides equation() {
        EquationSides sides{side().terms, {}};
        if (accept(Token::Kind::Equals))
            sides.right = side().terms;
        if (at(Token::Kind::Equals))
            throw Refusal("Two \"=\" in one equation: an equation has two sides", current().place,
                          current().length);
        if (m_next < m_tokens.size())
            refuseUnexpected();
        return sides;
    }

private:
    Part side() {
        Part sum = term();
        while (at(Token::Kind::Plus) || at(Token::Kind::Minus)) {
            const bool minus = at(Token::Kind::Minus);
            ++m_next;
            Part next = term();
            if (minus)
                next.terms = negated(std::move(next.terms));
            sum.terms.insert(sum.terms.end(), next.terms.begin(), next.terms.end());
            sum.end = next.end;
        }
        return sum;
    }

    Part term() {
        Part result = signedFactor();
        for (;;) {
            if (accept(Token::Kind::Times)) {
                result = multiplied(result, signedFactor());
            } else if (at(Token::Kind::Divide)) {
                ++m_next;
                result = divided(result, signedFactor());
            } else if (at(Token::Kind::Letter) || at(Token::Kind::Open)) {
                result = multiplied(result, power());
            } else if (at(Token::Kind::Number)) {
                const Token& number = current();
                const Token& before = m_tokens[m_next - 1];
                throw Refusal(tokenText(number) + " follows " + tokenText(before) +
                                  " without a sign between them",
                              before.place, number.end() - before.place);
            } else {
                return result;
            }
        }
    }

    Part signedFactor() {
        if (at(Token::Kind::Plus) || at(Token::Kind::Minus)) {
            const Token& sign = m_tokens[m_next++];
            const Nesting nesting(m_depth, [&] { refuseNesting(sign); });
            Part factor = signedFactor();
            if (sign.kind == Token::Kind::Minus)
                factor.terms = negated(std::move(factor.terms));
            factor.place = sign.place;
            return factor;
        }
        return power();
    }

    Part power() {
        Part base = primary();
        if (at(Token::Kind::Superscript)) {
            const Token& exponent = m_tokens[m_next++];
            return raised(base, int(exponent.value.num), exponent.end());
        }
        if (at(Token::Kind::Power)) {
            const Token& caret = m_tokens[m_next++];
            const bool bracketed = accept(Token::Kind::Open);
            if (!at(Token::Kind::Number) || current().value.den != 1 ||
                current().value.sign() < 0 || (bracketed && !atAfter(Token::Kind::Close)))
                throw Refusal("^ needs a whole number after it, as in x^2", caret.place,
                              caret.length);
            const Rational& exponent = m_tokens[m_next++].value;
            if (bracketed)
                ++m_next;
            const int count = exponent.num > largestExponent ? largestExponent : int(exponent.num);
            return raised(base, count, m_tokens[m_next - 1].end());
        }
        return base;
    }

    Part primary() {
        if (m_next == m_tokens.size() ||
            !(at(Token::Kind::Number) || at(Token::Kind::Letter) || at(Token::Kind::Open)))
            refuseMissing();
        const Token& token = m_tokens[m_next++];
        if (token.kind == Token::Kind::Number)
            return {{{token.value, {}}}, token.place, token.end()};
        if (token.kind == Token::Kind::Letter) {
            const Monomial unknown =
                std::string(1, token.letter) == m_unknowns.first ? Monomial{1, 0} : Monomial{0, 1};
            return {{{1, unknown}}, token.place, token.end()};
        }
        const Nesting nesting(m_depth, [&] { refuseNesting(token); });
        Part inside = side();
        if (!accept(Token::Kind::Close)) {
            // The bracket with what it is joined to, as the pupil sees it: "3(".
            std::size_t from = token.place;
            const std::size_t index = std::size_t(&token - m_tokens.data());
            if (index > 0 && m_tokens[index - 1].end() == token.place)
                from = m_tokens[index - 1].place;
            throw Refusal("A bracket opened at " +
                              excerpt(m_text.substr(from, token.end() - from)) + " is not closed",
                          token.place, token.length);
        }
        return {std::move(inside.terms), token.place, m_tokens[m_next - 1].end()};
    }

    // Both factors' terms multiplied out, unless the product is past the highest degree.
    Part multiplied(const Part& left, const Part& right) {
        const Part span{{}, left.place, right.end};
        const int leftDegree = degree(left.terms), rightDegree = degree(right.terms);
        if (leftDegree > 0 && rightDegree > 0 && leftDegree + rightDegree > m_highestDegree) {
            const Monomial p = leading(left.terms), q = leading(right.terms);
            refuseDegree({p.first + q.first, p.second + q.second}, span);
        }
        // Like terms that cancel may hide a power past the highest: those are collected first.
        const bool collect =
            highestTermDegree(left.terms) + highestTermDegree(right.terms) > m_highestDegree;
        return {collect ? product(collected(left.terms), collected(right.terms))
                        : product(left.terms, right.terms),
                left.place, right.end};
    }

    Part divided(const Part& dividend, const Part& divisor) {
        const Terms below = collected(divisor.terms);
        const std::size_t length = divisor.end - divisor.place;
        if (degree(below) > 0) {
            const Monomial unknown = leading(below);
            throw Refusal((unknown.first > 0 ? m_unknowns.first : m_unknowns.second) +
                              " in a denominator: Velmora solves equations with numbers only "
                              "below a fraction line",
                          divisor.place, length);
        }
        if (below.empty())
            throw Refusal("A division by zero", divisor.place, length);
        Terms quotient = dividend.terms;
        for (Term& term : quotient)
            term.coefficient = term.coefficient / below.front().coefficient;
        return {std::move(quotient), dividend.place, divisor.end};
    }

    Part raised(const Part& base, int exponent, std::size_t end) {
        const Part span{{}, base.place, end};
        const int baseDegree = degree(base.terms);
        if (baseDegree > 0 && baseDegree * exponent > m_highestDegree) {
            const Monomial p = leading(base.terms);
            refuseDegree({p.first * exponent, p.second * exponent}, span);
        }
        // A pupil writes a power of a sum out by its formula: its terms come collected.
        const Terms factor = collected(base.terms);
        if (baseDegree == 0) {
            const Rational& number = factor.front().coefficient;
            if (std::max(bitsOf(number.num), bitsOf(number.den)) * std::size_t(exponent) >
                largestPowerBits)
                throw Refusal("A number too large to compute with", span.place,
                              span.end - span.place);
        }
        Terms result{{1, {}}};
        for (int count = 0; count < exponent; ++count)
            result = collected(product(result, factor));
        return {std::move(result), base.place, end};
    }

    [[noreturn]] void refuseDegree(Monomial monomial, const Part& span) {
        const std::string name = monomialText(monomial, m_unknowns);
        if (m_highestDegree == 1)
            throw Refusal(name + " is not linear: a system needs a\u00B7" + m_unknowns.first +
                              " + b\u00B7" + m_unknowns.second + " = c",
                          span.place, span.end - span.place);
        throw Refusal(name + ": Velmora solves equations up to " + m_unknowns.first + "\u00B2",
                      span.place, span.end - span.place);
    }

    [[noreturn]] static void refuseNesting(const Token& token) {
        throw Refusal(std::string(nestedTooDeeply), token.place, token.length);
    }

    [[noreturn]] void refuseMissing() {
        if (m_next > 0) {
            const Token& before = m_tokens[m_next - 1];
            throw Refusal("A number or an unknown is missing after " + tokenText(before),
                          before.place, before.length);
        }
        const Token& next = current();
        throw Refusal("A number or an unknown is missing before " + tokenText(next), next.place,
                      next.length);
    }

    [[noreturn]] void refuseUnexpected() {
        const Token& token = current();
        if (token.kind == Token::Kind::Close)
            throw Refusal("This ) closes no bracket", token.place, token.length);
        throw Refusal(tokenText(token) + " cannot stand here", token.place, token.length);
    }

    std::string tokenText(const Token& token) const {
        return excerpt(m_text.substr(token.place, token.length));
    }
    const Token& current() const { return m_tokens[m_next]; }
    bool at(Token::Kind kind) const {
        return m_next < m_tokens.size() && m_tokens[m_next].kind == kind;
    }
    bool atAfter(Token::Kind kind) const {
        return m_next + 1 < m_tokens.size() && m_tokens[m_next + 1].kind == kind;
    }
    bool accept(Token::Kind kind) {
        if (!at(kind))
            return false;
        ++m_next;
        return true;
    }

    std::span<const Token> m_tokens;
    std::string_view m_text;
    const Unknowns& m_unknowns;
    int m_highestDegree;
    std::size_t m_next = 0;
    int m_depth = 0;
};

} // namespace

EquationSides parseEquation(std::span<const Token> tokens, std::string_view text,
                            const Unknowns& unknowns, int highestDegree) {
    return Parser(tokens, text, unknowns, highestDegree).equation();
}
