#include "core/working/figure_labels.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double charWidth = 7; // a generous average for a 12-pixel font
constexpr double labelHeight = 16;
// Room kept free around a label: beyond the curves' 2-pixel pen and the other labels, and beyond
// the ticks, which stand 3 pixels out from their axis.
constexpr double curveRoom = 2;
constexpr double axisRoom = 4;

struct Box {
    double left, top, right, bottom;
};

Box grown(const FigureLabel& label, double room) {
    return {label.left - room, label.top - room, label.left + label.width + room,
            label.top + label.height + room};
}

bool overlaps(const Box& p, const Box& q) {
    return p.left < q.right && q.left < p.right && p.top < q.bottom && q.top < p.bottom;
}

// Whether the segment from p to q passes through the box: the segment clipped to each of the
// box's four sides in turn (Liang and Barsky's way) leaves something.
bool crosses(FigurePoint p, FigurePoint q, const Box& box) {
    const double dx = q.x - p.x, dy = q.y - p.y;
    const double along[] = {-dx, dx, -dy, dy};
    const double room[] = {p.x - box.left, box.right - p.x, p.y - box.top, box.bottom - p.y};
    double from = 0, to = 1;
    for (int side = 0; side < 4; ++side) {
        if (along[side] == 0) {
            if (room[side] < 0)
                return false;
            continue;
        }
        const double t = room[side] / along[side];
        if (along[side] < 0)
            from = std::max(from, t);
        else
            to = std::min(to, t);
        if (from > to)
            return false;
    }
    return true;
}

bool coversMark(const Box& box, FigurePoint at) {
    const double dx = at.x - std::clamp(at.x, box.left, box.right);
    const double dy = at.y - std::clamp(at.y, box.top, box.bottom);
    return std::hypot(dx, dy) <= Figure::markRadius;
}

std::size_t glyphs(const std::string& text) {
    std::size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

} // namespace

double distanceToCurve(const FigureCurve& curve, FigurePoint point) {
    double nearest = INFINITY;
    if (curve.points.size() == 1)
        return std::hypot(curve.points[0].x - point.x, curve.points[0].y - point.y);
    for (std::size_t i = 0; i + 1 < curve.points.size(); ++i) {
        const FigurePoint p = curve.points[i], q = curve.points[i + 1];
        const double dx = q.x - p.x, dy = q.y - p.y;
        const double length = dx * dx + dy * dy;
        const double t =
            length == 0
                ? 0
                : std::clamp(((point.x - p.x) * dx + (point.y - p.y) * dy) / length, 0.0, 1.0);
        nearest = std::min(nearest, std::hypot(p.x + t * dx - point.x, p.y + t * dy - point.y));
    }
    return nearest;
}

FigureLabel sizedLabel(const std::string& text) {
    return {0, 0, double(glyphs(text)) * charWidth + 4, labelHeight, text};
}

bool isClear(const Figure& figure, const FigureLabel& label) {
    if (!(label.left >= 0 && label.top >= 0 && label.left + label.width <= figure.width &&
          label.top + label.height <= figure.height))
        return false;
    const Box axisBox = grown(label, axisRoom);
    if ((axisBox.top < figure.xAxisAt && figure.xAxisAt < axisBox.bottom) ||
        (axisBox.left < figure.yAxisAt && figure.yAxisAt < axisBox.right))
        return false;
    const Box box = grown(label, curveRoom);
    for (const FigureLabel& other : figure.labels)
        if (overlaps(box, grown(other, 0)))
            return false;
    for (const FigureMark& mark : figure.marks)
        if (coversMark(box, mark.at))
            return false;
    for (const FigureCurve& curve : figure.curves)
        for (std::size_t i = 0; i + 1 < curve.points.size(); ++i)
            if (crosses(curve.points[i], curve.points[i + 1], box))
                return false;
    return true;
}

bool labelMark(Figure& figure, FigurePoint at, const std::string& text) {
    FigureLabel label = sizedLabel(text);
    const double w = label.width, h = label.height;
    // Beyond some 60 pixels a label no longer reads as its mark's.
    for (double gap : {4.0, 8.0, 14.0, 22.0, 32.0, 44.0, 60.0}) {
        const FigurePoint places[] = {
            {at.x + gap, at.y - gap - h},   {at.x - gap - w, at.y - gap - h},
            {at.x + gap, at.y + gap},       {at.x - gap - w, at.y + gap},
            {at.x - w / 2, at.y - gap - h}, {at.x - w / 2, at.y + gap},
            {at.x + gap + 2, at.y - h / 2}, {at.x - gap - 2 - w, at.y - h / 2}};
        for (const FigurePoint& place : places) {
            label.left = place.x;
            label.top = place.y;
            if (placeIfClear(figure, label))
                return true;
        }
    }
    return false;
}

bool placeIfClear(Figure& figure, const FigureLabel& label) {
    if (!isClear(figure, label))
        return false;
    figure.labels.push_back(label);
    return true;
}
