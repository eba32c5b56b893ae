#pragma once

#include <string>

#include "core/working/figure.h"

// Where the graph's labels may stand: inside the view, clear of every curve, both axes, every
// mark and every label already placed. The figure's curves, axes and marks come first, then the
// marks' labels, then the tick numbers, so that a tick number gives way to all the rest.

// How far a polyline passes from a point, in pixels.
double distanceToCurve(const FigureCurve& curve, FigurePoint point);

// A label of the text, its box as wide as the text is likely to be drawn, at the origin.
FigureLabel sizedLabel(const std::string& text);

bool isClear(const Figure& figure, const FigureLabel& label);

// A mark's label at the first clear place around the mark, nearest first; left out where there
// is none. Returns whether it was placed.
bool labelMark(Figure& figure, FigurePoint at, const std::string& text);

// The label where it stands, or not at all: tick numbers are never moved away from their tick.
bool placeIfClear(Figure& figure, const FigureLabel& label);
