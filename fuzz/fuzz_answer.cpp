// A pupil's answer to an exercise of the Practice window: the input's first bytes pick the kind,
// the level, the method, the number format and the sheet's seed, the rest is the answer. Any text
// gets a verdict in words; a step pointed at is a line of the working by that method, and only a
// wrong answer points at one; the key's own answer is right.

#include <cstdint>
#include <string>

#include "core/practice/answer_check.h"
#include "core/practice/sheet_code.h"
#include "core/solving/form_commands.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 7)
        return 0;
    SheetCode code;
    code.kind = practiceKinds[data[0] % practiceKinds.size()];
    code.level = practiceLevels[data[1] % practiceLevels.size()];
    code.count = 1;
    code.seed = std::uint32_t(data[3]) | std::uint32_t(data[4]) << 8 |
                std::uint32_t(data[5]) << 16 | std::uint32_t(data[6]) << 24;
    const NumberLocale locale =
        data[2] & 1 ? NumberLocale{",", ".", "\xe2\x82\xac"} : NumberLocale{".", ",", "$"};
    const Exercise exercise = makeSheet(code).front();
    const RunOutcome run = solveTexts(exercise.texts, NumberLocale{});
    const std::vector<MethodChoice> methods = workingMethods(run);
    const WorkingMethod method = methods[(data[2] >> 1) % methods.size()].method;
    const std::string answer(reinterpret_cast<const char*>(data) + 7, size - 7);

    const AnswerCheck check = checkAnswer(exercise, answer, locale, method);
    const auto describe = [&] {
        return quoted(answer) + " to " + exerciseText(exercise, locale) + " -> " +
               quoted(check.message);
    };
    require(!check.message.empty(), "every answer gets a verdict in words", describe);
    require(readable(check.message), "a verdict quotes nothing invisible or broken", describe);
    const int lines = int(makeWorking(run, locale, method).lines.size());
    require(check.step >= -1 && check.step < lines, "a step pointed at is a line of the working",
            describe);
    require(check.verdict != AnswerCheck::Verdict::Right || (!check.mistake && check.step < 0),
            "a right answer points at no mistake", describe);
    const std::string key = expectedAnswer(exercise, locale);
    require(checkAnswer(exercise, key, locale, method).verdict == AnswerCheck::Verdict::Right,
            "the key's answer is right", [&] { return quoted(key) + " " + describe(); });
    return 0;
}
