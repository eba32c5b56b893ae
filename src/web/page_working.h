#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <emscripten/val.h>

#include "core/conversation/reply.h"
#include "core/working/figure.h"
#include "web/listener.h"
#include "web/method_list.h"
#include "web/page_panel.h"

// The "Working" panel: how the last run came out in words, by the way of working chosen above
// them, its graph drawn as SVG, and a button that copies the words; moved by its title bar, closed
// by its close button or Escape, as the information panel is. Destroying it takes it off the page.
class PageWorking {
public:
    // Placed by the panels' rule with its first working. onClose: the user closed it; the owner
    // destroys it. onMethodChosen: the user chose another way of working.
    PageWorking(emscripten::val mainWindow, std::function<void()> onClose,
                std::function<void(WorkingMethod)> onMethodChosen);
    PageWorking(const PageWorking&) = delete;
    PageWorking& operator=(const PageWorking&) = delete;

    // The last run's working, in place of what the panel showed.
    void show(const show::Working& working);
    // Lays a working out on the page unseen, and takes it off again: the page's first panel
    // waits for the browser's first layout of its controls, fonts and graph, which a rehearsal
    // takes into idle time.
    static void rehearse(emscripten::val mainWindow, const show::Working& working);
    // Brings the panel to the front, whole on the screen, with the focus in the text.
    void raise();

private:
    void drawGraph(const Figure& figure);

    PagePanel m_panel;
    emscripten::val m_mainWindow = emscripten::val::null();
    bool m_placed = false;
    std::function<void(WorkingMethod)> m_onMethodChosen;
    MethodList m_methods;
    emscripten::val m_text = emscripten::val::null();
    emscripten::val m_graph = emscripten::val::null();
    emscripten::val m_note = emscripten::val::null();
    // Says "Copied", politely, once Copy has put the words on the clipboard.
    emscripten::val m_announcer = emscripten::val::null();
    PageCallback m_copied;
};
