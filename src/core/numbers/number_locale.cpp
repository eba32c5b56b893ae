#include "core/numbers/number_locale.h"

#include <algorithm>
#include <array>

namespace {

// The symbols a region's own languages write for its currency, as ICU writes them (its short
// and narrow forms), and the code where that is what they write ("CHF", "RON").
struct RegionSymbols {
    std::string_view region;
    std::array<std::string_view, 3> symbols; // the unused ones empty
};

// clang-format off
constexpr RegionSymbols regionSymbols[] = {
    {"US", {"$", "US$"}},  {"GB", {"£"}},          {"IE", {"€"}},
    {"CA", {"$", "CA$"}},  {"AU", {"$", "A$"}},    {"NZ", {"$", "NZ$"}},
    {"IN", {"₹"}},         {"ZA", {"R"}},          {"DE", {"€"}},
    {"AT", {"€"}},         {"CH", {"CHF"}},        {"LI", {"CHF"}},
    {"FR", {"€"}},         {"BE", {"€"}},          {"LU", {"€"}},
    {"NL", {"€"}},         {"IT", {"€"}},          {"ES", {"€"}},
    {"PT", {"€"}},         {"GR", {"€"}},          {"CY", {"€"}},
    {"FI", {"€"}},         {"EE", {"€"}},          {"LV", {"€"}},
    {"LT", {"€"}},         {"SK", {"€"}},          {"SI", {"€"}},
    {"HR", {"€"}},         {"MT", {"€"}},          {"SE", {"kr"}},
    {"NO", {"kr"}},        {"DK", {"kr.", "kr"}},  {"IS", {"kr", "ISK"}},
    {"PL", {"zł"}},        {"CZ", {"Kč"}},         {"HU", {"Ft"}},
    {"RO", {"RON", "lei"}}, {"BG", {"лв.", "€"}},  {"RS", {"RSD", "дин."}},
    {"UA", {"₴", "грн"}},  {"RU", {"₽"}},          {"TR", {"₺"}},
    {"IL", {"₪"}},         {"EG", {"ج.م.", "E£"}}, {"SA", {"ر.س.", "SAR"}},
    {"AE", {"د.إ.", "AED"}}, {"BR", {"R$"}},       {"MX", {"$", "MX$"}},
    {"AR", {"$"}},         {"CL", {"$"}},          {"CO", {"$"}},
    {"PE", {"S/"}},        {"JP", {"￥", "¥", "円"}}, {"CN", {"¥", "￥", "元"}},
    {"TW", {"$", "NT$"}},  {"HK", {"HK$", "$"}},   {"KR", {"₩", "원"}},
    {"SG", {"$", "S$"}},   {"ID", {"Rp"}},         {"TH", {"฿"}},
    {"VN", {"₫"}},         {"PH", {"₱"}},          {"MY", {"RM"}},
    {"PK", {"Rs"}},        {"NG", {"₦"}},          {"KE", {"Ksh"}},
};
// clang-format on

// Locales whose money ICU writes with other separators than their plain numbers, for a
// platform that cannot tell: "€ 1.234,50" in Austria beside "1 234,5"; "0.50 CHF" in French
// Switzerland beside "0,5"; English in the euro countries "€1,234.50" beside "1.234,5".
struct MoneySeparators {
    std::string_view language, region, decimalSeparator, groupSeparator;
};

// clang-format off
constexpr MoneySeparators moneySeparators[] = {
    {"de", "AT", ",", "."},        {"fr", "CH", ".", "\u202F"}, {"en", "AT", ".", ","},
    {"en", "BE", ".", ","},        {"en", "CH", ".", ","},      {"en", "CZ", ".", ","},
    {"en", "DE", ".", ","},        {"en", "DK", ".", ","},      {"en", "EE", ".", ","},
    {"en", "ES", ".", ","},        {"en", "FI", ".", ","},      {"en", "FR", ".", ","},
    {"en", "GE", ".", ","},        {"en", "HU", ".", ","},      {"en", "IT", ".", ","},
    {"en", "LT", ".", ","},        {"en", "LV", ".", ","},      {"en", "NL", ".", ","},
    {"en", "NO", ".", ","},        {"en", "PL", ".", ","},      {"en", "PT", ".", ","},
    {"en", "RO", ".", ","},        {"en", "SE", ".", ","},      {"en", "SI", ".", ","},
    {"en", "SK", ".", ","},        {"en", "UA", ".", ","},
};
// clang-format on

// The digit groups of the integer part of a written number, from the first.
std::vector<std::size_t> groupsOf(const LocaleFacts& facts) {
    std::string_view integer = facts.written;
    if (const std::size_t point = integer.find(facts.decimalSeparator);
        !facts.decimalSeparator.empty() && point != std::string_view::npos)
        integer = integer.substr(0, point);
    std::vector<std::size_t> groups{0};
    for (std::size_t pos = 0; pos < integer.size();) {
        if (!facts.groupSeparator.empty() &&
            integer.substr(pos).starts_with(facts.groupSeparator)) {
            groups.push_back(0);
            pos += facts.groupSeparator.size();
        } else {
            groups.back() += integer[pos] >= '0' && integer[pos] <= '9';
            ++pos;
        }
    }
    return groups;
}

} // namespace

std::vector<std::string> currencySymbols(std::string_view region) {
    // (Emscripten's libc++ has no std::ranges algorithms.)
    const auto entry =
        std::find_if(std::begin(regionSymbols), std::end(regionSymbols),
                     [&](const RegionSymbols& each) { return each.region == region; });
    std::vector<std::string> symbols;
    if (entry != std::end(regionSymbols))
        for (std::string_view symbol : entry->symbols)
            if (!symbol.empty())
                symbols.emplace_back(symbol);
    return symbols;
}

NumberLocale numberLocale(const LocaleFacts& facts) {
    NumberLocale locale{.decimalSeparator = facts.decimalSeparator,
                        .groupSeparator = facts.groupSeparator,
                        .currencySymbol = ""};

    // The last group is the one next to the decimal separator; the one before it shows the size
    // of the others, as the first may be shorter, or in some platforms' data longer
    // ("1234.567.890,5").
    const std::vector<std::size_t> groups = groupsOf(facts);
    if (groups.size() < 2) {
        // A locale that groups no digits: no separator to read either.
        locale.groupSeparator.clear();
        locale.primaryGroupSize = 0;
        locale.secondaryGroupSize = 0;
    } else {
        locale.primaryGroupSize = int(groups.back());
        locale.secondaryGroupSize =
            groups.size() > 2 ? int(groups[groups.size() - 2]) : locale.primaryGroupSize;
    }

    std::vector<std::string> symbols = currencySymbols(facts.region);
    if (!symbols.empty()) {
        locale.currencySymbol = symbols.front();
        locale.otherCurrencySymbols.assign(symbols.begin() + 1, symbols.end());
    }

    std::optional<LocaleFacts::Money> money = facts.money;
    if (!money) {
        const auto known = std::find_if(std::begin(moneySeparators), std::end(moneySeparators),
                                        [&](const MoneySeparators& entry) {
                                            return entry.language == facts.language &&
                                                   entry.region == facts.region;
                                        });
        if (known != std::end(moneySeparators))
            money = LocaleFacts::Money{std::string(known->decimalSeparator),
                                       std::string(known->groupSeparator)};
    }
    if (money && (money->decimalSeparator != locale.decimalSeparator ||
                  money->groupSeparator != facts.groupSeparator)) {
        locale.moneyDecimalSeparator = money->decimalSeparator;
        locale.moneyGroupSeparator = money->groupSeparator;
    }
    return locale;
}
