#pragma once

#include <string>

#include <emscripten/val.h>

#include "web/listener.h"

// The control within an area that had the keyboard focus last: where it goes back to when a menu
// or a panel closes, since a click on a label or a menu's title has taken it from there.
class LastFocus {
public:
    explicit LastFocus(emscripten::val area);

    // The element, or null before any had the focus.
    emscripten::val control() const { return m_control; }
    // Its name (an option button's is on its label), or "".
    std::string name() const;

private:
    emscripten::val m_control = emscripten::val::null();
    Listener m_listener;
};
