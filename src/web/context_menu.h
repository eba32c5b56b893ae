#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <emscripten/val.h>

#include "web/input/long_press.h"
#include "web/last_focus.h"
#include "web/listener.h"

// The page's own context menu on the status line and the result boxes: it replaces the
// browser's, so a result box offers Copy and Select All itself, beside "Show working". It opens
// with a right click, the context-menu key or Shift+F10, and a long press on a touch screen
// (iOS Safari sends no contextmenu event). Destroying it takes it off the page.
class ContextMenu {
public:
    // origin: the control's data-name; returnFocus: where the focus goes when the working
    // closes.
    using ShowWorking = std::function<void(const std::string& origin, emscripten::val returnFocus)>;

    // The popup goes into parent, and listens to the controls within area; lastFocus: the area's,
    // which outlives the menu; showWorking: the "Show working" item was chosen.
    ContextMenu(emscripten::val parent, emscripten::val area, const LastFocus& lastFocus,
                ShowWorking showWorking);
    ~ContextMenu();
    ContextMenu(const ContextMenu&) = delete;
    ContextMenu& operator=(const ContextMenu&) = delete;

    // The control's menu replaces the browser's; a text box's menu also offers Copy and Select
    // All. The control lies within the area.
    void attach(emscripten::val control);
    void setWorkingEnabled(bool enabled);
    bool isOpen() const { return !m_control.isNull(); }

private:
    void open(emscripten::val control, double x, double y);
    // Focus back where it was before the menu opened, unless it has already gone elsewhere.
    void close(bool restoreFocus);
    void choose(emscripten::val item);
    void menuKey(emscripten::val event);
    // The attached control an event in the area is for, or null.
    emscripten::val attachedTo(emscripten::val event) const;
    void pressed(emscripten::val event);
    void touch(emscripten::val event);
    void cancelPress();
    emscripten::val addItem(const char* name, const char* caption);
    void listen(emscripten::val target, const char* type, PageCallback::Callback callback,
                Listener::Phase phase = Listener::Phase::Bubble);

    const LastFocus& m_lastFocus;
    ShowWorking m_showWorking;
    emscripten::val m_popup = emscripten::val::null();
    emscripten::val m_copy = emscripten::val::null();
    emscripten::val m_selectAll = emscripten::val::null();
    emscripten::val m_working = emscripten::val::null();
    emscripten::val m_control = emscripten::val::null(); // the control the open menu is for
    emscripten::val m_focusBefore = emscripten::val::null();
    std::vector<emscripten::val> m_attached;
    std::vector<std::unique_ptr<Listener>> m_listeners;
    // A long press: the touch that started it, and the timer that opens the menu.
    PageLater m_pressTimer;
    emscripten::val m_pressControl = emscripten::val::null();
    LongPress m_press;
    bool m_workingEnabled = false;
};

// Puts text on the clipboard. Where the page has no clipboard API (an address that is not
// secure), field's own selection is copied instead. copied, a function, is called once the text
// is there.
void copyToClipboard(const std::string& text, emscripten::val field,
                     emscripten::val copied = emscripten::val::undefined());
