#pragma once

#include <string>
#include <vector>

#include "core/design/design.h"

// The design's vocabulary in CSS, for the elements the program makes and for the main window's
// markup, which is written into the page when the site is built.
namespace css {

struct Declaration {
    const char* property; // as written in a style sheet: "font-size"
    std::string value;
};
using Declarations = std::vector<Declaration>;

// Twips to CSS pixels: 15 to a pixel, as on a desktop at 96 dots per inch.
int toPixels(int twips);
std::string colour(Rgb colour);
// Absolutely placed in its window's client area, at the design's place and size.
Declarations place(const TwipsRect& place);
// The design's families with a generic sans-serif last, at the design's point size.
Declarations font(const FontDesign& font);
const char* alignment(Alignment alignment);

// "left:8px;top:16px"
std::string inlineText(const Declarations& declarations);

} // namespace css
