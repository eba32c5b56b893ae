#pragma once

#include <string>
#include <string_view>

// HTML written by the program: the main window's markup when the site is built, and each
// message box at run time, inserted in one call rather than element by element.
namespace markup {

// Text and attribute values: a carriage return stays one, as a reference, which the parser would
// otherwise fold into the line feed after it.
std::string escape(std::string_view text);
// ' name="value"'
std::string attribute(std::string_view name, std::string_view value);

} // namespace markup
