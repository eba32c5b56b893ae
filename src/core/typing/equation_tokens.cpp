#include "core/typing/equation_tokens.h"

#include <algorithm>
#include <string>

#include "core/numbers/characters.h"
#include "core/typing/refusal.h"

namespace {

struct Sign {
    std::string_view text;
    Token::Kind kind;
};

// The signs pupils write, by keyboard and by the characters of a word processor or a phone.
constexpr Sign signs[] = {
    {"+", Token::Kind::Plus},
    {"-", Token::Kind::Minus},
    {"\xE2\x88\x92", Token::Kind::Minus}, // − minus sign
    {"\xE2\x80\x93", Token::Kind::Minus}, // – en dash, which phones put for "-"
    {"*", Token::Kind::Times},
    {"\xC2\xB7", Token::Kind::Times},     // · middle dot
    {"\xE2\x8B\x85", Token::Kind::Times}, // ⋅ dot operator
    {"\xC3\x97", Token::Kind::Times},     // ×
    {"/", Token::Kind::Divide},
    {":", Token::Kind::Divide},
    {"\xC3\xB7", Token::Kind::Divide}, // ÷
    {"^", Token::Kind::Power},
    {"(", Token::Kind::Open},
    {")", Token::Kind::Close},
    {"=", Token::Kind::Equals},
    {";", Token::Kind::Separator},
    {"\n", Token::Kind::Separator},
};

constexpr std::string_view blanks[] = {" ", "\t", "\r", "\xC2\xA0", "\xE2\x80\xAF"};

// The superscript digits, 0 to 9.
constexpr std::string_view superscripts[] = {
    "\xE2\x81\xB0", "\xC2\xB9",     "\xC2\xB2",     "\xC2\xB3",     "\xE2\x81\xB4",
    "\xE2\x81\xB5", "\xE2\x81\xB6", "\xE2\x81\xB7", "\xE2\x81\xB8", "\xE2\x81\xB9"};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// What may stand between the digits of one number: the full stop and the comma always, so that
// a number is read (or refused) whole, and the locale's own separators; a plain space where the
// locale groups with a no-break space, which keyboards do not type.
std::vector<std::string> numberSeparators(const NumberLocale& locale) {
    std::vector<std::string> separators{".", ","};
    for (const std::string& separator :
         {locale.decimalSeparator, locale.groupSeparator, locale.moneyDecimalSeparator,
          locale.moneyGroupSeparator}) {
        if (separator.empty())
            continue;
        separators.push_back(separator);
        if (separator == "'" || separator == "\xE2\x80\x99") {
            separators.push_back("'");
            separators.push_back("\xE2\x80\x99");
        }
        if (separator == "\xC2\xA0" || separator == "\xE2\x80\xAF" || separator == " ") {
            separators.push_back(" ");
            separators.push_back("\xC2\xA0");
            separators.push_back("\xE2\x80\xAF");
        }
    }
    return separators;
}

// The length of the separator at pos that a digit follows, or 0.
std::size_t separatorBeforeDigit(std::string_view text, std::size_t pos,
                                 const std::vector<std::string>& separators) {
    // No separator is longer than three bytes: most places have no digit that near.
    const std::string_view near = text.substr(pos + 1, 3);
    if (std::none_of(near.begin(), near.end(), isDigit))
        return 0;
    for (const std::string& separator : separators) {
        const std::size_t after = pos + separator.size();
        if (text.substr(pos).starts_with(separator) && after < text.size() && isDigit(text[after]))
            return separator.size();
    }
    return 0;
}

// The number of digits and separators at pos, read as a box reads its text.
Token numberToken(std::string_view text, std::size_t pos,
                  const std::vector<std::string>& separators, const NumberLocale& locale) {
    std::size_t end = pos;
    while (end < text.size()) {
        if (isDigit(text[end]))
            ++end;
        else if (const std::size_t separator = separatorBeforeDigit(text, end, separators))
            end += separator;
        else
            break;
    }
    const std::string_view written = text.substr(pos, end - pos);
    const std::string quoted = excerpt(written);
    const CoefficientReading reading = coefficientReading(written, locale);
    if (reading.verdict == CoefficientReading::Verdict::Ambiguous)
        throw Refusal(quoted + " has two readings, " + StrR8(*reading.inLocale, locale) + " and " +
                          StrR8(*reading.byVal, locale) +
                          ": write the number meant so that it has one",
                      pos, written.size());
    if (reading.verdict == CoefficientReading::Verdict::OutOfRange)
        throw Refusal(quoted + " is too large a number", pos, written.size());
    if (!reading.accepted())
        throw Refusal(quoted + " is not a number in your number format", pos, written.size());
    if (!reading.exact)
        throw Refusal(quoted + " has too many digits to compute with exactly", pos, written.size());
    return {.kind = Token::Kind::Number,
            .place = pos,
            .length = written.size(),
            .value = *reading.exact};
}

// The superscript digit at pos, or -1.
int superscriptAt(std::string_view text, std::size_t pos) {
    // Every superscript digit starts with one of these two bytes.
    if (text[pos] != '\xC2' && text[pos] != '\xE2')
        return -1;
    for (int digit = 0; digit < 10; ++digit)
        if (text.substr(pos).starts_with(superscripts[digit]))
            return digit;
    return -1;
}

// A run of superscript digits, "²" or "¹⁰", as the exponent it writes. Exponents past a
// thousand are kept at a thousand: no equation Velmora solves has one.
Token superscriptToken(std::string_view text, std::size_t pos) {
    std::size_t end = pos;
    std::int64_t exponent = 0;
    for (int digit; end < text.size() && (digit = superscriptAt(text, end)) >= 0;) {
        exponent = std::min<std::int64_t>(exponent * 10 + digit, 1000);
        end += superscripts[digit].size();
    }
    return {.kind = Token::Kind::Superscript, .place = pos, .length = end - pos, .value = exponent};
}

[[noreturn]] void refuseCharacter(std::string_view text, std::size_t pos) {
    const std::size_t length = characterAt(text, pos).length;
    if (text[pos] == ',')
        throw Refusal("A \",\" outside a number: write a second equation after \";\" or on a "
                      "new line",
                      pos, length);
    throw Refusal(characterSubject(text, pos, false) + " cannot stand in an equation", pos, length);
}

} // namespace

std::vector<Token> equationTokens(std::string_view text, const NumberLocale& locale) {
    const std::vector<std::string> separators = numberSeparators(locale);
    // No text has more tokens than bytes; room for all at once spares the copies of growing.
    std::vector<Token> tokens;
    tokens.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::string_view rest = text.substr(pos);
        if (const auto blank =
                std::find_if(std::begin(blanks), std::end(blanks),
                             [&](std::string_view b) { return rest.starts_with(b); });
            blank != std::end(blanks)) {
            pos += blank->size();
        } else if (isDigit(text[pos]) || separatorBeforeDigit(text, pos, separators) > 0) {
            tokens.push_back(numberToken(text, pos, separators, locale));
            pos = tokens.back().end();
        } else if (isLetter(text[pos])) {
            tokens.push_back({.kind = Token::Kind::Letter,
                              .place = pos,
                              .length = 1,
                              .value = 0,
                              .letter = text[pos]});
            ++pos;
        } else if (superscriptAt(text, pos) >= 0) {
            tokens.push_back(superscriptToken(text, pos));
            pos = tokens.back().end();
        } else if (const auto sign =
                       std::find_if(std::begin(signs), std::end(signs),
                                    [&](const Sign& s) { return rest.starts_with(s.text); });
                   sign != std::end(signs)) {
            tokens.push_back(
                {.kind = sign->kind, .place = pos, .length = sign->text.size(), .value = 0});
            pos += sign->text.size();
        } else {
            refuseCharacter(text, pos);
        }
    }
    return tokens;
}
