#include "views/repeats_analysis.h"

#include <algorithm>
#include <fmt/format.h>
#include <fmt/ranges.h>

#include "model/number_sets.h"
#include "support/translation.h"

namespace belvane::views {

std::string RepeatsRow::EarlierText() const
{
    return fmt::format("{}", fmt::join(Earlier, " "));
}

std::optional<RepeatsTable> AnalyzeRepeats(const model::TDrawsArray& draws, int length, int depth,
                                           const RepeatsProgress& progress)
{
    RepeatsTable table;
    const int count = static_cast<int>(draws.size());
    const int first = std::max(0, count - std::max(1, length));
    depth = std::max(1, depth);
    const int total = count - first;
    for (int p = count - 1; p >= first; --p) {
        if (progress && !progress(count - 1 - p, total))
            return std::nullopt;
        const size_t firstRow = table.Rows.size();
        const model::TDraw& drawn = draws[static_cast<size_t>(p)];
        for (int q = p - 1; q >= std::max(0, p - depth); --q) {
            const model::TDraw& earlier = draws[static_cast<size_t>(q)];
            const int k = model::CommonCount(drawn.Balls, earlier.Balls);
            if (k <= 0)
                continue;
            auto row = std::find_if(table.Rows.begin() + static_cast<std::ptrdiff_t>(firstRow), table.Rows.end(),
                                    [&](const RepeatsRow& r) { return r.Matches == k; });
            if (row == table.Rows.end()) {
                table.Rows.push_back({drawn.Number, k, {}});
                row = table.Rows.end() - 1;
            }
            row->Earlier.push_back(earlier.Number);
            table.MaxMatches = std::max(table.MaxMatches, k);
        }
    }
    if (progress)
        progress(total, total);
    return table;
}

Chart RepeatsChart(const RepeatsTable& table)
{
    return *RepeatsChart(table, {});
}

std::optional<Chart> RepeatsChart(const RepeatsTable& table, const RepeatsProgress& progress)
{
    Chart chart;
    chart.Caption = support::Text(RepeatsCaption);
    // Each series gets a colour of its own when drawn: random colours could look alike.
    for (int k = 1; k <= table.MaxMatches; ++k) {
        ChartSeries s;
        s.Title = support::Message("Совпадений: {}", k);
        s.MarkerSize = 2;
        chart.Series.push_back(std::move(s));
    }
    const int total = static_cast<int>(table.Rows.size());
    int done = 0;
    for (auto row = table.Rows.rbegin(); row != table.Rows.rend(); ++row, ++done) {
        if (progress && !progress(done, total))
            return std::nullopt;
        ChartSeries& s = chart.Series[static_cast<size_t>(row->Matches - 1)];
        s.Points.push_back(
            {static_cast<double>(row->DrawNumber), static_cast<double>(row->Count()), std::to_string(row->DrawNumber)});
    }
    if (progress)
        progress(total, total);
    return chart;
}

} // namespace belvane::views
