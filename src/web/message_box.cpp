#include "web/message_box.h"

#include <string>
#include <utility>

#include "web/browser_event.h"
#include "web/input/box_keys.h"
#include "web/markup/message_box_markup.h"
#include "web/page.h"

using emscripten::val;

void MessageBoxes::show(const MessageBoxDesign& design, OnAnswer onAnswer) {
    m_buttons = design.buttons;
    m_onAnswer = std::move(onAnswer);
    // The welcome box is in the page: the loader shows it while the program downloads, and keeps
    // on it what the user answered meanwhile. From here on the program answers it.
    const val body = page::document()["body"];
    m_dialog = body.call<val>("querySelector", val("dialog[data-name=\"MessageBox\"]"));
    if (m_dialog.isNull()) {
        body.call<void>("insertAdjacentHTML", val("beforeend"), val(messageBoxMarkup(design)));
        m_dialog = body["lastElementChild"];
    }
    m_dialog.call<void>("setAttribute", val("data-program"), val(""));
    if (const val answered = m_dialog["dataset"]["answer"]; answered.isString()) {
        answer(boxAnswer(answered.as<std::string>(), m_buttons));
        return;
    }
    // A click on one of its buttons answers the box.
    m_listeners.push_back(std::make_unique<Listener>(m_dialog, "click", [this](val e) {
        const val pressed = e["target"].call<val>("closest", val("button[data-name]"));
        if (pressed.isNull())
            return;
        // The program answers, and takes the box off the page: the page's own form would then
        // submit from a box no longer on it.
        e.call<void>("preventDefault");
        answer(boxAnswer(pressed["dataset"]["name"].as<std::string>(), m_buttons));
    }));
    for (const char* event : {"cancel", "close"})
        m_listeners.push_back(std::make_unique<Listener>(m_dialog, event, [this](val e) {
            e.call<void>("preventDefault");
            answer(boxAnswer("Escape", m_buttons));
        }));
    m_listeners.push_back(
        std::make_unique<Listener>(m_dialog, "keydown", [this](val e) { keyPressed(e); }));
    // The loader's box is up already, its OK button focused.
    if (m_dialog["open"].as<bool>())
        return;
    m_dialog.call<void>("showModal");
    // Enter answers with the default button: OK, or Yes.
    m_dialog.call<val>("querySelector", val(".buttons button")).call<void>("focus");
}

void MessageBoxes::keyPressed(val event) {
    const BoxKeyAction action = boxKey(readKey(event), m_buttons);
    if (action.keepFromBrowser)
        event.call<void>("preventDefault");
    if (action.answer)
        answer(*action.answer);
}

void MessageBoxes::remove() {
    m_listeners.clear();
    if (isOpen()) {
        val dialog = std::exchange(m_dialog, val::null());
        dialog.call<void>("remove");
    }
    m_onAnswer = {};
}

void MessageBoxes::answer(BoxButton answer) {
    if (!isOpen())
        return;
    // Taken out first: the answer may show the next box.
    OnAnswer onAnswer = std::exchange(m_onAnswer, {});
    remove();
    if (onAnswer)
        onAnswer(answer);
}
