#pragma once

#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/numbers/rational.h"

// The user's number format, made by numberLocale (core/numbers/number_locale.h) from what each
// front-end learns of its platform's locale at start. IsNumeric, the reading of a coefficient and
// the display forms StrR4/StrR8 follow it; Val and Str never do. Texts are UTF-8; an empty
// separator or symbol is one the locale does not have.
struct NumberLocale {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
    std::string currencySymbol = "$";
    int primaryGroupSize = 3;   // digits in the group next to the decimal separator; 0: no groups
    int secondaryGroupSize = 3; // digits in each group before it (2 in Indian English)
    // Symbols read as well as currencySymbol: Ukrainians write both "₴" and "грн".
    std::vector<std::string> otherCurrencySymbols = {};
    // Where the locale writes money with other separators than plain numbers (Austrian
    // "€ 1.234,50" beside "1 234,5"), those; empty where it does not.
    std::string moneyDecimalSeparator = {};
    std::string moneyGroupSeparator = {};
    friend bool operator==(const NumberLocale&, const NumberLocale&) = default;
};

// An arithmetic step that the processor would flag: invalid operation, division by zero or
// overflow. Underflow is never a fault.
class ArithmeticFault : public std::runtime_error {
public:
    enum class Kind { InvalidOperation, DivisionByZero, Overflow };
    explicit ArithmeticFault(Kind kind);
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

double Val(std::string_view text);
bool IsNumeric(std::string_view text, const NumberLocale& locale);
// How a coefficient text reads. It is read both ways: in the user's format (its decimal
// separator, its groups where they stand, its currency, and "−" or direction marks as its own
// formatting writes them) and by Val, where Val reads the whole text (blanks apart). One reading,
// or two that agree, give the number; two that disagree, as "1.000" in German (a thousand, or
// Val's 1), leave the text ambiguous: nothing is solved with a number the user may not have
// meant.
struct CoefficientReading {
    enum class Verdict {
        Number,     // `value` is the number meant
        Ambiguous,  // both readings take the whole text and give different numbers
        NoNumber,   // neither reading takes the whole text
        OutOfRange, // the one number it reads is beyond the double range
    };
    Verdict verdict = Verdict::NoNumber;
    std::optional<double> inLocale; // the number in the user's format, where that reads it all
    std::optional<double> byVal;    // Val's value, where Val reads it all
    double value = 0;               // the number taken: only with Verdict::Number
    double leadingVal = 0;          // Val's value of the text, of all of it or of its start
    bool numeric = false;           // IsNumeric's answer
    // The number taken, exactly as typed, for the working: a terminating decimal or an "&H"/"&O"
    // integer. None where there is no number taken, or where it is too long to write out exactly
    // (`exactTooLong` then): more than 40 significant digits, or a power of ten past 10^400.
    std::optional<Rational> exact;
    bool exactTooLong = false;

    // The run command takes a box only where both IsNumeric and the reading accept it: a text
    // IsNumeric takes in the user's format but no reading makes sense of, such as "1,5" in
    // English, is no number.
    bool accepted() const { return numeric && verdict == Verdict::Number; }
    // What a solver takes: the number meant or, for a text the run command never lets through,
    // Val's reading of its leading part as before.
    double solverValue() const { return verdict == Verdict::Number ? value : leadingVal; }
};
CoefficientReading coefficientReading(std::string_view text, const NumberLocale& locale);
// The number a coefficient text means: coefficientReading's value, or none where the text is
// ambiguous, no number or beyond the double range.
std::optional<double> readCoefficient(std::string_view text, const NumberLocale& locale);
// coefficientReading's solverValue.
double coefficientValue(std::string_view text, const NumberLocale& locale);
// An exact number as a box takes it back, in the user's format: "-0,25", "1000". None where its
// decimal never ends, as 1/3's.
std::optional<std::string> exactDecimalText(const Rational& value, const NumberLocale& locale);
// The Single nearest an exact number, as the shortest decimal that a box reads back as that
// Single, written out in full: "16777216" for 16777217. None beyond the Single range.
std::optional<std::string> singleDecimalText(const Rational& value, const NumberLocale& locale);
// A count in the user's format, grouped by thousands: "1,048,576", "1.048.576".
std::string countText(std::size_t count, const NumberLocale& locale);
std::string Str(float number);
std::string StrR4(float number, const NumberLocale& locale);
std::string StrR8(double number, const NumberLocale& locale);
// Rounds an intermediate to a Single, as every checked store into a Single variable does: a value
// that becomes infinite is an overflow, a NaN an invalid operation.
float FpR4(double intermediate);
double Sqr(double number);

// A coefficient typed beyond the Single range is stored as an infinity, from which nothing
// sensible can be computed: an overflow.
void checkCoefficients(std::initializer_list<float> coefficients);
// A quotient formed in double precision; a zero divisor is a division by zero (0/0 invalid).
double divide(double numerator, double denominator);
