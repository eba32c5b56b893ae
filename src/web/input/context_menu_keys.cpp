#include "web/input/context_menu_keys.h"

bool opensContextMenu(const Key& key) {
    return key.key == "ContextMenu" || (key.key == "F10" && key.shift);
}

ContextMenuKeyAction contextMenuKey(const Key& key) {
    using Kind = ContextMenuKeyAction::Kind;
    // Escape closes this menu only, not the panel or the menu beneath it.
    if (key.key == "Escape")
        return {Kind::Close, MenuMove::Next, true, true};
    // Back to the control, from where Tab goes on.
    if (key.key == "Tab")
        return {Kind::Close};
    if (key.key == "ArrowDown")
        return {Kind::Move, MenuMove::Next, true};
    if (key.key == "ArrowUp")
        return {Kind::Move, MenuMove::Previous, true};
    if (key.key == "Home")
        return {Kind::Move, MenuMove::First, true};
    if (key.key == "End")
        return {Kind::Move, MenuMove::Last, true};
    return {};
}

int itemAfter(MenuMove move, int at, int count) {
    switch (move) {
    case MenuMove::Next:
        return (at + 1) % count;
    case MenuMove::Previous:
        return (at + count - 1) % count;
    case MenuMove::First:
        break;
    case MenuMove::Last:
        return count - 1;
    }
    return 0;
}
