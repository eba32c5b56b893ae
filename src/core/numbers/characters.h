#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// One character of a typed text, read from its UTF-8 bytes. A sequence that is no character (a
// stray byte, a lone surrogate, an overlong or cut-off sequence, a code past U+10FFFF) is broken
// and counts as its first byte alone.
struct Character {
    char32_t code = 0;
    std::size_t length = 1;
    bool broken = false;
};

Character characterAt(std::string_view text, std::size_t place);

// Whether a character shows nothing where it stands: controls, zero-width and direction marks,
// the byte order mark, spaces other than the plain ones, variation selectors, private use.
bool isInvisible(char32_t code);

// The character at place as the subject of a sentence about it: itself where it can be seen (in
// quotation marks where `quoted`), otherwise "An invisible character, U+200B," or "A broken
// character", so that no message quotes what cannot be read.
std::string characterSubject(std::string_view text, std::size_t place, bool quoted);

// The text as it can be shown: each invisible character as its code ("U+200B") and each broken
// one as "\uFFFD", tabs and carriage returns as blanks, line breaks kept; whole UTF-8.
std::string visibleText(std::string_view text);

// A piece of a text short enough to quote in a message, shown as visibleText shows it: the whole
// where it has at most `longest` characters, otherwise its beginning and "…", so that a pasted
// page does not fill a message or the working.
std::string excerpt(std::string_view text, std::size_t longest = 40);
// Likewise its end: "…" and its last `longest` characters.
std::string excerptOfEnd(std::string_view text, std::size_t longest = 40);

// A place in a text, quoted in the line that holds it: what stands before it, the place itself
// and what stands after it, each cut to its neighbourhood and shown as visibleText shows it
// (a place of no length marks the character there, or a blank at the end); and the place in the
// whole text in UTF-16 code units, as both front-ends count text.
struct MarkedPlace {
    std::string before, marked, after;
    int start = 0, length = 0;
    friend bool operator==(const MarkedPlace&, const MarkedPlace&) = default;
};

MarkedPlace markedPlace(std::string_view text, std::size_t place, std::size_t length);
