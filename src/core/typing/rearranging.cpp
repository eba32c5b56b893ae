#include "core/typing/rearranging.h"

#include <algorithm>
#include <optional>

namespace {

using Equations = std::vector<EquationSides>;

std::string equationsText(const Equations& equations, const Unknowns& unknowns,
                          const NumberLocale& locale) {
    std::string text;
    for (const EquationSides& sides : equations) {
        if (!text.empty())
            text += "; ";
        text += termsText(sides.left, unknowns, locale) + " = " +
                termsText(sides.right, unknowns, locale);
    }
    return text;
}

// Each side transformed alike, as collecting or ordering does.
template <class Transform> Equations eachSide(Equations equations, Transform transform) {
    for (EquationSides& sides : equations) {
        sides.left = transform(sides.left);
        sides.right = transform(sides.right);
    }
    return equations;
}

// Every term to the left of one equation; in a system the unknowns to the left and the numbers
// to the right, where a·x + b·y = c has them.
Equations moved(Equations equations, bool system) {
    for (EquationSides& sides : equations) {
        Terms left, right;
        const auto move = [&](const Terms& terms, bool fromLeft) {
            for (const Term& term : terms) {
                // A 0 brought over changes nothing: "= 0" stays where it was typed.
                if (!fromLeft && term.coefficient.sign() == 0)
                    continue;
                const bool toLeft = !system || term.monomial.degree() > 0;
                Terms& to = toLeft ? left : right;
                to.push_back(toLeft == fromLeft ? term : negated({term}).front());
            }
        };
        move(sides.left, true);
        move(sides.right, false);
        sides = {left, right};
    }
    return equations;
}

// Whether a box takes the number as a decimal it reads back exactly: 1/3 has no decimal that
// ends, and 2^-140 one too long to read exactly.
bool boxTakesExactly(const Rational& value) {
    const std::optional<std::string> text = exactDecimalText(value, {});
    if (!text)
        return false;
    const CoefficientReading reading = coefficientReading(*text, {});
    return reading.exact && *reading.exact == value;
}

// What makes every coefficient of an equation whole where a box cannot take one of them as a
// decimal: the least common multiple of their denominators; 1 where it can take each.
Rational commonDenominator(const EquationSides& sides) {
    Terms terms = sides.left;
    terms.insert(terms.end(), sides.right.begin(), sides.right.end());
    if (std::all_of(terms.begin(), terms.end(),
                    [](const Term& term) { return boxTakesExactly(term.coefficient); }))
        return 1;
    Rational multiple = 1;
    for (const Term& term : terms)
        multiple = multiple * Rational::of((multiple * term.coefficient).den, 1);
    return multiple;
}

// "by 6", "the first equation by -1 and the second by 4": the multipliers that are not 1.
std::string multipliersText(const std::vector<Rational>& multipliers, const NumberLocale& locale) {
    if (multipliers.size() == 1)
        return "by " + *exactDecimalText(multipliers.front(), locale);
    static const char* const ordinals[] = {"first", "second"};
    std::string text;
    for (std::size_t index = 0; index < multipliers.size(); ++index) {
        if (multipliers[index] == 1)
            continue;
        const std::string by = " by " + *exactDecimalText(multipliers[index], locale);
        text += text.empty() ? std::string("the ") + ordinals[index] + " equation" + by
                             : std::string(" and the ") + ordinals[index] + by;
    }
    return text;
}

// An equation's text as lines are compared: a line that only writes the typed text with other
// blanks, "-" for "−", "x²" for "x^2" or "2x" for "2*x" says nothing new.
std::string compared(std::string text) {
    for (const auto& [typed, written] :
         {std::pair<std::string_view, std::string_view>{"\u2212", "-"},
          {"^2", "\u00B2"},
          {"*", ""}}) {
        for (std::size_t at; (at = text.find(typed)) != std::string::npos;)
            text.replace(at, typed.size(), written);
    }
    std::erase_if(text, [](char c) { return c == ' ' || c == '\t'; });
    return text;
}

class Steps {
public:
    Steps(const Unknowns& unknowns, const NumberLocale& locale, const std::string& typed)
        : m_unknowns(unknowns), m_locale(locale), m_last(compared(typed)) {
        m_lines.push_back("Typed: " + typed);
    }

    // A line for the step, where it changes what the last line shows.
    void add(const std::string& what, const Equations& equations) {
        const std::string text = equationsText(equations, m_unknowns, m_locale);
        if (compared(text) == m_last)
            return;
        m_lines.push_back(what + ": " + text);
        m_last = compared(text);
    }

    // Each equation multiplied by its multiplier, with a line where one is not 1.
    Equations multiplied(Equations equations, const std::vector<Rational>& multipliers,
                         const std::string& why) {
        if (std::all_of(multipliers.begin(), multipliers.end(),
                        [](const Rational& m) { return m == 1; }))
            return equations;
        for (std::size_t index = 0; index < equations.size(); ++index) {
            equations[index].left = times(equations[index].left, multipliers[index]);
            equations[index].right = times(equations[index].right, multipliers[index]);
        }
        add("Multiplying " + multipliersText(multipliers, m_locale) + why, equations);
        return equations;
    }

    void say(const std::string& line) { m_lines.push_back(line); }
    std::vector<std::string> lines() const { return m_lines; }

private:
    const Unknowns& m_unknowns;
    const NumberLocale& m_locale;
    std::vector<std::string> m_lines;
    std::string m_last;
};

} // namespace

std::vector<std::string> coefficientNames(bool system) {
    if (system)
        return {"a1", "b1", "c1", "a2", "b2", "c2"};
    return {"a", "b", "c"};
}

Rearranging rearranged(const Equations& equations, const std::string& typed,
                       const Unknowns& unknowns, const NumberLocale& locale) {
    const bool system = equations.size() == 2;
    Steps steps(unknowns, locale, typed);
    steps.add("Expanding", equations);

    Equations current = moved(equations, system);
    steps.add(system ? "Bringing the unknowns to the left and the numbers to the right"
                     : "Bringing every term to the left",
              current);
    current = eachSide(current, [](const Terms& terms) { return collected(terms); });
    steps.add("Collecting like terms", current);
    current = eachSide(current, [](const Terms& terms) { return ordered(terms); });
    steps.add(system ? "Ordering the terms: " + unknowns.first + ", then " + unknowns.second
                     : "Ordering the terms by powers of " + unknowns.first,
              current);

    std::vector<Rational> multipliers;
    for (const EquationSides& sides : current)
        multipliers.push_back(!sides.left.empty() && sides.left.front().coefficient.sign() < 0
                                  ? Rational(-1)
                                  : Rational(1));
    current = steps.multiplied(current, multipliers,
                               system ? " to make each first term positive"
                                      : " to make the first term positive");
    multipliers.clear();
    for (const EquationSides& sides : current)
        multipliers.push_back(commonDenominator(sides));
    current = steps.multiplied(current, multipliers,
                               system ? ", the least common denominators, to clear the fractions"
                                      : ", the least common denominator, to clear the fractions");

    Rearranging result;
    result.result = equationsText(current, unknowns, locale);
    for (const EquationSides& sides : current) {
        if (system) {
            result.coefficients.push_back(coefficientOf(sides.left, {1, 0}));
            result.coefficients.push_back(coefficientOf(sides.left, {0, 1}));
            result.coefficients.push_back(coefficientOf(sides.right, {}));
        } else {
            result.coefficients.push_back(coefficientOf(sides.left, {2, 0}));
            result.coefficients.push_back(coefficientOf(sides.left, {1, 0}));
            result.coefficients.push_back(coefficientOf(sides.left, {}));
        }
    }
    const std::vector<std::string> names = coefficientNames(system);
    // "; " between the numbers where a comma is the decimal separator: "a = 0,5; b = 1".
    const std::string separator = locale.decimalSeparator == "," ? "; " : ", ";
    std::string naming;
    for (std::size_t index = 0; index < names.size(); ++index)
        naming += (index == 0 ? "" : separator) + names[index] + " = " +
                  *exactDecimalText(result.coefficients[index], locale);
    steps.say(naming);
    result.steps = steps.lines();
    return result;
}
