#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <emscripten/val.h>

#include "web/listener.h"

// A window of the page's own: a panel with a title bar that moves it and a close button in the
// tab order; Escape closes it too. It stands in the page, not on the screen, so that a panel
// larger than a zoomed view scrolls with it. Destroying it takes it off the page.
class PagePanel {
public:
    // onClose: the user closed it; the owner destroys it.
    PagePanel(const char* name, const char* cssClass, const char* caption, int closeTabIndex,
              std::function<void()> onClose);
    ~PagePanel();
    PagePanel(const PagePanel&) = delete;
    PagePanel& operator=(const PagePanel&) = delete;

    void append(emscripten::val content);
    // Puts it on the page, over the middle of the main window, once its content is in.
    void placeOver(emscripten::val mainWindow);
    // On a phone: a sheet over the lower part of the screen, or a view of the whole screen.
    enum class OnPhone { Sheet, FullScreen };
    // Puts it on the page by the panels' rule, once its content is in: beside the main window,
    // below it, over its results, or a sheet over the lower part of the view that leaves the
    // coefficient boxes and "run" above it, the page scrolling them into the view's upper part.
    // It wraps its content down to the width of widest, which keeps its own. Its title bar stays
    // in sight while the rest scrolls.
    void placeBeside(emscripten::val mainWindow, emscripten::val widest,
                     OnPhone onPhone = OnPhone::Sheet);
    // In front, whole on the screen wherever it was dragged or the page zoomed, its title bar
    // first, with the focus in the given control.
    void raise(emscripten::val focus);
    // The control, one of the panel's, takes the focus.
    void focus(emscripten::val control);
    // Off the screen, kept with its content and listeners, until placed again.
    void hide();
    // Laid out but neither painted nor heard, for a rehearsal taken off the page in the same task.
    void hideFromView();
    // A listener that goes with the panel.
    void listen(emscripten::val target, const char* type, PageCallback::Callback callback);

private:
    void titlePointer(emscripten::val event);

    emscripten::val m_panel = emscripten::val::null();
    std::function<void()> m_onClose;
    std::vector<std::unique_ptr<Listener>> m_listeners;
    bool m_sheet = false;
    bool m_dragging = false;
    double m_dragX = 0, m_dragY = 0;
};
