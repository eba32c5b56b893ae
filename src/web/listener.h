#pragma once

#include <functional>
#include <string>

#include <emscripten/val.h>

// A JavaScript function that calls back into the program for as long as this object lives; the
// page keeps no handler looked up by name and no object that outlives what it listens to.
class PageCallback {
public:
    using Callback = std::function<void(emscripten::val)>;

    explicit PageCallback(Callback callback);
    virtual ~PageCallback() = default;
    PageCallback(const PageCallback&) = delete;
    PageCallback& operator=(const PageCallback&) = delete;

    // What to hand to the page: addEventListener, requestAnimationFrame, a promise's then.
    const emscripten::val& function() const { return m_function; }

    // Called by the page through function(), with this object's address bound to it.
    static void dispatch(std::uintptr_t callback, emscripten::val argument);

private:
    Callback m_callback;
    emscripten::val m_function = emscripten::val::undefined();
};

// A listener for one event on one element, removed when this object goes, as Qt's own
// WebAssembly event helpers do. One that captures hears the events of everything within the
// element, those that do not bubble too (a script's new Event('input')).
class Listener : public PageCallback {
public:
    enum class Phase { Bubble, Capture };

    Listener(emscripten::val target, std::string type, Callback callback,
             Phase phase = Phase::Bubble);
    ~Listener() override;

private:
    emscripten::val m_target;
    std::string m_type;
    bool m_capture;
};

// Calls back once, when the page is idle after its next paint (at once after it where the browser
// has no requestIdleCallback, as Safari): work that must not hold up what the user sees next.
class IdleAfterPaint {
public:
    explicit IdleAfterPaint(std::function<void()> then);

private:
    PageCallback m_idle;
    PageCallback m_frame;
};
