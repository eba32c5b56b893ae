#pragma once

#include <optional>
#include <string_view>

#include "core/conversation/event.h"
#include "core/design/message_boxes.h"
#include "web/input/key.h"

// What a key does in an open message box: the answer it gives, if any.
struct BoxKeyAction {
    std::optional<BoxButton> answer;
    bool keepFromBrowser = false;
};

BoxKeyAction boxKey(const Key& key, MessageButtons buttons);

// What the user did, as the box's answer: a button's name; "Enter", the default button;
// "Escape", the single OK button, or No, as a desktop message box answers it.
BoxButton boxAnswer(std::string_view action, MessageButtons buttons);
