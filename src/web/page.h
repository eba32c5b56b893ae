#pragma once

#include <string>
#include <string_view>

#include <emscripten/val.h>

#include "core/design.h"
#include "web/css.h"

// The one place where the core's design vocabulary becomes the page's elements and CSS.
namespace page {

emscripten::val document();
// A new element; a non-empty name goes into data-name, by which tools and tests find it.
emscripten::val create(const char* tag, std::string_view name = {});
void append(emscripten::val parent, emscripten::val child);
void setText(emscripten::val element, std::string_view text);
void setHidden(emscripten::val element, bool hidden);

void setStyle(emscripten::val element, const css::Declarations& declarations);
void place(emscripten::val element, const TwipsRect& place);
void setFont(emscripten::val element, const FontDesign& font);
void addClass(emscripten::val element, const char* name);

} // namespace page
