#include "web/page_practice.h"

#include <string_view>
#include <utility>

#include "core/design/practice_window_design.h"
#include "core/design/working_window_design.h"
#include "core/practice/verdict_word.h"
#include "web/page.h"

using emscripten::val;

namespace {

constexpr const PracticeWindowDesign& design = practiceWindowDesign;

// After the equation panel's, in the order they stand; the close button last.
constexpr int kindTabIndex = 42, levelTabIndex = 43, methodTabIndex = 44, codeTabIndex = 45,
              newTabIndex = 46, answerTabIndex = 47, checkTabIndex = 48, workingTabIndex = 49,
              workingTextTabIndex = 50, lengthTabIndex = 51, printWorkingTabIndex = 52,
              printTabIndex = 53, closeTabIndex = 54;
// Labels find their controls, and the code box its message, by these ids.
constexpr const char* kindId = "practice-kind";
constexpr const char* levelId = "practice-level";
constexpr const char* methodId = "practice-method";
constexpr const char* codeId = "practice-code";
constexpr const char* codeMessageId = "practice-code-message";
constexpr const char* answerId = "practice-answer";
constexpr const char* lengthId = "practice-length";
constexpr const char* exerciseId = "practice-exercise";

val textBox(const char* name, const char* id, int tabIndex) {
    val element = page::create("input", name);
    element.set("type", "text");
    element.set("id", id);
    element.set("tabIndex", tabIndex);
    element.set("spellcheck", false);
    element.call<void>("setAttribute", val("autocapitalize"), val("off"));
    element.call<void>("setAttribute", val("autocomplete"), val("off"));
    return element;
}

// A row of the panel: a visible label and the control it names.
val labelledRow(const char* caption, const char* id, val control) {
    val row = page::create("div");
    page::addClass(row, "row");
    val label = page::create("label");
    label.set("htmlFor", id);
    page::setText(label, caption);
    page::append(row, label);
    page::append(row, std::move(control));
    return row;
}

const char* verdictClass(AnswerCheck::Verdict verdict) {
    switch (verdict) {
    case AnswerCheck::Verdict::Right:
        return "right";
    case AnswerCheck::Verdict::PartlyRight:
        return "partly";
    case AnswerCheck::Verdict::Wrong:
        return "wrong";
    case AnswerCheck::Verdict::Unreadable:
        break;
    }
    return "unread";
}

void setTextIfChanged(val box, const std::string& text) {
    // Set only when the session changed it: setting it as typed would move the caret.
    if (box["value"].as<std::string>() != text)
        box.set("value", text);
}

// The page's policy allows no style attribute in markup, only the style object: in the sheet's
// tags its styles are renamed before the markup is read, then put back through the object.
constexpr std::string_view styleAttribute = " style=\"", keptStyle = " data-sheet-style=\"";

std::string withStylesKept(const std::string& html) {
    std::string out;
    out.reserve(html.size());
    bool inTag = false;
    for (std::size_t at = 0; at < html.size(); ++at) {
        if (html[at] == '<')
            inTag = true;
        else if (html[at] == '>')
            inTag = false;
        if (inTag && html.compare(at, styleAttribute.size(), styleAttribute) == 0) {
            out += keptStyle;
            at += styleAttribute.size() - 1;
        } else {
            out += html[at];
        }
    }
    return out;
}

void fillSheet(val sheet, const std::string& html) {
    sheet.set("innerHTML", withStylesKept(html));
    const val styled = sheet.call<val>("querySelectorAll", val("[data-sheet-style]"));
    for (int at = 0; at < styled["length"].as<int>(); ++at) {
        const val element = styled[at];
        element["style"].set("cssText", element["dataset"]["sheetStyle"]);
        element.call<void>("removeAttribute", val("data-sheet-style"));
    }
}

} // namespace

PagePractice::PagePractice(val mainWindow, Send send, std::function<void()> onClose)
    : m_send(std::move(send)), m_panel(design.name, "practice", design.caption, closeTabIndex,
                                       [this, onClose = std::move(onClose)] {
                                           m_panel.hide();
                                           m_shown = false;
                                           onClose();
                                       }),
      m_mainWindow(std::move(mainWindow)), m_methods(design.methodName, methodId, methodTabIndex) {
    val choices = page::create("div");
    page::addClass(choices, "choices");
    m_kind = page::create("select", design.kindName);
    m_kind.set("id", kindId);
    m_kind.set("tabIndex", kindTabIndex);
    m_panel.listen(m_kind, "change", [this](val) {
        m_send(event::PracticeKindChosen{m_kind["selectedIndex"].as<int>()});
    });
    page::append(choices, labelledRow(design.kindCaption, kindId, m_kind));
    m_level = page::create("select", design.levelName);
    m_level.set("id", levelId);
    m_level.set("tabIndex", levelTabIndex);
    m_panel.listen(m_level, "change", [this](val) {
        m_send(event::PracticeLevelChosen{m_level["selectedIndex"].as<int>()});
    });
    page::append(choices, labelledRow(design.levelCaption, levelId, m_level));
    m_panel.listen(m_methods.element(), "change",
                   [this](val) { m_send(event::PracticeMethodChosen{m_methods.chosen()}); });
    page::append(choices, labelledRow(design.methodCaption, methodId, m_methods.element()));
    m_panel.append(choices);

    // The sheet's code, which brings a sheet back, and the way to the next exercise.
    val sheet = page::create("div");
    page::addClass(sheet, "sheetrow");
    m_code = textBox(design.codeName, codeId, codeTabIndex);
    // Read when asked for, not spoken at each keystroke.
    m_code.call<void>("setAttribute", val("aria-describedby"), val(codeMessageId));
    m_panel.listen(m_code, "input", [this](val) {
        m_send(event::SheetCodeEdit{m_code["value"].as<std::string>()});
    });
    val codeRow = labelledRow(design.codeCaption, codeId, m_code);
    val next = page::button(design.newName, design.newCaption, newTabIndex);
    m_panel.listen(next, "click", [this](val) { m_send(event::NewExercise{}); });
    page::append(codeRow, next);
    page::append(sheet, codeRow);
    m_codeMessage = page::create("div");
    m_codeMessage.set("id", codeMessageId);
    page::addClass(m_codeMessage, "message");
    page::append(sheet, m_codeMessage);
    m_panel.append(sheet);

    val exercise = page::create("div", design.exerciseName);
    exercise.set("id", exerciseId);
    page::addClass(exercise, "exercise");
    m_position = page::create("div");
    page::addClass(m_position, "position");
    m_exercise = page::create("div");
    page::addClass(m_exercise, "equation-text");
    m_instruction = page::create("div");
    page::addClass(m_instruction, "instruction");
    page::append(exercise, m_position);
    page::append(exercise, m_exercise);
    page::append(exercise, m_instruction);
    m_panel.append(exercise);

    m_answer = textBox(design.answerName, answerId, answerTabIndex);
    // What to answer, and how, read with the box.
    m_answer.call<void>("setAttribute", val("aria-describedby"), val(exerciseId));
    m_panel.listen(m_answer, "input",
                   [this](val) { m_send(event::AnswerEdit{m_answer["value"].as<std::string>()}); });
    m_panel.listen(m_answer, "keydown", [this](val e) {
        // A key that ends an input method's composition is the composition's.
        if (e["key"].as<std::string>() == "Enter" && !e["isComposing"].as<bool>()) {
            e.call<void>("preventDefault");
            m_send(event::CheckAnswer{});
        }
    });
    val answerRow = labelledRow(design.answerCaption, answerId, m_answer);
    page::addClass(answerRow, "answer");
    val check = page::button(design.checkName, design.checkCaption, checkTabIndex);
    m_panel.listen(check, "click", [this](val) { m_send(event::CheckAnswer{}); });
    page::append(answerRow, check);
    m_panel.append(answerRow);

    m_verdict = page::create("div", design.verdictName);
    page::addClass(m_verdict, "verdict");
    m_panel.append(m_verdict);

    val working = page::create("div");
    page::addClass(working, "working-part");
    val show = page::button(design.workingName, design.workingCaption, workingTabIndex);
    m_panel.listen(show, "click", [this](val) { m_send(event::ShowPracticeWorking{}); });
    page::append(working, show);
    m_workingText = page::create("ol", design.workingTextName);
    m_workingText.set("tabIndex", workingTextTabIndex);
    m_workingText.call<void>("setAttribute", val("aria-label"), val(workingWindowDesign.caption));
    page::append(working, m_workingText);
    m_panel.append(working);

    m_count = page::create("div", design.countName);
    page::addClass(m_count, "count");
    m_panel.append(m_count);

    val printing = page::create("div");
    page::addClass(printing, "buttons");
    m_length = page::create("input", design.lengthName);
    m_length.set("type", "number");
    m_length.set("id", lengthId);
    m_length.set("min", 1);
    m_length.set("max", SheetCode::largestCount);
    m_length.set("tabIndex", lengthTabIndex);
    m_panel.listen(m_length, "input", [this](val) {
        const std::string typed = m_length["value"].as<std::string>();
        if (!typed.empty() && typed.size() <= 2 &&
            typed.find_first_not_of("0123456789") == std::string::npos)
            m_send(event::SheetLengthChosen{std::stoi(typed)});
    });
    // Once typed, the box shows the length the sheet took (at most its largest).
    m_panel.listen(m_length, "change",
                   [this](val) { m_length.set("value", std::to_string(m_sheetLength)); });
    val lengthLabel = page::create("label");
    lengthLabel.set("htmlFor", lengthId);
    page::setText(lengthLabel, design.lengthCaption);
    page::append(printing, lengthLabel);
    page::append(printing, m_length);
    val withWorking = page::create("label");
    m_printWorking = page::create("input", design.printWorkingName);
    m_printWorking.set("type", "checkbox");
    m_printWorking.set("tabIndex", printWorkingTabIndex);
    page::append(withWorking, m_printWorking);
    page::append(withWorking, val(std::string(" ") + design.printWorkingCaption));
    page::append(printing, withWorking);
    val printSheet = page::button(design.printName, design.printCaption, printTabIndex);
    m_panel.listen(printSheet, "click", [this](val) {
        m_send(event::PrintSheet{m_printWorking["checked"].as<bool>()});
    });
    page::append(printing, printSheet);
    m_panel.append(printing);

    m_sheet = page::create("div", design.sheetName);
    page::addClass(m_sheet, "printed-sheet");
    page::append(page::document()["body"], m_sheet);
}

PagePractice::~PagePractice() {
    m_sheet.call<void>("remove");
}

void PagePractice::raise() {
    if (!m_shown) {
        m_panel.placeBeside(m_mainWindow, m_answer);
        m_shown = true;
    }
    // The reply's focus follows.
    m_panel.raise(m_answer);
}

void PagePractice::focusOn(const std::string& name) {
    const val control = named(name);
    if (!control.isNull())
        m_panel.focus(control);
}

void PagePractice::showChoices(val select, const std::vector<std::string>& captions, int chosen) {
    if (select["options"]["length"].as<std::size_t>() != captions.size()) {
        select.call<void>("replaceChildren");
        for (const std::string& caption : captions) {
            val option = page::create("option");
            page::setText(option, caption);
            page::append(select, option);
        }
    }
    select.set("selectedIndex", chosen);
}

void PagePractice::render(const PracticeView& view) {
    m_sheetLength = view.sheetLength;
    showChoices(m_kind, view.kinds, view.kind);
    showChoices(m_level, view.levels, view.level);
    m_methods.show(view.methods, view.method);
    setTextIfChanged(m_code, view.code);
    page::setText(m_codeMessage, view.codeMessage);
    page::setText(m_position, view.position);
    page::setText(m_exercise, view.exercise);
    page::setText(m_instruction, view.instruction);
    setTextIfChanged(m_answer, view.answer);

    m_verdict.call<void>("replaceChildren");
    page::setHidden(m_verdict, !view.checked);
    m_verdict["dataset"].set("verdict", std::string(verdictClass(view.verdict)));
    if (view.checked) {
        val word = page::create("strong");
        page::setText(word, verdictWord(view.verdict));
        page::append(m_verdict, word);
        page::append(m_verdict, val(" " + view.verdictText));
    }
    showWorking(view);
    page::setText(m_count, view.count);
    // Left as typed while it is being typed ("" on the way from 1 to 12).
    if (m_length["value"].as<std::string>() != std::to_string(view.sheetLength) &&
        !m_length.call<bool>("matches", val(":focus")))
        m_length.set("value", std::to_string(view.sheetLength));
}

void PagePractice::showWorking(const PracticeView& view) {
    m_workingText.call<void>("replaceChildren");
    page::setHidden(m_workingText, !view.workingShown);
    for (std::size_t at = 0; at < view.working.size(); ++at) {
        val line = page::create("li");
        // The step the verdict points at is marked by a sign and a frame as well as a colour.
        if (int(at) == view.markedStep) {
            val marked = page::create("mark");
            page::setText(marked, view.working[at].text);
            page::append(line, marked);
            line.call<void>("setAttribute", val("aria-current"), val("step"));
        } else {
            page::setText(line, view.working[at].text);
        }
        page::append(m_workingText, line);
    }
}

val PagePractice::named(const std::string& name) const {
    if (name.empty())
        return val::null();
    return page::document().call<val>(
        "querySelector",
        val("[data-name=\"" + std::string(design.name) + "\"] [data-name=\"" + name + "\"]"));
}

void PagePractice::print(const std::string& html) {
    fillSheet(m_sheet, html);
    val::global("window").call<void>("print");
}
