#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/design/design.h"

// The main window as it is designed: what each control is, where it stands, what it shows before
// any procedure runs.
enum class ControlKind { InputBox, ResultBox, Label, OptionButton, PushButton };

// What the user can ask of the main window, by button or menu item: each front-end sends the
// command of the control that was used, and the core answers it.
enum class Command {
    None,
    Run,
    ClearFields,
    Exit,
    Check,
    Info,
    FileExit,
    HelpAbout,
    ShowWorking,
    TypeEquation,
    Practice,
};

// Text(1)..Text(11), Label(1)..Label(13), Command1..Command5, Option1 and Option2.
inline constexpr int textCount = 11;
inline constexpr int labelCount = 13;
inline constexpr int commandCount = 5;
inline constexpr int optionCount = 2;

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
    Command command; // push buttons only

    // A face taller than wide ("INFO") has no room for a word: its caption reads top to bottom,
    // one character to a line.
    constexpr bool stackedCaption() const { return place.width < place.height; }
};

// Captions carry their access key after an ampersand: "&File", "&Exit". They are UTF-8.
struct MenuItemDesign {
    const char* name;    // "Exit"
    const char* caption; // "&Exit"
    Command command;
};

struct MenuDesign {
    const char* name;    // "File"
    const char* caption; // "&File"
    std::span<const MenuItemDesign> items;
};

struct MainWindowDesign {
    const char* name;
    const char* caption;
    int clientWidth, clientHeight;   // twips, below the menu bar
    Rgb background;                  // also the labels' and option buttons' background
    FontDesign font;                 // of every control without a font of its own
    std::array<MenuDesign, 3> menus; // File, Tools, Help
    std::array<ControlDesign, 31> controls;
};

const MainWindowDesign& mainWindowDesign();

// The one item the status line and every result box add to their context menus, and the status
// line's tooltip that says it is there.
struct ContextMenuDesign {
    const char* itemName;
    const char* itemCaption;
    const char* toolsCaption; // the same item in the Tools menu, with its access key
    Command command;
    const char* statusTooltip;
};
inline constexpr ContextMenuDesign workingMenu{"ShowWorking", "Show working", "&Show working",
                                               Command::ShowWorking,
                                               "Right-click for the working: how this came out"};

// The item that reads an equation as the pupil writes it: in the Tools menu, and on the desktop
// also in the coefficient boxes' context menus (the page's boxes keep the browser's own menu).
inline constexpr MenuItemDesign typeEquationItem{"TypeEquation", "&Type an equation…",
                                                 Command::TypeEquation};

// The item that opens the Practice window, in the Tools menu.
inline constexpr MenuItemDesign practiceItem{"Practice", "&Practice…", Command::Practice};

// The name tools and tests find a box by: "Text(7)".
std::string textName(int index);

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

// Whether a label is the caption beside a box, and the caption beside a box (null for none).
bool isCaption(const ControlDesign& row);
const ControlDesign* captionOf(const ControlDesign& box);

// Where the screen is narrower than the window, its controls stand in one column, in the order a
// pupil uses them: the option buttons and CHECK!, the heading and the coefficient boxes, run,
// clear fields and exit, the status line, the results, then whatever is left (INFO). Every box
// follows the caption that stands beside it. Names, every control once.
std::vector<const char*> narrowColumn();
