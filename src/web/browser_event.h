#pragma once

#include <emscripten/val.h>

#include "web/input/key.h"
#include "web/input/long_press.h"

// The browser's events read once, where they arrive, into the plain values the page's rules
// decide on.
Key readKey(emscripten::val event);
Pointer readPointer(emscripten::val event);
