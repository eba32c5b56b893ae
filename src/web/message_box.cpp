#include "web/message_box.h"

#include <utility>

#include "web/page.h"

using emscripten::val;

namespace {

const char* iconName(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Warning:
        return "warning";
    case MessageIcon::Information:
        return "information";
    case MessageIcon::Question:
        return "question";
    case MessageIcon::None:
        break;
    }
    return "none";
}

void setAttribute(val element, const char* name, const char* value) {
    element.call<void>("setAttribute", val(name), val(value));
}

} // namespace

// Yes and No show their access keys, their first letters, underlined, as the desktop's box does.
val MessageBoxes::button(const char* name, bool accessKey, BoxButton answer) {
    val element = page::create("button", name);
    element.set("type", "button");
    if (accessKey) {
        val key = page::create("u");
        page::setText(key, std::string(name).substr(0, 1));
        page::append(element, key);
        page::append(element, val(std::string(name).substr(1)));
    } else {
        page::setText(element, name);
    }
    m_listeners.push_back(std::make_unique<Listener>(
        element, "click", [this, answer](val) { this->answer(answer); }));
    return element;
}

void MessageBoxes::show(const MessageBoxDesign& design, OnAnswer onAnswer) {
    m_buttons = design.buttons;
    m_onAnswer = std::move(onAnswer);

    m_dialog = page::create("dialog", "MessageBox");
    m_dialog["dataset"].set("icon", iconName(design.icon));
    // A warning interrupts; a screen reader names the box by its title and reads its text.
    setAttribute(m_dialog, "role", design.icon == MessageIcon::Warning ? "alertdialog" : "dialog");
    setAttribute(m_dialog, "aria-labelledby", "box-title");
    setAttribute(m_dialog, "aria-describedby", "box-text");
    val title = page::create("div", "title");
    title.set("id", "box-title");
    page::addClass(title, "title");
    page::setText(title, design.title);
    val icon = page::create("div");
    page::addClass(icon, "icon");
    val text = page::create("p", "text");
    text.set("id", "box-text");
    page::setText(text, design.text);
    val body = page::create("div");
    page::addClass(body, "body");
    page::append(body, icon);
    page::append(body, text);
    val buttons = page::create("div");
    page::addClass(buttons, "buttons");
    val first = val::null();
    if (design.buttons == MessageButtons::YesNo) {
        first = button("Yes", true, BoxButton::Yes);
        page::append(buttons, first);
        page::append(buttons, button("No", true, BoxButton::No));
    } else {
        first = button("OK", false, BoxButton::Ok);
        page::append(buttons, first);
    }
    page::append(m_dialog, title);
    page::append(m_dialog, body);
    page::append(m_dialog, buttons);
    // Escape: the single OK button, or No, as a desktop message box answers it.
    const BoxButton escape =
        design.buttons == MessageButtons::YesNo ? BoxButton::No : BoxButton::Ok;
    for (const char* event : {"cancel", "close"})
        m_listeners.push_back(std::make_unique<Listener>(m_dialog, event, [this, escape](val e) {
            e.call<void>("preventDefault");
            answer(escape);
        }));
    m_listeners.push_back(
        std::make_unique<Listener>(m_dialog, "keydown", [this](val e) { keyPressed(e); }));
    page::append(page::document()["body"], m_dialog);
    m_dialog.call<void>("showModal");
    // Enter answers with the default button: OK, or Yes.
    first.call<void>("focus");
}

void MessageBoxes::keyPressed(val event) {
    if (event["ctrlKey"].as<bool>() || event["metaKey"].as<bool>())
        return;
    const std::string key = event["key"].as<std::string>();
    // Wherever the focus went within the box (a click on its text, on its frame), Enter still
    // answers it with the default button; on a button the button's own click answers.
    if (key == "Enter" && event["target"]["tagName"].as<std::string>() != "BUTTON") {
        event.call<void>("preventDefault");
        answer(m_buttons == MessageButtons::YesNo ? BoxButton::Yes : BoxButton::Ok);
    } else if (m_buttons == MessageButtons::YesNo && (key == "y" || key == "Y")) {
        answer(BoxButton::Yes);
    } else if (m_buttons == MessageButtons::YesNo && (key == "n" || key == "N")) {
        answer(BoxButton::No);
    }
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
