#include "core/design/panel_placement.h"

#include <algorithm>
#include <optional>

namespace {

// Between the main window and a panel, as between two windows a user lays side by side.
constexpr int gap = 8;
// The least a sheet keeps: its title bar and a few lines of what it shows.
constexpr int leastSheet = 96;

bool roomFor(const PanelRect& place, const PanelRequest& request) {
    return request.screen.contains(place) &&
           std::none_of(request.panels.begin(), request.panels.end(),
                        [&](const PanelRect& panel) { return panel.overlaps(place); });
}

// Level with the main window's top, moved up where the screen would cut its bottom off.
int besideTop(const PanelRequest& request, int height) {
    return std::max(request.screen.top,
                    std::min(request.mainWindow.top, request.screen.bottom() - height));
}

// Right or left of what it must leave in sight. A panel whose content wraps may take less than
// its width; it then wants the screen's height.
std::optional<PanelRect> beside(const PanelRequest& request, const PanelRect& kept, bool right) {
    const PanelRect& screen = request.screen;
    const int room = right ? screen.right() - kept.right() - gap : kept.left - gap - screen.left;
    if (room < request.narrowest || room <= 0)
        return std::nullopt;
    const int width = std::min(request.width, room);
    const int height =
        width < request.width ? screen.height : std::min(request.height, screen.height);
    const int left = right ? kept.right() + gap : kept.left - gap - width;
    PanelRect place{left, besideTop(request, height), width, height};
    // Shorter, above a panel open lower down, while a few lines still fit.
    for (const PanelRect& panel : request.panels)
        if (panel.overlaps(place) && panel.top >= place.top + leastSheet + gap)
            place.height = std::min(place.height, panel.top - gap - place.top);
    return roomFor(place, request) ? std::optional(place) : std::nullopt;
}

// On a phone each sheet stands above those already open over the screen's lower part, while
// the screen has room for it; else it covers them.
int phoneBottom(const PanelRequest& request, int least) {
    const PanelRect& screen = request.screen;
    int bottom = screen.bottom();
    for (const PanelRect& panel : request.panels)
        if (panel.bottom() >= screen.bottom() && panel.top > screen.top)
            bottom = std::min(bottom, panel.top);
    return bottom - screen.top >= least ? bottom : screen.bottom();
}

PanelPlacement placeOnPhone(const PanelRequest& request) {
    using Kind = PanelPlacement::Kind;
    const PanelRect& screen = request.screen;
    if (request.fullScreenOnPhone) {
        // The whole screen above the sheets open, so long as that is most of it.
        const int bottom = phoneBottom(request, screen.height / 2);
        return {Kind::FullScreen, {screen.left, screen.top, screen.width, bottom - screen.top}};
    }
    // A phone's column scrolls under the sheet; it keeps the upper part of the screen.
    const int height = std::min(request.height, screen.height * 2 / 5);
    const int bottom = phoneBottom(request, height + leastSheet);
    return {Kind::Sheet, {screen.left, bottom - height, screen.width, height}};
}

} // namespace

bool PanelRect::overlaps(const PanelRect& other) const {
    return left < other.right() && other.left < right() && top < other.bottom() &&
           other.top < bottom();
}

bool PanelRect::contains(const PanelRect& other) const {
    return other.left >= left && other.right() <= right() && other.top >= top &&
           other.bottom() <= bottom();
}

PanelPlacement placePanel(const PanelRequest& request) {
    if (request.phone)
        return placeOnPhone(request);
    const PanelRect& screen = request.screen;
    using Kind = PanelPlacement::Kind;
    if (auto place = beside(request, request.mainWindow, true))
        return {Kind::Right, *place};
    if (auto place = beside(request, request.mainWindow, false))
        return {Kind::Left, *place};
    const int width = std::min(request.width, screen.width);
    const int left =
        std::max(screen.left, std::min(request.mainWindow.left, screen.right() - width));
    const PanelRect below{left, request.mainWindow.bottom() + gap, width, request.height};
    if (width >= request.narrowest && roomFor(below, request))
        return {Kind::Below, below};
    // Over the main window's results, the boxes and "run" left in sight beside it.
    if (auto place = beside(request, request.keepVisible, true))
        return {Kind::Over, *place};
    if (auto place = beside(request, request.keepVisible, false))
        return {Kind::Over, *place};
    // A sheet under the boxes and "run", or above them where the main window stands so low that
    // a few lines do not fit under them; where neither has room, over the screen's lower part.
    const PanelRect& kept = request.keepVisible;
    const int underKept = std::max(kept.bottom() + gap, screen.top);
    const int overKept = std::min(kept.top - gap, screen.bottom());
    const int roomBelow = screen.bottom() - underKept;
    const int roomAbove = overKept - screen.top;
    if (roomBelow < leastSheet && roomAbove > roomBelow && roomAbove >= leastSheet) {
        const int top = std::max(screen.top, overKept - request.height);
        return {Kind::Sheet, {left, top, width, overKept - top}};
    }
    const int top =
        std::max(screen.top, std::min(std::max(underKept, screen.bottom() - request.height),
                                      screen.bottom() - leastSheet));
    return {Kind::Sheet, {left, top, width, screen.bottom() - top}};
}
