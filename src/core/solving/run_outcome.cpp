#include "core/solving/run_outcome.h"

#include <algorithm>
#include <cmath>

#include "core/numbers/characters.h"
#include "core/numbers/trimmed.h"

namespace {

// Why the run command refuses a text, in words a pupil can act on. The blanks around the text
// change none of its readings.
std::string refusalReason(const BoxReading& box, const NumberLocale& locale) {
    const std::string_view body = trimmed(box.text);
    const CoefficientReading& reading = box.reading;
    if (body.empty())
        return "it holds only blanks";
    if (std::isinf(reading.leadingVal))
        return "it is beyond the largest number the program can hold";
    if (reading.verdict == CoefficientReading::Verdict::Ambiguous)
        return "it reads as two different numbers: in your number format and with the full stop "
               "as the decimal point";
    if (reading.numeric)
        return "its separators are not where your number format puts them";
    // The longest start that is a number tells the pupil where the number stops. No number is
    // longer than a line, and a pasted page must not be read once for each of its characters.
    constexpr std::size_t longestNumber = 80;
    for (std::size_t length = std::min(body.size() - 1, longestNumber); length > 0; --length) {
        const std::string_view start = trimmed(body.substr(0, length));
        if (!start.empty() && coefficientReading(start, locale).accepted()) {
            return "only its start \"" + std::string(start) + "\" is a number; \"" +
                   excerpt(trimmed(body.substr(length))) + "\" is not part of one";
        }
    }
    return "it does not start with a number";
}

} // namespace

void recordBoxes(RunOutcome& outcome, RunOutcome::Mode mode, std::span<const BoxReading> boxes,
                 const NumberLocale& locale) {
    outcome = RunOutcome{};
    outcome.mode = mode;
    outcome.locale = locale;
    for (const BoxReading& box : boxes) {
        outcome.texts.push_back(box.text);
        outcome.readings.push_back(box.reading);
    }
}

RunOutcome warningOutcome(RunOutcome::Mode mode, std::span<const BoxReading> boxes,
                          const NumberLocale& locale) {
    RunOutcome outcome;
    recordBoxes(outcome, mode, boxes, locale);
    // As the run command checks: every box for emptiness first, then every box for a number.
    for (std::size_t index = 0; index < boxes.size(); ++index) {
        if (boxes[index].text.empty())
            outcome.refused.push_back({int(index) + 1, boxes[index].text, "it is empty", {}});
    }
    if (!outcome.refused.empty()) {
        outcome.warning = RunOutcome::Warning::EmptyBoxes;
        return outcome;
    }
    for (std::size_t index = 0; index < boxes.size(); ++index) {
        const BoxReading& box = boxes[index];
        if (box.reading.accepted())
            continue;
        // A text with two readings shows both, so that the pupil sees what each would mean.
        std::vector<std::string> readings;
        if (box.reading.verdict == CoefficientReading::Verdict::Ambiguous)
            readings = {StrR8(*box.reading.inLocale, NumberLocale{}),
                        StrR8(*box.reading.byVal, NumberLocale{})};
        outcome.refused.push_back({int(index) + 1, box.text, refusalReason(box, locale), readings});
    }
    if (!outcome.refused.empty())
        outcome.warning = RunOutcome::Warning::NotANumber;
    return outcome;
}

void recordFault(RunOutcome& outcome, ArithmeticFault::Kind kind) {
    outcome.warning = RunOutcome::Warning::Fault;
    outcome.fault = kind;
}
