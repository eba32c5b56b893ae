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

ShownVerdict shownVerdict(AnswerCheck::Verdict verdict, std::string_view message) {
    const char* word = verdictWord(verdict);
    const std::string_view said(word);
    // The word itself, not the start of a longer one ("Rightly").
    const bool begins =
        message.starts_with(said) &&
        (message.size() == said.size() ||
         std::string_view(".,:;! \n").find(message[said.size()]) != std::string_view::npos);
    if (begins)
        return {word, std::string(message.substr(said.size()))};
    return {word, message.empty() ? std::string(".") : ". " + std::string(message)};
}
