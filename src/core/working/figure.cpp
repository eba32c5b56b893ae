#include "core/working/figure.h"

#include <algorithm>
#include <cmath>

namespace {

const NumberLocale pasteable; // the working's own number form, "." and ASCII "-"

std::string num(double value) {
    return StrR4(float(value), pasteable);
}

constexpr double margin = 16;   // pixels between the plot and the edge
constexpr double charWidth = 7; // a generous average for a 12-pixel font
constexpr double labelHeight = 16;

std::size_t glyphs(const std::string& text) {
    std::size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

bool overlaps(const FigureLabel& p, const FigureLabel& q) {
    return p.left < q.left + q.width && q.left < p.left + p.width && p.top < q.top + q.height &&
           q.top < p.top + p.height;
}

bool inside(const Figure& f, const FigureLabel& label) {
    return label.left >= 0 && label.top >= 0 && label.left + label.width <= f.width &&
           label.top + label.height <= f.height;
}

bool fits(const Figure& f, const FigureLabel& label) {
    return inside(f, label) && std::none_of(f.labels.begin(), f.labels.end(),
                                            [&](const auto& l) { return overlaps(l, label); });
}

// A mark's label goes to the first free place around it, farther out when all are taken.
void labelMark(Figure& f, FigurePoint at, const std::string& text) {
    FigureLabel label{0, 0, double(glyphs(text)) * charWidth + 4, labelHeight, text};
    for (double distance = 6; distance < 200; distance += 12) {
        const double w = label.width, h = label.height;
        const FigurePoint places[] = {
            {at.x + distance, at.y - distance - h}, {at.x - distance - w, at.y - distance - h},
            {at.x + distance, at.y + distance},     {at.x - distance - w, at.y + distance},
            {at.x - w / 2, at.y - distance - h},    {at.x - w / 2, at.y + distance}};
        for (const FigurePoint& place : places) {
            label.left = place.x;
            label.top = place.y;
            if (fits(f, label)) {
                f.labels.push_back(label);
                return;
            }
        }
    }
}

// A round step, 1, 2 or 5 times a power of ten, giving about six ticks.
double tickStep(double span) {
    const double rough = span / 6;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough)
            return factor * power;
    }
    return 10 * power;
}

void addTicks(Figure& f) {
    const double xStep = tickStep(f.xMax - f.xMin);
    const double yStep = tickStep(f.yMax - f.yMin);
    for (double k = std::ceil(f.xMin / xStep); k * xStep <= f.xMax; ++k) {
        const double value = k * xStep;
        const FigurePoint at{f.toView(value, 0).x, f.xAxisAt};
        f.ticks.push_back({at, true});
        const std::string text = value == 0 ? "0" : StrR8(value, pasteable);
        const double w = double(glyphs(text)) * charWidth + 4;
        const bool below = f.xAxisAt + 4 + labelHeight <= f.height;
        FigureLabel label{at.x - w / 2, below ? f.xAxisAt + 4 : f.xAxisAt - 4 - labelHeight, w,
                          labelHeight, text};
        // Where a number would collide with another label it is left out, never moved.
        if (fits(f, label))
            f.labels.push_back(label);
    }
    for (double k = std::ceil(f.yMin / yStep); k * yStep <= f.yMax; ++k) {
        const double value = k * yStep;
        const FigurePoint at{f.yAxisAt, f.toView(0, value).y};
        f.ticks.push_back({at, false});
        if (value == 0)
            continue; // the x-axis' own 0 stands there
        const std::string text = StrR8(value, pasteable);
        const double w = double(glyphs(text)) * charWidth + 4;
        const bool left = f.yAxisAt - 4 - w >= 0;
        FigureLabel label{left ? f.yAxisAt - 4 - w : f.yAxisAt + 4, at.y - labelHeight / 2, w,
                          labelHeight, text};
        if (fits(f, label))
            f.labels.push_back(label);
    }
}

// Sets the part of the plane shown, with room around [x0, x1] x [y0, y1], and the axes.
void frame(Figure& f, double x0, double x1, double y0, double y1) {
    const auto widen = [](double& lo, double& hi) {
        double span = hi - lo;
        const double least = std::max(1e-9 * std::max(std::fabs(lo), std::fabs(hi)), 1e-30);
        if (!(span > least)) {
            const double middle = (lo + hi) / 2;
            span = std::max(std::fabs(middle), 1.0);
            lo = middle - span / 2;
            hi = middle + span / 2;
        }
        lo -= span * 0.08;
        hi += span * 0.08;
    };
    widen(x0, x1);
    widen(y0, y1);
    f.xMin = x0;
    f.xMax = x1;
    f.yMin = y0;
    f.yMax = y1;
    f.xAxisAt = f.toView(0, std::clamp(0.0, y0, y1)).y;
    f.yAxisAt = f.toView(std::clamp(0.0, x0, x1), 0).x;
}

// The part of a*x + b*y = c inside the frame.
std::vector<FigurePoint> lineInFrame(const Figure& f, double a, double b, double c) {
    if (b == 0) {
        const double x = c / a;
        return {f.toView(x, f.yMin), f.toView(x, f.yMax)};
    }
    double t0 = f.xMin, t1 = f.xMax;
    const double slope = -a / b, at0 = c / b;
    if (slope != 0) {
        double xa = (f.yMin - at0) / slope, xb = (f.yMax - at0) / slope;
        if (xa > xb)
            std::swap(xa, xb);
        t0 = std::max(t0, xa);
        t1 = std::min(t1, xb);
    }
    if (t0 > t1)
        return {};
    return {f.toView(t0, at0 + slope * t0), f.toView(t1, at0 + slope * t1)};
}

std::string lineText(double a, double b, double c) {
    std::string text;
    const auto term = [&](double k, const char* unknown) {
        if (k == 0)
            return;
        const std::string size = std::fabs(k) == 1 ? "" : num(std::fabs(k)) + "·";
        text += text.empty() ? (k < 0 ? "-" : "") : (k < 0 ? " - " : " + ");
        text += size + unknown;
    };
    term(a, "x");
    term(b, "y");
    return text + " = " + num(c);
}

void equationFigure(const RunOutcome& o, Figure& f) {
    const double a = o.coefficients[0], b = o.coefficients[1], c = o.coefficients[2];
    const auto curve = [&](double x) { return (a * x + b) * x + c; };
    std::vector<double> special; // x of the marks, also corners of the polyline
    double x0, x1;
    const std::string function = "y = " + std::string(a != 0 ? (a == 1    ? "x²"
                                                                : a == -1 ? "-x²"
                                                                          : num(a) + "·x²")
                                                             : "");
    std::string shape;
    if (a != 0) {
        const double h = -b / (2 * a), k = c - b * b / (4 * a);
        special.push_back(h);
        if (o.equationCase == EquationCase::TwoRealRoots) {
            special.push_back(o.value1);
            special.push_back(o.value2);
            x0 = std::min(o.value1, o.value2);
            x1 = std::max(o.value1, o.value2);
            const double pad = (x1 - x0) * 0.25;
            x0 -= pad;
            x1 += pad;
        } else {
            double w = o.equationCase == EquationCase::ComplexRoots ? std::sqrt(std::fabs(k / a))
                                                                    : 1 / std::sqrt(std::fabs(a));
            if (!std::isfinite(w) || w <= 0)
                w = 1;
            x0 = h - 1.5 * w;
            x1 = h + 1.5 * w;
        }
        shape = std::string("a parabola opening ") + (a > 0 ? "upwards" : "downwards");
        const std::string vertex = "(" + num(h) + ", " + num(k) + ")";
        if (o.equationCase == EquationCase::TwoRealRoots)
            shape += ", crossing the x-axis at " + num(o.value1) + " and " + num(o.value2) +
                     ", vertex at " + vertex;
        else if (o.equationCase == EquationCase::DoubleRoot)
            shape += ", touching the x-axis at its vertex " + vertex;
        else
            shape += ", clear of the x-axis, so no real roots, vertex at " + vertex;
    } else if (b != 0) {
        const double root = o.value1;
        special.push_back(root);
        x0 = std::min(root, 0.0);
        x1 = std::max(root, 0.0);
        const double pad = std::max(x1 - x0, 1.0) * 0.25;
        x0 -= pad;
        x1 += pad;
        shape = "a straight line crossing the x-axis at " + num(root);
    } else {
        x0 = -5;
        x1 = 5;
        shape = c == 0 ? "the horizontal line y = 0, lying on the x-axis, so every x is a root"
                       : "a horizontal line that never meets the x-axis, so no x is a root";
    }
    // The curve is sampled evenly, with the marks' own points among the samples.
    std::vector<double> xs;
    const int samples = a != 0 ? 240 : 1;
    for (int i = 0; i <= samples; ++i)
        xs.push_back(x0 + (x1 - x0) * i / samples);
    for (double x : special)
        if (x > x0 && x < x1)
            xs.push_back(x);
    std::sort(xs.begin(), xs.end());
    double y0 = 0, y1 = 0;
    for (double x : xs) {
        y0 = std::min(y0, curve(x));
        y1 = std::max(y1, curve(x));
    }
    frame(f, x0, x1, y0, y1);
    FigureCurve drawn;
    for (double x : xs)
        drawn.points.push_back(f.toView(x, curve(x)));
    f.curves.push_back(drawn);

    // Marks first, so that tick numbers give way to them.
    if (a != 0) {
        const double h = -b / (2 * a), k = c - b * b / (4 * a);
        if (o.equationCase == EquationCase::TwoRealRoots) {
            for (double root : {o.value1, o.value2}) {
                f.marks.push_back({f.toView(root, 0), FigureMark::Kind::Root});
                labelMark(f, f.toView(root, 0), num(root));
            }
        }
        if (o.equationCase == EquationCase::DoubleRoot) {
            f.marks.push_back({f.toView(o.value1, 0), FigureMark::Kind::Root});
            labelMark(f, f.toView(o.value1, 0), "x1 = " + num(o.value1));
        } else {
            f.marks.push_back({f.toView(h, k), FigureMark::Kind::Vertex});
            labelMark(f, f.toView(h, k), "(" + num(h) + ", " + num(k) + ")");
        }
    } else if (b != 0) {
        f.marks.push_back({f.toView(o.value1, 0), FigureMark::Kind::Root});
        labelMark(f, f.toView(o.value1, 0), num(o.value1));
    }
    std::string rest;
    if (b != 0)
        rest += (rest.empty() && a == 0 ? "" : (b < 0 ? " - " : " + ")) +
                (a == 0 && b < 0 ? std::string("-") : "") +
                (std::fabs(b) == 1 ? "" : num(std::fabs(b)) + "·") + "x";
    if (c != 0 || (a == 0 && b == 0))
        rest +=
            (a == 0 && b == 0 ? (c < 0 ? "-" : "") : (c < 0 ? " - " : " + ")) + num(std::fabs(c));
    f.alternative = "Graph of " + function + rest + ": " + shape + ".";
}

void systemFigure(const RunOutcome& o, Figure& f) {
    const auto& k = o.coefficients;
    const bool first = k[0] != 0 || k[1] != 0, second = k[3] != 0 || k[4] != 0;
    if (!first && !second) {
        f.note = "No graph: neither equation has an unknown, so neither is a line.";
        return;
    }
    const bool same = first && second && o.systemResult == SystemResult::Undefined;
    const bool crossing = o.systemResult == SystemResult::Solution;
    // The points of interest: the crossing, or each line's point nearest the origin.
    std::vector<std::pair<double, double>> points{{0, 0}};
    if (crossing)
        points.push_back({o.value1, o.value2});
    for (int row : {0, 3}) {
        const double a = k[row], b = k[row + 1], c = k[row + 2];
        if (a != 0 || b != 0)
            points.push_back({c * a / (a * a + b * b), c * b / (a * a + b * b)});
    }
    double x0 = points[0].first, x1 = x0, y0 = points[0].second, y1 = y0;
    for (const auto& [x, y] : points) {
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
    }
    const double span = std::max({x1 - x0, y1 - y0, 2.0});
    frame(f, (x0 + x1) / 2 - span * 0.6, (x0 + x1) / 2 + span * 0.6, (y0 + y1) / 2 - span * 0.6,
          (y0 + y1) / 2 + span * 0.6);

    std::vector<std::string> lines;
    for (int row : {0, 3}) {
        const double a = k[row], b = k[row + 1], c = k[row + 2];
        if ((a == 0 && b == 0) || (same && row == 3))
            continue;
        f.curves.push_back({lineInFrame(f, a, b, c), row / 3});
        lines.push_back(lineText(a, b, c));
    }
    if (crossing) {
        const FigurePoint at = f.toView(o.value1, o.value2);
        f.marks.push_back({at, FigureMark::Kind::Intersection});
        labelMark(f, at, "(" + num(o.value1) + ", " + num(o.value2) + ")");
    }
    std::string alternative = "Graph of the line";
    if (!first || !second) {
        const char* which = first ? "second" : "first";
        const float c = first ? k[5] : k[2];
        f.note = std::string("The ") + which + " equation has no unknown: it reads " + num(c) +
                 " = 0, " + (c == 0 ? "true for every point" : "true for no point") +
                 ", so only the other line is drawn.";
        alternative += " " + lines[0] + " alone";
    } else if (same) {
        f.note = "Both equations describe the same line: it is drawn once.";
        alternative += " " + lines[0] + ", which both equations describe";
    } else if (crossing) {
        alternative += "s " + lines[0] + " and " + lines[1] + ", crossing at (" + num(o.value1) +
                       ", " + num(o.value2) + ")";
    } else {
        alternative += "s " + lines[0] + " and " + lines[1] + ", parallel, never meeting";
    }
    if (o.systemResult == SystemResult::LoneX)
        alternative += "; x = " + num(o.value1);
    if (o.systemResult == SystemResult::LoneY)
        alternative += "; y = " + num(o.value2);
    f.alternative = alternative + ".";
}

} // namespace

FigurePoint Figure::toView(double x, double y) const {
    return {margin + (x - xMin) / (xMax - xMin) * (width - 2 * margin),
            height - margin - (y - yMin) / (yMax - yMin) * (height - 2 * margin)};
}

Figure makeFigure(const RunOutcome& outcome) {
    Figure f;
    if (outcome.mode == RunOutcome::Mode::None) {
        f.note = "No graph: nothing is solved yet.";
    } else if (outcome.warning != RunOutcome::Warning::None || !outcome.decided) {
        f.note = "No graph: the run did not come to a result.";
    } else if (outcome.mode == RunOutcome::Mode::Equation) {
        equationFigure(outcome, f);
        f.drawn = true;
    } else {
        systemFigure(outcome, f);
        f.drawn = !f.curves.empty();
    }
    if (f.drawn)
        addTicks(f);
    else
        f.alternative = f.note;
    return f;
}
