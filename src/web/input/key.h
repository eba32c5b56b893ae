#pragma once

#include <string>

// A key press as the page reads it off the browser's event, where it arrives.
struct Key {
    std::string key;  // what the key gives: "f", "F", "ArrowDown", "Escape"
    std::string code; // where it is on the keyboard, whatever the layout: "KeyF", "F10"
    bool alt = false;
    bool ctrl = false;
    bool shift = false;
    bool meta = false;
    std::string target; // the tag of the element it was pressed on: "BUTTON", "INPUT"
    std::string name;   // the name of the control it was pressed on: "File", "Text(1)", or ""
};

// The letter of a key press in lower case, whatever Alt does to it on the user's keyboard
// layout, or '\0' for a key that gives none.
char pressedLetter(const Key& key);
