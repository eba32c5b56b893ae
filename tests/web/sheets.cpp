// Prints one sheet of every kind and level, so that the desktop build and the browser build can
// be compared line by line: the same code must give the same exercises on both.
// Usage: sheets [SEED]
// Each sheet prints its code, then each exercise's box texts ("| 1 -3 2").

#include <cstdint>
#include <iostream>
#include <string>

#include "core/practice/sheet_code.h"

int main(int argc, char* argv[]) {
    if (argc > 2) {
        std::cerr << "usage: sheets [SEED]\n";
        return 2;
    }
    std::uint32_t seed = argc == 2 ? std::uint32_t(std::stoul(argv[1])) : 20261208u;
    for (PracticeKind kind : practiceKinds)
        for (PracticeLevel level : practiceLevels) {
            const SheetCode code{SheetCode::currentVersion, kind, level, SheetCode::largestCount,
                                 seed};
            // Each sheet its own seed, spread over the 32 bits.
            seed = seed * 2654435761u + 1;
            std::cout << codeText(code) << '\n';
            for (const Exercise& exercise : makeSheet(code)) {
                std::cout << '|';
                for (const std::string& text : exercise.texts)
                    std::cout << ' ' << text;
                std::cout << '\n';
            }
        }
    return 0;
}
