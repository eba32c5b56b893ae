// An equation typed as a pupil writes it: the input's first byte picks the number format, the
// rest is the text. A refusal marks a place inside the text; an accepted text's boxes read back
// exactly, and they agree with the text: the same text with x put as (x+1) reads as the same
// equation moved by 1, and what the reading says it read reads alike again.

#include <array>
#include <string>
#include <vector>

#include "core/typing/equation_reading.h"
#include "fuzz_support.h"

namespace {

const NumberLocale& formatOf(std::uint8_t pick) {
    static const std::array<NumberLocale, 4> formats{
        NumberLocale{".", ",", "$"},
        NumberLocale{",", ".", "\xe2\x82\xac"},
        NumberLocale{",", "\xe2\x80\xaf", "\xe2\x82\xac"},
        NumberLocale{".", "'", "CHF"},
    };
    return formats[pick % formats.size()];
}

std::string describe(std::string_view text, const EquationReading& reading) {
    std::string description = quoted(text) + " -> " + quoted(reading.message);
    for (const std::string& box : reading.boxes)
        description += "\n  box " + quoted(box);
    return description;
}

std::vector<Rational> exactBoxes(std::string_view text, const EquationReading& reading,
                                 const NumberLocale& locale) {
    std::vector<Rational> values;
    for (const std::string& box : reading.boxes) {
        const CoefficientReading read = coefficientReading(box, locale);
        require(read.accepted() && read.exact.has_value(), "a box reads back exactly",
                [&] { return describe(text, reading); });
        values.push_back(*read.exact);
    }
    return values;
}

// Both 0, or one a multiple of the other by a number that is not 0.
bool proportional(const std::vector<Rational>& p, const std::vector<Rational>& q) {
    bool pZero = true, qZero = true;
    for (std::size_t i = 0; i < p.size(); ++i) {
        pZero = pZero && p[i].sign() == 0;
        qZero = qZero && q[i].sign() == 0;
        for (std::size_t j = i + 1; j < p.size(); ++j)
            if (!(p[i] * q[j] == p[j] * q[i]))
                return false;
    }
    return pZero == qZero;
}

// a·x² + b·x + c with x = u + 1 is a·u² + (2a + b)·u + (a + b + c); a·x + b·y = c is
// a·u + b·y = c - a.
std::vector<Rational> moved(const std::vector<Rational>& boxes, bool system) {
    if (!system)
        return {boxes[0], boxes[0] + boxes[0] + boxes[1], boxes[0] + boxes[1] + boxes[2]};
    return {boxes[0], boxes[1], boxes[2] - boxes[0], boxes[3], boxes[4], boxes[5] - boxes[3]};
}

void checkMoved(std::string_view text, const EquationReading& reading,
                const std::vector<Rational>& boxes, const NumberLocale& locale) {
    std::string shifted;
    for (char c : text)
        shifted += c == reading.unknown[0] ? "(" + reading.unknown + "+1)" : std::string(1, c);
    const EquationReading other = readEquation(shifted, locale);
    // A number may grow past what the exact arithmetic or a box takes.
    if (!other.accepted || other.roundedToSingle)
        return;
    const std::vector<Rational> expected = moved(boxes, reading.system);
    const std::vector<Rational> found = exactBoxes(shifted, other, locale);
    const std::size_t count = reading.system ? 3 : found.size();
    for (std::size_t first = 0; first < found.size(); first += count)
        require(proportional({expected.begin() + first, expected.begin() + first + count},
                             {found.begin() + first, found.begin() + first + count}),
                "x put as (x+1) moves the equation by 1",
                [&] { return describe(text, reading) + "\n" + describe(shifted, other); });
}

void checkReadAgain(std::string_view text, const EquationReading& reading,
                    const NumberLocale& locale) {
    const std::string result = reading.message.substr(0, reading.message.rfind(": "));
    const EquationReading again = readEquation(result, locale);
    require(again.accepted && again.boxes == reading.boxes,
            "what the reading says it read reads as the same boxes",
            [&] { return describe(text, reading) + "\n" + describe(result, again); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const NumberLocale& locale = formatOf(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const EquationReading reading = readEquation(text, locale);
    require(!reading.message.empty(), "every reading says what it read or why not",
            [&] { return describe(text, reading); });
    require(readable(reading.message) && (reading.accepted || reading.message.size() <= 400),
            "a message quotes nothing invisible or broken, and a refusal only a piece of the text",
            [&] { return describe(text, reading); });
    if (!reading.accepted) {
        require(reading.place + reading.length <= text.size() && reading.boxes.empty(),
                "a refusal marks a place inside the text", [&] {
                    return describe(text, reading) + "\n  at " + std::to_string(reading.place) +
                           ", " + std::to_string(reading.length);
                });
        return 0;
    }
    require(reading.boxes.size() == (reading.system ? 6u : 3u) && !reading.steps.empty(),
            "an accepted text fills every box and has working",
            [&] { return describe(text, reading); });
    const std::vector<Rational> boxes = exactBoxes(text, reading, locale);
    if (reading.roundedToSingle)
        return 0;
    checkMoved(text, reading, boxes, locale);
    // Read again, what was read names its unknowns only where they are left in it.
    const bool unknownsLeft = reading.system ? (boxes[0].sign() != 0 || boxes[3].sign() != 0) &&
                                                   (boxes[1].sign() != 0 || boxes[4].sign() != 0)
                                             : boxes[0].sign() != 0 || boxes[1].sign() != 0;
    if (unknownsLeft)
        checkReadAgain(text, reading, locale);
    return 0;
}
