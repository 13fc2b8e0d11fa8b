#include "views/sum_distribution.h"

#include <algorithm>
#include <fmt/format.h>

#include "model/game.h"
#include "support/translation.h"

namespace belvane::views {
namespace {

// Combinations of six distinct numbers 1..45 by their sum.
std::array<int, model::MaxSum + 1> combinationSums()
{
    // Ways to pick k numbers from 1..n with sum s, one number at a time.
    std::array<std::array<int, model::MaxSum + 1>, model::BallCount + 1> ways{};
    ways[0][0] = 1;
    for (int n = 1; n <= model::MaxNumber; ++n)
        for (int k = model::BallCount; k >= 1; --k)
            for (int s = model::MaxSum; s >= n; --s)
                ways[static_cast<size_t>(k)][static_cast<size_t>(s)] +=
                    ways[static_cast<size_t>(k - 1)][static_cast<size_t>(s - n)];
    return ways[model::BallCount];
}

} // namespace

SumDistribution BuildSumDistribution(const model::TDrawsArray& draws)
{
    SumDistribution d;
    const auto sums = combinationSums();
    for (int s = 0; s <= model::MaxSum; ++s)
        if (sums[static_cast<size_t>(s)] > 0)
            d.Theoretical.push_back({s, sums[static_cast<size_t>(s)]});
    for (const model::TDraw& draw : draws) {
        int sum = 0;
        for (int n : draw.Balls)
            sum += n;
        stats::AddStatSimple(d.Actual, sum, 1);
    }
    stats::SortStatSimple(d.Actual);

    const auto byCount = [](const stats::TStatSimple& a, const stats::TStatSimple& b) { return a.Value < b.Value; };
    const auto [minT, maxT] = std::minmax_element(d.Theoretical.begin(), d.Theoretical.end(), byCount);
    d.MinTheoretical = minT->Value;
    d.MaxTheoretical = maxT->Value;
    if (!d.Actual.empty())
        d.MaxActual = std::max_element(d.Actual.begin(), d.Actual.end(), byCount)->Value;

    const int64_t span = static_cast<int64_t>(d.MaxTheoretical) - d.MinTheoretical + 1;
    const std::array<int64_t, 3> thresholds = {span / 3, span / 2, 2 * span / 3};
    const size_t half = d.Theoretical.size() / 2;
    for (size_t k = 0; k < 3; ++k) {
        SumRange& r = d.Ranges[k];
        r.Threshold = static_cast<int>(d.MinTheoretical + thresholds[k]);
        for (size_t i = 0; i <= half; ++i)
            if (d.Theoretical[i].Value >= r.Threshold) {
                r.Low = d.Theoretical[i].Key;
                break;
            }
        for (size_t i = d.Theoretical.size(); i-- > half;)
            if (d.Theoretical[i].Value >= r.Threshold) {
                r.High = d.Theoretical[i].Key;
                break;
            }
    }
    return d;
}

std::string SumRangeTitle(int k, const SumRange& range)
{
    static constexpr std::array<std::string_view, 3> kShares = {"1/3", "1/2", "2/3"};
    return support::Message("Диапазон {} (от {} и выше по оси Y) - суммы {}-{}", k, kShares[static_cast<size_t>(k - 1)],
                            range.Low, range.High);
}

Chart SumDistributionChart(const SumDistribution& d)
{
    Chart chart;
    chart.Caption = support::Text(SumDistributionCaption);
    const std::string actualTitle = support::Text(ActualSumsTitle);
    for (const stats::TStatSimple& a : d.Actual)
        AddPoint(chart, a.Key, actualTitle, a.Value, true, true, Red);
    const double scale = d.MaxTheoretical > 0 ? static_cast<double>(d.MaxActual) / d.MaxTheoretical : 0;
    const std::string theoreticalTitle = support::Text(TheoreticalSumsTitle);
    for (const stats::TStatSimple& t : d.Theoretical)
        AddPoint(chart, t.Key, theoreticalTitle, t.Value * scale, false, false, Maroon);
    static constexpr std::array<Rgb, 3> kColors = {Green, Blue, Magenta};
    for (int k = 1; k <= 3; ++k) {
        const SumRange& r = d.Ranges[static_cast<size_t>(k - 1)];
        const std::string title = SumRangeTitle(k, r);
        for (const stats::TStatSimple& t : d.Theoretical)
            AddPoint(chart, t.Key, title, r.Threshold * scale, false, false, kColors[static_cast<size_t>(k - 1)]);
    }
    return chart;
}

} // namespace belvane::views
