#include "web/page.h"

using emscripten::val;

namespace page {

namespace {

void setStyle(val element, const css::Declarations& declarations) {
    val style = element["style"];
    for (const css::Declaration& declaration : declarations)
        style.call<void>("setProperty", val(declaration.property), val(declaration.value));
}

} // namespace

val document() {
    return val::global("document");
}

val create(const char* tag, std::string_view name) {
    val element = document().call<val>("createElement", std::string(tag));
    if (!name.empty())
        element["dataset"].set("name", std::string(name));
    return element;
}

val button(const char* name, const char* caption, int tabIndex) {
    val element = create("button", name);
    element.set("type", "button");
    element.set("tabIndex", tabIndex);
    setText(element, caption);
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

void place(val element, const TwipsRect& place) {
    setStyle(element, css::place(place));
}

std::string px(double pixels) {
    return std::to_string(static_cast<int>(pixels)) + "px";
}

void setFont(val element, const FontDesign& font) {
    setStyle(element, css::font(font));
}

void addClass(val element, const char* name) {
    element["classList"].call<void>("add", val(name));
}

} // namespace page
