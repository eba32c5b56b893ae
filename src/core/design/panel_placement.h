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
    bool operator==(const PanelRect&) const = default;
};

struct PanelRequest {
    PanelRect screen;              // the room the screen or the view gives
    PanelRect mainWindow;          // its frame
    std::vector<PanelRect> panels; // the panels already open
    int width = 0, height = 0;     // the size the panel wants
    int narrowest = 0;             // the least width its content wraps to; its width if it cannot
    int keepVisibleBottom = 0;     // the bottom of the coefficient boxes and "run"
    bool phone = false;            // the one-column layout of a small or touch screen
};

struct PanelPlacement {
    enum class Kind { Right, Left, Below, Sheet };
    Kind kind;
    // A sheet's height is the most it may take; the content may leave it shorter.
    PanelRect rect;
    bool operator==(const PanelPlacement&) const = default;
};

// Beside the main window where the screen has room (right, else left), never over another
// panel, else below it, else a sheet over the lower part of the screen under the coefficient
// boxes and "run"; on a phone, a sheet as wide as the screen.
PanelPlacement placePanel(const PanelRequest& request);
