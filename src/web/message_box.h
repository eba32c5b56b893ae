#pragma once

#include <functional>
#include <string>

#include <emscripten/val.h>

#include "core/message_boxes.h"

enum class BoxAnswer { Ok, Yes, No };

// The program's message boxes as modal <dialog> elements, one at a time. The page cannot wait
// for the answer: it goes to the function given with the box.
class MessageBoxes {
public:
    using OnAnswer = std::function<void(BoxAnswer)>;

    void show(const MessageBoxDesign& design, OnAnswer onAnswer);
    bool isOpen() const { return !m_dialog.isNull(); }

    // A click on one of the box's buttons, by its name: "OK", "Yes", "No".
    void buttonClicked(const std::string& name);
    // Escape: the single OK button, or No, as a desktop message box answers it.
    void cancelled(emscripten::val dialog);
    void letterPressed(const std::string& key);
    // The box goes without an answer (the program has ended).
    void remove();

private:
    void answer(BoxAnswer answer);

    emscripten::val m_dialog = emscripten::val::null();
    MessageButtons m_buttons = MessageButtons::Ok;
    OnAnswer m_onAnswer;
};
