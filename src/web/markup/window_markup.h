#pragma once

#include <string>

// The main window's markup and the style of its controls, from the design table. They are
// written into the page when the site is built: the browser parses the window while the program
// downloads, and the program only finds the controls by name and listens to them.
std::string windowMarkup();
std::string windowStyle();

// Where the window does not fit the screen, or a finger is the pointer, its controls stand in one
// column with targets and text a finger and an eye can use: the media query, named once.
std::string narrowQuery();
// The style sheet with each "@media (--narrow)" as that query.
std::string withNarrowQuery(std::string style);
