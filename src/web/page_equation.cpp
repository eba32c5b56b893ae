#include "web/page_equation.h"

#include <utility>

#include "core/design/equation_window_design.h"
#include "web/page.h"

using emscripten::val;

namespace {

// After the working panel's, in the order they stand: the text, Solve, Cancel, then the close
// button.
constexpr int textTabIndex = 38, solveTabIndex = 39, cancelTabIndex = 40, closeTabIndex = 41;
// The reading describes the text box, found by these ids.
constexpr const char* textId = "equation-text";
constexpr const char* readingId = "equation-reading";

} // namespace

PageEquation::PageEquation(val mainWindow, Send send,
                           std::function<void(const std::string&)> announce)
    : m_panel(equationWindowDesign.name, "equation", equationWindowDesign.caption, closeTabIndex,
              [send] { send(event::EquationClosed{}); }),
      m_announce(std::move(announce)), m_mainWindow(std::move(mainWindow)) {
    const EquationWindowDesign& design = equationWindowDesign;
    val body = page::create("div");
    page::addClass(body, "body");
    val prompt = page::create("label");
    prompt.set("htmlFor", textId);
    page::setText(prompt, design.prompt);
    page::append(body, prompt);

    m_text = page::create("textarea", design.textName);
    m_text.set("id", textId);
    m_text.set("tabIndex", textTabIndex);
    m_text.set("spellcheck", false);
    m_text.set("rows", 2);
    m_text.call<void>("setAttribute", val("autocapitalize"), val("off"));
    m_text.call<void>("setAttribute", val("autocomplete"), val("off"));
    // Described by the reading, which is not a live region: it is read when asked for, not at
    // each keystroke.
    m_text.call<void>("setAttribute", val("aria-describedby"), val(readingId));
    m_text["style"].set("width", std::to_string(design.textWidth) + "px");
    m_text["style"].set("height", std::to_string(design.textHeight) + "px");
    m_panel.listen(m_text, "input", [this, send](val) {
        send(event::EquationEdit{m_text["value"].as<std::string>()});
    });
    m_panel.listen(m_text, "keydown", [send](val e) {
        // Enter solves; Shift+Enter starts the second equation on a new line. A key that ends
        // an input method's composition is the composition's.
        if (e["key"].as<std::string>() == "Enter" && !e["shiftKey"].as<bool>() &&
            !e["isComposing"].as<bool>()) {
            e.call<void>("preventDefault");
            send(event::SolveEquation{});
        }
    });
    page::append(body, m_text);

    m_reading = page::create("div", design.readingName);
    m_reading.set("id", readingId);
    page::addClass(m_reading, "reading");
    page::append(body, m_reading);
    m_panel.append(body);

    val buttons = page::create("div");
    page::addClass(buttons, "buttons");
    val solve = page::button(design.solveName, design.solveCaption, solveTabIndex);
    m_panel.listen(solve, "click", [send](val) { send(event::SolveEquation{}); });
    val cancel = page::button(design.cancelName, design.cancelCaption, cancelTabIndex);
    m_panel.listen(cancel, "click", [send](val) { send(event::EquationClosed{}); });
    page::append(buttons, solve);
    page::append(buttons, cancel);
    m_panel.append(buttons);
}

void PageEquation::showText(const std::string& text) {
    if (m_text["value"].as<std::string>() != text)
        m_text.set("value", text);
}

void PageEquation::showReading(const show::EquationReading& reading) {
    if (reading.invalid)
        m_text.call<void>("setAttribute", val("aria-invalid"), val("true"));
    else
        m_text.call<void>("removeAttribute", val("aria-invalid"));
    if (reading.spoken)
        m_announce(reading.message);
    m_reading.call<void>("replaceChildren");
    page::append(m_reading, val(reading.message));
    if (reading.marked.empty())
        return;
    // The line that holds the place, the place marked in it.
    val quote = page::create("code");
    val marked = page::create("mark");
    page::setText(marked, reading.marked);
    page::append(quote, val(reading.before));
    page::append(quote, marked);
    page::append(quote, val(reading.after));
    page::append(m_reading, quote);
}

void PageEquation::raise() {
    if (!m_placed) {
        m_panel.placeBeside(m_mainWindow, m_text);
        m_placed = true;
    }
    m_panel.raise(m_text);
}
