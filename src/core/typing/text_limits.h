#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/numbers/numbers.h"

// How much a pupil may type into each box of the Tools windows, and how deeply brackets and signs
// may stand one inside another. Every reader checks the length before any work that grows with
// the text, and counts its nesting against the one depth, so that no paste can exhaust the
// program's memory or its stack, the page's least of all.
struct TextLimit {
    std::string_view name;    // "equation"
    std::string_view article; // "an"
    std::size_t longest;      // in characters
};

// A system of two long equations with room to spare.
inline constexpr TextLimit equationLimit{"equation", "an", 10'000};
// Two roots written out at length, with the working's words around them.
inline constexpr TextLimit answerLimit{"answer", "an", 1'000};
// Ten symbols, with the dashes and spaces a pupil may put between them.
inline constexpr TextLimit sheetCodeLimit{"code", "a", 50};
inline constexpr int deepestNesting = 100;

// The number of characters (code points) in a UTF-8 text; a broken byte counts as one.
std::size_t characterCount(std::string_view text);

// Why the text is too long for its box, in words; nothing where it is not.
std::optional<std::string> lengthProblem(std::string_view text, const TextLimit& limit,
                                         const NumberLocale& locale);

// The byte at which the character past the limit starts: where reading stopped.
std::size_t placePastLimit(std::string_view text, const TextLimit& limit);

// Why a text nested past the depth cannot be read.
inline constexpr std::string_view nestedTooDeeply = "Too many brackets or signs one inside another";

// One more bracket, sign or root inside the others while it lives. Past the deepest nesting it
// calls `refuse`, which throws, before the reader goes a level deeper.
class Nesting {
public:
    template <class Refuse> Nesting(int& depth, Refuse refuse) : m_depth(depth) {
        if (++m_depth > deepestNesting) {
            --m_depth;
            refuse();
        }
    }
    ~Nesting() { --m_depth; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

private:
    int& m_depth;
};
