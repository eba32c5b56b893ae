#include "web/listener.h"

#include <utility>

#include <emscripten/bind.h>

using emscripten::val;

PageCallback::PageCallback(Callback callback) : m_callback(std::move(callback)) {
    m_function = val::module_property("onPageCallback")
                     .call<val>("bind", val::null(), val(reinterpret_cast<std::uintptr_t>(this)));
}

void PageCallback::dispatch(std::uintptr_t callback, val argument) {
    // A copy: the callback may destroy the object that holds it (a panel's close button).
    const Callback call = reinterpret_cast<PageCallback*>(callback)->m_callback;
    call(std::move(argument));
}

IdleAfterPaint::IdleAfterPaint(std::function<void()> then)
    : m_idle([then = std::move(then)](val) { then(); }), m_frame([this](val) {
          const val window = val::global("window");
          if (window["requestIdleCallback"].isUndefined())
              window.call<void>("setTimeout", m_idle.function(), 0);
          else
              window.call<void>("requestIdleCallback", m_idle.function());
      }) {
    val::global("requestAnimationFrame")(m_frame.function());
}

Listener::Listener(val target, std::string type, Callback callback, Phase phase)
    : PageCallback(std::move(callback)), m_target(std::move(target)), m_type(std::move(type)),
      m_capture(phase == Phase::Capture) {
    m_target.call<void>("addEventListener", m_type, function(), m_capture);
}

Listener::~Listener() {
    m_target.call<void>("removeEventListener", m_type, function(), m_capture);
}

EMSCRIPTEN_BINDINGS(velmora_page_callback) {
    emscripten::function("onPageCallback", &PageCallback::dispatch);
}
