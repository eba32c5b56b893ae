#include "web/markup/window_markup.h"

#include <string_view>

#include "core/conversation/conversation.h"
#include "core/design/main_window_design.h"
#include "web/markup/css.h"
#include "web/markup/markup.h"

namespace {

std::string named(std::string_view name) {
    return markup::attribute("data-name", name);
}

// "&File": the letter after the ampersand is the access key, shown underlined.
std::string captionWithAccessKey(std::string_view caption) {
    const std::size_t amp = caption.find('&');
    if (amp == std::string_view::npos || amp + 1 >= caption.size())
        return markup::escape(caption);
    return markup::escape(caption.substr(0, amp)) + "<u>" +
           markup::escape(caption.substr(amp + 1, 1)) + "</u>" +
           markup::escape(caption.substr(amp + 2));
}

std::string menuBar(const WindowModel& first) {
    // The menus are reached with their access keys, not with Tab; their items with the arrows.
    std::string html = "<nav class=\"menubar\">";
    for (const MenuDesign& menu : mainWindowDesign().menus) {
        // A screen reader says that the title opens a menu, and whether it is open.
        html += "<div class=\"menu\"><button" + named(menu.name) +
                " type=\"button\" tabindex=\"-1\" aria-haspopup=\"menu\""
                " aria-expanded=\"false\">" +
                captionWithAccessKey(menu.caption) +
                "</button><div class=\"popup\" role=\"menu\" hidden>";
        for (const MenuItemDesign& item : menu.items) {
            html += "<button" + named(item.name) + " type=\"button\" role=\"menuitem\"";
            // Greyed before the first run, as in the context menu; still reached by the arrows.
            if (item.command == workingMenu.command && !first.workingEnabled())
                html += " aria-disabled=\"true\"";
            html += ">" + captionWithAccessKey(item.caption) + "</button>";
        }
        html += "</div></div>";
    }
    return html + "</nav>";
}

// The control as the user first meets it, in the window as the core leaves it once the welcome
// box is answered: hidden or disabled, with its first text, and whether it has the focus.
std::string control(const ControlDesign& design, const WindowModel& first) {
    // Positive tab indices keep the design's order; labels never take the focus. The first focus
    // is marked for the page, which shows the window by itself when the box is answered before
    // the program starts.
    std::string keyboard = markup::attribute("tabindex", std::to_string(design.tabIndex + 1));
    if (first.focus() == design.name)
        keyboard += " data-focus";
    switch (design.kind) {
    case ControlKind::InputBox:
    case ControlKind::ResultBox: {
        std::string html = "<input" + named(design.name) + " class=\"box\" type=\"text\"" +
                           keyboard + " autocomplete=\"off\" spellcheck=\"false\"";
        if (!first.textVisible(design.index))
            html += " hidden";
        if (const std::string& text = first.text(design.index); !text.empty())
            html += markup::attribute("value", text);
        if (const ControlDesign* caption = captionOf(design))
            html += markup::attribute("aria-labelledby", "label-" + std::to_string(caption->index));
        // Read-only: the user can focus, select and copy a result, not change it. A phone gives
        // a coefficient its number keyboard, with the minus sign and the decimal separator.
        html += design.kind == ControlKind::ResultBox ? " readonly" : " inputmode=\"decimal\"";
        return html + ">";
    }
    case ControlKind::Label: {
        std::string html = "<div" + named(design.name);
        if (!first.labelVisible(design.index))
            html += " hidden";
        if (isCaption(design))
            html += " class=\"label caption\"" +
                    markup::attribute("id", "label-" + std::to_string(design.index));
        else
            html += " class=\"label\"";
        // The status line: its context menu offers the working, and its tooltip says so.
        if (design.index == role::statusLine)
            html += markup::attribute("title", workingMenu.statusTooltip);
        return html + ">" + markup::escape(first.caption(design.index)) + "</div>";
    }
    case ControlKind::OptionButton:
        // One exclusive group: the two share the name "mode".
        return "<label" + named(design.name) +
               " class=\"option\"><input type=\"radio\" name=\"mode\"" + keyboard + ">" +
               markup::escape(design.caption) + "</label>";
    case ControlKind::PushButton:
        break;
    }
    return "<button" + named(design.name) +
           (design.stackedCaption() ? " class=\"command stacked\"" : " class=\"command\"") +
           " type=\"button\"" + keyboard + (first.commandEnabled(design.index) ? "" : " disabled") +
           ">" + markup::escape(design.caption) + "</button>";
}

std::string rule(std::string_view selector, const css::Declarations& declarations) {
    return std::string(selector) + " {" + css::inlineText(declarations) + "}\n";
}

} // namespace

std::string narrowQuery() {
    // The window is as high as its client area under the menu bar's 19 pixels.
    const MainWindowDesign& design = mainWindowDesign();
    constexpr int menuBarHeight = 19;
    return "(max-width: " + std::to_string(css::toPixels(design.clientWidth) - 1) +
           "px), (max-height: " +
           std::to_string(css::toPixels(design.clientHeight) + menuBarHeight - 1) +
           "px), (pointer: coarse)";
}

std::string withNarrowQuery(std::string style) {
    constexpr std::string_view name = "(--narrow)";
    const std::string query = narrowQuery();
    for (std::size_t at = style.find(name); at != std::string::npos;
         at = style.find(name, at + query.size()))
        style.replace(at, name.size(), query);
    return style;
}

std::string windowMarkup() {
    const MainWindowDesign& design = mainWindowDesign();
    Conversation conversation;
    conversation.handle(event::Load{});
    conversation.handle(event::Answer{BoxButton::Ok});
    // Hidden until the welcome box is answered. Where it does not fit (a phone, a page zoomed in)
    // or a finger points, it stands its controls in one column. The announcer says, once and
    // politely, what a screen reader hears after a run.
    const std::string narrow = narrowQuery();
    std::string html = "<div" + named(design.name) + " class=\"form1\" hidden" +
                       markup::attribute("data-narrow", narrow) + ">" +
                       menuBar(conversation.window()) + "<div class=\"client\">";
    for (const ControlDesign& row : design.controls)
        html += control(row, conversation.window());
    return html +
           "</div><div class=\"announcer\" role=\"status\" aria-live=\"polite\"></div></div>";
}

std::string windowStyle() {
    const MainWindowDesign& design = mainWindowDesign();
    const std::string window = "[data-name=\"" + std::string(design.name) + "\"]";
    std::string style = "\n/* The main window's controls, from its design table. */\n";
    css::Declarations client = css::place({0, 0, design.clientWidth, design.clientHeight});
    client.push_back({"background", css::colour(design.background)});
    for (css::Declaration& declaration : css::font(design.font))
        client.push_back(std::move(declaration));
    style += rule(window + " > .client", client);
    // Each control's place in the column of a narrow window.
    const std::vector<const char*> column = narrowColumn();
    for (const ControlDesign& row : design.controls) {
        css::Declarations declarations = css::place(row.place);
        if (row.font.pointSize != design.font.pointSize || row.font.bold != design.font.bold)
            for (css::Declaration& declaration : css::font(row.font))
                declarations.push_back(std::move(declaration));
        if (row.kind == ControlKind::Label)
            declarations.push_back({"text-align", css::alignment(row.alignment)});
        if (row.face)
            declarations.push_back({"background-color", css::colour(*row.face)});
        for (std::size_t place = 0; place < column.size(); ++place)
            if (std::string_view(column[place]) == row.name)
                declarations.push_back({"order", std::to_string(place)});
        style += rule(window + " [data-name=\"" + std::string(row.name) + "\"]", declarations);
    }
    return style;
}
