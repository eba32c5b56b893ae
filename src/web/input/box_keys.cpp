#include "web/input/box_keys.h"

BoxKeyAction boxKey(const Key& key, MessageButtons buttons) {
    if (key.ctrl || key.meta)
        return {};
    // Wherever the focus went within the box (a click on its text, on its frame), Enter still
    // answers it with the default button; on a button the button's own click answers.
    if (key.key == "Enter" && key.target != "BUTTON")
        return {boxAnswer("Enter", buttons), true};
    if (buttons == MessageButtons::YesNo && (key.key == "y" || key.key == "Y"))
        return {BoxButton::Yes};
    if (buttons == MessageButtons::YesNo && (key.key == "n" || key.key == "N"))
        return {BoxButton::No};
    return {};
}

BoxButton boxAnswer(std::string_view action, MessageButtons buttons) {
    const bool yesNo = buttons == MessageButtons::YesNo;
    if (action == "Yes" || (yesNo && action == "Enter"))
        return BoxButton::Yes;
    if (action == "No" || (yesNo && action == "Escape"))
        return BoxButton::No;
    return BoxButton::Ok;
}
