#pragma once

#include <string>
#include <vector>

#include "core/solving/run_outcome.h"

// The graph of a run as plain data, in the pixels of its view box (origin top left, y down), so
// that the desktop's painter and the page's SVG draw the same picture without a transformation.
struct FigurePoint {
    double x = 0, y = 0;
    friend bool operator==(const FigurePoint&, const FigurePoint&) = default;
};

struct FigureTick {
    FigurePoint at; // where the tick meets its axis
    bool onXAxis = true;
    friend bool operator==(const FigureTick&, const FigureTick&) = default;
};

// A text centred in its box; no two boxes of a figure overlap.
struct FigureLabel {
    double left = 0, top = 0, width = 0, height = 0;
    std::string text;
    friend bool operator==(const FigureLabel&, const FigureLabel&) = default;
};

struct FigureCurve {
    std::vector<FigurePoint> points; // one polyline
    int series = 0;                  // 0: the parabola, the line or the first line; 1: the second
    friend bool operator==(const FigureCurve&, const FigureCurve&) = default;
};

struct FigureMark {
    enum class Kind { Root, Vertex, Intersection };
    FigurePoint at;
    Kind kind = Kind::Root;
    friend bool operator==(const FigureMark&, const FigureMark&) = default;
};

struct Figure {
    static constexpr double fontSize = 12;  // pixels, for every label
    static constexpr double markRadius = 4; // pixels; labels keep clear of the whole dot

    bool drawn = false; // false: no graph, `note` says why
    double width = 480, height = 360;
    // The part of the plane shown.
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    // The axes: the x-axis is the horizontal line at pixel height xAxisAt, the y-axis the
    // vertical one at yAxisAt; where 0 is out of view they run along the edge.
    double xAxisAt = 0, yAxisAt = 0;
    std::vector<FigureTick> ticks;
    std::vector<FigureCurve> curves;
    std::vector<FigureMark> marks;
    // Tick numbers and the marks' labels, each clear of the curves, the axes, the marks and the
    // other labels; one that finds no such place is left out (the alternative still says it).
    std::vector<FigureLabel> labels;
    std::string note;        // why a line, a mark or the whole graph is missing
    std::string alternative; // what a screen reader reads for the graph

    FigurePoint toView(double x, double y) const;
    friend bool operator==(const Figure&, const Figure&) = default;
};

// The graph of a run, its numbers in the user's number form.
Figure makeFigure(const RunOutcome& outcome, const NumberLocale& locale = {});
