#include "web/input/menu_bar.h"

#include <cctype>

#include "web/input/context_menu_keys.h"

namespace {

using Kind = MenuBarAction::Kind;

// The letter after the ampersand, in lower case; '\0' for a caption without one.
char accessKey(std::string_view caption) {
    const std::size_t amp = caption.find('&');
    return amp != std::string_view::npos && amp + 1 < caption.size()
               ? static_cast<char>(std::tolower(static_cast<unsigned char>(caption[amp + 1])))
               : '\0';
}

// The index of the item of that name in the menu, or -1.
int itemNamed(const MenuDesign& menu, std::string_view name) {
    for (std::size_t index = 0; index < menu.items.size(); ++index)
        if (name == menu.items[index].name)
            return int(index);
    return -1;
}

MenuBarAction onItem(Kind kind, int menu, int item) {
    MenuBarAction action{kind, menu, Command::None, true};
    action.item = item;
    return action;
}

} // namespace

MenuBarAction menuBarKey(const Key& key, int openMenu) {
    const auto& menus = mainWindowDesign().menus;
    const char letter = pressedLetter(key);
    const int count = int(menus.size());
    if (openMenu < 0) {
        for (int index = 0; index < count; ++index) {
            if (key.alt && letter != '\0' && letter == accessKey(menus[index].caption))
                return {Kind::OpenMenu, index, Command::None, true};
            // Escape or Tab on a title, its menu closed: as on the desktop, where the focus never
            // left the control, the menu bar lets go of it, and Tab goes on from there.
            if ((key.key == "Escape" || key.key == "Tab") && key.name == menus[index].name)
                return {Kind::LeaveMenuBar, index, Command::None, key.key == "Escape"};
        }
        return {};
    }
    // In an open menu, as on the desktop: an item's access key, with or without Alt; the arrows
    // up and down, Home and End among its items, round from the last to the first; left and
    // right to the previous or next menu; Escape back to the menu's title; Tab out.
    const MenuDesign& menu = menus[openMenu];
    const int items = int(menu.items.size());
    for (int index = 0; index < items; ++index)
        if (letter != '\0' && letter == accessKey(menu.items[index].caption))
            return onItem(Kind::ActivateItem, openMenu, index);
    if (key.key == "ArrowRight" || key.key == "ArrowLeft")
        return {Kind::OpenMenu, (openMenu + (key.key == "ArrowRight" ? 1 : count - 1)) % count,
                Command::None, true};
    if (const ContextMenuKeyAction among = contextMenuKey(key);
        among.kind == ContextMenuKeyAction::Kind::Move) {
        const int at = itemNamed(menu, key.name);
        const bool backwards = among.move == MenuMove::Previous || among.move == MenuMove::Last;
        // Not on an item (the title has the focus): the first item, or the last going back.
        const int item = at >= 0 ? itemAfter(among.move, at, items) : backwards ? items - 1 : 0;
        return onItem(Kind::FocusItem, openMenu, item);
    }
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
        if (const int item = itemNamed(menus[index], name); item >= 0 && openMenu == index) {
            MenuBarAction action{Kind::ChooseItem, index, menus[index].items[item].command};
            action.item = item;
            return action;
        }
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
