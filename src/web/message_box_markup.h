#pragma once

#include <string>

#include "core/message_boxes.h"

// A message box as a closed <dialog>: the program inserts it when it shows a box, and the site's
// build writes the welcome box into the page, for the loader to show while the program loads.
std::string messageBoxMarkup(const MessageBoxDesign& design);
