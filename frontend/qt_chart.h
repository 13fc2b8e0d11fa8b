#pragma once

// Plain chart data (views::Chart) as a Qt chart, and as a PNG picture drawn
// without a window. Shared by the desktop program and the command line.

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "views/chart.h"

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace belvane::chart {

// A new chart holding the series, axes and legend; the caller owns it. The
// value marks of series that follow the toggle are shown when `marks`.
QChart* MakeQChart(const views::Chart& data, bool marks);

// Shows or hides the value marks of the series that follow the toggle.
void SetToggledMarks(QChart* chart, bool visible);

// The value marks are text items of the chart carrying this in their data(0).
inline constexpr char ValueMarkTag[] = "belvaneValueMark";

inline constexpr int DefaultPngWidth = 1000;
inline constexpr int DefaultPngHeight = 600;

// The chart drawn at width x height as PNG bytes. Starts Qt on the offscreen
// platform when no application runs yet. Empty on failure.
std::vector<uint8_t> RenderChartPng(const views::Chart& data, int width, int height);

} // namespace belvane::chart
