#include "web/browser_locale.h"

#include <string>
#include <string_view>
#include <vector>

#include <emscripten/val.h>

using emscripten::val;

namespace {

// Intl names a language's number format but not the currency of its region: the regions most
// pupils are in, by their currency code. Intl then gives the symbol the language writes for it.
struct RegionCurrency {
    std::string_view region, currency;
};
constexpr RegionCurrency regionCurrencies[] = {
    {"US", "USD"}, {"GB", "GBP"}, {"IE", "EUR"}, {"CA", "CAD"}, {"AU", "AUD"}, {"NZ", "NZD"},
    {"IN", "INR"}, {"ZA", "ZAR"}, {"DE", "EUR"}, {"AT", "EUR"}, {"CH", "CHF"}, {"LI", "CHF"},
    {"FR", "EUR"}, {"BE", "EUR"}, {"LU", "EUR"}, {"NL", "EUR"}, {"IT", "EUR"}, {"ES", "EUR"},
    {"PT", "EUR"}, {"GR", "EUR"}, {"CY", "EUR"}, {"FI", "EUR"}, {"EE", "EUR"}, {"LV", "EUR"},
    {"LT", "EUR"}, {"SK", "EUR"}, {"SI", "EUR"}, {"HR", "EUR"}, {"MT", "EUR"}, {"SE", "SEK"},
    {"NO", "NOK"}, {"DK", "DKK"}, {"IS", "ISK"}, {"PL", "PLN"}, {"CZ", "CZK"}, {"HU", "HUF"},
    {"RO", "RON"}, {"BG", "BGN"}, {"RS", "RSD"}, {"UA", "UAH"}, {"RU", "RUB"}, {"TR", "TRY"},
    {"IL", "ILS"}, {"EG", "EGP"}, {"SA", "SAR"}, {"AE", "AED"}, {"BR", "BRL"}, {"MX", "MXN"},
    {"AR", "ARS"}, {"CL", "CLP"}, {"CO", "COP"}, {"PE", "PEN"}, {"JP", "JPY"}, {"CN", "CNY"},
    {"TW", "TWD"}, {"HK", "HKD"}, {"KR", "KRW"}, {"SG", "SGD"}, {"ID", "IDR"}, {"TH", "THB"},
    {"VN", "VND"}, {"PH", "PHP"}, {"MY", "MYR"}, {"PK", "PKR"}, {"NG", "NGN"}, {"KE", "KES"},
};

struct Part {
    std::string type, value;
};

std::vector<Part> formatToParts(const val& format, double number) {
    std::vector<Part> parts;
    const val list = format.call<val>("formatToParts", number);
    const int count = list["length"].as<int>();
    for (int i = 0; i < count; ++i)
        parts.push_back({list[i]["type"].as<std::string>(), list[i]["value"].as<std::string>()});
    return parts;
}

} // namespace

NumberLocale browserNumberLocale() {
    NumberLocale locale;
    const val language = val::global("navigator")["language"];
    const val intl = val::global("Intl");

    // A number with four groups shows the separators and both group sizes: "1,234,567,890.5",
    // or "1,23,45,67,890.5" where the groups before the last are of two digits.
    std::vector<int> groups;
    for (const Part& part : formatToParts(intl["NumberFormat"].new_(language), 1234567890.5)) {
        if (part.type == "decimal")
            locale.decimalSeparator = part.value;
        else if (part.type == "group")
            locale.groupSeparator = part.value;
        else if (part.type == "integer")
            groups.push_back(static_cast<int>(part.value.size()));
    }
    if (groups.size() >= 2) {
        locale.primaryGroupSize = groups.back();
        // The first group may be shorter, or longer, than the ones between.
        locale.secondaryGroupSize =
            groups.size() > 2 ? groups[groups.size() - 2] : locale.primaryGroupSize;
    } else {
        // A language that groups no digits.
        locale.groupSeparator.clear();
        locale.primaryGroupSize = 0;
        locale.secondaryGroupSize = 0;
    }

    // A region missing from the table has no currency symbol to accept.
    locale.currencySymbol.clear();
    const val region = intl["Locale"].new_(language).call<val>("maximize")["region"];
    if (region.isString()) {
        const std::string code = region.as<std::string>();
        for (const RegionCurrency& entry : regionCurrencies) {
            if (entry.region != code)
                continue;
            val options = val::object();
            options.set("style", "currency");
            options.set("currency", std::string(entry.currency));
            for (const Part& part : formatToParts(intl["NumberFormat"].new_(language, options), 1))
                if (part.type == "currency")
                    locale.currencySymbol = part.value;
            break;
        }
    }
    return locale;
}
