#include "core/typing/equation_reading.h"

#include <algorithm>
#include <span>

#include "core/numbers/characters.h"
#include "core/numbers/trimmed.h"
#include "core/typing/equation_parser.h"
#include "core/typing/equation_tokens.h"
#include "core/typing/rearranging.h"
#include "core/typing/refusal.h"
#include "core/typing/text_limits.h"

namespace {

using TokenSpan = std::span<const Token>;

// The equations' tokens, split at ";" and new lines; blank lines and a ";" at the end give none.
std::vector<TokenSpan> splitEquations(const std::vector<Token>& tokens) {
    std::vector<TokenSpan> equations;
    const TokenSpan all(tokens);
    std::size_t first = 0;
    for (std::size_t index = 0; index <= all.size(); ++index) {
        if (index < all.size() && all[index].kind != Token::Kind::Separator)
            continue;
        if (index > first)
            equations.push_back(all.subspan(first, index - first));
        first = index + 1;
    }
    return equations;
}

std::size_t spanLength(TokenSpan tokens) {
    return tokens.back().end() - tokens.front().place;
}

// The letters as they first appear, each once.
std::vector<const Token*> lettersOf(const std::vector<TokenSpan>& equations) {
    std::vector<const Token*> letters;
    for (TokenSpan equation : equations)
        for (const Token& token : equation)
            if (token.kind == Token::Kind::Letter &&
                std::none_of(letters.begin(), letters.end(),
                             [&](const Token* seen) { return seen->letter == token.letter; }))
                letters.push_back(&token);
    return letters;
}

// The unknowns as typed: one letter for an equation, two for a system, in the order of the
// alphabet; a system may leave one out everywhere, and its coefficients are then 0.
Unknowns unknownsOf(const std::vector<TokenSpan>& equations, std::string_view text) {
    const std::vector<const Token*> letters = lettersOf(equations);
    const auto name = [](const Token* letter) { return std::string(1, letter->letter); };
    if (equations.size() == 1) {
        if (letters.empty())
            throw Refusal("An equation needs an unknown, such as x", equations[0].front().place,
                          spanLength(equations[0]));
        if (letters.size() > 1)
            throw Refusal(name(letters[0]) + " and " + name(letters[1]) +
                              " in one equation: an equation has one unknown, and a system a "
                              "second equation after \";\" or on a new line",
                          letters[1]->place, letters[1]->length);
        return {name(letters[0]), "y"};
    }
    if (letters.size() > 2)
        throw Refusal(name(letters[0]) + ", " + name(letters[1]) + " and " + name(letters[2]) +
                          ": a system has two unknowns",
                      letters[2]->place, letters[2]->length);
    if (letters.empty())
        throw Refusal("A system needs unknowns, such as x and y", 0, text.size());
    if (letters.size() == 1) {
        const std::string only = name(letters[0]);
        return only == "y" ? Unknowns{"x", "y"} : Unknowns{only, "y"};
    }
    const std::string first = name(letters[0]), second = name(letters[1]);
    return first < second ? Unknowns{first, second} : Unknowns{second, first};
}

std::string typedText(const std::vector<TokenSpan>& equations, std::string_view text) {
    std::string typed;
    for (TokenSpan equation : equations)
        typed += (typed.empty() ? "" : "; ") +
                 std::string(text.substr(equation.front().place, spanLength(equation)));
    return typed;
}

// Where a coefficient is past 16,777,216, a Single no longer holds every whole number: its box
// takes the Single nearest to it, written as briefly as it reads back.
constexpr std::int64_t wholeSingles = 16777216;

std::string boxText(const Rational& coefficient, const std::string& name, std::string_view text,
                    const NumberLocale& locale, std::vector<std::string>& steps, bool& rounded) {
    const Rational size = coefficient.sign() < 0 ? -coefficient : coefficient;
    const std::string exact = *exactDecimalText(coefficient, locale);
    if ((size - Rational(wholeSingles)).sign() <= 0)
        return exact;
    const std::optional<std::string> single = singleDecimalText(coefficient, locale);
    if (!single)
        throw Refusal(name + " = " + excerpt(exact) + " is beyond the largest number a box takes",
                      0, text.size());
    if (*single != exact) {
        steps.push_back(name + " = " + exact + " is past " + std::to_string(wholeSingles) +
                        ", where a Single no longer holds every whole number: its box takes " +
                        *single + ", the nearest Single");
        rounded = true;
    }
    return *single;
}

std::string kindOf(const Rearranging& rearranging, const Unknowns& unknowns) {
    if (rearranging.coefficients.size() == 6)
        return "a system of two equations";
    if (rearranging.coefficients[0].sign() != 0)
        return "an equation of the second degree";
    if (rearranging.coefficients[1].sign() != 0)
        return "an equation of the first degree";
    return "an equation in which " + unknowns.first + " cancels out";
}

// The signs only answers have: an equation refuses the first of them.
void refuseAnswerSigns(const std::vector<Token>& tokens, std::string_view text) {
    for (const Token& token : tokens) {
        if (token.kind == Token::Kind::Comma)
            throw Refusal("A \",\" outside a number: write a second equation after \";\" or on "
                          "a new line",
                          token.place, token.length);
        if (token.kind > Token::Kind::Comma)
            throw Refusal(std::string(text.substr(token.place, token.length)) +
                              " cannot stand in an equation",
                          token.place, token.length);
    }
}

EquationReading read(std::string_view text, const NumberLocale& locale) {
    if (const std::optional<std::string> tooLong = lengthProblem(text, equationLimit, locale)) {
        const std::size_t stopped = placePastLimit(text, equationLimit);
        throw Refusal(*tooLong, stopped, text.size() - stopped);
    }
    const std::vector<Token> tokens = typedTokens(text, locale);
    refuseAnswerSigns(tokens, text);
    const std::vector<TokenSpan> equations = splitEquations(tokens);
    if (equations.empty())
        throw Refusal("Nothing is typed: write an equation such as x\u00B2 - 5x + 6 = 0", 0,
                      text.size());
    if (equations.size() > 2)
        throw Refusal("Three equations: Velmora solves one equation or a system of two",
                      equations[2].front().place,
                      equations.back().back().end() - equations[2].front().place);
    const bool system = equations.size() == 2;
    const Unknowns unknowns = unknownsOf(equations, text);

    std::vector<EquationSides> sides;
    for (TokenSpan equation : equations)
        sides.push_back(parseEquation(equation, text, unknowns, system ? 1 : 2));
    const Rearranging rearranging = rearranged(sides, typedText(equations, text), unknowns, locale);

    EquationReading reading;
    reading.accepted = true;
    reading.system = system;
    reading.unknown = unknowns.first;
    reading.secondUnknown = unknowns.second;
    reading.message = rearranging.result + ": " + kindOf(rearranging, unknowns);
    reading.steps = rearranging.steps;
    const std::vector<std::string> names = coefficientNames(system);
    for (std::size_t index = 0; index < names.size(); ++index)
        reading.boxes.push_back(boxText(rearranging.coefficients[index], names[index], text, locale,
                                        reading.steps, reading.roundedToSingle));
    return reading;
}

} // namespace

EquationReading readEquation(std::string_view text, const NumberLocale& locale) {
    try {
        return read(text, locale);
    } catch (const Refusal& refusal) {
        EquationReading reading;
        reading.message = refusal.what();
        reading.place = refusal.place();
        reading.length = refusal.length();
        return reading;
    }
}
