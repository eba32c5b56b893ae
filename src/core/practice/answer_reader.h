#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/numbers/numbers.h"
#include "core/practice/answer_number.h"

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
};

// Reads the answer as typed in the user's number form. Items are separated by "," (by ";" where
// the decimal separator is a comma), by "and" or by "or"; numbers may be written with "√",
// "sqrt", "i", "±" or "+-" and brackets.
ReadAnswer readAnswer(std::string_view text, const NumberLocale& locale);
