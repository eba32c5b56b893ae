#pragma once

// A pointer event on a control, as the page reads it off the browser's event.
struct Pointer {
    enum class Kind { Down, Move, Up, Cancel };
    Kind kind = Kind::Down;
    bool touch = false; // a finger, not a mouse or a pen
    int id = 0;         // the same for every event of one finger
    double x = 0, y = 0;
};

// A finger held on a control opens its context menu, as iOS Safari sends no contextmenu event:
// held delayMs without moving further than the slack.
class LongPress {
public:
    static constexpr int delayMs = 500;

    // Whether a press may begin with this pointer going down.
    static bool begins(const Pointer& down) { return down.touch; }
    void begin(const Pointer& down);
    // Whether the pointer ends the press before it is long: that finger lifted, cancelled or
    // moved too far.
    bool endedBy(const Pointer& event) const;
    // Where the finger went down.
    double x() const { return m_down.x; }
    double y() const { return m_down.y; }

private:
    Pointer m_down;
};
