#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/numbers/numbers.h"
#include "core/typing/answer_number.h"

// One item of an answer: "x1 = 2", "(3 ± √5)/2", "y = 2 - t", "≈ 2.62".
struct AnswerItem {
    std::string name;                 // "x", "x1", "x2", "x12" for both, "y"; empty where none
    std::vector<AnswerNumber> values; // two where it has "±"
    bool approximate = false;         // written after "≈"
};

// A pupil's answer as read: the numbers it gives, or that there is no solution or infinitely
// many.
struct ReadAnswer {
    enum class Claim { Numbers, NoSolution, NoRealSolution, InfinitelyMany };
    Claim claim = Claim::Numbers;
    std::vector<AnswerItem> items;
    char parameter = 0; // the letter of a general solution's parameter, "t"; 0 where none
    // Why the answer cannot be read, in plain words; empty where it reads.
    std::string problem;
    // Where reading stopped, in bytes of the text: where the problem starts and how long it is.
    std::size_t place = 0, length = 0;
};

// Reads the answer as typed in the user's number form, with the tokens and the grammar of a typed
// equation. Items are separated by "," (by ";" where the decimal separator is a comma), by a new
// line, "and", "or", "∨" or a blank; they may stand in a set ("{2; 3}", "x ∈ {…}") or a point
// ("(2|-5)", "P(2, -5)", "(x, y) = (2, -5)"). Numbers may be written with "√", "sqrt", "i" or
// "j", "±", "+-" or "+/-", brackets, "½" and mixed numbers ("1 1/2"). A system's line of
// solutions may be given as its equation ("x + y = 2").
ReadAnswer readAnswer(std::string_view text, const NumberLocale& locale);
