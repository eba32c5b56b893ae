#include "core/solving/run_outcome.h"

#include <algorithm>
#include <cmath>

namespace {

std::string_view trimmedText(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Why the run command refuses a text, in words a pupil can act on.
std::string refusalReason(std::string_view text, const NumberLocale& locale) {
    const std::string_view body = trimmedText(text);
    if (body.empty())
        return "it holds only blanks";
    if (std::isinf(Val(body)))
        return "it is beyond the largest number the program can hold";
    const CoefficientReading reading = coefficientReading(body, locale);
    if (reading.verdict == CoefficientReading::Verdict::Ambiguous)
        return "it reads as two different numbers: in your number format and with the full stop "
               "as the decimal point";
    if (IsNumeric(body, locale))
        return "its separators are not where your number format puts them";
    // The longest start that is a number tells the pupil where the number stops. No number is
    // longer than a line, and a pasted page must not be read once for each of its characters.
    constexpr std::size_t longestNumber = 80;
    for (std::size_t length = std::min(body.size() - 1, longestNumber); length > 0; --length) {
        const std::string_view start = trimmedText(body.substr(0, length));
        if (!start.empty() && IsNumeric(start, locale) && readCoefficient(start, locale)) {
            return "only its start \"" + std::string(start) + "\" is a number; \"" +
                   excerpt(trimmedText(body.substr(length))) + "\" is not part of one";
        }
    }
    return "it does not start with a number";
}

} // namespace

std::string excerpt(std::string_view text) {
    constexpr std::size_t shown = 40;
    std::size_t end = 0;
    for (std::size_t characters = 0; end < text.size() && characters < shown; ++characters) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end; // the rest of a character's UTF-8 bytes
    }
    if (end == text.size())
        return std::string(text);
    return std::string(text.substr(0, end)) + "…";
}

RunOutcome warningOutcome(RunOutcome::Mode mode, const std::vector<std::string>& texts,
                          const NumberLocale& locale) {
    RunOutcome outcome;
    outcome.mode = mode;
    outcome.texts = texts;
    outcome.locale = locale;
    // As the run command checks: every box for emptiness first, then every box for a number.
    for (std::size_t index = 0; index < texts.size(); ++index) {
        if (texts[index].empty())
            outcome.refused.push_back({int(index) + 1, texts[index], "it is empty", {}});
    }
    if (!outcome.refused.empty()) {
        outcome.warning = RunOutcome::Warning::EmptyBoxes;
        return outcome;
    }
    for (std::size_t index = 0; index < texts.size(); ++index) {
        const std::string& text = texts[index];
        if (IsNumeric(text, locale) && readCoefficient(text, locale))
            continue;
        // A text with two readings shows both, so that the pupil sees what each would mean.
        std::vector<std::string> readings;
        const CoefficientReading reading = coefficientReading(text, locale);
        if (reading.verdict == CoefficientReading::Verdict::Ambiguous)
            readings = {StrR8(*reading.inLocale, NumberLocale{}), StrR8(*reading.byVal, NumberLocale{})};
        outcome.refused.push_back({int(index) + 1, text, refusalReason(text, locale), readings});
    }
    if (!outcome.refused.empty())
        outcome.warning = RunOutcome::Warning::NotANumber;
    return outcome;
}

void recordFault(RunOutcome& outcome, ArithmeticFault::Kind kind) {
    outcome.warning = RunOutcome::Warning::Fault;
    outcome.fault = kind;
}
