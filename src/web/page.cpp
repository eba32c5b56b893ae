#include "web/page.h"

#include <cstdio>

using emscripten::val;

namespace page {

val document() {
    return val::global("document");
}

val create(const char* tag, std::string_view name) {
    val element = document().call<val>("createElement", std::string(tag));
    if (!name.empty())
        element["dataset"].set("name", std::string(name));
    return element;
}

void append(val parent, val child) {
    parent.call<void>("append", child);
}

void setText(val element, std::string_view text) {
    element.set("textContent", std::string(text));
}

void setHidden(val element, bool hidden) {
    element.set("hidden", hidden);
}

int toPixels(int twips) {
    return twips / twipsPerPixel;
}

void place(val element, const TwipsRect& place) {
    val style = element["style"];
    const auto px = [](int twips) { return std::to_string(toPixels(twips)) + "px"; };
    style.set("left", px(place.left));
    style.set("top", px(place.top));
    style.set("width", px(place.width));
    style.set("height", px(place.height));
}

std::string cssColour(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

void setFont(val element, const FontDesign& font) {
    std::string families;
    for (const char* family : fontFamilies)
        families += std::string("\"") + family + "\", ";
    families += "sans-serif";
    val style = element["style"];
    style.set("fontFamily", families);
    // CSS points are desktop points: 12 point is 16 pixels at 96 dots per inch.
    char size[16];
    std::snprintf(size, sizeof size, "%gpt", font.pointSize);
    style.set("fontSize", std::string(size));
    style.set("fontWeight", font.bold ? "700" : "400");
    if (font.underline)
        style.set("textDecoration", "underline");
}

void setAlignment(val element, Alignment alignment) {
    const char* align = "left";
    if (alignment == Alignment::Centred)
        align = "center";
    else if (alignment == Alignment::Right)
        align = "right";
    element["style"].set("textAlign", align);
}

void addClass(val element, const char* name) {
    element["classList"].call<void>("add", val(name));
}

} // namespace page
