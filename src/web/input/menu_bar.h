#pragma once

#include <string_view>

#include "core/design/main_window_design.h"
#include "web/input/key.h"

// What a key or a click does to the main window's menu bar and its push buttons, as on the
// desktop. The page carries it out.
struct MenuBarAction {
    enum class Kind {
        None,          // not the window's: the key or the click goes on as it is
        OpenMenu,      // open menu, closing any other, with the focus on its first item
        CloseMenus,    // and the key goes on: Tab leaves the menu
        ReturnToTitle, // close the menus, with the focus back on menu's title
        LeaveMenuBar, // the focus back on the control the user was on before the menus; Tab goes on
        FocusItem,    // the focus on menu's item
        ActivateItem, // click menu's item, as the mouse would
        ChooseItem,   // close the menus and send command, the item's
        PressButton,  // send command, the push button's
    };
    Kind kind = Kind::None;
    int menu = -1;
    Command command = Command::None;
    bool keepFromBrowser = false; // the browser does nothing more with the key
    int item = -1; // the item of menu that FocusItem, ActivateItem or ChooseItem is for
};

// A key pressed in the window; openMenu: the open menu's index, or -1 for none. The key's name
// is the control it was pressed on: in an open menu, the item that has the focus.
MenuBarAction menuBarKey(const Key& key, int openMenu);
// A click on the window's control, menu title or menu item of that name. An item is clicked only
// in its open menu: the page's context menu has items of the same names.
MenuBarAction windowClick(std::string_view name, int openMenu);

// The main window's control of that kind and name, or null.
const ControlDesign* controlNamed(std::string_view name, ControlKind kind);
