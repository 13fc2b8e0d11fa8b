#pragma once

// The "Графики" view: one statistic method's value for every draw of the
// window, with the mean and the most frequent value as flat lines.

#include <string>
#include <vector>

#include "views/chart.h"
#include "support/translation.h"
#include "views/draw_window.h"

namespace belvane::stats {
class TStatList;
}

namespace belvane::views {

struct MethodGraph {
    std::string Caption;
    std::vector<ChartPoint> Values; // x the draw number, y the value, the draw number as label
    double Mean = 0;
    // The first value, in the order values were met, to reach the highest count.
    int MostFrequent = 0;
};

inline constexpr std::string_view MeanSeriesTitle = BELVANE_TEXT("Среднее значение");
inline constexpr std::string_view MostFrequentSeriesTitle = BELVANE_TEXT("Наиболее часто встречающееся значение");

// The graph of registry entry `entry` over the window (each value computed
// with the window's last draw as the reference end). An entry without a
// graph, or an empty window, gives no values.
MethodGraph BuildMethodGraph(const stats::TStatList& list, int entry, const DrawWindow& window, bool sorted);

// The three series: the values (dark green, width 2, 2x2 markers outlined
// magenta; value marks when `marks`), the mean (blue) and the most frequent
// value (red). No series at all without values.
Chart MethodGraphChart(const MethodGraph& graph, bool marks);

} // namespace belvane::views
