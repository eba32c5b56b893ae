#include "core/numbers/characters.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The ranges of invisible characters, from the first code to the last.
constexpr std::array<std::pair<char32_t, char32_t>, 30> invisibleRanges{{
    {0x0000, 0x001F},   {0x007F, 0x009F},   {0x00AD, 0x00AD},   {0x034F, 0x034F},
    {0x061C, 0x061C},   {0x115F, 0x1160},   {0x1680, 0x1680},   {0x17B4, 0x17B5},
    {0x180B, 0x180F},   {0x2000, 0x200F},   {0x2028, 0x202E},   {0x205F, 0x206F},
    {0x2800, 0x2800},   {0x3000, 0x3000},   {0x3164, 0x3164},   {0xD800, 0xDFFF},
    {0xE000, 0xF8FF},   {0xFDD0, 0xFDEF},   {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},
    {0xFFA0, 0xFFA0},   {0xFFF0, 0xFFFB},   {0xFFFE, 0xFFFF},   {0x1BCA0, 0x1BCA3},
    {0x1D173, 0x1D17A}, {0xE0000, 0xE007F}, {0xE0100, 0xE01EF}, {0xF0000, 0x10FFFF},
    {0x1FFFE, 0x1FFFF}, {0x2FFFE, 0x2FFFF},
}};

// Where the character that ends at `end` starts; a byte of no whole character stands alone.
std::size_t previousCharacter(std::string_view text, std::size_t end);

std::string codeName(char32_t code) {
    char name[12];
    std::snprintf(name, sizeof name, "U+%04X", unsigned(code));
    return name;
}

} // namespace

Character characterAt(std::string_view text, std::size_t place) {
    const auto lead = static_cast<unsigned char>(text[place]);
    if (lead < 0x80)
        return {lead, 1, false};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || place + length > text.size())
        return {lead, 1, true};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t next = 1; next < length; ++next) {
        const auto byte = static_cast<unsigned char>(text[place + next]);
        if (!isContinuation(byte))
            return {lead, 1, true};
        code = code << 6 | (byte & 0x3F);
    }
    // The shortest writing only, and no surrogate: anything else is no character.
    const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {lead, 1, true};
    return {code, length, false};
}

bool isInvisible(char32_t code) {
    for (const auto& [first, last] : invisibleRanges)
        if (code >= first && code <= last)
            return true;
    return false;
}

std::string characterSubject(std::string_view text, std::size_t place, bool quoted) {
    const Character character = characterAt(text, place);
    if (character.broken)
        return "A broken character";
    if (isInvisible(character.code))
        return "An invisible character, " + codeName(character.code) + ",";
    const std::string shown(text.substr(place, character.length));
    return quoted ? "\"" + shown + "\"" : shown;
}

std::string visibleText(std::string_view text) {
    std::string visible;
    visible.reserve(text.size());
    for (std::size_t place = 0; place < text.size();) {
        const Character character = characterAt(text, place);
        if (character.broken)
            visible += "\xEF\xBF\xBD";
        else if (character.code == '\t' || character.code == '\r')
            visible += ' '; // the blank it makes
        else if (isInvisible(character.code) && character.code != '\n')
            visible += codeName(character.code);
        else
            visible += text.substr(place, character.length);
        place += character.length;
    }
    return visible;
}

std::string excerpt(std::string_view text, std::size_t longest) {
    std::size_t place = 0;
    for (std::size_t count = 0; place < text.size() && count < longest; ++count)
        place += characterAt(text, place).length;
    if (place >= text.size())
        return visibleText(text);
    return visibleText(text.substr(0, place)) + "\u2026";
}

std::string excerptOfEnd(std::string_view text, std::size_t longest) {
    std::size_t place = text.size();
    for (std::size_t count = 0; place > 0 && count < longest; ++count)
        place = previousCharacter(text, place);
    if (place == 0)
        return visibleText(text);
    return "\u2026" + visibleText(text.substr(place));
}

namespace {

std::size_t previousCharacter(std::string_view text, std::size_t end) {
    for (std::size_t back = 1; back <= 4 && back <= end; ++back) {
        const std::size_t start = end - back;
        if (!isContinuation(static_cast<unsigned char>(text[start])))
            return characterAt(text, start).length == back ? start : end - 1;
    }
    return end - 1;
}

} // namespace

namespace {

// How many UTF-16 code units the UTF-8 bytes hold: one for each character, two for one beyond
// the Basic Multilingual Plane (a four-byte sequence).
int utf16Length(std::string_view bytes) {
    int units = 0;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (!isContinuation(value))
            units += value >= 0xF0 ? 2 : 1;
    }
    return units;
}

} // namespace

MarkedPlace markedPlace(std::string_view text, std::size_t place, std::size_t length) {
    MarkedPlace shown;
    const std::size_t start = std::min(place, text.size());
    std::size_t end = std::min(start + length, text.size());
    if (end == start && start < text.size() && text[start] != '\n')
        end = start + characterAt(text, start).length;
    const std::size_t lineStart = start == 0 ? 0 : text.rfind('\n', start - 1) + 1;
    const std::size_t lineEnd = std::min(text.find('\n', start), text.size());
    // Only the first line of a mark over two lines is quoted.
    const std::size_t markEnd = std::min(end, lineEnd);
    // Only the neighbourhood of the place is quoted, and nothing invisible: a pasted page would
    // otherwise come back whole, in a box's description too.
    constexpr std::size_t around = 30;
    shown.before = excerptOfEnd(text.substr(lineStart, start - lineStart), around);
    shown.marked = markEnd > start ? excerpt(text.substr(start, markEnd - start), around) : " ";
    shown.after = excerpt(text.substr(markEnd, lineEnd - markEnd), around);
    shown.start = utf16Length(text.substr(0, start));
    shown.length = utf16Length(text.substr(start, end - start));
    return shown;
}
