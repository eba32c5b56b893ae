#include "core/practice/sheet_code.h"

#include <algorithm>

#include "core/practice/exercise_check.h"
#include "core/practice/exercise_draws.h"
#include "core/practice/random_numbers.h"

namespace {

// Crockford's letters and digits: no I, L, O or U, which a pupil reads as 1, 1, 0 or V.
constexpr std::string_view symbols = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
// Nine symbols of five bits hold the code's 45 bits: version 3, kind and level together 5,
// count 5, seed 32; the tenth symbol is the check.
constexpr int dataSymbols = 9;
constexpr int versionBits = 3, kindLevelBits = 5, countBits = 5, seedBits = 32;
constexpr int kindLevels = int(practiceKinds.size() * practiceLevels.size());

// Products in the field of 32 elements, modulo x^5 + x^2 + 1.
int fieldProduct(int p, int q) {
    int product = 0;
    for (; q != 0; q >>= 1) {
        if (q & 1)
            product ^= p;
        p <<= 1;
        if (p & 32)
            p ^= 0b100101;
    }
    return product;
}

// The sum of each data symbol times x to the power of its place, in the field of 32 elements. As
// the places' weights are distinct and not 0, a changed symbol and two symbols swapped anywhere
// always change it.
int checkSymbol(const std::vector<int>& data) {
    int sum = 0, weight = 1;
    for (int symbol : data) {
        weight = fieldProduct(weight, 2);
        sum ^= fieldProduct(weight, symbol);
    }
    return sum;
}

int kindLevelIndex(PracticeKind kind, PracticeLevel level) {
    return int(kind) * int(practiceLevels.size()) + int(level);
}

// The symbol a typed character stands for; -1 for none. Any case; I and L read as 1, O as 0.
int symbolOf(char typed) {
    char c = typed >= 'a' && typed <= 'z' ? char(typed - 'a' + 'A') : typed;
    if (c == 'I' || c == 'L')
        c = '1';
    else if (c == 'O')
        c = '0';
    const std::size_t at = symbols.find(c);
    return at == std::string_view::npos ? -1 : int(at);
}

} // namespace

std::string codeText(const SheetCode& code) {
    // Each field kept to its bits, so that one out of range cannot spill into the next.
    std::uint64_t bits = std::uint64_t(code.version) & ((1u << versionBits) - 1);
    bits = bits << kindLevelBits |
           (std::uint64_t(kindLevelIndex(code.kind, code.level)) & ((1u << kindLevelBits) - 1));
    bits = bits << countBits | (std::uint64_t(code.count) & ((1u << countBits) - 1));
    bits = bits << seedBits | code.seed;
    std::vector<int> data;
    for (int place = dataSymbols - 1; place >= 0; --place)
        data.push_back(int(bits >> (5 * place)) & 31);
    data.push_back(checkSymbol(data));
    std::string text;
    for (std::size_t index = 0; index < data.size(); ++index) {
        if (index == data.size() / 2)
            text += '-';
        text += symbols[std::size_t(data[index])];
    }
    return text;
}

std::optional<SheetCode> readCode(std::string_view text) {
    std::vector<int> data;
    for (char typed : text) {
        if (typed == ' ' || typed == '-')
            continue;
        const int symbol = symbolOf(typed);
        if (symbol < 0 || data.size() > std::size_t(dataSymbols))
            return std::nullopt;
        data.push_back(symbol);
    }
    if (data.size() != dataSymbols + 1)
        return std::nullopt;
    const int check = data.back();
    data.pop_back();
    if (checkSymbol(data) != check)
        return std::nullopt;
    std::uint64_t bits = 0;
    for (int symbol : data)
        bits = bits << 5 | std::uint64_t(symbol);
    SheetCode code;
    code.seed = std::uint32_t(bits);
    code.count = int(bits >> seedBits) & ((1 << countBits) - 1);
    const int kindLevel = int(bits >> (seedBits + countBits)) & ((1 << kindLevelBits) - 1);
    code.version = int(bits >> (seedBits + countBits + kindLevelBits));
    if (code.version != SheetCode::currentVersion || kindLevel >= kindLevels || code.count < 1 ||
        code.count > SheetCode::largestCount)
        return std::nullopt;
    code.kind = practiceKinds[std::size_t(kindLevel) / practiceLevels.size()];
    code.level = practiceLevels[std::size_t(kindLevel) % practiceLevels.size()];
    return code;
}

std::vector<Exercise> makeSheet(const SheetCode& code) {
    // Each kind and level draws from a sequence of its own, so that one seed gives unrelated
    // sheets of different kinds; the count only cuts the sheet short.
    RandomNumbers random(std::uint64_t(kindLevelIndex(code.kind, code.level)) << seedBits |
                         code.seed);
    std::vector<Exercise> sheet;
    const auto isNew = [&sheet](const Exercise& exercise) {
        return std::none_of(sheet.begin(), sheet.end(), [&exercise](const Exercise& taken) {
            return taken.texts == exercise.texts;
        });
    };
    // Enough for every kind and level many times over; should the draws ever run out, a sheet
    // still comes, from the exercises kept in stock.
    constexpr int drawsPerExercise = 200;
    for (int index = 0; index < code.count; ++index) {
        std::optional<Exercise> found;
        for (int draw = 0; draw < drawsPerExercise && !found; ++draw) {
            std::optional<Exercise> drawn = drawExercise(code.kind, code.level, random);
            if (drawn && isNew(*drawn) && solvesAsItsKind(*drawn))
                found = std::move(drawn);
        }
        // The stock's exercises differ one from the next, so a new one comes within count.
        for (int spare = 0; !found && spare <= SheetCode::largestCount; ++spare) {
            Exercise stock = stockExercise(code.kind, code.level, spare);
            if (isNew(stock))
                found = std::move(stock);
        }
        sheet.push_back(std::move(*found));
    }
    return sheet;
}
