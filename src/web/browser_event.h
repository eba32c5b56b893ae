#pragma once

#include <string>

#include <emscripten/val.h>

#include "web/input/key.h"
#include "web/input/long_press.h"

// The browser's events read once, where they arrive, into the plain values the page's rules
// decide on.
Key readKey(emscripten::val event);
// The name of the control an event is for (its data-name), or "".
std::string controlName(emscripten::val event);
Pointer readPointer(emscripten::val event);
