#pragma once

#include "core/practice/answer_check.h"

// The verdict in a word or two, shown before its message, so that it does not rest on its colour
// alone: "Right", "Partly right", "Not right", "Not understood".
const char* verdictWord(AnswerCheck::Verdict verdict);
