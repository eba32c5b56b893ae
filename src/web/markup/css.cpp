#include "web/markup/css.h"

#include <cstdio>

namespace css {

int toPixels(int twips) {
    return twips / twipsPerPixel;
}

std::string colour(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

Declarations place(const TwipsRect& place) {
    const auto px = [](int twips) { return std::to_string(toPixels(twips)) + "px"; };
    return {{"left", px(place.left)},
            {"top", px(place.top)},
            {"width", px(place.width)},
            {"height", px(place.height)}};
}

Declarations font(const FontDesign& font) {
    std::string families;
    for (const char* family : fontFamilies)
        families += std::string("\"") + family + "\", ";
    families += "sans-serif";
    // CSS points are desktop points: 12 point is 16 pixels at 96 dots per inch.
    char size[16];
    std::snprintf(size, sizeof size, "%gpt", font.pointSize);
    Declarations declarations{
        {"font-family", families}, {"font-size", size}, {"font-weight", font.bold ? "700" : "400"}};
    if (font.underline)
        declarations.push_back({"text-decoration", "underline"});
    return declarations;
}

const char* alignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Centred:
        return "center";
    case Alignment::Right:
        return "right";
    case Alignment::Left:
        break;
    }
    return "left";
}

std::string inlineText(const Declarations& declarations) {
    std::string text;
    for (const Declaration& declaration : declarations) {
        if (!text.empty())
            text += ';';
        text += declaration.property;
        text += ':';
        text += declaration.value;
    }
    return text;
}

} // namespace css
