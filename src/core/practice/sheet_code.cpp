#include "core/practice/sheet_code.h"

#include "core/practice/random_numbers.h"

// A first sheet, to be replaced by the generator of every kind and level.
std::string codeText(const SheetCode& code) {
    return std::to_string(int(code.kind)) + "-" + std::to_string(int(code.level)) + "-" +
           std::to_string(code.count) + "-" + std::to_string(code.seed);
}

std::optional<SheetCode> readCode(std::string_view text) {
    SheetCode code;
    int fields[4] = {};
    int field = 0;
    for (char c : text) {
        if (c == '-') {
            if (++field == 4)
                return std::nullopt;
        } else if (c >= '0' && c <= '9') {
            fields[field] = fields[field] * 10 + (c - '0');
        } else {
            return std::nullopt;
        }
    }
    if (field != 3 || fields[0] > 8 || fields[1] > 2 || fields[2] < 1 ||
        fields[2] > SheetCode::largestCount)
        return std::nullopt;
    code.kind = PracticeKind(fields[0]);
    code.level = PracticeLevel(fields[1]);
    code.count = fields[2];
    code.seed = std::uint32_t(fields[3]);
    return code;
}

std::vector<Exercise> makeSheet(const SheetCode& code) {
    RandomNumbers random(code.seed);
    std::vector<Exercise> sheet;
    for (int index = 0; index < code.count; ++index) {
        Exercise exercise{code.kind, code.level, {}, {}, 0};
        const std::int64_t r1 = random.between(-5, 5), r2 = random.between(-5, 5);
        if (isSystem(code.kind))
            exercise.coefficients = {1, 1, r1 + r2, 1, -1, r1 - r2};
        else if (code.kind == PracticeKind::FirstDegree)
            exercise.coefficients = {0, 2, -2 * r1};
        else
            exercise.coefficients = {1, -(r1 + r2), r1 * r2};
        for (const Rational& k : exercise.coefficients)
            exercise.texts.push_back(k.text());
        sheet.push_back(exercise);
    }
    return sheet;
}
