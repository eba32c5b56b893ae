#pragma once

#include <functional>
#include <string>

#include <emscripten/val.h>

// A JavaScript function that calls back into the program for as long as this object lives; the
// page keeps no handler looked up by name and no object that outlives what it listens to. The
// function carries a number the program looks up, never an address: called after this object
// has gone (a late promise, an event already queued), it does nothing.
class PageCallback {
public:
    using Callback = std::function<void(emscripten::val)>;

    explicit PageCallback(Callback callback);
    virtual ~PageCallback();
    PageCallback(const PageCallback&) = delete;
    PageCallback& operator=(const PageCallback&) = delete;

    // What to hand to the page: addEventListener, requestAnimationFrame, a promise's then.
    const emscripten::val& function() const { return m_function; }

    // Called by the page through function(), with this object's number bound to it.
    static void dispatch(int id, emscripten::val argument);

private:
    int m_id;
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

// A call the page makes once, later: at its next frame, when it is idle, or after a time. One at
// a time; asking again replaces the call still waiting, and the call still waiting when this
// object goes is cancelled with the handle the page gave for it.
class PageLater {
public:
    explicit PageLater(std::function<void()> then);
    ~PageLater() { cancel(); }
    PageLater(const PageLater&) = delete;
    PageLater& operator=(const PageLater&) = delete;

    void nextFrame();
    // At once where the browser has no requestIdleCallback, as Safari.
    void whenIdle();
    void after(int milliseconds);
    void cancel();
    bool isPending() const { return m_handle != 0; }

private:
    void wait(const char* request, const char* cancelFunction, emscripten::val delay);

    PageCallback m_callback;
    int m_handle = 0;
    const char* m_cancel = nullptr; // the page's function that cancels the waiting call
};

// Calls back once, when the page is idle after its next paint: work that must not hold up what
// the user sees next. Nothing is called once this object has gone.
class IdleAfterPaint {
public:
    explicit IdleAfterPaint(std::function<void()> then);

private:
    PageLater m_idle;
    PageLater m_frame;
};
