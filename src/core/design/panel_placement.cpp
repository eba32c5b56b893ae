#include "core/design/panel_placement.h"

#include <algorithm>
#include <optional>

namespace {

// Between the main window and a panel, as between two windows a user lays side by side.
constexpr int gap = 8;
// The least a sheet keeps: its title bar and a few lines of what it shows.
constexpr int leastSheet = 96;

bool roomFor(const PanelRect& place, const PanelRequest& request) {
    const PanelRect& screen = request.screen;
    if (place.left < screen.left || place.right() > screen.right() || place.top < screen.top ||
        place.bottom() > screen.bottom())
        return false;
    return std::none_of(request.panels.begin(), request.panels.end(),
                        [&](const PanelRect& panel) { return panel.overlaps(place); });
}

// Level with the main window's top, moved up where the screen would cut its bottom off.
int besideTop(const PanelRequest& request, int height) {
    return std::max(request.screen.top,
                    std::min(request.mainWindow.top, request.screen.bottom() - height));
}

// A panel whose content wraps may take less than its width; it then wants the screen's height.
std::optional<PanelRect> beside(const PanelRequest& request, int room, bool right) {
    if (room < request.narrowest)
        return std::nullopt;
    const int width = std::min(request.width, room);
    const int height = width < request.width ? request.screen.height
                                             : std::min(request.height, request.screen.height);
    const int left =
        right ? request.mainWindow.right() + gap : request.mainWindow.left - gap - width;
    const PanelRect place{left, besideTop(request, height), width, height};
    return roomFor(place, request) ? std::optional(place) : std::nullopt;
}

} // namespace

bool PanelRect::overlaps(const PanelRect& other) const {
    return left < other.right() && other.left < right() && top < other.bottom() &&
           other.top < bottom();
}

PanelPlacement placePanel(const PanelRequest& request) {
    const PanelRect& screen = request.screen;
    using Kind = PanelPlacement::Kind;
    if (request.phone) {
        // A phone's column scrolls under the sheet; it keeps the upper part of the screen.
        const int height = std::min(request.height, screen.height * 2 / 5);
        return {Kind::Sheet, {screen.left, screen.bottom() - height, screen.width, height}};
    }
    if (auto place = beside(request, screen.right() - request.mainWindow.right() - gap, true))
        return {Kind::Right, *place};
    if (auto place = beside(request, request.mainWindow.left - gap - screen.left, false))
        return {Kind::Left, *place};
    const int width = std::min(request.width, screen.width);
    const int left =
        std::max(screen.left, std::min(request.mainWindow.left, screen.right() - width));
    const PanelRect below{left, request.mainWindow.bottom() + gap, width, request.height};
    if (width >= request.narrowest && roomFor(below, request))
        return {Kind::Below, below};
    // Under the boxes and "run", where a sheet of its title bar and a few lines still fits.
    const int top =
        std::min(std::max(request.keepVisibleBottom + gap, screen.bottom() - request.height),
                 screen.bottom() - leastSheet);
    return {Kind::Sheet, {left, top, width, screen.bottom() - top}};
}
