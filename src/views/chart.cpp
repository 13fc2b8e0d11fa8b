#include "views/chart.h"

#include <cmath>
#include <fmt/format.h>

#include "support/cp1251.h"

namespace belvane::views {
namespace {

std::string folded(std::string_view utf8)
{
    return cp1251::foldCase(cp1251::fromUtf8(utf8));
}

} // namespace

bool SameTitle(std::string_view a, std::string_view b)
{
    return folded(a) == folded(b);
}

ChartSeries* Chart::Find(std::string_view title)
{
    const std::string key = folded(title);
    for (ChartSeries& s : Series)
        if (folded(s.Title) == key)
            return &s;
    return nullptr;
}

const ChartSeries* Chart::Find(std::string_view title) const
{
    return const_cast<Chart*>(this)->Find(title);
}

void AddPoint(Chart& chart, double x, std::string_view title, double y, bool pointer, bool marks,
              std::optional<Rgb> color)
{
    ChartSeries* series = chart.Find(title);
    if (series == nullptr) {
        ChartSeries made;
        made.Title = std::string(title);
        made.MarkerSize = pointer ? 3 : 0;
        made.Marks = marks;
        made.MarksFollowToggle = marks;
        made.Color = color;
        chart.Series.push_back(std::move(made));
        series = &chart.Series.back();
    }
    series->Points.push_back({x, y, NumberLabel(x)});
}

std::string NumberLabel(double value)
{
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return fmt::format("{}", static_cast<long long>(value));
    return fmt::format("{:.2f}", value);
}

} // namespace belvane::views
