#pragma once

// The "Неделя" view: how often each number fell on each day of the week in
// the window, and the chart of one row or column of that grid.

#include <array>
#include <string>
#include <vector>

#include "model/draws.h"
#include "views/chart.h"
#include "views/draw_window.h"

namespace belvane::views {

struct WeekGrid {
    // [weekday 1 (Monday) .. 7 (Sunday)][number 1..45]
    std::array<std::array<int, 46>, 8> Counts{};
    int Max = 0;
};

// A draw whose date cannot be read adds nothing.
WeekGrid BuildWeekGrid(const model::TDrawsArray& draws, const DrawWindow& window);

// White for no draws, through to red for the grid's largest count.
Rgb WeekCellColor(int count, int max);

enum class WeekChartMode { ByNumber = 0, ByWeekday = 1 };

// The short day names, Monday first.
using WeekdayNames = std::array<std::string, 7>;
WeekdayNames RussianWeekdayNames();

// ByNumber: the 45 counts of `weekday` labelled with the numbers;
// ByWeekday: the seven counts of `number` labelled with the day names. A line
// (dark green, width 2, 2x2 magenta markers) or a bar series (dark green).
Chart WeekChart(const WeekGrid& grid, WeekChartMode mode, bool line, int weekday, int number,
                const WeekdayNames& names);

} // namespace belvane::views
