#include "web/browser_locale.h"

#include <string>
#include <vector>

#include <emscripten/val.h>

using emscripten::val;

namespace {

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

std::string partOf(const std::vector<Part>& parts, const std::string& type) {
    for (const Part& part : parts)
        if (part.type == type)
            return part.value;
    return {};
}

} // namespace

LocaleFacts browserLocaleFacts() {
    const val language = val::global("navigator")["language"];
    const val intl = val::global("Intl");
    LocaleFacts facts;

    const val locale = intl["Locale"].new_(language).call<val>("maximize");
    facts.language = locale["language"].as<std::string>();
    if (locale["region"].isString())
        facts.region = locale["region"].as<std::string>();

    const std::vector<Part> plain =
        formatToParts(intl["NumberFormat"].new_(language), 1234567890.5);
    facts.decimalSeparator = partOf(plain, "decimal");
    facts.groupSeparator = partOf(plain, "group");
    for (const Part& part : plain)
        facts.written += part.value;

    // Money in any currency with cents shows the separators the language writes money with.
    val options = val::object();
    options.set("style", "currency");
    options.set("currency", "EUR");
    const std::vector<Part> money =
        formatToParts(intl["NumberFormat"].new_(language, options), 1234567.5);
    facts.money = LocaleFacts::Money{partOf(money, "decimal"), partOf(money, "group")};
    return facts;
}

NumberLocale browserNumberLocale() {
    return numberLocale(browserLocaleFacts());
}
