#pragma once

#include <string>
#include <string_view>

#include <emscripten/val.h>

#include "core/design/design.h"
#include "web/markup/css.h"

// The elements the program makes on the page, in the design's vocabulary (css.h says it in CSS).
namespace page {

emscripten::val document();
// A new element; a non-empty name goes into data-name, by which tools and tests find it.
emscripten::val create(const char* tag, std::string_view name = {});
// A push button of a panel, in the tab order at tabIndex.
emscripten::val button(const char* name, const char* caption, int tabIndex);
void append(emscripten::val parent, emscripten::val child);
void setText(emscripten::val element, std::string_view text);
void setHidden(emscripten::val element, bool hidden);

// Absolutely placed in its window's client area, at the design's place and size.
void place(emscripten::val element, const TwipsRect& place);
// The design's families with a generic sans-serif last, at the design's point size.
void setFont(emscripten::val element, const FontDesign& font);
void addClass(emscripten::val element, const char* name);
// A length for a style, in whole CSS pixels: "12px".
std::string px(double pixels);

} // namespace page
