#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <emscripten/val.h>

#include "core/figure.h"
#include "core/reply.h"
#include "web/listener.h"

// The "Working" panel: how the last run came out in words, its graph drawn as SVG, and a button
// that copies the words; moved by its title bar, closed by its close button or Escape, as the
// information panel is. Destroying it takes it off the page.
class PageWorking {
public:
    // Placed over the middle of the main window. onClose: the user closed it; the owner
    // destroys it.
    PageWorking(emscripten::val mainWindow, std::function<void()> onClose);
    ~PageWorking();
    PageWorking(const PageWorking&) = delete;
    PageWorking& operator=(const PageWorking&) = delete;

    // The last run's working, in place of what the panel showed.
    void show(const show::Working& working);
    // Brings the panel to the front, whole on the screen, with the focus in the text.
    void raise();

private:
    void drawGraph(const Figure& figure);
    void titlePointer(emscripten::val event);
    void listen(emscripten::val target, const char* type, PageCallback::Callback callback);

    emscripten::val m_panel = emscripten::val::null();
    emscripten::val m_text = emscripten::val::null();
    emscripten::val m_graph = emscripten::val::null();
    emscripten::val m_note = emscripten::val::null();
    std::function<void()> m_onClose;
    std::vector<std::unique_ptr<Listener>> m_listeners;
    bool m_dragging = false;
    double m_dragX = 0, m_dragY = 0;
};
