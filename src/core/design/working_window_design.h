#pragma once

#include <string>
#include <string_view>

// The "Working" window: how the last run came out, with the way of working it chosen above the
// text, in words and as a graph, with a button that copies the words. Sizes in pixels of the
// desktop at 96 dots per inch.
struct WorkingWindowDesign {
    const char* name;
    const char* caption;
    const char* methodName;    // the choice of the way of working
    const char* methodCaption; // the label that names it, for the eye and a screen reader
    const char* textName;
    const char* graphName;
    const char* copyName;
    const char* copyCaption;
    const char* copiedAnnouncement; // what a screen reader hears once the words are copied
    int textWidth, textHeight;      // the read-only text, beside the graph
};

// clang-format off
inline constexpr WorkingWindowDesign workingWindowDesign{
    "Working", "Working", "WorkingMethod", "Method", "WorkingText", "Graph", "CopyWorking", "Copy",
    "Copied", 420, 360};
// clang-format on

// A greyed way of working where the list cannot show a tooltip says why in its own text:
// "Factoring — the roots are not rational".
inline std::string greyedMethodCaption(std::string_view name, std::string_view reason) {
    std::string caption(name);
    if (!reason.empty())
        caption.append(" — ").append(reason);
    return caption;
}
