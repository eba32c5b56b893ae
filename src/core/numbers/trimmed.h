#pragma once

#include <string_view>

// The text without the blanks around it: blanks and tabs, which every reading of a number
// skips, unless the caller names other characters (a box shown back to the user is trimmed of
// spaces alone).
inline std::string_view trimmed(std::string_view text, std::string_view blanks = " \t") {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}
