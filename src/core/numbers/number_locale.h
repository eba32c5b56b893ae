#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/numbers/numbers.h"

// What a front-end learns of the user's locale from its platform (Qt's QLocale, the browser's
// Intl), from which numberLocale makes the one format both read alike. Texts are UTF-8.
struct LocaleFacts {
    std::string language; // "de"; with the region, names the locales whose money the table knows
    std::string region;   // ISO 3166 code, "AT"; empty where the platform names none
    std::string decimalSeparator;
    std::string groupSeparator;
    // The platform's own writing of 1234567890.5 with its groups: "1.234.567.890,5",
    // "1,23,45,67,890.5". Its groups show the locale's group sizes, or that it has none.
    std::string written;
    // The separators the platform writes money with, where it can tell; none where it cannot
    // (Qt writes money with the plain number's separators), and the core's table fills in.
    struct Money {
        std::string decimalSeparator, groupSeparator;
    };
    std::optional<Money> money;
};

NumberLocale numberLocale(const LocaleFacts& facts);

// The currency symbols in use in a region today, the usual one first: both "₴" and "грн" in
// Ukraine, the euro in Croatia. None for a region the table does not know.
std::vector<std::string> currencySymbols(std::string_view region);
