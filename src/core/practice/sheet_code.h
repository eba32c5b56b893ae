#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/practice/exercise.h"

// A sheet of exercises, and the short code that brings it back on either front-end: its kind,
// level, number of exercises, the generator's version and seed, and a check character that
// catches a mistyped character.
struct SheetCode {
    static constexpr int currentVersion = 1;
    static constexpr int largestCount = 30;
    int version = currentVersion;
    PracticeKind kind = PracticeKind::FirstDegree;
    PracticeLevel level = PracticeLevel::SmallIntegers;
    int count = 10; // 1 to largestCount
    std::uint32_t seed = 0;
    friend bool operator==(const SheetCode&, const SheetCode&) = default;
};

// "7K3Q-M9XA-C": letters and digits a pupil cannot misread, in groups.
std::string codeText(const SheetCode& code);
// A code as typed: any case, with or without the spaces and dashes; none where it is no code
// of this version or its check character does not match.
std::optional<SheetCode> readCode(std::string_view text);

// The sheet's exercises, count of them, none the same twice. Each is solved by the main window's
// own solvers, and one whose case there differs from its exact case is drawn again.
std::vector<Exercise> makeSheet(const SheetCode& code);
