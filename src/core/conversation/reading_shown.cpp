#include "core/conversation/reading_shown.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "core/numbers/characters.h"

show::EquationReading shownReading(std::string_view text, const EquationReading& reading) {
    show::EquationReading shown;
    shown.accepted = reading.accepted;
    shown.message = reading.message;
    if (reading.accepted || text.empty())
        return shown;
    const MarkedPlace mark = markedPlace(text, reading.place, reading.length);
    shown.before = mark.before;
    shown.marked = mark.marked;
    shown.after = mark.after;
    shown.markStart = mark.start;
    shown.markLength = mark.length;
    return shown;
}
