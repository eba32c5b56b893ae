#pragma once

#include <vector>

// Where a panel of the program's own (the working, and whatever window follows the main one)
// opens, on the desktop's screen or in the page's view alike. Pixels, in the screen's or the
// view's coordinates.
struct PanelRect {
    int left = 0, top = 0, width = 0, height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool overlaps(const PanelRect& other) const;
    bool contains(const PanelRect& other) const;
    bool operator==(const PanelRect&) const = default;
};

struct PanelRequest {
    PanelRect screen;               // the room the screen or the view gives
    PanelRect mainWindow;           // its frame
    std::vector<PanelRect> panels;  // the panels already open
    int width = 0, height = 0;      // the size the panel wants
    int narrowest = 0;              // the least width its content wraps to; its width if it cannot
    PanelRect keepVisible;          // the coefficient boxes and "run", together
    bool phone = false;             // the one-column layout of a small or touch screen
    bool fullScreenOnPhone = false; // a view of its own on a phone rather than a sheet
};

struct PanelPlacement {
    enum class Kind { Right, Left, Below, Over, Sheet, FullScreen };
    Kind kind;
    // Never outside the screen. Its height is the most the panel may take: a panel that wants
    // more scrolls its content under its title bar; the content may leave it shorter.
    PanelRect rect;
    bool operator==(const PanelPlacement&) const = default;
};

// Beside the main window where the screen has room (right, else left), never over another
// panel, else below it, else over the main window beside its coefficient boxes and "run", else a
// sheet over the lower part of the screen under them. On a phone, a sheet as wide as the screen
// above the sheets already open, or a view of the whole screen.
PanelPlacement placePanel(const PanelRequest& request);
