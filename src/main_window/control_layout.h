#pragma once

#include <QColor>

#include <array>

// The main window's controls as they are designed: what each one is, where it stands, what it
// shows before any procedure runs. Places and sizes are in twips from the top-left corner of the
// client area; the window turns them into pixels at 15 twips to a pixel.
enum class ControlKind { InputBox, ResultBox, Label, OptionButton, PushButton };

enum class CaptionAlignment { Left, Centred, Right };

// The window font, its bold form, and the smaller faces of "CHECK!" and "INFO".
enum class ControlFont { Window, WindowBold, Small, SmallBold };

struct ControlDesign {
    const char* name; // the objectName, "Text(7)", "Command4"
    ControlKind kind;
    int index; // the element's index within Text, Label, Option or Command, from 1
    const char* caption;
    int left, top, width, height; // twips
    int tabIndex;
    ControlFont font;
    CaptionAlignment alignment; // labels only
    // Push buttons in the coloured style paint their face in this colour; an invalid colour keeps
    // the system's button colour.
    QColor face;
};

inline constexpr int twipsPerPixel = 15;
inline constexpr int clientWidthTwips = 8310;
inline constexpr int clientHeightTwips = 5640;

// &H00C0E0FF, the light apricot of the window and of its labels and option buttons.
inline constexpr QColor windowColour(255, 224, 192);

// The caption standing beside each box, as pairs of Text and Label indices: "a=" beside Text(1).
struct BoxCaption {
    int text;
    int label;
};
inline constexpr std::array<BoxCaption, 11> boxCaptions{{
    {1, 2},
    {2, 3},
    {3, 4},
    {4, 9},
    {5, 10},
    {6, 11},
    {7, 5},
    {8, 12},
    {9, 13},
    {10, 7},
    {11, 8},
}};

using ControlTable = std::array<ControlDesign, 31>;
const ControlTable& mainWindowControls();
