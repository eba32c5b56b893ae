#pragma once

#include <cstdint>
#include <optional>

// The main window's variables, shared by all of its procedures for the whole run.
struct FormVariables {
    float a = 0, b = 0, c = 0, D = 0;
    float a1 = 0, b1 = 0, c1 = 0, a2 = 0, b2 = 0, c2 = 0, D1 = 0, D2 = 0;
    std::optional<float> x; // empty until the system solver stores a solution
    float y = 0;
    std::int16_t i = 0; // the one loop counter of every procedure
};
