#include "views/week_grid.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "model/dates.h"

namespace belvane::views {

WeekGrid BuildWeekGrid(const model::TDrawsArray& draws, const DrawWindow& window)
{
    WeekGrid grid;
    for (int i = window.First; i <= window.Last; ++i) {
        const model::TDraw& draw = draws[static_cast<size_t>(i)];
        const std::optional<model::Date> date = model::ParseDrawDate(draw.dateText());
        if (!date)
            continue;
        const auto weekday = std::chrono::weekday(std::chrono::sys_days(*date)).iso_encoding();
        auto& row = grid.Counts[weekday];
        ForEachNumber(draw, [&](int n) { grid.Max = std::max(grid.Max, ++row[static_cast<size_t>(n)]); });
    }
    return grid;
}

Rgb WeekCellColor(int count, int max)
{
    if (count <= 0 || max <= 0)
        return White;
    const auto fade = static_cast<uint8_t>(std::nearbyint(255.0 - 255.0 * std::min(count, max) / max));
    return {255, fade, fade};
}

WeekdayNames RussianWeekdayNames()
{
    return {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};
}

Chart WeekChart(const WeekGrid& grid, WeekChartMode mode, bool line, int weekday, int number, const WeekdayNames& names)
{
    Chart chart;
    chart.CategoryAxis = true;
    ChartSeries s;
    s.Kind = line ? SeriesKind::Line : SeriesKind::Bar;
    s.Color = Green;
    if (line) {
        s.MarkerSize = 2;
        s.MarkerOutline = Magenta;
    }
    if (mode == WeekChartMode::ByWeekday) {
        number = std::clamp(number, 1, 45);
        s.Title = std::to_string(number);
        for (int d = 1; d <= 7; ++d)
            s.Points.push_back({static_cast<double>(d),
                                static_cast<double>(grid.Counts[static_cast<size_t>(d)][static_cast<size_t>(number)]),
                                names[static_cast<size_t>(d - 1)]});
    } else {
        weekday = std::clamp(weekday, 1, 7);
        s.Title = names[static_cast<size_t>(weekday - 1)];
        for (int n = 1; n <= 45; ++n)
            s.Points.push_back({static_cast<double>(n),
                                static_cast<double>(grid.Counts[static_cast<size_t>(weekday)][static_cast<size_t>(n)]),
                                std::to_string(n)});
    }
    chart.Caption = s.Title;
    chart.Series.push_back(std::move(s));
    return chart;
}

} // namespace belvane::views
