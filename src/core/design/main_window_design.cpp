#include "core/design/main_window_design.h"

#include <algorithm>
#include <initializer_list>

namespace {

using enum ControlKind;
using enum Alignment;
using enum Command;

constexpr Rgb apricot{255, 224, 192};    // &H00C0E0FF
constexpr Rgb lightGreen{192, 255, 192}; // &H00C0FFC0
constexpr std::nullopt_t systemButton = std::nullopt;

constexpr FontDesign window{12.0};
constexpr FontDesign windowBold{12.0, true};
constexpr FontDesign small{9.75};
constexpr FontDesign smallBold{9.75, true};

constexpr MenuItemDesign fileItems[] = {{"Exit", "&Exit", FileExit}};
// The working can also be asked for here, where the context menus are not found or not reached.
constexpr MenuItemDesign toolsItems[] = {
    {workingMenu.itemName, workingMenu.toolsCaption, workingMenu.command},
    typeEquationItem,
    practiceItem,
};
constexpr MenuItemDesign helpItems[] = {{"About", "&About", HelpAbout}};

// clang-format off
constexpr MainWindowDesign design{
    "Form1", "Equation", 8310, 5640, apricot, window,
    {{
        {"File", "&File", fileItems},
        {"Tools", "&Tools", toolsItems},
        {"Help", "&Help", helpItems},
    }},
    {{
    // name        kind          index caption          left   top  width height  tab font        align    face          command
    {"Command4",   PushButton,   4,    "CHECK!",       { 360,    0, 1095,  495}, 19, small,      Centred, lightGreen,   Check},
    {"Option1",    OptionButton, 1,    "Equation",     { 120,  600, 1335,  495}, 17, window,     Left,    systemButton, None},
    {"Option2",    OptionButton, 2,    "System",       { 120, 1200, 1335,  495}, 18, window,     Left,    systemButton, None},
    {"Command1",   PushButton,   1,    "run",          {1800, 4800, 1215,  495},  3, window,     Centred, white,        Run},
    {"Command2",   PushButton,   2,    "clear fields", {3480, 4800, 1215,  615},  4, window,     Centred, white,        ClearFields},
    {"Command3",   PushButton,   3,    "exit",         {5160, 4800, 1215,  495},  5, window,     Centred, white,        Exit},
    {"Command5",   PushButton,   5,    "INFO",         {8040, 4440,  255, 1095}, 30, smallBold,  Centred, systemButton, Info},

    {"Text(1)",    InputBox,     1,    "",             { 840, 2640, 1335,  495},  0, window,     Left,    systemButton, None},
    {"Text(2)",    InputBox,     2,    "",             { 840, 3120, 1335,  495},  1, window,     Left,    systemButton, None},
    {"Text(3)",    InputBox,     3,    "",             { 840, 3600, 1335,  495},  2, window,     Left,    systemButton, None},
    {"Text(4)",    InputBox,     4,    "",             {2760, 2640, 1335,  495},  9, window,     Left,    systemButton, None},
    {"Text(5)",    InputBox,     5,    "",             {2760, 3120, 1335,  495}, 11, window,     Left,    systemButton, None},
    {"Text(6)",    InputBox,     6,    "",             {2760, 3600, 1335,  495}, 12, window,     Left,    systemButton, None},
    {"Text(7)",    ResultBox,    7,    "",             {6000,  840, 1335,  495}, 23, window,     Left,    systemButton, None},
    {"Text(8)",    ResultBox,    8,    "",             {6000, 1320, 1335,  495}, 24, window,     Left,    systemButton, None},
    {"Text(9)",    ResultBox,    9,    "",             {6000, 1800, 1335,  495}, 25, window,     Left,    systemButton, None},
    {"Text(10)",   ResultBox,    10,   "",             {5280, 3360, 2655,  495}, 28, window,     Left,    systemButton, None},
    {"Text(11)",   ResultBox,    11,   "",             {5280, 3960, 2655,  495}, 29, window,     Left,    systemButton, None},

    {"Label(1)",   Label,        1,    "",             {5520, 2520, 2295,  615}, 13, window,     Left,    systemButton, None},
    {"Label(2)",   Label,        2,    "",             { 240, 2640,  615,  495},  6, window,     Centred, systemButton, None},
    {"Label(3)",   Label,        3,    "",             { 240, 3120,  615,  495},  7, window,     Centred, systemButton, None},
    {"Label(4)",   Label,        4,    "",             { 240, 3600,  615,  495},  8, window,     Centred, systemButton, None},
    {"Label(5)",   Label,        5,    "D=",           {5400,  840,  615,  495}, 10, window,     Right,   systemButton, None},
    {"Label(6)",   Label,        6,    "",             {2400,    0, 3255,  615}, 14, windowBold, Centred, systemButton,None},
    {"Label(7)",   Label,        7,    "",             {4800, 3360,  375,  495}, 15, window,     Left,    systemButton, None},
    {"Label(8)",   Label,        8,    "",             {4800, 3960,  375,  495}, 16, window,     Left,    systemButton, None},
    {"Label(9)",   Label,        9,    "",             {2280, 2640,  495,  495}, 20, window,     Left,    systemButton, None},
    {"Label(10)",  Label,        10,   "",             {2280, 3120,  495,  495}, 21, window,     Left,    systemButton, None},
    {"Label(11)",  Label,        11,   "",             {2280, 3600,  495,  495}, 22, window,     Left,    systemButton, None},
    {"Label(12)",  Label,        12,   "D1=",          {5400, 1320,  615,  495}, 26, window,     Right,   systemButton, None},
    {"Label(13)",  Label,        13,   "D2=",          {5400, 1800,  735,  495}, 27, window,     Centred, systemButton, None},
    }},
};
// clang-format on

constexpr int countOf(std::initializer_list<ControlKind> kinds) {
    int count = 0;
    for (const ControlDesign& row : design.controls)
        for (ControlKind kind : kinds)
            count += row.kind == kind;
    return count;
}
static_assert(countOf({InputBox, ResultBox}) == textCount);
static_assert(countOf({Label}) == labelCount);
static_assert(countOf({PushButton}) == commandCount);
static_assert(countOf({OptionButton}) == optionCount);

} // namespace

std::string textName(int index) {
    return "Text(" + std::to_string(index) + ")";
}

const MainWindowDesign& mainWindowDesign() {
    return design;
}

bool isCaption(const ControlDesign& row) {
    return row.kind == Label &&
           std::any_of(boxCaptions.begin(), boxCaptions.end(),
                       [&](BoxCaption pair) { return pair.label == row.index; });
}

const ControlDesign* captionOf(const ControlDesign& box) {
    for (BoxCaption pair : boxCaptions)
        if ((box.kind == InputBox || box.kind == ResultBox) && pair.text == box.index)
            for (const ControlDesign& row : design.controls)
                if (row.kind == Label && row.index == pair.label)
                    return &row;
    return nullptr;
}

namespace {

using Section = bool (*)(const ControlDesign&);

// The column's sections, top to bottom; each takes its controls in the design's tab order.
constexpr Section sections[] = {
    [](const ControlDesign& row) { return row.kind == OptionButton || row.command == Check; },
    // The heading that names the layout ("Equation", "System") leads its boxes.
    [](const ControlDesign& row) { return row.kind == Label && row.font.bold && !isCaption(row); },
    [](const ControlDesign& row) { return row.kind == InputBox; },
    [](const ControlDesign& row) {
        return row.command == Run || row.command == ClearFields || row.command == Exit;
    },
    // The status line.
    [](const ControlDesign& row) { return row.kind == Label && !isCaption(row); },
    [](const ControlDesign& row) { return row.kind == ResultBox; },
    [](const ControlDesign&) { return true; },
};

} // namespace

std::vector<const char*> narrowColumn() {
    std::vector<const ControlDesign*> byTab;
    for (const ControlDesign& row : design.controls)
        byTab.push_back(&row);
    std::stable_sort(
        byTab.begin(), byTab.end(),
        [](const ControlDesign* a, const ControlDesign* b) { return a->tabIndex < b->tabIndex; });
    std::vector<const char*> column;
    const auto add = [&](const ControlDesign& row) {
        if (std::find(column.begin(), column.end(), row.name) == column.end())
            column.push_back(row.name);
    };
    for (Section belongs : sections)
        for (const ControlDesign* row : byTab)
            if (belongs(*row)) {
                if (const ControlDesign* caption = captionOf(*row))
                    add(*caption);
                add(*row);
            }
    return column;
}
