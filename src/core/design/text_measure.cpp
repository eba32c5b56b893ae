#include "core/design/text_measure.h"

#include "core/design/main_window_design.h"

namespace {

// A digit of the window's 12-point font is about 9 pixels wide; the frame and the margins take
// 4 pixels on each side.
constexpr int characterWidth = 9;
constexpr int frameAndMargins = 8;

} // namespace

int EstimatedMeasure::textWidth(int /*textIndex*/, std::string_view text) const {
    int characters = 0;
    for (unsigned char byte : text)
        characters += (byte & 0xC0) != 0x80; // UTF-8 continuation bytes add no character
    return characters * characterWidth;
}

int EstimatedMeasure::room(int textIndex) const {
    for (const ControlDesign& row : mainWindowDesign().controls)
        if ((row.kind == ControlKind::InputBox || row.kind == ControlKind::ResultBox) &&
            row.index == textIndex)
            return row.place.width / twipsPerPixel - frameAndMargins;
    return 0;
}
