#pragma once

#include <functional>
#include <string>

#include <emscripten/val.h>

#include "core/conversation/event.h"
#include "core/conversation/reply.h"
#include "web/page_panel.h"

// The "Equation" panel: the pupil types an equation, or a system on two lines, reads under it
// what the program makes of it, and solves it in the main window. It reports each edit, Solve
// (or Enter) and Cancel (or Escape, or its close button) to the core, which says when it closes;
// destroying it takes it off the page.
class PageEquation {
public:
    using Send = std::function<void(const Event&)>;
    // announce: speaks a sentence to a screen reader.
    PageEquation(emscripten::val mainWindow, Send send,
                 std::function<void(const std::string&)> announce);
    PageEquation(const PageEquation&) = delete;
    PageEquation& operator=(const PageEquation&) = delete;

    // The text as the core keeps it; the page reports no edit for it.
    void showText(const std::string& text);
    void showReading(const show::EquationReading& reading);
    // In front, placed by the panels' rule the first time.
    void raise();

private:
    PagePanel m_panel;
    std::function<void(const std::string&)> m_announce;
    emscripten::val m_mainWindow = emscripten::val::null();
    emscripten::val m_text = emscripten::val::null();
    emscripten::val m_reading = emscripten::val::null();
    bool m_placed = false;
};
