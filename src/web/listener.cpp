#include "web/listener.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <emscripten/bind.h>

using emscripten::val;

namespace {

struct Registered {
    int id;
    PageCallback::Callback callback;
};

// The callbacks the page may call, by the number it was given for each. Numbers only grow, so
// the list stays in their order.
std::vector<Registered>& callbacks() {
    static std::vector<Registered> registered;
    return registered;
}

std::vector<Registered>::iterator registered(int id) {
    std::vector<Registered>& all = callbacks();
    const auto at =
        std::lower_bound(all.begin(), all.end(), id,
                         [](const Registered& entry, int wanted) { return entry.id < wanted; });
    return at != all.end() && at->id == id ? at : all.end();
}

int lastId = 0;

} // namespace

PageCallback::PageCallback(Callback callback) : m_id(++lastId) {
    callbacks().push_back({m_id, std::move(callback)});
    m_function = val::module_property("onPageCallback").call<val>("bind", val::null(), val(m_id));
}

PageCallback::~PageCallback() {
    if (const auto at = registered(m_id); at != callbacks().end())
        callbacks().erase(at);
}

void PageCallback::dispatch(int id, val argument) {
    const auto at = registered(id);
    if (at == callbacks().end())
        return;
    // A copy: the callback may destroy the object that holds it (a panel's close button).
    const Callback call = at->callback;
    call(std::move(argument));
}

Listener::Listener(val target, std::string type, Callback callback, Phase phase)
    : PageCallback(std::move(callback)), m_target(std::move(target)), m_type(std::move(type)),
      m_capture(phase == Phase::Capture) {
    m_target.call<void>("addEventListener", m_type, function(), m_capture);
}

Listener::~Listener() {
    m_target.call<void>("removeEventListener", m_type, function(), m_capture);
}

PageLater::PageLater(std::function<void()> then)
    : m_callback([this, then = std::move(then)](val) {
          m_handle = 0;
          then();
      }) {}

void PageLater::nextFrame() {
    wait("requestAnimationFrame", "cancelAnimationFrame", val::undefined());
}

void PageLater::whenIdle() {
    if (val::global("window")["requestIdleCallback"].isUndefined())
        after(0);
    else
        wait("requestIdleCallback", "cancelIdleCallback", val::undefined());
}

void PageLater::after(int milliseconds) {
    wait("setTimeout", "clearTimeout", val(milliseconds));
}

void PageLater::wait(const char* request, const char* cancelFunction, val delay) {
    cancel();
    m_cancel = cancelFunction;
    // An argument for the callback, which setTimeout would otherwise call with none.
    m_handle = delay.isUndefined()
                   ? val::global(request)(m_callback.function()).as<int>()
                   : val::global(request)(m_callback.function(), delay, 0).as<int>();
}

void PageLater::cancel() {
    if (m_handle != 0)
        val::global(m_cancel)(m_handle);
    m_handle = 0;
}

IdleAfterPaint::IdleAfterPaint(std::function<void()> then)
    : m_idle(std::move(then)), m_frame([this] { m_idle.whenIdle(); }) {
    m_frame.nextFrame();
}

EMSCRIPTEN_BINDINGS(velmora_page_callback) {
    emscripten::function("onPageCallback", &PageCallback::dispatch);
}
