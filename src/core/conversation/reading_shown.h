#pragma once

#include <string_view>

#include "core/conversation/reply.h"
#include "core/typing/equation_reading.h"

// A reading of the "Equation" box's text as the box shows it: what it reads, or what it cannot
// read with the place marked in the line that holds it.
show::EquationReading shownReading(std::string_view text, const EquationReading& reading);
