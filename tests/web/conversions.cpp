// Runs a table of number conversions through the core and prints every result, one line each,
// so that the desktop build and the browser build can be compared line by line.
// Usage: conversions TABLE
// A row is LOCALE <tab> CONVERSION <tab> INPUT; the output repeats it and adds the result: a
// text in brackets, a value's bits, true or false, or "none" where a coefficient has no value.
// Numbers given to Str, StrR4, StrR8 and FpR4 are read with strtod, so hexadecimal forms
// ("0x1.6a09e667f3bcdp+0") name a value exactly.

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "core/numbers/numbers.h"

namespace {

NumberLocale localeNamed(const std::string& name) {
    if (name == "de")
        return {",", ".", "\u20ac", 3, 3};
    if (name == "fr")
        return {",", "\u202f", "\u20ac", 3, 3};
    if (name == "in") // Indian English: groups of two before the last three
        return {".", ",", "\u20b9", 3, 2};
    if (name == "plain") // no groups, no currency
        return {".", "", "", 0, 0};
    return {}; // "en"
}

// A value's bits: equal texts mean equal values, signs of zero and NaNs included. (Emscripten's
// libc++ has no std::bit_cast.)
std::string bits(double value) {
    std::uint64_t word;
    std::memcpy(&word, &value, sizeof word);
    char text[32];
    std::snprintf(text, sizeof text, "0x%016" PRIx64, word);
    return text;
}

std::string bits(float value) {
    std::uint32_t word;
    std::memcpy(&word, &value, sizeof word);
    char text[16];
    std::snprintf(text, sizeof text, "0x%08" PRIx32, word);
    return text;
}

// Backslash escapes let a row hold a tab, a line feed or nothing at all ("\e").
std::string unescape(const std::string& text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const char next = text[++i];
        if (next == 't')
            plain += '\t';
        else if (next == 'n')
            plain += '\n';
        else if (next != 'e')
            plain += next;
    }
    return plain;
}

std::string convert(const std::string& conversion, const std::string& input,
                    const NumberLocale& locale) {
    const double number = std::strtod(input.c_str(), nullptr);
    try {
        if (conversion == "Val")
            return bits(Val(input));
        if (conversion == "IsNumeric")
            return IsNumeric(input, locale) ? "true" : "false";
        if (conversion == "Str")
            return "[" + Str(static_cast<float>(number)) + "]";
        if (conversion == "StrR4")
            return "[" + StrR4(static_cast<float>(number), locale) + "]";
        if (conversion == "StrR8")
            return "[" + StrR8(number, locale) + "]";
        if (conversion == "FpR4")
            return bits(FpR4(number));
        if (conversion == "readCoefficient") {
            const std::optional<double> value = readCoefficient(input, locale);
            return value ? bits(*value) : "none";
        }
        if (conversion == "coefficientValue")
            return bits(coefficientValue(input, locale));
    } catch (const ArithmeticFault& fault) {
        return std::string("fault: ") + fault.what();
    }
    return "unknown conversion";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: conversions TABLE\n";
        return 2;
    }
    std::ifstream table(argv[1]);
    if (!table) {
        std::cerr << "conversions: cannot read " << argv[1] << '\n';
        return 2;
    }
    std::string line;
    while (std::getline(table, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t first = line.find('\t');
        const std::size_t second = line.find('\t', first + 1);
        if (first == std::string::npos || second == std::string::npos) {
            std::cerr << "conversions: bad row: " << line << '\n';
            return 2;
        }
        const std::string locale = line.substr(0, first);
        const std::string conversion = line.substr(first + 1, second - first - 1);
        const std::string input = unescape(line.substr(second + 1));
        std::cout << line << '\t' << convert(conversion, input, localeNamed(locale)) << '\n';
    }
    return 0;
}
