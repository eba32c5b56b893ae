#pragma once

#include "web/input/key.h"

// Whether a key opens the context menu of the control it is pressed on: the context-menu key,
// or Shift+F10.
bool opensContextMenu(const Key& key);

// Where the arrows, Home and End move the focus among the open context menu's items.
enum class MenuMove { Next, Previous, First, Last };

// What a key does in the open context menu. Closing it puts the focus back where it was.
struct ContextMenuKeyAction {
    enum class Kind { None, Close, Move };
    Kind kind = Kind::None;
    MenuMove move = MenuMove::Next;
    bool keepFromBrowser = false;
    bool keepFromPage = false; // the page's other listeners do not hear it either
};

ContextMenuKeyAction contextMenuKey(const Key& key);

// The item a move goes to among count items, from the one at at, round from the last to the
// first.
int itemAfter(MenuMove move, int at, int count);
