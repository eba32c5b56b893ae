#pragma once

#include <functional>
#include <string>

#include <emscripten/val.h>

#include "core/numbers/numbers.h"
#include "core/practice/practice_session.h"
#include "web/method_list.h"
#include "web/page_panel.h"

// The "Practice" panel: the pupil chooses a kind of exercise, its numbers and the way to work,
// types an answer and has it checked, and may see the working; the teacher prints the sheet and
// its key. It owns the session, which lives as long as the page: closing the panel only hides it,
// and its count stays. Each user action goes to the session, and the panel shows its view whole.
class PagePractice {
public:
    using Announce = std::function<void(const std::string&)>;
    // announce: says a sentence in the page's live region. onClose: the panel has been hidden;
    // the focus goes back where it was.
    PagePractice(emscripten::val mainWindow, NumberLocale locale, Announce announce,
                 std::function<void()> onClose);
    ~PagePractice();
    PagePractice(const PagePractice&) = delete;
    PagePractice& operator=(const PagePractice&) = delete;

    // Shows it, placed by the panels' rule where it was hidden, in front with the focus on the
    // control the session names.
    void raise();

private:
    // One user action: the session is told, then the view shown whole.
    void act(const std::function<void(PracticeSession&)>& action);
    void render();
    void showChoices(emscripten::val select, const std::vector<std::string>& captions, int chosen);
    void showWorking();
    // The panel's control of that name, or null.
    emscripten::val named(const std::string& name) const;
    void print();

    NumberLocale m_locale;
    PracticeSession m_session;
    Announce m_announce;
    PagePanel m_panel;
    emscripten::val m_mainWindow = emscripten::val::null();
    bool m_shown = false; // on the screen, not hidden by its close
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
