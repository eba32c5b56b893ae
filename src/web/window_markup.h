#pragma once

#include <string>

// The main window's markup and the style of its controls, from the design table. They are
// written into the page when the site is built: the browser parses the window and lays it out,
// still hidden, while the program downloads, and the program only finds the controls by name.
std::string windowMarkup();
std::string windowStyle();
