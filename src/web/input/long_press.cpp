#include "web/input/long_press.h"

#include <cmath>

namespace {

// CSS pixels a finger may move and still be held.
constexpr double slack = 10;

} // namespace

void LongPress::begin(const Pointer& down) {
    m_down = down;
}

bool LongPress::endedBy(const Pointer& event) const {
    if (event.id != m_down.id)
        return false;
    return event.kind != Pointer::Kind::Move ||
           std::hypot(event.x - m_down.x, event.y - m_down.y) > slack;
}
