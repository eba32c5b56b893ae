#include "core/working/notation.h"

#include <cstdlib>

#include "core/numbers/decimals.h"
#include "core/working/exact_values.h"

namespace {

std::string superscript(int power) {
    static const char* const digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text = power < 0 ? "⁻" : "";
    const std::string plain = std::to_string(power < 0 ? -power : power);
    for (char digit : plain)
        text += digits[digit - '0'];
    return text;
}

// "0.0000000000000000000000001" as 1 and -25, "25000000000000000000000000000000000000" as 2.5
// and 37: a mantissa and its power of ten, where the zeros would be too many to count at a
// glance; none where the plain form reads well.
struct PowerForm {
    std::string mantissa;
    int power = 0;
};

// A number rounded to 15 significant digits takes a power of ten wherever its whole part is
// longer: its last digits would be zeros that look exact.
std::optional<PowerForm> powerForm(const std::string& plain, bool rounded) {
    // Nine zeros at the end of a whole number, or four after the point, as printf's %g starts
    // its exponents below 0.0001.
    constexpr std::size_t tooManyZeros = 9, tooManyLeadingZeros = 4;
    const bool negative = plain.starts_with('-');
    const std::string digits = negative ? plain.substr(1) : plain;
    const std::size_t point = digits.find('.');
    const std::string whole = digits.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : digits.substr(point + 1);
    std::string significant;
    int power = 0;
    if (whole != "0") {
        const std::size_t lastNonZero = whole.find_last_not_of('0');
        const std::size_t trailing = whole.size() - 1 - lastNonZero;
        const bool padded = rounded && whole.size() > 15;
        if (!fraction.empty() || (trailing < tooManyZeros && !padded))
            return std::nullopt;
        significant = whole.substr(0, lastNonZero + 1);
        power = int(whole.size()) - 1;
    } else {
        const std::size_t first = fraction.find_first_not_of('0');
        if (first == std::string::npos || first < tooManyLeadingZeros)
            return std::nullopt;
        significant = fraction.substr(first);
        power = -int(first) - 1;
    }
    std::string mantissa = significant.substr(0, 1);
    if (significant.size() > 1)
        mantissa += "." + significant.substr(1);
    return PowerForm{(negative ? "-" : "") + mantissa, power};
}

} // namespace

std::string Notation::localised(const std::string& plain, bool rounded) const {
    std::string text = plain;
    int power = 0;
    bool exponent = false;
    if (const std::size_t e = text.find_first_of("eE"); e != std::string::npos) {
        power = std::atoi(text.c_str() + e + 1);
        text.erase(e);
        exponent = true;
    } else if (const std::optional<PowerForm> form = powerForm(text, rounded)) {
        text = form->mantissa;
        power = form->power;
        exponent = true;
    }
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, m_locale.decimalSeparator);
    return exponent ? text + "×10" + superscript(power) : text;
}

std::string Notation::number(const Rational& value) const {
    if (const std::optional<std::string> decimal = terminatingDecimal(value))
        return localised(*decimal);
    return value.text();
}

std::string Notation::fraction(const Rational& value) const {
    // Tenths and hundredths read as the decimals typed; halves and thirds as fractions.
    Rational tenths = value;
    for (int places = 0; places < 64 && tenths.den != 1 && tenths.den % 10 == 0; ++places)
        tenths = tenths * Rational(10);
    return tenths.den == 1 ? number(value) : value.text();
}

std::string Notation::put(const Rational& value) const {
    const std::string text = number(value);
    const bool compound =
        text.find('/') != std::string::npos || text.find("×") != std::string::npos;
    return value.sign() < 0 || compound ? "(" + text + ")" : text;
}

std::string Notation::surd(const Surd& value) const {
    if (const std::optional<Rational> rational = rationalValue(value))
        return number(*rational);
    return value.text();
}

std::string Notation::decimal(const Surd& value) const {
    if (const std::optional<Rational> rational = rationalValue(value)) {
        if (const std::optional<std::string> exact = terminatingDecimal(*rational))
            return "= " + localised(*exact);
    }
    return "≈ " + rounded(value);
}

std::string Notation::rounded(const Surd& value) const {
    return localised(nearestDecimalText(value, 15), true);
}

std::string Notation::result(const Surd& value) const {
    const std::optional<Rational> rational = rationalValue(value);
    const std::string exact = rational ? fraction(*rational) : surd(value);
    const std::string approximate = decimal(value);
    return approximate == "= " + exact ? exact : exact + " " + approximate;
}

std::string Notation::result(const Rational& value) const {
    return result(Surd::of(value, 0, 0));
}

std::string Notation::term(const Rational& coefficient, const std::string& unknown) const {
    if (unknown.empty())
        return number(coefficient);
    if (coefficient == Rational(1))
        return unknown;
    if (coefficient == Rational(-1))
        return "-" + unknown;
    const std::string text = number(coefficient);
    if (text.find('/') != std::string::npos)
        return "(" + text + ")" + unknown;
    if (text.find("×") != std::string::npos)
        return text + "·" + unknown;
    return text + unknown;
}

std::string Notation::sum(const std::vector<std::pair<Rational, std::string>>& terms) const {
    return written(terms, false);
}

std::string Notation::side(const std::vector<std::pair<Rational, std::string>>& terms) const {
    bool anyUnknown = false;
    for (const auto& [coefficient, unknown] : terms)
        anyUnknown = anyUnknown || (!unknown.empty() && coefficient.sign() != 0);
    return written(terms, !anyUnknown);
}

std::string Notation::then(const std::string& start, const std::string& value) {
    if (value == start || value.starts_with(start + " "))
        return value;
    return start + " = " + value;
}

std::string Notation::written(const std::vector<std::pair<Rational, std::string>>& terms,
                              bool zeroUnknowns) const {
    std::string text;
    for (const auto& [coefficient, unknown] : terms) {
        const bool keep = coefficient.sign() != 0 || zeroUnknowns;
        if (!keep)
            continue;
        const bool negative = coefficient.sign() < 0;
        if (text.empty()) {
            text = term(coefficient, unknown);
        } else {
            text += negative ? " - " : " + ";
            text += term(negative ? -coefficient : coefficient, unknown);
        }
    }
    return text.empty() ? "0" : text;
}

std::string Notation::window(const std::string& shown) const {
    std::string text;
    for (char c : shown)
        text += c == '.' ? m_locale.decimalSeparator : std::string(1, c);
    return text;
}

std::string Notation::list(const std::vector<std::string>& items) const {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : listSeparator()) + item;
    return text;
}

std::string Notation::listSeparator() const {
    return m_locale.decimalSeparator == "," ? "; " : ", ";
}

std::string Notation::complexPair(const Surd& root) const {
    const Rational real = rationalPart(root);
    const Surd size = imaginarySize(root);
    std::string imaginary;
    if (const std::optional<Rational> whole = rationalValue(size); whole && whole->den == 1)
        imaginary = *whole == Rational(1) ? "i" : number(*whole) + "i";
    else
        imaginary = "(" + surd(size) + ")i";
    return real.sign() == 0 ? "±" + imaginary : fraction(real) + " ± " + imaginary;
}

std::string Notation::joinWithAnd(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}
