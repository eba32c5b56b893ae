#pragma once

#include <string>
#include <string_view>

#include "core/practice/answer_check.h"

// The verdict in a word or two, shown before its message, so that it does not rest on its colour
// alone: "Right", "Partly right", "Not right", "Not understood".
const char* verdictWord(AnswerCheck::Verdict verdict);

// The verdict as shown: its word, and the message after it, so that the word stands once where
// the message begins with it. "Right." shows "Right" and "."; "Not right: look again" shows
// "Not right" and ": look again"; "3 is not a root." shows "Not right" and ". 3 is not a root.".
struct ShownVerdict {
    const char* word;
    std::string rest;
};
ShownVerdict shownVerdict(AnswerCheck::Verdict verdict, std::string_view message);
