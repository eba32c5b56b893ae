#include "web/input/menu_bar.h"

#include <cctype>

namespace {

using Kind = MenuBarAction::Kind;

char accessKey(std::string_view caption) {
    const std::size_t amp = caption.find('&');
    return amp + 1 < caption.size()
               ? static_cast<char>(std::tolower(static_cast<unsigned char>(caption[amp + 1])))
               : '\0';
}

} // namespace

MenuBarAction menuBarKey(const Key& key, int openMenu) {
    const auto& menus = mainWindowDesign().menus;
    const char letter = pressedLetter(key);
    const int count = int(menus.size());
    if (openMenu < 0) {
        for (int index = 0; index < count; ++index) {
            if (key.alt && letter == accessKey(menus[index].caption))
                return {Kind::OpenMenu, index, Command::None, true};
            // Escape or Tab on a title, its menu closed: as on the desktop, where the focus never
            // left the control, the menu bar lets go of it, and Tab goes on from there.
            if ((key.key == "Escape" || key.key == "Tab") && key.name == menus[index].name)
                return {Kind::LeaveMenuBar, index, Command::None, key.key == "Escape"};
        }
        return {};
    }
    // In an open menu, as on the desktop: its item's access key, with or without Alt; the
    // arrows to the next or previous menu; Escape back to the menu's title; Tab out.
    if (letter == accessKey(menus[openMenu].itemCaption))
        return {Kind::ActivateItem, openMenu, Command::None, true};
    if (key.key == "ArrowRight" || key.key == "ArrowLeft")
        return {Kind::OpenMenu, (openMenu + (key.key == "ArrowRight" ? 1 : count - 1)) % count,
                Command::None, true};
    // One item a menu: it keeps the focus.
    if (key.key == "ArrowDown" || key.key == "ArrowUp")
        return {Kind::FocusItem, openMenu, Command::None, true};
    if (key.key == "Escape")
        return {Kind::ReturnToTitle, openMenu, Command::None, true};
    if (key.key == "Tab")
        return {Kind::CloseMenus, openMenu, Command::None, false};
    return {};
}

MenuBarAction windowClick(std::string_view name, int openMenu) {
    const auto& menus = mainWindowDesign().menus;
    for (int index = 0; index < int(menus.size()); ++index) {
        if (name == menus[index].name)
            return {openMenu == index ? Kind::CloseMenus : Kind::OpenMenu, index};
        if (name == menus[index].itemName)
            return {Kind::ChooseItem, index, menus[index].command};
    }
    if (const ControlDesign* row = controlNamed(name, ControlKind::PushButton))
        return {Kind::PressButton, -1, row->command};
    return {};
}

const ControlDesign* controlNamed(std::string_view name, ControlKind kind) {
    for (const ControlDesign& row : mainWindowDesign().controls)
        if (row.kind == kind && name == row.name)
            return &row;
    return nullptr;
}
