#include "views/stake_graphs.h"

#include <algorithm>
#include <unordered_map>

#include "model/combinatorics.h"
#include "model/game.h"
#include "support/cp1251.h"
#include "support/error.h"
#include "support/translation.h"

namespace belvane::views {
namespace {

double currency(Money m)
{
    return static_cast<double>(m) / MoneyScale;
}

// A checked stake the per-draw graphs take: a positive draw number, matches known.
bool countsForGraphs(const stakes::StakeRecord& r)
{
    return !r.isSeparator() && r.Checked && r.DrawNumber > 0 && r.Matches >= 0;
}

std::string folded(std::string_view utf8)
{
    return cp1251::foldCase(cp1251::fromUtf8(utf8));
}

} // namespace

TProfitDrawArray ProfitPerDraw(size_t count, const StakeAt& at)
{
    TProfitDrawArray profits;
    std::unordered_map<int32_t, size_t> position;
    for (size_t i = 0; i < count; ++i) {
        const stakes::StakeRecord r = at(i);
        if (r.isSeparator() || r.DrawNumber < 0)
            continue;
        auto [it, added] = position.try_emplace(r.DrawNumber, profits.size());
        if (added)
            profits.push_back({r.DrawNumber, 0});
        profits[it->second].Profit += r.Profit;
    }
    return profits;
}

Chart ProfitPerDrawChart(const TProfitDrawArray& profits)
{
    if (profits.empty())
        throw Error(support::Text(TooFewDrawsForGraph));
    Money total = 0;
    for (const TProfitDraw& p : profits)
        total += p.Profit;
    const double mean = currency(total) / static_cast<double>(profits.size());
    // The accumulated profit grows draw by draw, whatever order the stakes file met the draws in.
    TProfitDrawArray byDraw = profits;
    std::stable_sort(byDraw.begin(), byDraw.end(),
                     [](const TProfitDraw& a, const TProfitDraw& b) { return a.DrawNumber < b.DrawNumber; });
    Chart chart;
    Money running = 0;
    const std::string profitTitle = support::Text(DrawProfitTitle);
    const std::string meanTitle = support::Text(ProfitMeanTitle);
    const std::string runningTitle = support::Text(RunningProfitTitle);
    for (const TProfitDraw& p : byDraw) {
        running += p.Profit;
        AddPoint(chart, p.DrawNumber, profitTitle, currency(p.Profit), true, true, Green);
        AddPoint(chart, p.DrawNumber, meanTitle, mean, false, false, Blue);
        AddPoint(chart, p.DrawNumber, runningTitle, currency(running), true, true, Red);
    }
    return chart;
}

std::optional<size_t> LatestDrawsStart(size_t count, const StakeAt& at, int draws)
{
    int seen = 0;
    int32_t previous = 0;
    for (size_t i = count; i-- > 0;) {
        const stakes::StakeRecord r = at(i);
        if (!countsForGraphs(r) || (seen > 0 && r.DrawNumber == previous))
            continue;
        previous = r.DrawNumber;
        if (++seen > draws)
            return i + 1;
    }
    if (seen < 2)
        return std::nullopt;
    return 0;
}

Chart SelectedStakesChart(size_t count, const StakeAt& at, std::span<const std::string> keys, StakeMeasure measure)
{
    const std::optional<size_t> start = keys.empty() ? std::nullopt : LatestDrawsStart(count, at);
    if (!start)
        throw Error(support::Text(TooFewDrawsForGraph));
    std::vector<std::string> wanted;
    for (const std::string& key : keys)
        wanted.push_back(folded(key));
    Chart chart;
    for (size_t i = *start; i < count; ++i) {
        const stakes::StakeRecord r = at(i);
        if (!countsForGraphs(r) || std::find(wanted.begin(), wanted.end(), folded(r.Comment)) == wanted.end())
            continue;
        const double y = measure == StakeMeasure::Matches ? r.Matches : currency(r.Profit);
        AddPoint(chart, r.DrawNumber, r.Comment, y, true, true, std::nullopt);
    }
    return chart;
}

Chart MatchDistributionChart(std::span<const stakes::RatingRecord> rows)
{
    Chart chart;
    chart.WholeY = true; // counts of stakes; the chance line is what they would be
    int32_t most = 0;
    for (const stakes::RatingRecord& r : rows)
        most = std::max(most, r.Count);
    const std::string chanceTitle = support::Text(ChanceSeriesTitle);
    for (int k = 0; k <= model::BallCount; ++k) {
        const double expected = static_cast<double>(model::MatchCount(model::MaxNumber, model::BallCount, k)) * most /
                                static_cast<double>(model::FullSetSize);
        AddPoint(chart, k, chanceTitle, expected, true, false, Gray);
    }
    for (const stakes::RatingRecord& r : rows)
        for (int k = 0; k <= model::BallCount; ++k)
            AddPoint(chart, k, r.Key, r.MatchCounts[static_cast<size_t>(k)], true, false, std::nullopt);
    return chart;
}

} // namespace belvane::views
