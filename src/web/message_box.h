#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <emscripten/val.h>

#include "core/conversation/event.h"
#include "core/design/message_boxes.h"
#include "web/listener.h"

// The program's message boxes as modal <dialog> elements, one at a time. The page cannot wait
// for the answer: it goes to the function given with the box.
class MessageBoxes {
public:
    using OnAnswer = std::function<void(BoxButton)>;

    void show(const MessageBoxDesign& design, OnAnswer onAnswer);
    bool isOpen() const { return !m_dialog.isNull(); }
    // The box goes without an answer (the program has ended).
    void remove();

private:
    void keyPressed(emscripten::val event);
    void answer(BoxButton answer);

    emscripten::val m_dialog = emscripten::val::null();
    MessageButtons m_buttons = MessageButtons::Ok;
    OnAnswer m_onAnswer;
    std::vector<std::unique_ptr<Listener>> m_listeners;
};
