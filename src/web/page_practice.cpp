#include "web/page_practice.h"

#include <map>
#include <string_view>
#include <utility>

#include "core/design/practice_window_design.h"
#include "core/design/working_window_design.h"
#include "core/practice/verdict_word.h"
#include "web/page.h"

using emscripten::val;

namespace {

constexpr const PracticeWindowDesign& design = practiceWindowDesign;

// Where the keyboard reaches the control of that name: the tab indexes after the equation
// panel's, in the design table's order; past the last row, the close button.
constexpr int tabIndexOf(std::string_view name) {
    int index = 42;
    for (const PracticeControlDesign& row : practiceControls) {
        if (row.name == name)
            return index;
        index += row.takesFocus() ? 1 : 0;
    }
    return index;
}
constexpr int closeTabIndex = tabIndexOf("");
// Labels find their controls by their names as ids; the code box its message, and the answer
// box its exercise, by these.
constexpr const char* codeMessageId = "practice-code-message";

// The control of the design table's row, named, and where the keyboard reaches it, tabIndex;
// a labelled one has its name as its id. The method list is made apart.
val makeControl(const PracticeControlDesign& row, int tabIndex) {
    val control = val::null();
    switch (row.kind) {
    case PracticeControlKind::List:
        control = page::create("select", row.name);
        break;
    case PracticeControlKind::MethodList:
        return control;
    case PracticeControlKind::TextBox:
        control = page::create("input", row.name);
        control.set("type", "text");
        control.set("spellcheck", false);
        control.call<void>("setAttribute", val("autocapitalize"), val("off"));
        control.call<void>("setAttribute", val("autocomplete"), val("off"));
        break;
    case PracticeControlKind::Number:
        control = page::create("input", row.name);
        control.set("type", "number");
        control.set("min", 1);
        control.set("max", SheetCode::largestCount);
        break;
    case PracticeControlKind::Button:
        return page::button(row.name, row.caption, tabIndex);
    case PracticeControlKind::CheckBox:
        control = page::create("input", row.name);
        control.set("type", "checkbox");
        break;
    case PracticeControlKind::WorkingText:
        control = page::create("ol", row.name);
        control.call<void>("setAttribute", val("aria-label"), val(workingWindowDesign.caption));
        break;
    case PracticeControlKind::Exercise:
        control = page::create("div", row.name);
        page::addClass(control, "exercise");
        break;
    case PracticeControlKind::Verdict:
        control = page::create("div", row.name);
        page::addClass(control, "verdict");
        break;
    case PracticeControlKind::Count:
        control = page::create("div", row.name);
        page::addClass(control, "count");
        break;
    }
    if (row.takesFocus())
        control.set("tabIndex", tabIndex);
    if (row.labelled())
        control.set("id", row.name);
    return control;
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
      m_mainWindow(std::move(mainWindow)),
      m_methods(design.methodName, design.methodName, tabIndexOf(design.methodName)) {
    // Every control of the design table, in its order.
    std::map<std::string_view, val> made;
    for (const PracticeControlDesign& row : practiceControls)
        made.emplace(row.name, row.kind == PracticeControlKind::MethodList
                                   ? m_methods.element()
                                   : makeControl(row, tabIndexOf(row.name)));
    // A labelled row of the panel for the control of that name.
    const auto labelled = [&made](const char* name) {
        return labelledRow(practiceControl(name).caption, name, made.at(name));
    };
    m_kind = made.at(design.kindName);
    m_level = made.at(design.levelName);
    m_code = made.at(design.codeName);
    m_answer = made.at(design.answerName);
    m_verdict = made.at(design.verdictName);
    m_workingText = made.at(design.workingTextName);
    m_count = made.at(design.countName);
    m_length = made.at(design.lengthName);
    m_printWorking = made.at(design.printWorkingName);

    val choices = page::create("div");
    page::addClass(choices, "choices");
    m_panel.listen(m_kind, "change", [this](val) {
        m_send(event::PracticeKindChosen{m_kind["selectedIndex"].as<int>()});
    });
    page::append(choices, labelled(design.kindName));
    m_panel.listen(m_level, "change", [this](val) {
        m_send(event::PracticeLevelChosen{m_level["selectedIndex"].as<int>()});
    });
    page::append(choices, labelled(design.levelName));
    m_panel.listen(m_methods.element(), "change",
                   [this](val) { m_send(event::PracticeMethodChosen{m_methods.chosen()}); });
    page::append(choices, labelled(design.methodName));
    m_panel.append(choices);

    // The sheet's code, which brings a sheet back, and the way to the next exercise.
    val sheet = page::create("div");
    page::addClass(sheet, "sheetrow");
    // Read when asked for, not spoken at each keystroke.
    m_code.call<void>("setAttribute", val("aria-describedby"), val(codeMessageId));
    m_panel.listen(m_code, "input", [this](val) {
        m_send(event::SheetCodeEdit{m_code["value"].as<std::string>()});
    });
    val codeRow = labelled(design.codeName);
    val next = made.at(design.newName);
    m_panel.listen(next, "click", [this](val) { m_send(event::NewExercise{}); });
    page::append(codeRow, next);
    page::append(sheet, codeRow);
    m_codeMessage = page::create("div");
    m_codeMessage.set("id", codeMessageId);
    page::addClass(m_codeMessage, "message");
    page::append(sheet, m_codeMessage);
    m_panel.append(sheet);

    val exercise = made.at(design.exerciseName);
    exercise.set("id", design.exerciseName);
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

    // What to answer, and how, read with the box.
    m_answer.call<void>("setAttribute", val("aria-describedby"), val(design.exerciseName));
    m_panel.listen(m_answer, "input",
                   [this](val) { m_send(event::AnswerEdit{m_answer["value"].as<std::string>()}); });
    m_panel.listen(m_answer, "keydown", [this](val e) {
        // A key that ends an input method's composition is the composition's.
        if (e["key"].as<std::string>() == "Enter" && !e["isComposing"].as<bool>()) {
            e.call<void>("preventDefault");
            m_send(event::CheckAnswer{});
        }
    });
    val answerRow = labelled(design.answerName);
    page::addClass(answerRow, "answer");
    val check = made.at(design.checkName);
    m_panel.listen(check, "click", [this](val) { m_send(event::CheckAnswer{}); });
    page::append(answerRow, check);
    m_panel.append(answerRow);

    m_panel.append(m_verdict);

    val working = page::create("div");
    page::addClass(working, "working-part");
    val show = made.at(design.workingName);
    m_panel.listen(show, "click", [this](val) { m_send(event::ShowPracticeWorking{}); });
    page::append(working, show);
    page::append(working, m_workingText);
    m_panel.append(working);

    m_panel.append(m_count);

    val printing = page::create("div");
    page::addClass(printing, "buttons");
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
    lengthLabel.set("htmlFor", design.lengthName);
    page::setText(lengthLabel, design.lengthCaption);
    page::append(printing, lengthLabel);
    page::append(printing, m_length);
    val withWorking = page::create("label");
    page::append(withWorking, m_printWorking);
    page::append(withWorking, val(std::string(" ") + design.printWorkingCaption));
    page::append(printing, withWorking);
    val printSheet = made.at(design.printName);
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
        m_panel.placeBeside(m_mainWindow, m_answer, PagePanel::OnPhone::FullScreen);
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
        const ShownVerdict shown = shownVerdict(view.verdict, view.verdictText);
        val word = page::create("strong");
        page::setText(word, shown.word);
        page::append(m_verdict, word);
        page::append(m_verdict, val(shown.rest));
        // Where an answer that cannot be read stopped being read, marked in its line.
        if (!view.answerMark.marked.empty()) {
            val quote = page::create("code");
            val marked = page::create("mark");
            page::setText(marked, view.answerMark.marked);
            page::append(quote, val(view.answerMark.before));
            page::append(quote, marked);
            page::append(quote, val(view.answerMark.after));
            page::append(m_verdict, quote);
        }
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
