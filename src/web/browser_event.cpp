#include "web/browser_event.h"

#include <string>

using emscripten::val;

namespace {

// A property that is not a string (an event a script made, the document as a target) reads
// as "".
std::string text(const val& value) {
    return value.isString() ? value.as<std::string>() : std::string();
}

} // namespace

Key readKey(val event) {
    return {text(event["key"]),
            text(event["code"]),
            event["altKey"].as<bool>(),
            event["ctrlKey"].as<bool>(),
            event["shiftKey"].as<bool>(),
            event["metaKey"].as<bool>(),
            text(event["target"]["tagName"]),
            controlName(event)};
}

std::string controlName(val event) {
    // The document, or a window, has no closest().
    const val target = event["target"];
    if (target.isNull() || target.isUndefined() || target["closest"].isUndefined())
        return {};
    const val named = target.call<val>("closest", val("[data-name]"));
    return named.isNull() ? std::string() : named["dataset"]["name"].as<std::string>();
}

Pointer readPointer(val event) {
    const std::string type = text(event["type"]);
    const Pointer::Kind kind = type == "pointermove"     ? Pointer::Kind::Move
                               : type == "pointerup"     ? Pointer::Kind::Up
                               : type == "pointercancel" ? Pointer::Kind::Cancel
                                                         : Pointer::Kind::Down;
    return {kind, text(event["pointerType"]) == "touch", event["pointerId"].as<int>(),
            event["clientX"].as<double>(), event["clientY"].as<double>()};
}
