#pragma once

#include <string>

#include "core/design/message_boxes.h"

enum class BoxOpening {
    // Closed: the program shows it when it inserts it.
    ByProgram,
    // Open from the page's first paint, before any script has run: the site's build writes the
    // welcome box so, and the loader makes it modal. Its buttons close it by themselves meanwhile
    // (a form of method "dialog"), the answer in its returnValue.
    WithPage,
};

// A message box as a <dialog>.
std::string messageBoxMarkup(const MessageBoxDesign& design,
                             BoxOpening opening = BoxOpening::ByProgram);
