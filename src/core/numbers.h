#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

// The user's number format, taken by each front-end from its platform's locale at start.
// IsNumeric, the reading of a coefficient and the display forms StrR4/StrR8 follow it; Val and
// Str never do.
struct NumberLocale {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
    std::string currencySymbol = "$";
    int primaryGroupSize = 3;   // digits in the group next to the decimal separator
    int secondaryGroupSize = 3; // digits in each group before it (2 in Indian English)
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
