#pragma once

#include <string>
#include <string_view>

#include <emscripten/val.h>

#include "core/design.h"

// The one place where the core's design vocabulary becomes the page's elements and CSS.
namespace page {

emscripten::val document();
// A new element; a non-empty name goes into data-name, by which tools and tests find it.
emscripten::val create(const char* tag, std::string_view name = {});
void append(emscripten::val parent, emscripten::val child);
void setText(emscripten::val element, std::string_view text);
void setHidden(emscripten::val element, bool hidden);

// Twips to CSS pixels: 15 to a pixel, as on a desktop at 96 dots per inch.
int toPixels(int twips);
// Absolutely placed in its window's client area, at the design's place and size.
void place(emscripten::val element, const TwipsRect& place);
std::string cssColour(Rgb colour);
// The design's families with a generic sans-serif last, at the design's point size.
void setFont(emscripten::val element, const FontDesign& font);
void setAlignment(emscripten::val element, Alignment alignment);
void addClass(emscripten::val element, const char* name);

} // namespace page
