#include "core/working/figure.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/working/figure_labels.h"
#include "core/working/notation.h"

namespace {

constexpr double margin = 16; // pixels between the plot and the edge

// A number on the graph, in the user's number form, rounded to `digits` significant digits: seven
// for a mark, as the program's Singles keep, whatever the size (a root far beyond the Single
// range still has a value worth reading); as many as tell a tick from the next. Written as the
// window writes a Single where it is one, so that the graph's numbers read as the window's.
std::string graphNumber(double value, const NumberLocale& locale, int digits = 7) {
    if (value == 0 || !std::isfinite(value))
        return StrR8(value == 0 ? 0.0 : value, locale);
    const int power = int(std::floor(std::log10(std::fabs(value)))) - (digits - 1);
    // Scaled by an exact power of ten where one exists, so that round numbers stay round.
    value = power >= 0 ? std::round(value / std::pow(10.0, power)) * std::pow(10.0, power)
                       : std::round(value * std::pow(10.0, -power)) / std::pow(10.0, -power);
    const bool single = std::fabs(value) >= std::numeric_limits<float>::min() &&
                        std::fabs(value) <= std::numeric_limits<float>::max();
    return digits <= 7 && single ? StrR4(float(value), locale) : StrR8(value, locale);
}

// A point "(x, y)"; where the decimal separator is a comma, the coordinates are parted by ";".
std::string pointText(double x, double y, const NumberLocale& locale) {
    return "(" + graphNumber(x, locale) + Notation(locale).listSeparator() +
           graphNumber(y, locale) + ")";
}

bool isFinite(FigurePoint point) {
    return std::isfinite(point.x) && std::isfinite(point.y);
}

// A mark where the point is drawn: finite, in view and within a pixel of every curve it names
// (a root lies on the parabola, a crossing on both lines). The program's Singles may put a result
// where the exact curve is not; such a mark is left out, and so is its label.
bool addMark(Figure& f, FigurePoint at, FigureMark::Kind kind, const std::vector<int>& onCurves) {
    if (!isFinite(at) || at.x < 0 || at.x > f.width || at.y < 0 || at.y > f.height)
        return false;
    for (int index : onCurves)
        if (!(distanceToCurve(f.curves[std::size_t(index)], at) <= 0.75))
            return false;
    f.marks.push_back({at, kind});
    return true;
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

// The digits that tell apart the ticks of a step up to the largest of them.
int tickDigits(double largest, double step) {
    const double digits = std::floor(std::log10(largest)) - std::floor(std::log10(step)) + 1;
    return int(std::clamp(digits, 1.0, 15.0));
}

// The ticks on both axes, and their numbers where those are clear of everything else: a number
// is left out rather than moved away from its tick.
void addTicks(Figure& f, const NumberLocale& locale) {
    constexpr double gap = 5; // between an axis and its numbers
    const double xStep = tickStep(f.xMax - f.xMin);
    const double yStep = tickStep(f.yMax - f.yMin);
    const int xDigits = tickDigits(std::max(std::fabs(f.xMin), std::fabs(f.xMax)), xStep);
    const int yDigits = tickDigits(std::max(std::fabs(f.yMin), std::fabs(f.yMax)), yStep);
    for (double k = std::ceil(f.xMin / xStep); k * xStep <= f.xMax; ++k) {
        const double value = k * xStep;
        const FigurePoint at{f.toView(value, 0).x, f.xAxisAt};
        f.ticks.push_back({at, true});
        FigureLabel label = sizedLabel(value == 0 ? "0" : graphNumber(value, locale, xDigits));
        const bool below = f.xAxisAt + gap + label.height <= f.height;
        label.top = below ? f.xAxisAt + gap : f.xAxisAt - gap - label.height;
        // The origin's 0 stands beside the y-axis, which runs through its tick.
        label.left = value == 0 ? f.yAxisAt - gap - label.width : at.x - label.width / 2;
        placeIfClear(f, label);
    }
    for (double k = std::ceil(f.yMin / yStep); k * yStep <= f.yMax; ++k) {
        const double value = k * yStep;
        const FigurePoint at{f.yAxisAt, f.toView(0, value).y};
        f.ticks.push_back({at, false});
        if (value == 0)
            continue; // the x-axis' own 0 stands there
        FigureLabel label = sizedLabel(graphNumber(value, locale, yDigits));
        const bool left = f.yAxisAt - gap - label.width >= 0;
        label.left = left ? f.yAxisAt - gap - label.width : f.yAxisAt + gap;
        label.top = at.y - label.height / 2;
        placeIfClear(f, label);
    }
}

// Sets the part of the plane shown, with room around [x0, x1] x [y0, y1], and the axes; false
// where the numbers leave no finite frame.
bool frame(Figure& f, double x0, double x1, double y0, double y1) {
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
    return std::isfinite(f.xMax - f.xMin) && std::isfinite(f.yMax - f.yMin) &&
           std::isfinite(f.xAxisAt) && std::isfinite(f.yAxisAt);
}

// The part of a*x + b*y = c inside the frame. A steep line is followed along y and a flat one
// along x, so that no end is lost to rounding: x + 1E-17·y = 1 is the nearly vertical line it
// is, not a dot.
std::vector<FigurePoint> lineInFrame(const Figure& f, double a, double b, double c) {
    const bool steep = std::fabs(a) > std::fabs(b);
    // along = at0 + slope·across, across between lo and hi
    const double slope = steep ? -b / a : -a / b, at0 = steep ? c / a : c / b;
    double t0 = steep ? f.yMin : f.xMin, t1 = steep ? f.yMax : f.xMax;
    if (slope != 0) {
        const double lo = steep ? f.xMin : f.yMin, hi = steep ? f.xMax : f.yMax;
        double ta = (lo - at0) / slope, tb = (hi - at0) / slope;
        if (ta > tb)
            std::swap(ta, tb);
        t0 = std::max(t0, ta);
        t1 = std::min(t1, tb);
    }
    if (t0 > t1)
        return {};
    const auto point = [&](double t) {
        return steep ? f.toView(at0 + slope * t, t) : f.toView(t, at0 + slope * t);
    };
    return {point(t0), point(t1)};
}

std::string lineText(double a, double b, double c, const NumberLocale& locale) {
    std::string text;
    const auto term = [&](double k, const char* unknown) {
        if (k == 0)
            return;
        const std::string size = std::fabs(k) == 1 ? "" : graphNumber(std::fabs(k), locale) + "·";
        text += text.empty() ? (k < 0 ? "-" : "") : (k < 0 ? " - " : " + ");
        text += size + unknown;
    };
    term(a, "x");
    term(b, "y");
    return text + " = " + graphNumber(c, locale);
}

// "y = 2·x² - 3·x + 1", the terms that are not 0.
std::string functionText(double a, double b, double c, const NumberLocale& locale) {
    std::string text;
    const auto term = [&](double k, const char* power) {
        if (k == 0)
            return;
        const std::string size = std::fabs(k) == 1 && *power
                                     ? ""
                                     : graphNumber(std::fabs(k), locale) + (*power ? "·" : "");
        text += text.empty() ? (k < 0 ? "-" : "") : (k < 0 ? " - " : " + ");
        text += size + power;
    };
    term(a, "x²");
    term(b, "x");
    term(c, "");
    return "y = " + (text.empty() ? "0" : text);
}

const std::string rootsOffCurve = "The roots the program found are not marked: it keeps about 7 "
                                  "digits of each number, and they fall off the curve drawn here.";

void equationFigure(const RunOutcome& o, Figure& f, const NumberLocale& locale) {
    const double a = o.coefficients[0], b = o.coefficients[1], c = o.coefficients[2];
    const auto num = [&](double value) { return graphNumber(value, locale); };
    const auto curve = [&](double x) { return (a * x + b) * x + c; };
    const double h = a != 0 ? -b / (2 * a) : 0, k = a != 0 ? c - b * b / (4 * a) : 0;
    std::vector<double> special; // x of the marks, also corners of the polyline
    double x0, x1;
    std::string shape;
    if (a != 0) {
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
        const std::string vertex = pointText(h, k, locale);
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
    f.alternative = "Graph of " + functionText(a, b, c, locale) + ": " + shape + ".";

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
    if (!frame(f, x0, x1, y0, y1))
        return;
    FigureCurve drawn;
    for (double x : xs)
        drawn.points.push_back(f.toView(x, curve(x)));
    f.curves.push_back(drawn);

    // Marks and their labels first, so that tick numbers give way to them.
    bool offCurve = false;
    const auto root = [&](double x, const std::string& label) {
        const FigurePoint at = f.toView(x, 0);
        if (addMark(f, at, FigureMark::Kind::Root, {0}))
            labelMark(f, at, label);
        else
            offCurve = true;
    };
    if (o.equationCase == EquationCase::TwoRealRoots) {
        root(o.value1, num(o.value1));
        root(o.value2, num(o.value2));
    } else if (o.equationCase == EquationCase::DoubleRoot) {
        root(o.value1, "x1 = " + num(o.value1));
    } else if (o.equationCase == EquationCase::FirstDegree) {
        root(o.value1, num(o.value1));
    }
    if (a != 0 && o.equationCase != EquationCase::DoubleRoot &&
        addMark(f, f.toView(h, k), FigureMark::Kind::Vertex, {0}))
        labelMark(f, f.toView(h, k), pointText(h, k, locale));
    if (offCurve)
        f.note = rootsOffCurve;
}

void systemFigure(const RunOutcome& o, Figure& f, const NumberLocale& locale) {
    const auto& k = o.coefficients;
    const auto num = [&](double value) { return graphNumber(value, locale); };
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
    if (!frame(f, (x0 + x1) / 2 - span * 0.6, (x0 + x1) / 2 + span * 0.6,
               (y0 + y1) / 2 - span * 0.6, (y0 + y1) / 2 + span * 0.6))
        return;

    std::vector<std::string> lines;
    for (int row : {0, 3}) {
        const double a = k[row], b = k[row + 1], c = k[row + 2];
        if ((a == 0 && b == 0) || (same && row == 3))
            continue;
        std::vector<FigurePoint> points = lineInFrame(f, a, b, c);
        if (points.size() == 2 && isFinite(points[0]) && isFinite(points[1]))
            f.curves.push_back({std::move(points), row / 3});
        lines.push_back(lineText(a, b, c, locale));
    }
    const std::string crossingText = crossing ? pointText(o.value1, o.value2, locale) : "";
    if (crossing) {
        const FigurePoint at = f.toView(o.value1, o.value2);
        if (f.curves.size() == 2 && addMark(f, at, FigureMark::Kind::Intersection, {0, 1}))
            labelMark(f, at, crossingText);
        else
            f.note = "The crossing the program found is not marked: it keeps about 7 digits of "
                     "each number, and the point falls off the lines drawn here.";
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
        alternative += "s " + lines[0] + " and " + lines[1] + ", crossing at " + crossingText;
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

Figure makeFigure(const RunOutcome& outcome, const NumberLocale& locale) {
    Figure f;
    if (outcome.mode == RunOutcome::Mode::None) {
        f.note = "No graph: nothing is solved yet.";
    } else if (outcome.warning != RunOutcome::Warning::None || !outcome.decided) {
        f.note = "No graph: the run did not come to a result.";
    } else if (outcome.mode == RunOutcome::Mode::Equation) {
        equationFigure(outcome, f, locale);
    } else {
        systemFigure(outcome, f, locale);
    }
    f.drawn = !f.curves.empty();
    if (f.drawn)
        addTicks(f, locale);
    else if (f.note.empty())
        f.note = "No graph: its numbers are too far apart to draw.";
    if (!f.drawn)
        f.alternative = f.note;
    return f;
}
