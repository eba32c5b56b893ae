#pragma once

#include <string>

// The main window's markup and the style of its controls, from the design table. They are
// written into the page when the site is built: the browser parses the window while the program
// downloads, and the program only finds the controls by name and listens to them.
std::string windowMarkup();
std::string windowStyle();
