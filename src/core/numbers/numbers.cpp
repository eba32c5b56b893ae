#include "core/numbers/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <optional>
#include <string>
#include <vector>

#include "core/numbers/decimals.h"
#include "core/numbers/trimmed.h"

namespace {

const char* faultMessage(ArithmeticFault::Kind kind) {
    // The user only ever learns of two kinds: an invalid operation reads as an overflow.
    return kind == ArithmeticFault::Kind::DivisionByZero ? "Division by zero" : "Overflow";
}

// Value of a digit in bases up to 16, or 16 for a character that is no digit at all.
int digitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return 16;
}

bool isDigit(char c, int base) {
    return digitValue(c) < base;
}

std::size_t skipDigits(std::string_view text, std::size_t pos, int base) {
    while (pos < text.size() && isDigit(text[pos], base)) {
        ++pos;
    }
    return pos;
}

// Moves past a separator or symbol of the locale. An empty one (a locale without it) never
// matches, so a missing thousands separator allows no grouping.
bool consume(std::string_view text, std::size_t& pos, std::string_view token) {
    if (token.empty() || !text.substr(pos).starts_with(token)) {
        return false;
    }
    pos += token.size();
    return true;
}

// The base named by the letter after "&", or 0 when it names none.
int radixOfPrefix(char letter) {
    if (letter == 'H' || letter == 'h') {
        return 16;
    }
    if (letter == 'O' || letter == 'o') {
        return 8;
    }
    return 0;
}

// The C library's conversions follow the thread's locale, and Qt sets the process locale from
// the user's at start: on a German desktop snprintf would write "0,5" and strtod stop at the ".".
// While one of these lives, this thread alone uses the "C" locale. newlocale and uselocale are
// POSIX, in glibc and in Emscripten's musl alike, and snprintf has no variant that takes a locale;
// the floating-point to_chars and from_chars are missing from Emscripten's libc++.
class CLocaleScope {
public:
    CLocaleScope() : m_previous(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    // Made once and kept for the run. Should it ever fail, uselocale of the null locale changes
    // nothing, and the conversions follow the process locale.
    static locale_t cLocale() {
        static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(0));
        return locale;
    }

    locale_t m_previous;
};

// Converts digits, an optional "." and fraction, and an optional "e" exponent, whatever the
// process locale. strtod gives an infinity for a value beyond the double range and zero or the
// nearest denormal for a tiny one.
double readDecimal(std::string_view number) {
    const std::string terminated(number);
    const CLocaleScope cLocale;
    return std::strtod(terminated.c_str(), nullptr);
}

// "&H" and "&O" literals: short ones stand for the 16- or 32-bit integer with those bits, so
// "&HFFFF" is -1; longer ones are plain non-negative values. The width of such an integer for
// `count` digits of `value`, or 0 for a plain value.
int radixWidth(std::size_t count, int base, double value) {
    const std::size_t bitsPerDigit = base == 16 ? 4 : 3;
    const auto fits = [&](std::size_t bits, double largest) {
        return count <= (bits + bitsPerDigit - 1) / bitsPerDigit && value <= largest;
    };
    return fits(16, 0xFFFF) ? 16 : fits(32, 0xFFFFFFFF) ? 32 : 0;
}

double readRadix(std::string_view digits, int base) {
    double value = 0;
    for (char c : digits) {
        value = value * base + digitValue(c);
    }
    switch (radixWidth(digits.size(), base, value)) {
    case 16:
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    case 32:
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    default:
        return value;
    }
}

// The longest number the working writes out exactly, in significant digits: a pupil types
// fewer, and a fraction of that many digits already fills a line.
constexpr std::size_t longestExact = 40;
// The farthest power of ten the working takes exactly: such a number is beyond every double or
// rounds to 0 in one, and written out it would be hundreds of digits long.
constexpr std::int64_t farthestExactScale = 400;

// Significant digits: the zeros at either end change nothing but the power of ten.
std::size_t significantDigits(const std::string& digits) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    return digits.find_last_not_of('0') - first + 1;
}

// The exact value of a number in readDecimal's plain form: a sign, digits with at most one "."
// among them, and "e" with a sign and digits. None where it is too long to write out exactly.
std::optional<Rational> exactDecimal(std::string_view number) {
    std::size_t pos = 0;
    const bool negative = number.starts_with('-');
    if (negative || number.starts_with('+'))
        ++pos;
    std::string digits;
    std::int64_t scale = 0; // the value is digits * 10^scale
    bool inFraction = false;
    for (; pos < number.size() && number[pos] != 'e'; ++pos) {
        if (number[pos] == '.') {
            inFraction = true;
        } else {
            digits += number[pos];
            scale -= inFraction ? 1 : 0;
        }
    }
    if (pos < number.size()) {
        const bool negativeExponent = number[++pos] == '-';
        if (number[pos] == '+' || number[pos] == '-')
            ++pos;
        // Capped to keep the sum in range: no text a person types has that many digits.
        std::int64_t exponent = 0;
        for (; pos < number.size(); ++pos)
            exponent = std::min<std::int64_t>(exponent * 10 + (number[pos] - '0'), 100000);
        scale += negativeExponent ? -exponent : exponent;
    }

    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return Rational(0);
    digits.erase(0, first);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++scale;
    }
    if (digits.size() > longestExact || scale > farthestExactScale || scale < -farthestExactScale)
        return std::nullopt;
    BigInt mantissa = 0;
    for (char c : digits)
        mantissa = mantissa * 10 + (c - '0');
    const int places = int(scale < 0 ? -scale : scale);
    const Rational size = scale >= 0 ? Rational::of(mantissa * powerOfTen(places), 1)
                                     : Rational::of(mantissa, powerOfTen(places));
    return negative ? -size : size;
}

// The exact value of an "&H" or "&O" literal, as readRadix reads it; none where its decimal
// digits are too many to write out exactly.
std::optional<Rational> exactRadix(std::string_view digits, int base) {
    BigInt value = 0;
    for (char c : digits)
        value = value * base + digitValue(c);
    if (significantDigits(decimalText(value)) > longestExact)
        return std::nullopt;
    // Only literals of at most 32 bits have a width, so the value need not be exact beyond.
    const auto low = value.convert_to<std::uint64_t>();
    switch (radixWidth(digits.size(), base, double(low))) {
    case 16:
        return Rational(std::int16_t(std::uint16_t(low)));
    case 32:
        return Rational(std::int32_t(std::uint32_t(low)));
    default:
        return Rational::of(value, 1);
    }
}

// The no-break spaces a locale may write between digits or beside its currency symbol: U+00A0
// and the narrow U+202F, in UTF-8.
constexpr std::string_view noBreakSpace = "\xC2\xA0";
constexpr std::string_view narrowNoBreakSpace = "\xE2\x80\xAF";

// Moves past blanks, tabs and no-break spaces, which may stand beside a currency symbol.
void skipBlanks(std::string_view text, std::size_t& pos) {
    while (pos < text.size()) {
        if (text[pos] == ' ' || text[pos] == '\t') {
            ++pos;
        } else if (!consume(text, pos, noBreakSpace) && !consume(text, pos, narrowNoBreakSpace)) {
            return;
        }
    }
}

// Moves past a group separator. Where the locale groups with a no-break space, which no keyboard
// types by default, a plain space stands for it.
bool consumeGroupSeparator(std::string_view text, std::size_t& pos, std::string_view separator) {
    if (consume(text, pos, separator)) {
        return true;
    }
    if ((separator == noBreakSpace || separator == narrowNoBreakSpace) && pos < text.size() &&
        text[pos] == ' ') {
        ++pos;
        return true;
    }
    return false;
}

// How a number text in the user's format is read.
struct NumberForm {
    std::string_view decimalSeparator;
    std::string_view groupSeparator;
    // The locale's group sizes, checked when `strictGroups` is set: the group next to the
    // decimal separator has `primaryGroupSize` digits, each one before it `secondaryGroupSize`,
    // the first one at most that many. Otherwise a separator may stand between any two digits
    // of the integer part.
    bool strictGroups = false;
    int primaryGroupSize = 0;
    int secondaryGroupSize = 0;
    std::string_view exponentLetters = "EeDd";
};

// The separators of one way the locale writes numbers: plain, or as money.
struct Separators {
    std::string_view decimal, group;
};

NumberForm looseForm(const Separators& separators) {
    return {.decimalSeparator = separators.decimal, .groupSeparator = separators.group};
}

// As the locale itself reads a number: groups where it puts them, and the exponent letter E.
NumberForm localeForm(const NumberLocale& locale, const Separators& separators) {
    return {.decimalSeparator = separators.decimal,
            .groupSeparator = separators.group,
            .strictGroups = true,
            .primaryGroupSize = locale.primaryGroupSize,
            .secondaryGroupSize =
                locale.secondaryGroupSize > 0 ? locale.secondaryGroupSize : locale.primaryGroupSize,
            .exponentLetters = "Ee"};
}

// U+2212 MINUS SIGN, which ICU writes in Swedish, Finnish or Croatian; the direction marks
// (U+200E, U+200F, U+061C) it puts around signs and symbols in Hebrew; and U+2019, which Swiss
// German groups with as often as with the apostrophe. In UTF-8.
constexpr std::string_view minusSign = "\xE2\x88\x92";
constexpr std::string_view directionMarks[] = {"\xE2\x80\x8E", "\xE2\x80\x8F", "\xD8\x9C"};
constexpr std::string_view rightQuote = "\xE2\x80\x99";

// An apostrophe separator is read as "'" whichever of the two the locale names.
std::string_view asRead(std::string_view separator) {
    return separator == rightQuote ? std::string_view("'") : separator;
}

// The ways the locale writes numbers: plain, and as money where that differs.
std::vector<Separators> separatorsOf(const NumberLocale& locale) {
    std::vector<Separators> ways{{locale.decimalSeparator, asRead(locale.groupSeparator)}};
    if (!locale.moneyDecimalSeparator.empty() &&
        (locale.moneyDecimalSeparator != locale.decimalSeparator ||
         asRead(locale.moneyGroupSeparator) != ways[0].group))
        ways.push_back({locale.moneyDecimalSeparator, asRead(locale.moneyGroupSeparator)});
    return ways;
}

// The text as the locale's reading takes it: direction marks dropped, U+2212 as "-", and U+2019
// as "'" where the locale groups with an apostrophe, so that a text typed on a keyboard and one
// copied from the locale's own formatting read alike.
std::string localeText(std::string_view text, const NumberLocale& locale) {
    const bool apostrophes =
        asRead(locale.groupSeparator) == "'" || asRead(locale.moneyGroupSeparator) == "'";
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        // Every sign dropped or replaced here is written with bytes beyond ASCII: the runs
        // between them are copied whole (a pasted megabyte, byte by byte, takes a browser
        // tenths of a second).
        const auto plainEnd = std::find_if(text.begin() + pos, text.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x80;
        });
        plain.append(text.begin() + pos, plainEnd);
        pos = plainEnd - text.begin();
        if (pos == text.size())
            break;
        const std::string_view rest = text.substr(pos);
        if (rest.starts_with(minusSign)) {
            plain += '-';
            pos += minusSign.size();
        } else if (apostrophes && rest.starts_with(rightQuote)) {
            plain += '\'';
            pos += rightQuote.size();
        } else if (const auto mark =
                       std::find_if(std::begin(directionMarks), std::end(directionMarks),
                                    [&](std::string_view m) { return rest.starts_with(m); });
                   mark != std::end(directionMarks)) {
            pos += mark->size();
        } else {
            plain += text[pos++];
        }
    }
    return plain;
}

// Moves past one of the locale's currency symbols, the longest that stands at pos.
bool consumeCurrency(std::string_view text, std::size_t& pos, const NumberLocale& locale) {
    std::size_t longest = 0;
    const auto tryOne = [&](std::string_view symbol) {
        if (!symbol.empty() && symbol.size() > longest && text.substr(pos).starts_with(symbol))
            longest = symbol.size();
    };
    tryOne(locale.currencySymbol);
    for (const std::string& symbol : locale.otherCurrencySymbols)
        tryOne(symbol);
    pos += longest;
    return longest > 0;
}

// Reads an unsigned decimal number at pos: digits, grouped by the group separator, the decimal
// separator and a fraction, and an exponent. The number is appended to `number` in the plain
// form readDecimal takes. False when the mantissa has no digit, or its groups are not the
// locale's where they must be.
bool scanDecimal(std::string_view text, std::size_t& pos, const NumberForm& form,
                 std::string& number) {
    bool hasDigit = false;
    const auto copyDigits = [&] {
        const std::size_t end = skipDigits(text, pos, 10);
        hasDigit = hasDigit || end > pos;
        number.append(text.substr(pos, end - pos));
        const std::size_t count = end - pos;
        pos = end;
        return count;
    };

    const std::size_t start = pos;
    std::size_t group = copyDigits();
    const std::size_t firstGroup = group;
    // "0.125" is no grouped number in German: nobody writes a group after a lone zero.
    const bool zeroFirst =
        group > 0 && text.substr(start, group).find_first_not_of('0') == std::string_view::npos;
    bool grouped = false;
    bool innerGroupsFit = true;
    // A group separator counts only between two digits of the integer part.
    while (hasDigit) {
        std::size_t next = pos;
        if (!consumeGroupSeparator(text, next, form.groupSeparator) || next >= text.size() ||
            !isDigit(text[next], 10)) {
            break;
        }
        // A group read after a separator and followed by another is an inner one.
        innerGroupsFit =
            innerGroupsFit && (!grouped || group == std::size_t(form.secondaryGroupSize));
        grouped = true;
        pos = next;
        group = copyDigits();
    }
    // "1,234,567" and the Indian "12,34,567" as the locale writes them, not "1,5" or "1234,567".
    if (form.strictGroups && grouped &&
        !(innerGroupsFit && !zeroFirst && form.primaryGroupSize > 0 &&
          group == std::size_t(form.primaryGroupSize) &&
          firstGroup <= std::size_t(form.secondaryGroupSize))) {
        return false;
    }
    if (consume(text, pos, form.decimalSeparator)) {
        number += '.';
        copyDigits();
    }
    if (!hasDigit) {
        return false;
    }

    // An exponent letter without digits after it is not part of the number.
    std::size_t next = pos;
    if (next < text.size() && form.exponentLetters.find(text[next]) != std::string_view::npos) {
        std::string exponent = "e";
        if (++next < text.size() && (text[next] == '+' || text[next] == '-')) {
            exponent += text[next++];
        }
        if (next < text.size() && isDigit(text[next], 10)) {
            number += exponent;
            pos = next;
            copyDigits();
        }
    }
    return true;
}

// Reads a whole number text in the user's format, without the blanks around it: the currency
// symbol may come before or after the sign, or after the number, with blanks or no-break spaces
// between it and the number. The signed number goes to `number` in the plain form readDecimal
// takes. False when the text is anything else.
bool scanNumberText(std::string_view text, const NumberLocale& locale, const NumberForm& form,
                    std::string& number) {
    std::size_t pos = 0;
    const auto currency = [&] {
        if (!consumeCurrency(text, pos, locale)) {
            return false;
        }
        skipBlanks(text, pos);
        return true;
    };

    bool hasCurrency = currency();
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        number += text[pos++];
    }
    hasCurrency = hasCurrency || currency();
    if (!scanDecimal(text, pos, form, number)) {
        return false;
    }
    if (!hasCurrency) {
        std::size_t next = pos;
        skipBlanks(text, next);
        if (consumeCurrency(text, next, locale)) {
            pos = next;
        }
    }
    return pos == text.size();
}

// What Val reads, and whether it read the whole text rather than a leading part of it.
struct ValReading {
    double value = 0;
    bool whole = false;
    // What it read, for the exact value: the digits of an "&H" or "&O" literal in `base`, or
    // else the number in readDecimal's plain form with its sign.
    std::string number;
    int base = 10;
};

ValReading readVal(std::string_view text) {
    // Blanks may stand anywhere, even inside the digits: "1 000" is a thousand.
    std::string compact;
    compact.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t blank = std::min(text.find_first_of(" \t\n", pos), text.size());
        compact.append(text.substr(pos, blank - pos));
        pos = blank + 1;
    }
    const std::string_view rest = compact;

    if (rest.size() >= 2 && rest[0] == '&') {
        const int base = radixOfPrefix(rest[1]);
        if (base == 0) {
            return {};
        }
        const std::size_t end = skipDigits(rest, 2, base);
        const std::string_view digits = rest.substr(2, end - 2);
        return {readRadix(digits, base), end > 2 && end == rest.size(), std::string(digits), base};
    }

    std::size_t pos = 0;
    const bool negative = rest.starts_with('-');
    if (negative || rest.starts_with('+')) {
        ++pos;
    }
    std::string number = negative ? "-" : "";
    if (!scanDecimal(rest, pos, NumberForm{".", ""}, number)) {
        return {};
    }
    return {readDecimal(number), pos == rest.size(), number};
}

// The number in a text of a sign, at most 15 digits and, where the locale's decimal separator is
// ".", a fraction: what pupils type most. Every reading takes such a text alike, and the digits
// and the power of ten are exact doubles, so one division rounds as strtod does. None for any
// other text, which the full readings take.
std::optional<double> plainNumber(std::string_view text, const NumberLocale& locale) {
    constexpr int exactDigits = 15;
    std::size_t pos = text.starts_with('-') || text.starts_with('+') ? 1 : 0;
    const bool negative = text.starts_with('-');
    double mantissa = 0;
    int digits = 0;
    int fractionDigits = 0;
    bool inFraction = false;
    const bool pointIsDecimal =
        locale.decimalSeparator == "." &&
        (locale.moneyDecimalSeparator.empty() || locale.moneyDecimalSeparator == ".");
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c >= '0' && c <= '9') {
            if (++digits > exactDigits)
                return std::nullopt;
            mantissa = mantissa * 10 + (c - '0');
            fractionDigits += inFraction ? 1 : 0;
        } else if (c == '.' && pointIsDecimal && !inFraction && digits > 0) {
            inFraction = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || (inFraction && fractionDigits == 0))
        return std::nullopt;
    double value = mantissa;
    if (fractionDigits > 0) {
        double scale = 1;
        for (int i = 0; i < fractionDigits; ++i)
            scale *= 10;
        value /= scale;
    }
    return negative ? -value : value;
}

// printf's "%.<precision>G" in the C locale; a negative zero is written as zero.
std::string formatG(double value, int precision) {
    if (value == 0) {
        value = 0;
    }
    char buffer[64];
    const CLocaleScope cLocale;
    const int length = std::snprintf(buffer, sizeof buffer, "%.*G", precision, value);
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::string withDecimalSeparator(std::string text, const std::string& separator) {
    if (const std::size_t point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, separator);
    }
    return text;
}

// IsNumeric past the quick plain number, on the text as the locale's reading takes it
// (localeText).
bool numericText(std::string_view normal, const NumberLocale& locale) {
    const std::string_view number = trimmed(normal);
    if (number.size() >= 2 && number[0] == '&') {
        const int base = radixOfPrefix(number[1]);
        return base != 0 && number.size() > 2 && skipDigits(number, 2, base) == number.size() &&
               std::isfinite(readRadix(number.substr(2), base));
    }
    // A number Val would read as an infinity cannot be used.
    // (Emscripten's libc++ has no std::ranges algorithms.)
    const std::vector<Separators> ways = separatorsOf(locale);
    return !number.empty() && std::any_of(ways.begin(), ways.end(), [&](const Separators& way) {
        std::string plain;
        return scanNumberText(number, locale, looseForm(way), plain) &&
               std::isfinite(readDecimal(plain));
    });
}

// The Single nearest an exact value, a tie going to the even one; infinite past the Single
// range. The double nearest the value, rounded again, may miss it by one Single: its neighbours
// are measured exactly.
float nearestSingle(const Rational& value) {
    const float guess = static_cast<float>(nearestDouble(value));
    const Rational size = value.sign() < 0 ? -value : value;
    if (std::isinf(guess)) {
        // Half a unit past the largest Single rounds to the even infinity.
        const float largest = std::numeric_limits<float>::max();
        const Rational limit = exactly(largest) + exactly(std::ldexp(1.0, 103));
        return size < limit ? std::copysign(largest, guess) : guess;
    }
    const auto distance = [&](float single) {
        const Rational difference = exactly(single) - value;
        return difference.sign() < 0 ? -difference : difference;
    };
    float nearest = guess;
    for (const float neighbour : {std::nextafter(guess, -std::numeric_limits<float>::infinity()),
                                  std::nextafter(guess, std::numeric_limits<float>::infinity())}) {
        if (!std::isfinite(neighbour))
            continue;
        const Rational there = distance(neighbour), here = distance(nearest);
        // (Emscripten's libc++ has no std::bit_cast.)
        std::uint32_t bits;
        std::memcpy(&bits, &neighbour, sizeof bits);
        const bool even = (bits & 1) == 0;
        if (there < here || (there == here && even))
            nearest = neighbour;
    }
    return nearest;
}

} // namespace

ArithmeticFault::ArithmeticFault(Kind kind)
    : std::runtime_error(faultMessage(kind)), m_kind(kind) {}

double Val(std::string_view text) {
    return readVal(text).value;
}

bool IsNumeric(std::string_view text, const NumberLocale& locale) {
    return plainNumber(text, locale) || numericText(localeText(text, locale), locale);
}

CoefficientReading coefficientReading(std::string_view text, const NumberLocale& locale) {
    using Verdict = CoefficientReading::Verdict;
    CoefficientReading reading;
    if (const std::optional<double> plain = plainNumber(text, locale)) {
        reading.byVal = reading.inLocale = reading.value = reading.leadingVal = *plain;
        reading.verdict = Verdict::Number;
        reading.numeric = true;
        reading.exact = exactDecimal(text); // at most 15 digits: never too long
        return reading;
    }
    const ValReading val = readVal(text);
    reading.leadingVal = val.value;
    if (val.whole)
        reading.byVal = val.value;
    // Plain and money separators could, in some locale, make two numbers of one text.
    bool localeDisagrees = false;
    const std::string normal = localeText(text, locale);
    reading.numeric = numericText(normal, locale);
    std::string inLocaleNumber;
    for (const Separators& way : separatorsOf(locale)) {
        std::string number;
        if (!scanNumberText(trimmed(normal), locale, localeForm(locale, way), number))
            continue;
        const double value = readDecimal(number);
        localeDisagrees = localeDisagrees || (reading.inLocale && *reading.inLocale != value);
        if (!reading.inLocale) {
            reading.inLocale = value;
            inLocaleNumber = number;
        }
    }

    if (!reading.byVal && !reading.inLocale)
        return reading;
    if (localeDisagrees ||
        (reading.byVal && reading.inLocale && *reading.byVal != *reading.inLocale)) {
        reading.verdict = Verdict::Ambiguous;
        return reading;
    }
    const double value = reading.byVal ? *reading.byVal : *reading.inLocale;
    if (!std::isfinite(value)) {
        reading.verdict = Verdict::OutOfRange;
        return reading;
    }
    reading.verdict = Verdict::Number;
    reading.value = value;
    if (!reading.byVal)
        reading.exact = exactDecimal(inLocaleNumber);
    else if (val.base != 10)
        reading.exact = exactRadix(val.number, val.base);
    else
        reading.exact = exactDecimal(val.number);
    reading.exactTooLong = !reading.exact;
    return reading;
}

std::optional<double> readCoefficient(std::string_view text, const NumberLocale& locale) {
    const CoefficientReading reading = coefficientReading(text, locale);
    if (reading.verdict != CoefficientReading::Verdict::Number)
        return std::nullopt;
    return reading.value;
}

double coefficientValue(std::string_view text, const NumberLocale& locale) {
    return coefficientReading(text, locale).solverValue();
}

std::optional<std::string> exactDecimalText(const Rational& value, const NumberLocale& locale) {
    std::optional<std::string> text = terminatingDecimal(value);
    if (text)
        *text = withDecimalSeparator(*text, locale.decimalSeparator);
    return text;
}

std::string countText(std::size_t count, const NumberLocale& locale) {
    const std::string digits = std::to_string(count);
    std::string text;
    for (std::size_t place = 0; place < digits.size(); ++place) {
        if (place > 0 && (digits.size() - place) % 3 == 0)
            text += locale.groupSeparator;
        text += digits[place];
    }
    return text;
}

std::optional<std::string> singleDecimalText(const Rational& value, const NumberLocale& locale) {
    const float single = nearestSingle(value);
    if (!std::isfinite(single))
        return std::nullopt;
    // The fewest significant digits that read back as the Single, as a box reads its text: to a
    // double, then to the Single the solvers store.
    int precision = 1;
    char written[64];
    for (;; ++precision) {
        const CLocaleScope cLocale;
        std::snprintf(written, sizeof written, "%.*e", precision - 1, double(single));
        if (static_cast<float>(readDecimal(written)) == single || precision == 9)
            break;
    }
    // Written out in full: "1.0737418e+09" is 1073741800.
    const std::string_view text = written;
    const std::size_t e = text.find('e');
    std::string digits;
    for (char c : text.substr(0, e))
        if (c >= '0' && c <= '9')
            digits += c;
    const int whole = std::atoi(written + e + 1) + 1;
    if (whole >= int(digits.size()))
        digits.append(std::size_t(whole - int(digits.size())), '0');
    else if (whole > 0)
        digits.insert(std::size_t(whole), locale.decimalSeparator);
    else
        digits = "0" + locale.decimalSeparator + std::string(std::size_t(-whole), '0') + digits;
    return (single < 0 ? "-" : "") + digits;
}

std::string Str(float number) {
    std::string text = formatG(number, 7);
    // A blank holds the place of the sign of a non-negative number, and no zero stands
    // before the point.
    const bool negative = text.starts_with('-');
    std::string_view digits = text;
    if (negative) {
        digits.remove_prefix(1);
    }
    if (digits.starts_with("0.")) {
        digits.remove_prefix(1);
    }
    std::string signedText(1, negative ? '-' : ' ');
    signedText += digits;
    return signedText;
}

std::string StrR4(float number, const NumberLocale& locale) {
    return withDecimalSeparator(formatG(number, 7), locale.decimalSeparator);
}

std::string StrR8(double number, const NumberLocale& locale) {
    return withDecimalSeparator(formatG(number, 15), locale.decimalSeparator);
}

float FpR4(double intermediate) {
    if (std::isnan(intermediate)) {
        throw ArithmeticFault(ArithmeticFault::Kind::InvalidOperation);
    }
    // Rounding to the nearest float turns anything from FLT_MAX plus half a unit on into an
    // infinity, which is the overflow; a value that rounds to FLT_MAX itself is fine.
    const auto single = static_cast<float>(intermediate);
    if (std::isinf(single)) {
        throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    }
    return single;
}

double Sqr(double number) {
    if (number < 0 || std::isnan(number)) {
        throw ArithmeticFault(ArithmeticFault::Kind::InvalidOperation);
    }
    return std::sqrt(number);
}

double divide(double numerator, double denominator) {
    if (denominator == 0) {
        throw ArithmeticFault(numerator == 0 || std::isnan(numerator)
                                  ? ArithmeticFault::Kind::InvalidOperation
                                  : ArithmeticFault::Kind::DivisionByZero);
    }
    const double quotient = numerator / denominator;
    if (std::isnan(quotient)) {
        throw ArithmeticFault(ArithmeticFault::Kind::InvalidOperation);
    }
    if (std::isinf(quotient)) {
        throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    }
    return quotient;
}

void checkCoefficients(std::initializer_list<float> coefficients) {
    for (float coefficient : coefficients) {
        if (std::isinf(coefficient)) {
            throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
        }
    }
}
