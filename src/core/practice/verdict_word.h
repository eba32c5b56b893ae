#pragma once

#include "core/practice/answer_check.h"

// The verdict in one word, shown beside its colour so that it reads without the colour.
inline const char* verdictWord(AnswerCheck::Verdict verdict) {
    switch (verdict) {
    case AnswerCheck::Verdict::Right:
        return "Right";
    case AnswerCheck::Verdict::PartlyRight:
        return "Partly right";
    case AnswerCheck::Verdict::Wrong:
        return "Wrong";
    case AnswerCheck::Verdict::Unreadable:
        break;
    }
    return "Not read";
}
