#pragma once

#include <array>
#include <optional>

#include "core/design.h"

// The main window as it is designed: what each control is, where it stands, what it shows before
// any procedure runs.
enum class ControlKind { InputBox, ResultBox, Label, OptionButton, PushButton };

struct ControlDesign {
    const char* name; // the objectName, "Text(7)", "Command4"
    ControlKind kind;
    int index; // the element's index within Text, Label, Option or Command, from 1
    const char* caption;
    TwipsRect place;
    int tabIndex;
    FontDesign font;
    Alignment alignment; // labels only
    // A push button in the coloured style paints its face in this colour; without one it keeps
    // the system's button colour.
    std::optional<Rgb> face;

    // A face taller than wide ("INFO") has no room for a word: its caption reads top to bottom,
    // one character to a line.
    constexpr bool stackedCaption() const { return place.width < place.height; }
};

struct MenuDesign {
    const char* name;    // "File"
    const char* caption; // "&File", the ampersand before the access key
    const char* itemName;
    const char* itemCaption;
};

struct MainWindowDesign {
    const char* name;
    const char* caption;
    int clientWidth, clientHeight; // twips, below the menu bar
    Rgb background;                // also the labels' and option buttons' background
    FontDesign font;               // of every control without a font of its own
    std::array<MenuDesign, 2> menus;
    std::array<ControlDesign, 31> controls;
};

const MainWindowDesign& mainWindowDesign();

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
