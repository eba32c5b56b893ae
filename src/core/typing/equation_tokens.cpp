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
    {",", Token::Kind::Comma},
    {"\xE2\x88\x9A", Token::Kind::Root},          // √
    {"\xC2\xB1", Token::Kind::PlusMinus},         // ±
    {"\xE2\x89\x88", Token::Kind::Approximately}, // ≈
    {"{", Token::Kind::OpenSet},
    {"}", Token::Kind::CloseSet},
    {"\xE2\x88\x85", Token::Kind::EmptySet},  // ∅
    {"\xE2\x88\x88", Token::Kind::ElementOf}, // ∈
    {"|", Token::Kind::Bar},
    {"\xE2\x88\xA8", Token::Kind::Or}, // ∨
};

// The fractions a phone's keyboard offers as one character, "½", with their values.
struct VulgarFraction {
    std::string_view text;
    int numerator, denominator;
};
constexpr VulgarFraction vulgarFractions[] = {
    {"\xC2\xBD", 1, 2},     {"\xE2\x85\x93", 1, 3}, {"\xE2\x85\x94", 2, 3}, {"\xC2\xBC", 1, 4},
    {"\xC2\xBE", 3, 4},     {"\xE2\x85\x95", 1, 5}, {"\xE2\x85\x96", 2, 5}, {"\xE2\x85\x97", 3, 5},
    {"\xE2\x85\x98", 4, 5}, {"\xE2\x85\x99", 1, 6}, {"\xE2\x85\x9A", 5, 6}, {"\xE2\x85\x9B", 1, 8},
    {"\xE2\x85\x9C", 3, 8}, {"\xE2\x85\x9D", 5, 8}, {"\xE2\x85\x9E", 7, 8},
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
std::vector<std::string> numberSeparators(const NumberLocale& locale, TypedText kind) {
    // An answer lists its numbers with "," where the decimal separator is a point.
    const bool commaLists = kind == TypedText::Answer && locale.decimalSeparator != ",";
    std::vector<std::string> separators{"."};
    if (!commaLists)
        separators.push_back(",");
    for (const std::string& separator :
         {locale.decimalSeparator, locale.groupSeparator, locale.moneyDecimalSeparator,
          locale.moneyGroupSeparator}) {
        if (separator.empty() || (commaLists && separator == ","))
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

[[noreturn]] void refuseCharacter(std::string_view text, std::size_t pos, TypedText kind) {
    const std::size_t length = characterAt(text, pos).length;
    if (kind == TypedText::Answer)
        throw Refusal(characterSubject(text, pos, true) + " cannot stand in an answer.", pos,
                      length);
    throw Refusal(characterSubject(text, pos, false) + " cannot stand in an equation", pos, length);
}

bool isWordAt(std::string_view text, std::size_t pos, std::string_view word) {
    if (text.size() - pos < word.size() ||
        (pos + word.size() < text.size() && isLetter(text[pos + word.size()])))
        return false;
    for (std::size_t at = 0; at < word.size(); ++at)
        if ((text[pos + at] | 0x20) != word[at])
            return false;
    return true;
}

} // namespace

std::vector<Token> typedTokens(std::string_view text, const NumberLocale& locale, TypedText kind) {
    const std::vector<std::string> separators = numberSeparators(locale, kind);
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
        } else if (isWordAt(text, pos, "sqrt")) {
            tokens.push_back({.kind = Token::Kind::Root, .place = pos, .length = 4, .value = 0});
            pos += 4;
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
        } else if (kind == TypedText::Answer &&
                   (rest.starts_with("\xE2\x82\x81") || rest.starts_with("\xE2\x82\x82"))) {
            // ₁ and ₂, the subscripts of "x₁ = 2"
            tokens.push_back({.kind = Token::Kind::Number,
                              .place = pos,
                              .length = 3,
                              .value = rest[2] == '\x81' ? 1 : 2});
            pos += 3;
        } else if (const auto fraction = std::find_if(
                       std::begin(vulgarFractions), std::end(vulgarFractions),
                       [&](const VulgarFraction& f) { return rest.starts_with(f.text); });
                   fraction != std::end(vulgarFractions)) {
            tokens.push_back({.kind = Token::Kind::Number,
                              .place = pos,
                              .length = fraction->text.size(),
                              .value = Rational::of(fraction->numerator, fraction->denominator)});
            pos += fraction->text.size();
        } else {
            refuseCharacter(text, pos, kind);
        }
    }
    return tokens;
}
