#pragma once

// The "Working" window: how the last run came out, in words and as a graph, with a button that
// copies the words. Sizes in pixels of the desktop at 96 dots per inch.
struct WorkingWindowDesign {
    const char* name;
    const char* caption;
    const char* textName;
    const char* graphName;
    const char* copyName;
    const char* copyCaption;
    const char* copiedAnnouncement; // what a screen reader hears once the words are copied
    int textWidth, textHeight;      // the read-only text, beside the graph
};

inline constexpr WorkingWindowDesign workingWindowDesign{
    "Working", "Working", "WorkingText", "Graph", "CopyWorking", "Copy", "Copied", 420, 360};
