// Number texts: the first byte picks a locale, the rest is a text typed into a box; the leading
// bytes of that text are also taken as the bits of a Single and of a double to be written out.

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>

#include "core/numbers/decimals.h"
#include "core/numbers/numbers.h"
#include "fuzz_support.h"

namespace {

const NumberLocale locales[] = {
    {".", ",", "$", 3, 3},
    {",", ".", "\xe2\x82\xac", 3, 3}, // German: "1.234,5 €"
    {",", "\xe2\x80\xaf", "\xe2\x82\xac", 3,
     3},                                     // French: a narrow no-break space groups the digits
    {",", "", "kr", 0, 0},                   // a locale that groups no digits
    {".", ",", "\xe2\x82\xb9", 3, 2},        // Indian English: "12,34,567.5"
    {",", "\xc2\xa0", "\xe2\x82\xbd", 3, 3}, // Russian: a no-break space groups the digits
    // Swiss German groups with U+2019 or the apostrophe: "1’234.5", "1'234.5".
    {".", "\xe2\x80\x99", "CHF", 3, 3},
    // Ukrainian writes its money with "₴" or "грн".
    {",", "\xc2\xa0", "\xe2\x82\xb4", 3, 3, {"\xd0\xb3\xd1\x80\xd0\xbd"}},
    // Danish: "kr." and "kr", the first one's full stop also the group separator.
    {",", ".", "kr.", 3, 3, {"kr"}},
    // Austrian German writes money as "€ 1.234,50" beside the plain "1 234,5".
    {",", "\xc2\xa0", "\xe2\x82\xac", 3, 3, {}, ",", "."},
    // English in Germany: "€1,234.50" beside the plain "1.234,5".
    {",", ".", "\xe2\x82\xac", 3, 3, {}, ".", ","},
    // Hebrew: its formatting puts direction marks around signs and symbols.
    {".", ",", "\xe2\x82\xaa", 3, 3},
};
const NumberLocale& english = locales[0];

std::string localeName(const NumberLocale& locale) {
    return "locale " + quoted(locale.decimalSeparator) + " " + quoted(locale.groupSeparator) + " " +
           quoted(locale.currencySymbol) + " " + std::to_string(locale.primaryGroupSize) + "/" +
           std::to_string(locale.secondaryGroupSize);
}

double readOrFail(std::string_view text) {
    try {
        return Val(text);
    } catch (const std::exception& error) {
        require(false, "Val never throws", [&] { return quoted(text) + ": " + error.what(); });
    }
    return 0;
}

// Checks the text forms of one finite Single.
void checkSingle(float value, const NumberLocale& locale) {
    const auto about = [&](const std::string& text) {
        return "value " + number(value) + " -> " + quoted(text) + ", " + localeName(locale);
    };

    const std::string str = Str(value);
    require(str.starts_with(' ') || str.starts_with('-'), "Str starts with a blank or a minus",
            [&] { return about(str); });
    require(str.starts_with('-') == (value < 0), "Str has a minus exactly for negative values",
            [&] { return about(str); });
    // Without its sign place, the text must have the same shape as the other forms.
    const std::string strBody = str.starts_with('-') ? str : str.substr(1);
    const std::string strProblem = numberTextProblem(strBody, ".", 7);
    require(strProblem.empty(), "Str is a number text of at most 7 digits",
            [&] { return about(str) + ": " + strProblem; });
    require(!str.substr(1).starts_with("0."), "Str writes no zero before the point",
            [&] { return about(str); });

    const double strRead = readOrFail(str);
    require(isClose(strRead, value, 1e-6, 0), "Val(Str(f)) is f to 7 digits",
            [&] { return about(str) + " reads " + number(strRead); });
    const std::string again = Str(float(strRead));
    require(again == str, "Str(Single(Val(Str(f)))) gives the same text",
            [&] { return about(str) + " then " + quoted(again); });

    const std::string r4 = StrR4(value, locale);
    const std::string r4Problem = numberTextProblem(r4, locale.decimalSeparator, 7);
    require(r4Problem.empty(), "StrR4 is a number text of at most 7 digits",
            [&] { return about(r4) + ": " + r4Problem; });
    require(r4.starts_with('-') == (value < 0), "StrR4 has a minus exactly for negative values",
            [&] { return about(r4); });
    require(r4.find(' ') == std::string::npos, "StrR4 has no blank", [&] { return about(r4); });
    require(!r4.starts_with(locale.decimalSeparator) &&
                !r4.starts_with("-" + locale.decimalSeparator),
            "StrR4 writes a zero before the separator", [&] { return about(r4); });
    const double r4Read = readOrFail(withFullStop(r4, locale.decimalSeparator));
    require(isClose(r4Read, value, 1e-6, 0), "StrR4 read back is f to 7 digits",
            [&] { return about(r4) + " reads " + number(r4Read); });
    require(IsNumeric(r4, locale), "a shown StrR4 text passes IsNumeric in its own locale",
            [&] { return about(r4); });
    if (&locale != &locales[0]) {
        const std::string r4English = StrR4(value, english);
        require(withFullStop(r4, locale.decimalSeparator) == r4English,
                "StrR4 differs between locales only in the separator",
                [&] { return about(r4) + ", English " + quoted(r4English); });
    }
}

// Checks the text form of one finite double.
void checkDouble(double value, const NumberLocale& locale) {
    const std::string r8 = StrR8(value, locale);
    const auto about = [&] {
        return "value " + number(value) + " -> " + quoted(r8) + ", " + localeName(locale);
    };
    const std::string problem = numberTextProblem(r8, locale.decimalSeparator, 15);
    require(problem.empty(), "StrR8 is a number text of at most 15 digits",
            [&] { return about() + ": " + problem; });
    require(r8.starts_with('-') == (value < 0), "StrR8 has a minus exactly for negative values",
            about);
    require(r8.find(' ') == std::string::npos, "StrR8 has no blank", about);
    // Fifteen digits of a double this close to the largest one round up beyond it, and the text
    // reads as an infinity.
    if (std::fabs(value) > 1.79769313486231e308)
        return;
    const double read = readOrFail(withFullStop(r8, locale.decimalSeparator));
    require(isClose(read, value, 1e-14, 0), "StrR8 read back is d to 15 digits",
            [&] { return about() + " reads " + number(read); });
    require(IsNumeric(r8, locale), "a shown StrR8 text passes IsNumeric in its own locale", about);
    // Where money uses the other decimal separator, "1,234" is both 1.234 and 1234 as money:
    // typed back, the text is rightly ambiguous.
    if (!locale.moneyDecimalSeparator.empty() &&
        locale.moneyDecimalSeparator != locale.decimalSeparator)
        return;
    const std::optional<double> coefficient = readCoefficient(r8, locale);
    require(coefficient && isClose(*coefficient, value, 1e-14, 0),
            "a shown StrR8 text typed back is d to 15 digits", [&] {
                return about() + " reads " +
                       (coefficient ? number(*coefficient) : std::string("no number"));
            });
}

// The exact value of a reading, written out in full and read again, is the same value: every
// typed number is a terminating decimal, and the working may quote it in a box.
void checkExactValue(const CoefficientReading& reading, std::string_view text) {
    require(reading.exact.has_value() !=
                (reading.exactTooLong || reading.verdict != CoefficientReading::Verdict::Number),
            "a number taken has an exact value or is too long for one",
            [&] { return quoted(text); });
    if (!reading.exact)
        return;
    const std::optional<std::string> written = terminatingDecimal(*reading.exact);
    require(written.has_value(), "the exact value of a typed number is a terminating decimal",
            [&] { return quoted(text) + " is exactly " + reading.exact->text(); });
    const CoefficientReading again = coefficientReading(*written, english);
    require(again.exact && *again.exact == *reading.exact,
            "an exact value written out reads as the same value", [&] {
                return quoted(text) + " is exactly " + reading.exact->text() + ", written " +
                       quoted(*written) + " reads " +
                       (again.exact ? again.exact->text() : std::string("no exact value"));
            });
}

// The reading of a coefficient against the number the text means, worked out apart from it in
// every rule of the user's form: a text is read as a number exactly when it means one, and as
// that number; it is ambiguous exactly when it reads as two different numbers.
void checkCoefficient(std::string_view text, const NumberLocale& locale) {
    std::optional<double> read;
    CoefficientReading reading;
    try {
        read = readCoefficient(text, locale);
        reading = coefficientReading(text, locale);
    } catch (const std::exception& error) {
        require(false, "readCoefficient never throws",
                [&] { return quoted(text) + ": " + error.what(); });
    }
    require(read.has_value() == (reading.verdict == CoefficientReading::Verdict::Number),
            "readCoefficient reads what coefficientReading takes", [&] { return quoted(text); });
    const std::vector<double> values = meaning::readings(text, locale);
    const auto about = [&] {
        std::string out = quoted(text) + " reads " +
                          (read ? number(*read) : std::string("no number")) + ", reads here as";
        for (double value : values)
            out += " " + number(value);
        return out + ", " + localeName(locale);
    };
    require((reading.verdict == CoefficientReading::Verdict::Ambiguous) == (values.size() > 1),
            "a text is ambiguous exactly when it reads as two different numbers", about);
    const std::optional<double> meant = meantValue(text, locale);
    require(read.has_value() == meant.has_value(), "a text is read exactly when it means a number",
            about);
    if (read && meant)
        require(*read == *meant, "a coefficient is read as the number its text means", about);
    checkExactValue(reading, text);
}

// Val against the C library's reader, on texts IsNumeric accepts in the English locale that use
// none of the forms only one of them knows: grouping, currency, "&H"/"&O", the exponent "D", and
// the minus sign U+2212 and direction marks, which IsNumeric takes as a locale writes them.
void compareWithStrtod(std::string_view text, double value) {
    if (text.find_first_of(",$&Dd\t") != std::string_view::npos ||
        std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; }))
        return;
    const std::string plain(text);
    char* end = nullptr;
    const double expected = std::strtod(plain.c_str(), &end);
    const std::size_t last = plain.find_last_not_of(' ');
    require(end == plain.c_str() + last + 1, "an English numeric text is one number for strtod",
            [&] { return quoted(text); });
    require(float(value) == float(expected), "Val reads what strtod reads, as a Single", [&] {
        return quoted(text) + ": Val " + number(value) + ", strtod " + number(expected);
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const NumberLocale& locale = locales[data[0] % std::size(locales)];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    const double value = readOrFail(text);
    require(!std::isnan(value), "Val is never NaN", [&] { return quoted(text); });
    bool numeric = false;
    try {
        numeric = IsNumeric(text, locale);
    } catch (const std::exception& error) {
        require(false, "IsNumeric never throws",
                [&] { return quoted(text) + ": " + error.what(); });
    }
    if (numeric) {
        require(std::isfinite(value), "Val of a numeric text is finite", [&] {
            return quoted(text) + " reads " + number(value) + ", " + localeName(locale);
        });
        if (&locale == &english)
            compareWithStrtod(text, value);
    }
    checkCoefficient(text, locale);

    // The number the user typed, as the solvers store it.
    if (std::isfinite(float(value)))
        checkSingle(float(value), locale);
    if (std::isfinite(value))
        checkDouble(value, locale);

    // Arbitrary bit patterns reach denormals and the ends of the range.
    if (text.size() >= sizeof(float)) {
        float single;
        std::memcpy(&single, text.data(), sizeof single);
        if (std::isfinite(single))
            checkSingle(single, locale);
    }
    if (text.size() >= sizeof(double)) {
        double wide;
        std::memcpy(&wide, text.data(), sizeof wide);
        if (std::isfinite(wide))
            checkDouble(wide, locale);
    }
    return 0;
}
