#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/design/control_model.h"
#include "core/numbers/characters.h"
#include "core/solving/form_commands.h"

// Helpers shared by the fuzz targets: failing loudly, splitting an input into box texts, comparing
// shown numbers, and checking the shape of a number text.

// A broken property ends the run with a crash, so libFuzzer keeps the input as a reproducer.
template <class Detail> void require(bool holds, std::string_view property, Detail detail) {
    if (holds)
        return;
    const std::string text = detail();
    std::fprintf(stderr, "\nPROPERTY FAILED: %.*s\n%s\n", int(property.size()), property.data(),
                 text.c_str());
    std::abort();
}

// Texts are quoted with their bytes escaped, so a reproducer can be typed into a test.
inline std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c >= 0x20 && c < 0x7f) {
            out += char(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out + "\"";
}
// Whether a message can be read as it stands: whole UTF-8, and nothing invisible in it but the
// line breaks between its sentences.
inline bool readable(std::string_view message) {
    for (std::size_t place = 0; place < message.size();) {
        const Character character = characterAt(message, place);
        if (character.broken || (isInvisible(character.code) && character.code != '\n'))
            return false;
        place += character.length;
    }
    return true;
}

// Taken before std::quoted, which argument lookup finds for a std::string once <iomanip> is in.
inline std::string quoted(const std::string& text) {
    return quoted(std::string_view(text));
}

inline std::string number(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// The input split at NUL bytes into `count` texts; missing ones are empty, extra bytes are
// ignored. A NUL can never be typed into a box, so it is a natural separator.
inline std::vector<std::string> splitTexts(const std::uint8_t* data, std::size_t size,
                                           std::size_t count) {
    std::vector<std::string> texts(count);
    std::size_t index = 0;
    for (std::size_t pos = 0; pos < size && index < count; ++pos) {
        if (data[pos] == 0)
            ++index;
        else
            texts[index] += char(data[pos]);
    }
    return texts;
}

// A value shown in a box against the one the arithmetic calls for. The absolute bound lets
// denormal Singles, which keep only a few bits, count as close.
inline bool isClose(double shown, double expected, double relative, double absolute) {
    return std::fabs(shown - expected) <= relative * std::fabs(expected) + absolute;
}

// What a number text must look like: an optional "-", a mantissa of digits with at most one
// decimal separator, at most `maxDigits` significant digits, no zero ending a fraction and no
// separator ending the mantissa, then optionally "E", a sign and at least two digits. Returns
// what is wrong, or the empty text.
inline std::string numberTextProblem(std::string_view text, std::string_view separator,
                                     int maxDigits) {
    if (text.empty())
        return "empty";
    if (text == "-0")
        return "negative zero";
    std::string_view mantissa = text.substr(0, text.find('E'));
    if (mantissa.starts_with('-'))
        mantissa.remove_prefix(1);
    if (mantissa.empty())
        return "no mantissa";

    int digits = 0;
    bool significant = false;
    bool hasSeparator = false;
    for (std::size_t pos = 0; pos < mantissa.size();) {
        if (mantissa.substr(pos).starts_with(separator)) {
            if (hasSeparator)
                return "two separators";
            hasSeparator = true;
            pos += separator.size();
            continue;
        }
        const char c = mantissa[pos++];
        if (c < '0' || c > '9')
            return "stray character in the mantissa";
        significant = significant || c != '0';
        digits += significant ? 1 : 0;
    }
    if (digits > maxDigits)
        return "more than " + std::to_string(maxDigits) + " significant digits";
    if (hasSeparator && (mantissa.ends_with(separator) || mantissa.ends_with('0')))
        return "trailing zero or separator";

    if (mantissa.size() + (text.starts_with('-') ? 1 : 0) < text.size()) {
        const std::string_view exponent = text.substr(text.find('E') + 1);
        if (exponent.size() < 3 || (exponent[0] != '+' && exponent[0] != '-'))
            return "exponent without sign or with fewer than two digits";
        if (exponent.substr(1).find_first_not_of("0123456789") != std::string_view::npos)
            return "stray character in the exponent";
    }
    return "";
}

// The text with the locale's decimal separator replaced by the full stop, the only one Val knows.
inline std::string withFullStop(std::string text, std::string_view separator) {
    if (const std::size_t at = text.find(separator); !separator.empty() && at != std::string::npos)
        text.replace(at, separator.size(), ".");
    return text;
}

namespace meaning {

inline bool isDigits(std::string_view text, std::string_view digits = "0123456789") {
    return !text.empty() && text.find_first_not_of(digits) == std::string_view::npos;
}

// An optional sign, then digits with at most one point (a digit on at least one side), then
// optionally an exponent letter, a sign and digits: the whole of a plain number text.
inline bool isPlainNumber(std::string_view text, std::string_view exponentLetters) {
    if (text.starts_with('+') || text.starts_with('-'))
        text.remove_prefix(1);
    const std::size_t exponentAt = text.find_first_of(exponentLetters);
    std::string_view mantissa = text.substr(0, exponentAt);
    if (exponentAt != std::string_view::npos) {
        std::string_view exponent = text.substr(exponentAt + 1);
        if (exponent.starts_with('+') || exponent.starts_with('-'))
            exponent.remove_prefix(1);
        if (!isDigits(exponent))
            return false;
    }
    const std::size_t point = mantissa.find('.');
    if (point == std::string_view::npos)
        return isDigits(mantissa);
    const std::string_view whole = mantissa.substr(0, point), fraction = mantissa.substr(point + 1);
    return (whole.empty() || isDigits(whole)) && (fraction.empty() || isDigits(fraction)) &&
           !(whole.empty() && fraction.empty());
}

// Whether Val reads the whole text: with its blanks, tabs and line feeds taken out, it is a
// "&H" or "&O" number, or a plain number whose exponent letter may also be D.
inline bool valReadsAll(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            compact += c;
    const std::string_view rest = compact;
    if (rest.starts_with("&H") || rest.starts_with("&h"))
        return isDigits(rest.substr(2), "0123456789ABCDEFabcdef");
    if (rest.starts_with("&O") || rest.starts_with("&o"))
        return isDigits(rest.substr(2), "01234567");
    return isPlainNumber(rest, "EeDd");
}

inline constexpr std::string_view blanks[] = {" ", "\t", "\xc2\xa0", "\xe2\x80\xaf"};

inline std::string_view withoutLeadingBlanks(std::string_view text) {
    for (bool found = true; found;) {
        found = false;
        for (std::string_view blank : blanks)
            if (text.starts_with(blank)) {
                text.remove_prefix(blank.size());
                found = true;
            }
    }
    return text;
}

inline std::string_view withoutTrailingBlanks(std::string_view text) {
    for (bool found = true; found;) {
        found = false;
        for (std::string_view blank : blanks)
            if (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                found = true;
            }
    }
    return text;
}

// U+2019, which Swiss German groups with as often as with the apostrophe it stands for.
inline std::string asApostrophe(std::string_view separator) {
    return std::string(separator == "\xe2\x80\x99" ? "'" : separator);
}

// One way the locale writes numbers: its plain numbers, or its money where a second pair of
// separators is named.
struct NumberWay {
    std::string decimalSeparator;
    std::string groupSeparator;
};

inline std::vector<NumberWay> numberWays(const NumberLocale& locale) {
    std::vector<NumberWay> ways{{locale.decimalSeparator, asApostrophe(locale.groupSeparator)}};
    if (!locale.moneyDecimalSeparator.empty())
        ways.push_back({locale.moneyDecimalSeparator, asApostrophe(locale.moneyGroupSeparator)});
    return ways;
}

// The text with what the locale's own formatting adds taken back: the direction marks U+200E,
// U+200F and U+061C dropped wherever they stand, the minus sign U+2212 as "-", and U+2019 as
// "'" where the locale groups with an apostrophe.
inline std::string withoutFormatting(std::string_view text, const NumberLocale& locale) {
    const bool apostrophes = asApostrophe(locale.groupSeparator) == "'" ||
                             asApostrophe(locale.moneyGroupSeparator) == "'";
    std::string plain;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::string_view rest = text.substr(pos);
        if (rest.starts_with("\xe2\x80\x8e") || rest.starts_with("\xe2\x80\x8f")) {
            pos += 3;
        } else if (rest.starts_with("\xd8\x9c")) {
            pos += 2;
        } else if (rest.starts_with("\xe2\x88\x92")) {
            plain += '-';
            pos += 3;
        } else if (apostrophes && rest.starts_with("\xe2\x80\x99")) {
            plain += '\'';
            pos += 3;
        } else {
            plain += text[pos++];
        }
    }
    return plain;
}

inline std::vector<std::string_view> currencySymbolsOf(const NumberLocale& locale) {
    std::vector<std::string_view> symbols;
    if (!locale.currencySymbol.empty())
        symbols.push_back(locale.currencySymbol);
    for (const std::string& symbol : locale.otherCurrencySymbols)
        if (!symbol.empty())
            symbols.push_back(symbol);
    return symbols;
}

// The longest of the locale's currency symbols that the text starts (or, atEnd, ends) with, as
// "kr." before "kr"; empty where there is none.
inline std::string_view currencySymbolAt(std::string_view text, const NumberLocale& locale,
                                         bool atEnd = false) {
    std::string_view longest;
    for (std::string_view symbol : currencySymbolsOf(locale))
        if (symbol.size() > longest.size() &&
            (atEnd ? text.ends_with(symbol) : text.starts_with(symbol)))
            longest = symbol;
    return longest;
}

// The number of a text in one of the locale's ways, once the currency symbol is taken away:
// the integer part split at the group separators (or blanks standing for no-break spaces) into
// groups of the locale's sizes, the decimal separator, a fraction, an exponent with E.
inline std::optional<std::string> plainLocaleNumber(std::string body, const NumberLocale& locale,
                                                    const NumberWay& way) {
    std::string sign;
    if (body.starts_with('+') || body.starts_with('-')) {
        sign = body.substr(0, 1);
        body.erase(0, 1);
    }
    std::string exponent;
    if (const std::size_t at = body.find_first_of("Ee"); at != std::string::npos) {
        exponent = "e" + body.substr(at + 1);
        body.resize(at);
    }
    std::string integer = body, fraction;
    bool hasPoint = false;
    if (const std::size_t at = body.find(way.decimalSeparator);
        !way.decimalSeparator.empty() && at != std::string::npos) {
        integer = body.substr(0, at);
        fraction = body.substr(at + way.decimalSeparator.size());
        hasPoint = true;
    }

    // The groups of the integer part, from the first.
    std::vector<std::string> groups(1);
    const bool noBreakGroups =
        way.groupSeparator == "\xc2\xa0" || way.groupSeparator == "\xe2\x80\xaf";
    for (std::size_t pos = 0; pos < integer.size();) {
        if (!way.groupSeparator.empty() &&
            integer.compare(pos, way.groupSeparator.size(), way.groupSeparator) == 0) {
            groups.emplace_back();
            pos += way.groupSeparator.size();
        } else if (noBreakGroups && integer[pos] == ' ') {
            groups.emplace_back();
            ++pos;
        } else {
            groups.back() += integer[pos++];
        }
    }
    std::string digits;
    for (const std::string& group : groups) {
        // Only a number that starts with its decimal separator has no integer digits.
        if (!isDigits(group) && !(groups.size() == 1 && group.empty()))
            return std::nullopt;
        digits += group;
    }
    if (groups.size() > 1) {
        const std::size_t primary = std::size_t(locale.primaryGroupSize);
        const std::size_t secondary =
            locale.secondaryGroupSize > 0 ? std::size_t(locale.secondaryGroupSize) : primary;
        if (primary == 0 || groups.back().size() != primary || groups.front().size() > secondary)
            return std::nullopt;
        for (std::size_t index = 1; index + 1 < groups.size(); ++index)
            if (groups[index].size() != secondary)
                return std::nullopt;
        // Nobody writes a group after a lone zero: "0.125" is no German thousand.
        if (groups.front().find_first_not_of('0') == std::string::npos)
            return std::nullopt;
    }
    const std::string plain = sign + digits + (hasPoint ? "." : "") + fraction + exponent;
    if (!isPlainNumber(plain, "e"))
        return std::nullopt;
    return plain;
}

// The number a text is in one of the locale's ways: its formatting taken back, the blanks
// around it dropped, and its currency symbol before or after the sign or after the number.
inline std::optional<double> localeValue(std::string_view text, const NumberLocale& locale,
                                         const NumberWay& way) {
    const std::string unformatted = withoutFormatting(text, locale);
    std::string_view rest = unformatted;
    while (rest.starts_with(' ') || rest.starts_with('\t'))
        rest.remove_prefix(1);
    while (rest.ends_with(' ') || rest.ends_with('\t'))
        rest.remove_suffix(1);

    std::string body;
    const std::string_view afterSign = rest.substr(std::min<std::size_t>(rest.size(), 1));
    if (const std::string_view symbol = currencySymbolAt(rest, locale); !symbol.empty()) {
        body = withoutLeadingBlanks(rest.substr(symbol.size()));
    } else if (const std::string_view symbol = currencySymbolAt(afterSign, locale);
               !symbol.empty() && (rest[0] == '+' || rest[0] == '-')) {
        body = rest.substr(0, 1);
        body += withoutLeadingBlanks(afterSign.substr(symbol.size()));
    } else if (const std::string_view symbol = currencySymbolAt(rest, locale, true);
               !symbol.empty()) {
        body = withoutTrailingBlanks(rest.substr(0, rest.size() - symbol.size()));
    } else {
        body = rest;
    }
    const std::optional<std::string> plain = plainLocaleNumber(body, locale, way);
    if (!plain)
        return std::nullopt;
    return std::strtod(plain->c_str(), nullptr);
}

// Every number a coefficient text reads as, each once: Val's where Val reads the whole text,
// and the locale's in each of its ways.
inline std::vector<double> readings(std::string_view text, const NumberLocale& locale) {
    std::vector<double> values;
    const auto add = [&values](double value) {
        if (std::find(values.begin(), values.end(), value) == values.end())
            values.push_back(value);
    };
    if (valReadsAll(text))
        add(Val(text));
    for (const NumberWay& way : numberWays(locale))
        if (const std::optional<double> value = localeValue(text, locale, way))
            add(*value);
    return values;
}

} // namespace meaning

// What a coefficient text means, worked out here apart from the program's own reading: the one
// number it reads as, by Val or in the locale's form. None where it reads as two different
// numbers (the user may have meant either), as none, or beyond the double range.
inline std::optional<double> meantValue(std::string_view text, const NumberLocale& locale) {
    const std::vector<double> values = meaning::readings(text, locale);
    if (values.size() != 1 || !std::isfinite(values[0]))
        return std::nullopt;
    return values[0];
}

// The main window on the plain model, laid out for one mode by "CHECK!", with the coefficient
// boxes typed in and the result area holding what an earlier command left, so that a run's
// writes and non-writes both show.
class FuzzWindow {
public:
    static constexpr std::string_view stale = "stale";

    FuzzWindow(bool system, const std::vector<std::string>& texts) : system_(system) {
        hideControlsOnLoad(controls, vars);
        if (system)
            controls.selectOption2();
        else
            controls.selectOption1();
        checkLayout(controls, vars);
        for (std::size_t index = 0; index < texts.size(); ++index) {
            controls.setText(int(index) + 1, texts[index]);
            anyEmpty = anyEmpty || texts[index].empty();
            // The run command's check: numeric in the user's format, and a number to read.
            allNumeric = allNumeric && IsNumeric(texts[index], locale) &&
                         readCoefficient(texts[index], locale).has_value();
        }
        for (int index = 7; index <= 11; ++index)
            controls.setText(index, stale);
        for (int index : {1, 7, 8})
            controls.setCaption(index, stale);
        before_ = controls;
    }

    // Whether every named box and caption still holds what stood there before the run.
    bool untouched(std::initializer_list<int> boxes, std::initializer_list<int> labels) const {
        return holdsEverywhere(boxes, labels, stale);
    }
    bool emptied(std::initializer_list<int> boxes, std::initializer_list<int> labels) const {
        return holdsEverywhere(boxes, labels, "");
    }

    // Runs "run" and checks what holds whatever the outcome: one warning at most, the coefficient
    // boxes as typed, and no caption changed but the status line and the two result captions.
    void run() {
        runCommand(
            controls, vars, locale, [this](std::string_view text) { warnings.emplace_back(text); },
            outcome);
        require(warnings.size() <= 1, "at most one warning per run", [&] { return describe(); });
        for (int index = 1; index <= 6; ++index)
            require(controls.text(index) == before_.text(index),
                    "the coefficient boxes are never changed", [&] { return describe(); });
        for (int index = 1; index <= labelCount; ++index)
            if (index != 1 && index != 7 && index != 8)
                require(controls.caption(index) == before_.caption(index),
                        "no caption changes but Label(1), Label(7) and Label(8)",
                        [&] { return describe(); });
    }

    // The coefficients the run stored, in the order of their boxes.
    std::vector<float> coefficientsUsed() const {
        if (system_)
            return {vars.a1, vars.b1, vars.c1, vars.a2, vars.b2, vars.c2};
        return {vars.a, vars.b, vars.c};
    }

    std::string warning() const { return warnings.empty() ? std::string() : warnings.front(); }
    std::string text(int index) const { return controls.text(index); }
    const std::string& caption(int index) const { return controls.caption(index); }

    // The boxes and labels a failure report needs, before and after the run.
    std::string describe() const {
        std::string out;
        for (int index = 1; index <= 6; ++index)
            out += "Text(" + std::to_string(index) + ") " + quoted(controls.text(index)) + "\n";
        out += "warnings:";
        for (const std::string& warning : warnings)
            out += " " + quoted(warning);
        out += "\nLabel(1) " + quoted(controls.caption(1)) + "\n";
        for (int index = 7; index <= 11; ++index)
            out += "Text(" + std::to_string(index) + ") " + quoted(controls.text(index)) + "\n";
        out +=
            "Label(7) " + quoted(controls.caption(7)) + ", Label(8) " + quoted(controls.caption(8));
        return out;
    }

    ControlModel controls;
    FormVariables vars;
    NumberLocale locale;    // English: the shown numbers use the full stop, which Val reads
    bool anyEmpty = false;  // a coefficient box left empty
    bool allNumeric = true; // every coefficient box passes IsNumeric
    std::vector<std::string> warnings;
    RunOutcome outcome;

private:
    bool holdsEverywhere(std::initializer_list<int> boxes, std::initializer_list<int> labels,
                         std::string_view expected) const {
        for (int index : boxes)
            if (controls.text(index) != expected)
                return false;
        for (int index : labels)
            if (controls.caption(index) != expected)
                return false;
        return true;
    }

    bool system_;
    ControlModel before_;
};

// After a run that passed every box: each coefficient the solver stored is the number its text
// means, as a Single. Returns them, in the order of their boxes.
inline std::vector<float> requireMeantValues(const FuzzWindow& window,
                                             const std::vector<std::string>& texts) {
    const std::vector<float> used = window.coefficientsUsed();
    for (std::size_t index = 0; index < used.size(); ++index) {
        const std::optional<double> meant = meantValue(texts[index], window.locale);
        require(meant && float(*meant) == used[index], "the value used is the value the text means",
                [&] {
                    return "Text(" + std::to_string(index + 1) + ") " + quoted(texts[index]) +
                           " means " + (meant ? number(*meant) : std::string("no number")) +
                           ", used " + number(used[index]) + "\n" + window.describe();
                });
    }
    return used;
}

// Reads a number the program showed in a box: it must have the shape of its text form and read
// back as a finite value.
inline double readShown(const FuzzWindow& window, const std::string& text, int maxDigits,
                        std::string_view what) {
    const std::string problem = numberTextProblem(text, ".", maxDigits);
    require(problem.empty(), "a shown number has the shape of its text form", [&] {
        return std::string(what) + " " + quoted(text) + ": " + problem + "\n" + window.describe();
    });
    const double value = Val(text);
    require(std::isfinite(value), "a shown number reads back finite",
            [&] { return std::string(what) + " " + quoted(text) + "\n" + window.describe(); });
    return value;
}

// The same for Str's form, whose first character is the sign's place.
inline double readShownSigned(const FuzzWindow& window, const std::string& text,
                              std::string_view what) {
    require(text.starts_with(' ') || text.starts_with('-'),
            "Str's text starts with a blank or \"-\"",
            [&] { return std::string(what) + " " + quoted(text) + "\n" + window.describe(); });
    return readShown(window, text.starts_with(' ') ? text.substr(1) : text, 7, what);
}
