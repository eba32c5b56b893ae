#include "core/conversation/reading_shown.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "core/numbers/characters.h"

namespace {

// How many UTF-16 code units the UTF-8 bytes hold: one for each character, two for one beyond
// the Basic Multilingual Plane (a four-byte sequence).
int utf16Length(std::string_view bytes) {
    int units = 0;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if ((value & 0xC0) != 0x80)
            units += value >= 0xF0 ? 2 : 1;
    }
    return units;
}

// The byte after the character that starts at place.
std::size_t nextCharacter(std::string_view text, std::size_t place) {
    std::size_t next = place + 1;
    while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80)
        ++next;
    return next;
}

} // namespace

show::EquationReading shownReading(std::string_view text, const EquationReading& reading) {
    show::EquationReading shown;
    shown.accepted = reading.accepted;
    shown.message = reading.message;
    if (reading.accepted || text.empty())
        return shown;
    const std::size_t start = std::min(reading.place, text.size());
    std::size_t end = std::min(start + reading.length, text.size());
    // A place with no length (a bracket never closed, an equation cut short) marks the character
    // there; at the end of the text the mark stands after it.
    if (end == start && start < text.size() && text[start] != '\n')
        end = nextCharacter(text, start);
    const std::size_t lineStart = start == 0 ? 0 : text.rfind('\n', start - 1) + 1;
    const std::size_t lineEnd = std::min(text.find('\n', start), text.size());
    // Only the first line of a mark over two lines is quoted.
    const std::size_t markEnd = std::min(end, lineEnd);
    // Only the neighbourhood of the place is quoted, and nothing invisible: a pasted page would
    // otherwise come back whole, in the box's description too.
    constexpr std::size_t around = 30;
    shown.before = excerptOfEnd(text.substr(lineStart, start - lineStart), around);
    shown.marked = markEnd > start ? excerpt(text.substr(start, markEnd - start), around) : " ";
    shown.after = excerpt(text.substr(markEnd, lineEnd - markEnd), around);
    shown.markStart = utf16Length(text.substr(0, start));
    shown.markLength = utf16Length(text.substr(start, end - start));
    return shown;
}
