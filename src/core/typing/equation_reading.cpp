#include "core/typing/equation_reading.h"

EquationReading readEquation(std::string_view text, const NumberLocale& /*locale*/) {
    EquationReading reading;
    reading.message = "Velmora cannot read equations yet.";
    reading.length = text.size();
    return reading;
}
