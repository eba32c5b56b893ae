#include "web/last_focus.h"

using emscripten::val;

LastFocus::LastFocus(val area)
    : m_listener(area, "focusin", [this](val e) { m_control = e["target"]; }) {}

std::string LastFocus::name() const {
    const val named =
        m_control.isNull() ? m_control : m_control.call<val>("closest", val("[data-name]"));
    return named.isNull() ? std::string() : named["dataset"]["name"].as<std::string>();
}
