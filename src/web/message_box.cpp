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

// Yes and No show their access keys, their first letters, underlined, as the desktop's box does.
val button(const char* name, bool accessKey) {
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
    page::listen(element, "click", "onBoxButton");
    return element;
}

} // namespace

void MessageBoxes::show(const MessageBoxDesign& design, OnAnswer onAnswer) {
    m_buttons = design.buttons;
    m_onAnswer = std::move(onAnswer);

    m_dialog = page::create("dialog", "MessageBox");
    m_dialog["dataset"].set("icon", iconName(design.icon));
    val title = page::create("div", "title");
    title["classList"].call<void>("add", val("title"));
    page::setText(title, design.title);
    val icon = page::create("div");
    icon["classList"].call<void>("add", val("icon"));
    val text = page::create("p", "text");
    page::setText(text, design.text);
    val body = page::create("div");
    body["classList"].call<void>("add", val("body"));
    page::append(body, icon);
    page::append(body, text);
    val buttons = page::create("div");
    buttons["classList"].call<void>("add", val("buttons"));
    val first = val::null();
    if (design.buttons == MessageButtons::YesNo) {
        first = button("Yes", true);
        page::append(buttons, first);
        page::append(buttons, button("No", true));
    } else {
        first = button("OK", false);
        page::append(buttons, first);
    }
    page::append(m_dialog, title);
    page::append(m_dialog, body);
    page::append(m_dialog, buttons);
    page::listen(m_dialog, "cancel", "onBoxCancel");
    page::listen(m_dialog, "close", "onBoxCancel");
    page::listen(m_dialog, "keydown", "onBoxKey");
    page::append(page::document()["body"], m_dialog);
    m_dialog.call<void>("showModal");
    // Enter answers with the default button: OK, or Yes.
    first.call<void>("focus");
}

void MessageBoxes::buttonClicked(const std::string& name) {
    if (name == "Yes")
        answer(BoxAnswer::Yes);
    else if (name == "No")
        answer(BoxAnswer::No);
    else
        answer(BoxAnswer::Ok);
}

void MessageBoxes::cancelled(emscripten::val dialog) {
    // A box already answered may still report its closing.
    if (!isOpen() || !dialog.strictlyEquals(m_dialog))
        return;
    answer(m_buttons == MessageButtons::YesNo ? BoxAnswer::No : BoxAnswer::Ok);
}

void MessageBoxes::letterPressed(const std::string& key) {
    if (m_buttons != MessageButtons::YesNo)
        return;
    if (key == "y" || key == "Y")
        answer(BoxAnswer::Yes);
    else if (key == "n" || key == "N")
        answer(BoxAnswer::No);
}

void MessageBoxes::remove() {
    if (isOpen()) {
        val dialog = std::exchange(m_dialog, val::null());
        dialog.call<void>("remove");
    }
    m_onAnswer = {};
}

void MessageBoxes::answer(BoxAnswer answer) {
    if (!isOpen())
        return;
    // Taken out first: the answer may show the next box.
    OnAnswer onAnswer = std::exchange(m_onAnswer, {});
    remove();
    if (onAnswer)
        onAnswer(answer);
}
