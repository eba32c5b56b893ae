// Writes the page and its style sheet with the main window and the welcome box in them, when the
// site is built. Usage: write_page INDEX_IN STYLE_IN INDEX_OUT STYLE_OUT
// The page's "<!--window-->" and "<!--welcome-->" give way to their markup; the window's style
// follows the style sheet's own rules, so that it overrides them as the program's own settings
// would.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "core/design/message_boxes.h"
#include "web/markup/message_box_markup.h"
#include "web/markup/window_markup.h"

namespace {

bool read(const char* path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    text = contents.str();
    return bool(file);
}

bool write(const char* path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    return bool(file.flush());
}

bool replaceOnce(std::string& page, const std::string& marker, const std::string& markup) {
    const std::size_t at = page.find(marker);
    if (at == std::string::npos || page.find(marker, at + 1) != std::string::npos)
        return false;
    page.replace(at, marker.size(), markup);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: write_page INDEX_IN STYLE_IN INDEX_OUT STYLE_OUT\n";
        return 2;
    }
    std::string page;
    std::string style;
    if (!read(argv[1], page) || !read(argv[2], style)) {
        std::cerr << "write_page: cannot read " << argv[1] << " or " << argv[2] << "\n";
        return 1;
    }
    if (!replaceOnce(page, "<!--window-->", windowMarkup()) ||
        !replaceOnce(page, "<!--welcome-->", messageBoxMarkup(welcomeBox, BoxOpening::WithPage))) {
        std::cerr << "write_page: " << argv[1]
                  << " needs <!--window--> and <!--welcome-->, each once\n";
        return 1;
    }
    if (!write(argv[3], page) || !write(argv[4], withNarrowQuery(style) + windowStyle())) {
        std::cerr << "write_page: cannot write " << argv[3] << " or " << argv[4] << "\n";
        return 1;
    }
    return 0;
}
