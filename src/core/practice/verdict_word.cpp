#include "core/practice/verdict_word.h"

const char* verdictWord(AnswerCheck::Verdict verdict) {
    switch (verdict) {
    case AnswerCheck::Verdict::Right:
        return "Right";
    case AnswerCheck::Verdict::PartlyRight:
        return "Partly right";
    case AnswerCheck::Verdict::Wrong:
        return "Not right";
    case AnswerCheck::Verdict::Unreadable:
        return "Not understood";
    }
    return "";
}
