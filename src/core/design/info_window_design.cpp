#include "core/design/info_window_design.h"

#include <iterator>

namespace {

constexpr FontDesign helpFont{8.25, true};
constexpr FontDesign linkFont{8.25, true, true};

// clang-format off
constexpr InfoWindowDesign design{
    "Form3", "Information", 6570, 2640, black,
    {0, 0, 4695, 2655}, helpFont,
    "My Blog (Click)", {4800, 0, 1335, 375}, linkFont, "https://tolvek.example.org/",
    {4800, 1200, 6075, 1410}, "banner.gif",
    {6240, 0, 345, 2565}, "strip.jpg",
    "hand.cur",
};
// clang-format on

constexpr const char* helpLines[] = {
    "----Tolvek presents: Velmora!----",
    "    ",
    "This program is a basic Velmora.",
    "    ",
    "You can solve a first degree equation: c+bx=0.",
    "    ",
    "A second degree equation: a*x^2+b*x+c=0.",
    "           ",
    "A simple linear system:",
    "a1*x+b1*y+c1=0, a2*x+b2*y+c2=0.",
    "           ",
    "Select 'Equation' or 'System' and press CHECK to start the program!",
    "           ",
    "See Readme.nfo for more details.",
};

} // namespace

const InfoWindowDesign& infoWindowDesign() {
    return design;
}

std::string helpText() {
    std::string text = helpLines[0];
    for (std::size_t line = 1; line < std::size(helpLines); ++line) {
        text += "\r\n";
        text += helpLines[line];
    }
    return text;
}
