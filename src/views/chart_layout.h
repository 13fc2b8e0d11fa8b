#pragma once

// The decisions that make a chart readable, apart from any drawing library:
// where the ticks of an axis go and how their numbers read, the order a line
// is drawn in, a colour of its own for every series, and which value marks
// fit without covering one another.

#include <cstddef>
#include <string>
#include <vector>

#include "views/chart.h"

namespace belvane::views {

struct AxisScale {
    double Min = 0;
    double Max = 1;
    double Step = 1;  // 1, 2 or 5 times a power of ten
    int Decimals = 0; // what the tick numbers need to read exactly
};

// An axis over lo..hi with about `ticks` ticks. A whole axis (counts, draw
// numbers, matches) never steps below 1, so every tick is a whole number.
// With `niceEnds` the range widens to the ticks around it; otherwise it stays
// lo..hi (the draws' own range leaves no empty room at the ends).
AxisScale ScaleAxis(double lo, double hi, bool whole, int ticks, bool niceEnds);

// Whether every X (or Y) value of the chart's series is a whole number.
bool AllWholeX(const Chart& chart);
bool AllWholeY(const Chart& chart);

// A value as a mark or tick reads it: never in exponent form; whole numbers
// without decimals, others with two.
std::string ValueText(double value);

// Line series over a number axis drawn from left to right: their points in
// ascending X (points of one X keep their order).
void SortPointsByX(Chart& chart);

// The i-th colour of a palette whose neighbours differ at a glance.
Rgb PaletteColor(size_t index);

// Gives every series without a colour one of its own, unlike the colours the
// other series have.
void GiveDistinctColors(Chart& chart);

// A value mark's rectangle on the plot.
struct LabelBox {
    double Left = 0, Top = 0, Width = 0, Height = 0;
};

// Which marks to show, in the given order of preference: each one that
// overlaps none shown before it and none of the obstacles (the points' markers).
std::vector<bool> PlaceLabels(const std::vector<LabelBox>& boxes, const std::vector<LabelBox>& obstacles = {});

// The font size at which a category text `width` wide at `size` points fits
// a category `spacing` wide (with a little room), never above `size`.
double FittingFontSize(double size, double width, double spacing);

} // namespace belvane::views
