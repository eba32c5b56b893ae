#pragma once

#include <functional>
#include <string>

#include <emscripten/val.h>

#include "core/conversation/event.h"
#include "core/practice/practice_session.h"
#include "web/method_list.h"
#include "web/page_panel.h"

// The "Practice" panel: the pupil chooses a kind of exercise, its numbers and the way to work,
// types an answer and has it checked, and may see the working; the teacher prints the sheet and
// its key. Each user action goes to the core as an event, and the panel shows what the reply
// shows: the view whole, the focus, the sheet to print. The session stays with the core, which
// keeps it as long as the page: closing the panel only hides it, and its count stays.
class PagePractice {
public:
    using Send = std::function<void(const Event&)>;
    // onClose: the panel has been hidden by its close button.
    PagePractice(emscripten::val mainWindow, Send send, std::function<void()> onClose);
    ~PagePractice();
    PagePractice(const PagePractice&) = delete;
    PagePractice& operator=(const PagePractice&) = delete;

    // Shows it, placed by the panels' rule where it was hidden, in front.
    void raise();
    void render(const PracticeView& view);
    // The panel's control of that name takes the focus.
    void focusOn(const std::string& name);
    // The sheet put in the page, and the browser's print dialog.
    void print(const std::string& html);

private:
    void showChoices(emscripten::val select, const std::vector<std::string>& captions, int chosen);
    void showWorking(const PracticeView& view);
    // The panel's control of that name, or null.
    emscripten::val named(const std::string& name) const;

    Send m_send;
    PagePanel m_panel;
    emscripten::val m_mainWindow = emscripten::val::null();
    bool m_shown = false;  // on the screen, not hidden by its close
    int m_sheetLength = 0; // as last shown
    MethodList m_methods;
    emscripten::val m_kind = emscripten::val::null();
    emscripten::val m_level = emscripten::val::null();
    emscripten::val m_code = emscripten::val::null();
    emscripten::val m_codeMessage = emscripten::val::null();
    emscripten::val m_position = emscripten::val::null();
    emscripten::val m_exercise = emscripten::val::null();
    emscripten::val m_instruction = emscripten::val::null();
    emscripten::val m_answer = emscripten::val::null();
    emscripten::val m_verdict = emscripten::val::null();
    emscripten::val m_workingText = emscripten::val::null();
    emscripten::val m_count = emscripten::val::null();
    emscripten::val m_length = emscripten::val::null();
    emscripten::val m_printWorking = emscripten::val::null();
    // The sheet that only a print shows, outside the panel.
    emscripten::val m_sheet = emscripten::val::null();
};
