#include "web/message_box.h"

#include <string>
#include <string_view>
#include <utility>

#include "web/markup.h"
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
std::string button(std::string_view name, bool accessKey) {
    const std::string caption = accessKey ? "<u>" + markup::escape(name.substr(0, 1)) + "</u>" +
                                                markup::escape(name.substr(1))
                                          : markup::escape(name);
    return "<button" + markup::attribute("data-name", name) + " type=\"button\">" + caption +
           "</button>";
}

} // namespace

void MessageBoxes::show(const MessageBoxDesign& design, OnAnswer onAnswer) {
    m_buttons = design.buttons;
    m_onAnswer = std::move(onAnswer);

    // A warning interrupts; a screen reader names the box by its title and reads its text.
    const bool yesNo = design.buttons == MessageButtons::YesNo;
    const std::string html =
        "<dialog" + markup::attribute("data-name", "MessageBox") +
        markup::attribute("data-icon", iconName(design.icon)) +
        markup::attribute("role", design.icon == MessageIcon::Warning ? "alertdialog" : "dialog") +
        " aria-labelledby=\"box-title\" aria-describedby=\"box-text\">"
        "<div data-name=\"title\" id=\"box-title\" class=\"title\">" +
        markup::escape(design.title) +
        "</div><div class=\"body\"><div class=\"icon\"></div>"
        "<p data-name=\"text\" id=\"box-text\">" +
        markup::escape(design.text) + "</p></div><div class=\"buttons\">" +
        (yesNo ? button("Yes", true) + button("No", true) : button("OK", false)) +
        "</div></dialog>";
    const val body = page::document()["body"];
    body.call<void>("insertAdjacentHTML", val("beforeend"), val(html));
    m_dialog = body["lastElementChild"];
    // A click on one of its buttons answers the box.
    m_listeners.push_back(std::make_unique<Listener>(m_dialog, "click", [this](val e) {
        const val pressed = e["target"].call<val>("closest", val("button[data-name]"));
        if (pressed.isNull())
            return;
        const std::string name = pressed["dataset"]["name"].as<std::string>();
        answer(name == "Yes" ? BoxButton::Yes : name == "No" ? BoxButton::No : BoxButton::Ok);
    }));
    // Escape: the single OK button, or No, as a desktop message box answers it.
    const BoxButton escape = yesNo ? BoxButton::No : BoxButton::Ok;
    for (const char* event : {"cancel", "close"})
        m_listeners.push_back(std::make_unique<Listener>(m_dialog, event, [this, escape](val e) {
            e.call<void>("preventDefault");
            answer(escape);
        }));
    m_listeners.push_back(
        std::make_unique<Listener>(m_dialog, "keydown", [this](val e) { keyPressed(e); }));
    m_dialog.call<void>("showModal");
    // Enter answers with the default button: OK, or Yes.
    m_dialog.call<val>("querySelector", val(".buttons button")).call<void>("focus");
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
