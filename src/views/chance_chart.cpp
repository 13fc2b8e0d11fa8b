#include "views/chance_chart.h"

#include <string>

namespace belvane::views {

Chart ChanceComparisonChart(const stakes::RatingRecord& row, const stakes::ChanceComparison& chance)
{
    Chart chart;
    chart.Caption = support::Text(ChanceChartCaption);
    chart.CategoryAxis = true;
    chart.WholeY = true;
    ChartSeries observed{support::Text(ObservedSeriesTitle), SeriesKind::Bar, {}, Blue};
    // Chance as lines over the bars: two bar series would hide each other.
    ChartSeries expected{support::Text(ExpectedSeriesTitle), SeriesKind::Line, {}, Gray};
    expected.MarkerSize = 3;
    ChartSeries band{support::Text(ChanceBandTitle), SeriesKind::Line, {}, Red};
    band.Width = 1;
    for (size_t k = 0; k < row.MatchCounts.size(); ++k) {
        const std::string label = std::to_string(k);
        const auto x = static_cast<double>(k);
        observed.Points.push_back({x, static_cast<double>(row.MatchCounts[k]), label});
        expected.Points.push_back({x, chance.Expected[k], label});
        band.Points.push_back({x, chance.Expected[k] + 2 * chance.StdDev[k], label});
    }
    observed.Marks = true;
    chart.Series = {std::move(observed), std::move(expected), std::move(band)};
    return chart;
}

} // namespace belvane::views
