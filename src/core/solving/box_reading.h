#pragma once

#include <string>
#include <vector>

#include "core/design/controls.h"
#include "core/numbers/numbers.h"

// A coefficient box as typed and as read: the run command reads each box once, and the checks,
// the solvers and the working all take this reading.
struct BoxReading {
    std::string text;
    CoefficientReading reading;
};

// Text(1) to Text(count), each read once in the user's number format.
std::vector<BoxReading> readBoxes(const Controls& controls, int count, const NumberLocale& locale);
