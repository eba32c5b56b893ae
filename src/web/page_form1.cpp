#include "web/page_form1.h"

#include <cctype>
#include <string_view>

#include "core/form_commands.h"
#include "core/main_window_design.h"
#include "web/browser_locale.h"
#include "web/page.h"
#include "web/page_form3.h"

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

void addClass(val element, const char* name) {
    element["classList"].call<void>("add", val(name));
}

} // namespace

PageForm1::PageForm1() = default;

PageForm1::~PageForm1() = default;

void PageForm1::createContents() {
    if (!m_window.isNull())
        return;
    m_locale = browserNumberLocale();
    const MainWindowDesign& design = mainWindowDesign();
    m_window = page::create("div", design.name);
    addClass(m_window, "form1");
    // Shown when the welcome box has been answered.
    page::setHidden(m_window, true);
    page::document().set("title", design.caption);
    createMenus();
    createControls();
    page::append(page::document()["body"], m_window);
    page::listen(page::document(), "keydown", "onDocumentKey");
    page::listen(page::document(), "pointerdown", "onDocumentPointer");
}

void PageForm1::createMenus() {
    m_menuBar = page::create("nav");
    addClass(m_menuBar, "menubar");
    for (const MenuDesign& design : mainWindowDesign().menus) {
        val menu = page::create("div");
        addClass(menu, "menu");
        val title = captionWithAccessKey(page::create("button", design.name), design.caption);
        title.set("type", "button");
        // The menus are reached with their access keys, not with Tab.
        title.set("tabIndex", -1);
        page::listen(title, "click", "onMenuButton");
        val popup = page::create("div");
        addClass(popup, "popup");
        popup.set("role", "menu");
        page::setHidden(popup, true);
        val item =
            captionWithAccessKey(page::create("button", design.itemName), design.itemCaption);
        item.set("type", "button");
        item.call<void>("setAttribute", val("role"), val("menuitem"));
        page::listen(item, "click", "onMenuItem");
        page::append(popup, item);
        page::append(menu, title);
        page::append(menu, popup);
        page::append(m_menuBar, menu);
    }
    page::append(m_window, m_menuBar);
}

void PageForm1::createControls() {
    const MainWindowDesign& design = mainWindowDesign();
    m_client = page::create("div");
    addClass(m_client, "client");
    page::place(m_client, {0, 0, design.clientWidth, design.clientHeight});
    m_client["style"].set("background", page::cssColour(design.background));
    page::setFont(m_client, design.font);
    for (const ControlDesign& row : design.controls) {
        val control = createControl(row);
        page::place(control, row.place);
        if (row.font.pointSize != design.font.pointSize || row.font.bold != design.font.bold)
            page::setFont(control, row.font);
        page::append(m_client, control);
    }
    // A screen reader names each box after the caption beside it.
    for (const BoxCaption& pair : boxCaptions) {
        const std::string label = "Label(" + std::to_string(pair.label) + ")";
        const std::string id = "label-" + std::to_string(pair.label);
        val caption = m_client.call<val>("querySelector", "[data-name=\"" + label + "\"]");
        caption.set("id", id);
        m_client
            .call<val>("querySelector", "[data-name=\"Text(" + std::to_string(pair.text) + ")\"]")
            .call<void>("setAttribute", val("aria-labelledby"), val(id));
    }
    page::append(m_window, m_client);
}

val PageForm1::createControl(const ControlDesign& design) {
    // Positive tab indices keep the design's order; labels never take the focus.
    const int tabIndex = design.tabIndex + 1;
    switch (design.kind) {
    case ControlKind::InputBox:
    case ControlKind::ResultBox: {
        val box = page::create("input", design.name);
        addClass(box, "box");
        box.set("type", "text");
        box.set("tabIndex", tabIndex);
        box.set("autocomplete", "off");
        box.set("spellcheck", false);
        // Read-only: the user can focus, select and copy a result, not change it.
        box.set("readOnly", design.kind == ControlKind::ResultBox);
        m_controls.bindText(design.index, box);
        return box;
    }
    case ControlKind::Label: {
        val label = page::create("div", design.name);
        addClass(label, "label");
        page::setText(label, design.caption);
        page::setAlignment(label, design.alignment);
        m_controls.bindLabel(design.index, label);
        return label;
    }
    case ControlKind::OptionButton: {
        // One exclusive group: the two share the name "mode".
        val option = page::create("label", design.name);
        addClass(option, "option");
        val radio = page::create("input");
        radio.set("type", "radio");
        radio.set("name", "mode");
        radio.set("tabIndex", tabIndex);
        page::append(option, radio);
        page::append(option, val(std::string(design.caption)));
        m_controls.bindOption(design.index, radio);
        return option;
    }
    case ControlKind::PushButton:
        break;
    }
    val button = page::create("button", design.name);
    addClass(button, "command");
    button.set("type", "button");
    button.set("tabIndex", tabIndex);
    page::setText(button, design.caption);
    if (design.face)
        button["style"].set("backgroundColor", page::cssColour(*design.face));
    if (design.stackedCaption())
        addClass(button, "stacked");
    page::listen(button, "click", "onCommandClick");
    m_controls.bindCommand(design.index, button);
    return button;
}

void PageForm1::load() {
    // The box comes up first; the window is built behind it once it has painted
    // (welcomePainted), so that nothing delays the greeting.
    val::global("requestAnimationFrame")(val::module_property("onWelcomeFrame"));
    showBox(welcomeBox, [this](BoxAnswer) {
        // Built already behind the box, unless the box was answered before it painted.
        createContents();
        hideControlsOnLoad(m_controls, m_vars);
        page::setHidden(m_window, false);
    });
}

void PageForm1::commandClicked(const std::string& name) {
    if (name == "Command1")
        command1Click();
    else if (name == "Command2")
        command2Click();
    else if (name == "Command3")
        command3Click();
    else if (name == "Command4")
        command4Click();
    else if (name == "Command5")
        command5Click();
}

void PageForm1::menuButtonClicked(const std::string& name) {
    if (m_openMenu == name)
        closeMenus();
    else
        openMenu(name);
}

void PageForm1::menuItemClicked(const std::string& name) {
    closeMenus();
    if (name == "Exit")
        exitClick();
    else if (name == "About")
        aboutClick();
}

void PageForm1::keyPressed(val event) {
    if (m_ended || m_boxes.isOpen())
        return;
    const char letter = pressedLetter(event);
    const bool alt = event["altKey"].as<bool>();
    for (const MenuDesign& menu : mainWindowDesign().menus) {
        if (!m_openMenu.empty()) {
            // An open menu takes its item's access key, with or without Alt.
            if (m_openMenu == menu.name && letter == accessKey(menu.itemCaption)) {
                event.call<void>("preventDefault");
                menuItemClicked(menu.itemName);
                return;
            }
        } else if (alt && letter == accessKey(menu.caption)) {
            event.call<void>("preventDefault");
            openMenu(menu.name);
            return;
        }
    }
    if (!m_openMenu.empty() && event["key"].as<std::string>() == "Escape")
        closeMenus();
}

void PageForm1::pointerPressed(val event) {
    if (m_openMenu.empty())
        return;
    if (!m_menuBar.call<bool>("contains", event["target"]))
        closeMenus();
}

void PageForm1::openMenu(const std::string& name) {
    closeMenus();
    val title = m_menuBar.call<val>("querySelector", "[data-name=\"" + name + "\"]");
    val popup = title["nextElementSibling"];
    page::setHidden(popup, false);
    title["classList"].call<void>("add", val("open"));
    popup["firstElementChild"].call<void>("focus");
    m_openMenu = name;
}

void PageForm1::closeMenus() {
    val popups = m_menuBar.call<val>("querySelectorAll", val(".popup"));
    for (int i = 0; i < popups["length"].as<int>(); ++i) {
        page::setHidden(popups[i], true);
        popups[i]["previousElementSibling"]["classList"].call<void>("remove", val("open"));
    }
    m_openMenu.clear();
}

void PageForm1::showBox(const MessageBoxDesign& design, MessageBoxes::OnAnswer onAnswer) {
    m_controls.holdWrites();
    m_boxes.show(design, [this, onAnswer = std::move(onAnswer)](BoxAnswer answer) {
        m_controls.releaseWrites();
        if (onAnswer)
            onAnswer(answer);
    });
}

void PageForm1::command1Click() {
    runCommand(m_controls, m_vars, m_locale,
               [this](std::string_view message) { showBox(warningBox(message)); });
}

void PageForm1::command2Click() {
    clearFields(m_controls, m_vars);
}

void PageForm1::command3Click() {
    endProgram();
}

void PageForm1::command4Click() {
    checkLayout(m_controls, m_vars);
}

void PageForm1::command5Click() {
    // One information window at a time; closing it destroys it, and the next press creates it
    // anew.
    if (!m_form3)
        m_form3 = std::make_unique<PageForm3>(m_window);
    m_form3->raise();
}

void PageForm1::form3Closed() {
    m_form3.reset();
}

void PageForm1::exitClick() {
    showBox(quitBox, [this](BoxAnswer answer) {
        if (answer == BoxAnswer::Yes)
            endProgram();
    });
}

void PageForm1::aboutClick() {
    showBox(aboutBox);
}

void PageForm1::endProgram() {
    // A page cannot close itself: every window goes, and one line says so.
    m_ended = true;
    m_boxes.remove();
    m_form3.reset();
    page::unlisten(page::document(), "keydown", "onDocumentKey");
    page::unlisten(page::document(), "pointerdown", "onDocumentPointer");
    m_window.call<void>("remove");
    val ended = page::create("p");
    ended["classList"].call<void>("add", val("ended"));
    page::append(ended, val(std::string("Velmora has ended. ")));
    val again = page::create("a");
    again.set("href", "./");
    page::setText(again, "Start it again");
    page::append(ended, again);
    page::append(page::document()["body"], ended);
    page::document().set("title", "Velmora");
}
