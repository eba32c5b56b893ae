#include "core/typing/text_limits.h"

#include "core/numbers/characters.h"

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t place = 0; place < text.size(); place += characterAt(text, place).length)
        ++count;
    return count;
}

std::optional<std::string> lengthProblem(std::string_view text, const TextLimit& limit,
                                         const NumberLocale& locale) {
    // A character takes a byte at least, so a text of no more bytes than the limit is within it.
    if (text.size() <= limit.longest)
        return std::nullopt;
    const std::size_t count = characterCount(text);
    if (count <= limit.longest)
        return std::nullopt;
    const std::string name(limit.name);
    return "The " + name + " is too long to read: it has " + countText(count, locale) +
           " characters, and " + std::string(limit.article) + " " + name + " has at most " +
           countText(limit.longest, locale);
}

std::size_t placePastLimit(std::string_view text, const TextLimit& limit) {
    std::size_t place = 0;
    for (std::size_t count = 0; place < text.size() && count < limit.longest; ++count)
        place += characterAt(text, place).length;
    return place;
}
