#include "core/practice/printed_sheet.h"

#include "core/practice/answer_check.h"
#include "core/solving/form_commands.h"
#include "core/working/working.h"

namespace {

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '\n')
            out += "<br>";
        else
            out += c;
    }
    return out;
}

std::string heading(const SheetCode& code, const std::string& title) {
    return "<h1>" + escaped(title) + "</h1>\n<p>" + escaped(kindCaption(code.kind)) + " · " +
           escaped(levelCaption(code.level)) + " · Sheet " + escaped(codeText(code)) + "</p>\n";
}

} // namespace

std::string printedSheet(const SheetCode& code, const std::vector<Exercise>& exercises,
                         const NumberLocale& locale, bool withWorking) {
    std::string html = "<div class=\"sheet\">\n" + heading(code, "Practice") + "<ol>\n";
    for (const Exercise& exercise : exercises)
        html += "<li>" + escaped(exerciseText(exercise, locale)) + "</li>\n";
    html += "</ol>\n</div>\n";
    // The key starts a page of its own, so that the sheet can be handed out without it.
    html += "<div class=\"key\" style=\"page-break-before: always\">\n" + heading(code, "Key") +
            "<ol>\n";
    for (const Exercise& exercise : exercises) {
        html += "<li>" + escaped(expectedAnswer(exercise, locale));
        if (withWorking) {
            html += "<div class=\"working\">";
            const RunOutcome run = solveTexts(exercise.texts, NumberLocale{});
            for (const WorkingLine& line : makeWorking(run, locale).lines)
                html += escaped(line.text) + "<br>";
            html += "</div>";
        }
        html += "</li>\n";
    }
    html += "</ol>\n</div>\n";
    return html;
}
