#include "web/markup/message_box_markup.h"

#include <string_view>

#include "web/markup/markup.h"

namespace {

const char* iconName(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Warning:
        return "warning";
    case MessageIcon::Information:
        return "information";
    case MessageIcon::Question:
        return "question";
    case MessageIcon::None:
        break;
    }
    return "none";
}

// Yes and No show their access keys, their first letters, underlined, as the desktop's box does.
// In a box open with the page, each button submits its name; the first, the default, has the
// focus.
std::string button(std::string_view name, bool accessKey, BoxOpening opening, bool first) {
    const std::string caption = accessKey ? "<u>" + markup::escape(name.substr(0, 1)) + "</u>" +
                                                markup::escape(name.substr(1))
                                          : markup::escape(name);
    const std::string type = opening == BoxOpening::WithPage
                                 ? markup::attribute("value", name) + (first ? " autofocus" : "")
                                 : " type=\"button\"";
    return "<button" + markup::attribute("data-name", name) + type + ">" + caption + "</button>";
}

} // namespace

std::string messageBoxMarkup(const MessageBoxDesign& design, BoxOpening opening) {
    // A warning interrupts; a screen reader names the box by its title and reads its text.
    const bool yesNo = design.buttons == MessageButtons::YesNo;
    const bool withPage = opening == BoxOpening::WithPage;
    const std::string buttons =
        yesNo ? button("Yes", true, opening, true) + button("No", true, opening, false)
              : button("OK", false, opening, true);
    return "<dialog" + std::string(withPage ? " open" : "") +
           markup::attribute("data-name", "MessageBox") +
           markup::attribute("data-icon", iconName(design.icon)) +
           markup::attribute("role",
                             design.icon == MessageIcon::Warning ? "alertdialog" : "dialog") +
           " aria-labelledby=\"box-title\" aria-describedby=\"box-text\">"
           "<div data-name=\"title\" id=\"box-title\" class=\"title\">" +
           markup::escape(design.title) +
           "</div><div class=\"body\"><div class=\"icon\"></div>"
           "<p data-name=\"text\" id=\"box-text\">" +
           markup::escape(design.text) + "</p></div>" +
           (withPage ? "<form method=\"dialog\" class=\"buttons\">" + buttons + "</form>"
                     : "<div class=\"buttons\">" + buttons + "</div>") +
           "</dialog>";
}
