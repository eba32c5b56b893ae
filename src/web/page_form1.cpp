#include "web/page_form1.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>

#include "web/browser_locale.h"
#include "web/context_menu.h"
#include "web/page.h"
#include "web/page_form3.h"
#include "web/page_working.h"

using emscripten::val;

namespace {

// "&File": the letter after the ampersand is the access key, shown underlined.
val captionWithAccessKey(val element, std::string_view caption) {
    const std::size_t amp = caption.find('&');
    if (amp == std::string_view::npos || amp + 1 >= caption.size()) {
        page::setText(element, caption);
        return element;
    }
    page::append(element, val(std::string(caption.substr(0, amp))));
    val key = page::create("u");
    page::setText(key, caption.substr(amp + 1, 1));
    page::append(element, key);
    page::append(element, val(std::string(caption.substr(amp + 2))));
    return element;
}

char accessKey(std::string_view caption) {
    const std::size_t amp = caption.find('&');
    return amp + 1 < caption.size() ? static_cast<char>(std::tolower(caption[amp + 1])) : '\0';
}

// The letter of a key press, whatever Alt does to it on the user's keyboard layout.
char pressedLetter(val event) {
    const std::string code = event["code"].as<std::string>();
    if (code.size() == 4 && code.starts_with("Key"))
        return static_cast<char>(std::tolower(code[3]));
    const std::string key = event["key"].as<std::string>();
    return key.size() == 1 ? static_cast<char>(std::tolower(key[0])) : '\0';
}

val byName(val within, std::string_view name) {
    return within.call<val>("querySelector", "[data-name=\"" + std::string(name) + "\"]");
}

// iOS's decimal pad has no minus sign: there the boxes keep the full keyboard. An iPad asks for
// the desktop's pages and says it is a Mac, one with a touch screen.
bool decimalPadLacksMinus() {
    const val navigator = val::global("navigator");
    const std::string agent = navigator["userAgent"].as<std::string>();
    const val platform = navigator["platform"];
    const val touchPoints = navigator["maxTouchPoints"];
    return agent.find("iPhone") != std::string::npos || agent.find("iPad") != std::string::npos ||
           agent.find("iPod") != std::string::npos ||
           (platform.isString() && platform.as<std::string>() == "MacIntel" &&
            touchPoints.isNumber() && touchPoints.as<int>() > 1);
}

double cssPixels(val style, const char* property) {
    return val::global("parseFloat")(style[property]).as<double>();
}

} // namespace

PageForm1::PageForm1() : m_conversation(this) {}

PageForm1::~PageForm1() = default;

void PageForm1::listen(val target, const char* type, PageCallback::Callback callback) {
    m_listeners.push_back(std::make_unique<Listener>(target, type, std::move(callback)));
}

void PageForm1::play(const Reply& reply) {
    ::render(reply, *this);
}

void PageForm1::load() {
    // The box comes up first; the window is built while the user reads it, so that a key or a
    // click on the box is not kept waiting behind it.
    m_buildContents = std::make_unique<IdleAfterPaint>([this] { createContents(); });
    play(m_conversation.load());
}

void PageForm1::createContents() {
    if (!m_window.isNull())
        return;
    m_conversation.setNumberLocale(browserNumberLocale);
    const MainWindowDesign& design = mainWindowDesign();
    m_window = page::create("div", design.name);
    page::addClass(m_window, "form1");
    // Shown when the welcome box has been answered.
    page::setHidden(m_window, true);
    page::document().set("title", design.caption);
    createMenus();
    createControls();
    // What a screen reader hears after a run, said once, politely.
    m_announcer = page::create("div");
    page::addClass(m_announcer, "announcer");
    m_announcer.call<void>("setAttribute", val("role"), val("status"));
    m_announcer.call<void>("setAttribute", val("aria-live"), val("polite"));
    page::append(m_window, m_announcer);
    page::append(page::document()["body"], m_window);
    // Narrower than the window (a phone, a zoomed page): the style sheet stands the controls in
    // one column.
    const val narrow = val::global("window").call<val>(
        "matchMedia",
        val("(max-width: " + std::to_string(page::toPixels(design.clientWidth) - 1) + "px)"));
    m_window["classList"].call<void>("toggle", val("narrow"), narrow["matches"]);
    listen(narrow, "change", [this](val e) {
        m_window["classList"].call<void>("toggle", val("narrow"), e["matches"]);
        // The column gives the boxes other sizes and fonts.
        std::fill(m_fonts.begin(), m_fonts.end(), std::string());
        std::fill(m_rooms.begin(), m_rooms.end(), -1);
    });
    listen(page::document(), "keydown", [this](val e) { keyPressed(e); });
    listen(page::document(), "pointerdown", [this](val e) {
        if (m_openMenu >= 0 && !m_menuBar.call<bool>("contains", e["target"]))
            closeMenus();
    });
}

void PageForm1::createMenus() {
    m_menuBar = page::create("nav");
    page::addClass(m_menuBar, "menubar");
    const auto& menus = mainWindowDesign().menus;
    for (std::size_t index = 0; index < menus.size(); ++index) {
        const MenuDesign& design = menus[index];
        val menu = page::create("div");
        page::addClass(menu, "menu");
        val title = captionWithAccessKey(page::create("button", design.name), design.caption);
        title.set("type", "button");
        // The menus are reached with their access keys, not with Tab.
        title.set("tabIndex", -1);
        listen(title, "click", [this, index](val) {
            if (m_openMenu == int(index))
                closeMenus();
            else
                openMenu(index);
        });
        val popup = page::create("div");
        page::addClass(popup, "popup");
        popup.set("role", "menu");
        page::setHidden(popup, true);
        val item =
            captionWithAccessKey(page::create("button", design.itemName), design.itemCaption);
        item.set("type", "button");
        item.call<void>("setAttribute", val("role"), val("menuitem"));
        listen(item, "click", [this, command = design.command](val) {
            closeMenus();
            play(m_conversation.command(command, m_focusBeforeMenu));
        });
        page::append(popup, item);
        page::append(menu, title);
        page::append(menu, popup);
        page::append(m_menuBar, menu);
        m_menuTitles.push_back(title);
    }
    page::append(m_window, m_menuBar);
}

void PageForm1::createControls() {
    const MainWindowDesign& design = mainWindowDesign();
    val client = page::create("div");
    page::addClass(client, "client");
    page::place(client, {0, 0, design.clientWidth, design.clientHeight});
    client["style"].set("background", page::cssColour(design.background));
    page::setFont(client, design.font);
    m_contextMenu = std::make_unique<ContextMenu>(m_window, [this](const std::string& origin,
                                                                   val returnFocus) {
        m_workingReturn = returnFocus;
        m_raiseWorking = true;
        play(m_conversation.command(workingMenu.command, origin));
        m_raiseWorking = false;
    });
    for (const ControlDesign& row : design.controls) {
        val control = createControl(row);
        page::place(control, row.place);
        if (row.font.pointSize != design.font.pointSize || row.font.bold != design.font.bold)
            page::setFont(control, row.font);
        page::append(client, control);
    }
    // A screen reader names each box after the caption beside it.
    for (const BoxCaption& pair : boxCaptions) {
        const std::string id = "label-" + std::to_string(pair.label);
        m_labels.at(pair.label).set("id", id);
        page::addClass(m_labels.at(pair.label), "caption");
        m_texts.at(pair.text).call<void>("setAttribute", val("aria-labelledby"), val(id));
    }
    // A phone's number keyboard, with its minus sign and decimal separator; every other text
    // the reading takes can still be typed.
    if (!decimalPadLacksMinus())
        for (const ControlDesign& row : design.controls)
            if (row.kind == ControlKind::InputBox)
                m_texts.at(row.index).set("inputMode", "decimal");
    // Each control's place in the column of a narrow window.
    const std::vector<const char*> column = narrowColumn();
    for (std::size_t place = 0; place < column.size(); ++place)
        byName(client, column[place])["style"].set("order", int(place));
    page::append(m_window, client);
}

val PageForm1::createControl(const ControlDesign& design) {
    // Positive tab indices keep the design's order; labels never take the focus.
    const int tabIndex = design.tabIndex + 1;
    switch (design.kind) {
    case ControlKind::InputBox:
    case ControlKind::ResultBox: {
        val box = page::create("input", design.name);
        page::addClass(box, "box");
        box.set("type", "text");
        box.set("tabIndex", tabIndex);
        box.set("autocomplete", "off");
        box.set("spellcheck", false);
        // Read-only: the user can focus, select and copy a result, not change it.
        box.set("readOnly", design.kind == ControlKind::ResultBox);
        if (design.kind == ControlKind::ResultBox)
            m_contextMenu->attach(box);
        if (design.kind == ControlKind::InputBox)
            listen(box, "input", [this, box, index = design.index](val) {
                m_conversation.edit(index, box["value"].as<std::string>());
            });
        m_texts.at(design.index) = box;
        return box;
    }
    case ControlKind::Label: {
        val label = page::create("div", design.name);
        page::addClass(label, "label");
        page::setText(label, design.caption);
        page::setAlignment(label, design.alignment);
        // The status line: its context menu offers the working, and its tooltip says so.
        if (design.index == 1) {
            label.set("title", workingMenu.statusTooltip);
            m_contextMenu->attach(label);
        }
        m_labels.at(design.index) = label;
        return label;
    }
    case ControlKind::OptionButton: {
        // One exclusive group: the two share the name "mode".
        val option = page::create("label", design.name);
        page::addClass(option, "option");
        val radio = page::create("input");
        radio.set("type", "radio");
        radio.set("name", "mode");
        radio.set("tabIndex", tabIndex);
        page::append(option, radio);
        page::append(option, val(std::string(design.caption)));
        listen(radio, "change", [this, index = design.index](val) { m_conversation.choose(index); });
        return option;
    }
    case ControlKind::PushButton:
        break;
    }
    val button = page::create("button", design.name);
    page::addClass(button, "command");
    button.set("type", "button");
    button.set("tabIndex", tabIndex);
    page::setText(button, design.caption);
    if (design.face)
        button["style"].set("backgroundColor", page::cssColour(*design.face));
    if (design.stackedCaption())
        page::addClass(button, "stacked");
    listen(button, "click",
           [this, command = design.command](val) { play(m_conversation.command(command)); });
    m_commands.at(design.index) = button;
    return button;
}

void PageForm1::keyPressed(val event) {
    if (m_boxes.isOpen())
        return;
    const std::string key = event["key"].as<std::string>();
    const char letter = pressedLetter(event);
    const bool alt = event["altKey"].as<bool>();
    const auto& menus = mainWindowDesign().menus;
    if (m_openMenu < 0) {
        for (std::size_t index = 0; index < menus.size(); ++index) {
            if (alt && letter == accessKey(menus[index].caption)) {
                event.call<void>("preventDefault");
                openMenu(index);
                return;
            }
        }
        return;
    }
    // In an open menu, as on the desktop: its item's access key, with or without Alt; the
    // arrows to the next or previous menu; Escape back to the menu's title; Tab out.
    const int count = int(menus.size());
    if (letter == accessKey(menus[m_openMenu].itemCaption)) {
        event.call<void>("preventDefault");
        byName(m_menuBar, menus[m_openMenu].itemName).call<void>("click");
    } else if (key == "ArrowRight" || key == "ArrowLeft") {
        event.call<void>("preventDefault");
        openMenu((m_openMenu + (key == "ArrowRight" ? 1 : count - 1)) % count);
    } else if (key == "ArrowDown" || key == "ArrowUp") {
        // One item a menu: it keeps the focus.
        event.call<void>("preventDefault");
        byName(m_menuBar, menus[m_openMenu].itemName).call<void>("focus");
    } else if (key == "Escape") {
        event.call<void>("preventDefault");
        const val title = m_menuTitles.at(m_openMenu);
        closeMenus();
        title.call<void>("focus");
    } else if (key == "Tab") {
        closeMenus();
    }
}

void PageForm1::openMenu(std::size_t menu) {
    if (m_openMenu < 0) {
        // Where a box the menu's item shows gives the focus back.
        const val focused = page::document()["activeElement"];
        const val named = focused.isNull() ? focused : focused.call<val>("closest", val("[data-name]"));
        m_focusBeforeMenu = !named.isNull() && m_window.call<bool>("contains", named) &&
                                    !m_menuBar.call<bool>("contains", named)
                                ? named["dataset"]["name"].as<std::string>()
                                : "";
    }
    closeMenus();
    const val title = m_menuTitles.at(menu);
    const val popup = title["nextElementSibling"];
    page::setHidden(popup, false);
    page::addClass(title, "open");
    popup["firstElementChild"].call<void>("focus");
    m_openMenu = int(menu);
}

void PageForm1::closeMenus() {
    for (const val& title : m_menuTitles) {
        page::setHidden(title["nextElementSibling"], true);
        title["classList"].call<void>("remove", val("open"));
    }
    m_openMenu = -1;
}

void PageForm1::render(const show::Text& text) {
    val box = m_texts.at(text.index);
    box.set("value", text.text);
    // A cut result reads from its start, not from its end, and offers its whole text as a
    // tooltip and to a screen reader. A text that fits cannot scroll: setting its scroll would
    // only make the browser lay the page out at once, for every box.
    if (text.whole.empty()) {
        if (m_offersWhole.at(text.index)) {
            box.call<void>("removeAttribute", val("title"));
            box.call<void>("removeAttribute", val("aria-description"));
        }
        m_offersWhole.at(text.index) = false;
    } else {
        box.set("scrollLeft", 0);
        m_offersWhole.at(text.index) = true;
        box.call<void>("setAttribute", val("title"), val(text.whole));
        box.call<void>("setAttribute", val("aria-description"), val(text.whole));
    }
}

void PageForm1::render(const show::TextVisible& visible) {
    page::setHidden(m_texts.at(visible.index), !visible.visible);
}

void PageForm1::render(const show::Caption& caption) {
    page::setText(m_labels.at(caption.index), caption.caption);
}

void PageForm1::render(const show::LabelVisible& visible) {
    page::setHidden(m_labels.at(visible.index), !visible.visible);
}

void PageForm1::render(const show::CommandEnabled& enabled) {
    m_commands.at(enabled.index).set("disabled", !enabled.enabled);
}

void PageForm1::render(const show::Box& box) {
    m_boxes.show(box.design(), [this](BoxButton button) {
        // The welcome box may be answered before the window was built behind it.
        createContents();
        play(m_conversation.answer(button));
    });
}

void PageForm1::render(const show::Focus& focus) {
    val control = byName(m_window, focus.control);
    if (control.isNull())
        return;
    // An option button's name is on its label; the radio inside takes the focus.
    if (control["tagName"].as<std::string>() == "LABEL")
        control = control["firstElementChild"];
    control.call<void>("focus");
}

void PageForm1::render(const show::Announcement& announcement) {
    // Emptied first, so that the same sentence twice is still spoken twice.
    page::setText(m_announcer, "");
    page::setText(m_announcer, announcement.text);
}

void PageForm1::render(const show::Window& /*window*/) {
    page::setHidden(m_window, false);
    // Intl's first use takes 30 to 110 ms: after the window is up, not before.
    if (!m_readLocale)
        m_readLocale =
            std::make_unique<IdleAfterPaint>([this] { m_conversation.readNumberLocale(); });
}

void PageForm1::render(const show::InfoWindow& /*info*/) {
    // One information window at a time; closing it destroys it, and the next press creates it
    // anew.
    if (!m_form3)
        m_form3 = std::make_unique<PageForm3>(m_window, [this] {
            m_form3.reset();
            m_conversation.infoWindowClosed();
            // Back to the button that opened it.
            render(show::Focus{"Command5"});
        });
    m_form3->raise();
}

// A page has no close box: the main window never closes while the information window is open.
void PageForm1::render(const show::InfoWindowBack& /*back*/) {}

void PageForm1::render(const show::Working& working) {
    // One panel; it follows each run while open, and comes to the front only when asked for.
    const bool raise = m_raiseWorking || !m_working;
    if (!m_working)
        m_working = std::make_unique<PageWorking>(m_window, [this] {
            m_working.reset();
            m_conversation.workingWindowClosed();
            // Back to where the working was asked for.
            const val back = std::exchange(m_workingReturn, val::null());
            if (!back.isNull() && !back.isUndefined())
                back.call<void>("focus");
        });
    m_working->show(working);
    if (raise)
        m_working->raise();
}

void PageForm1::render(const show::WorkingItem& item) {
    m_contextMenu->setWorkingEnabled(item.enabled);
}

void PageForm1::render(const show::End& end) {
    // A page cannot close itself: every window goes, and one line says so.
    m_boxes.remove();
    m_form3.reset();
    m_working.reset();
    m_contextMenu.reset();
    m_listeners.clear();
    m_window.call<void>("remove");
    val ended = page::create("p");
    page::addClass(ended, "ended");
    page::append(ended, val(end.line + " "));
    val again = page::create("a");
    again.set("href", "./");
    page::setText(again, end.startAgain);
    page::append(ended, again);
    page::append(page::document()["body"], ended);
    page::document().set("title", "Velmora");
}

int PageForm1::textWidth(int textIndex, std::string_view text) const {
    if (m_measure.isNull())
        m_measure = page::create("canvas").call<val>("getContext", val("2d"));
    std::string& font = m_fonts.at(textIndex);
    if (font.empty())
        font = val::global("getComputedStyle")(m_texts.at(textIndex))["font"].as<std::string>();
    m_measure.set("font", font);
    return m_measure.call<val>("measureText", std::string(text))["width"].as<int>();
}

int PageForm1::room(int textIndex) const {
    int& room = m_rooms.at(textIndex);
    if (room >= 0)
        return room;
    const val box = m_texts.at(textIndex);
    const int width = box["clientWidth"].as<int>();
    const val style = val::global("getComputedStyle")(box);
    const int inside =
        width - int(cssPixels(style, "paddingLeft")) - int(cssPixels(style, "paddingRight"));
    // A hidden box has no width yet: measured again once it shows.
    if (width > 0)
        room = inside;
    return inside;
}
