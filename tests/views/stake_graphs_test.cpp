// The graphs of the stakes and ratings against hand computation.

#include <gtest/gtest.h>

#include "support/error.h"
#include "views/stake_graphs.h"

using namespace belvane;
using namespace belvane::views;

namespace {

stakes::StakeRecord stake(int draw, int matches, Money profit, std::string comment = "a", bool checked = true)
{
    stakes::StakeRecord r;
    r.DrawNumber = draw;
    r.Checked = checked;
    r.Matches = checked ? matches : stakes::UncheckedMatches;
    r.Profit = profit;
    r.Comment = std::move(comment);
    return r;
}

stakes::StakeRecord separator()
{
    stakes::StakeRecord r;
    r.Kind = static_cast<uint8_t>(stakes::StakeKind::Separator);
    r.DrawNumber = stakes::SeparatorDrawNumber;
    return r;
}

StakeAt reader(const std::vector<stakes::StakeRecord>& records)
{
    return [&records](size_t i) { return records[i]; };
}

} // namespace

TEST(StakeGraphs, ProfitPerDrawWithMeanAndRunningSum)
{
    const std::vector<stakes::StakeRecord> records = {
        separator(),          stake(5, 0, -100000), stake(5, 3, 500000),
        stake(6, 1, -100000), stake(5, 0, -100000), stake(7, 0, -100000, "a", false), // unchecked still counts
    };
    const TProfitDrawArray profits = ProfitPerDraw(records.size(), reader(records));
    ASSERT_EQ(profits.size(), 3u);
    EXPECT_EQ(profits[0].DrawNumber, 5);
    EXPECT_EQ(profits[0].Profit, 300000);
    EXPECT_EQ(profits[1].Profit, -100000);

    const Chart chart = ProfitPerDrawChart(profits);
    ASSERT_EQ(chart.Series.size(), 3u);
    EXPECT_EQ(chart.Series[0].Title, DrawProfitTitle);
    EXPECT_DOUBLE_EQ(chart.Series[0].Points[0].Y, 30.0);
    EXPECT_DOUBLE_EQ(chart.Series[1].Points[2].Y, 10.0 / 3); // (30 - 10 - 10) / 3
    EXPECT_DOUBLE_EQ(chart.Series[2].Points[1].Y, 20.0);
    EXPECT_DOUBLE_EQ(chart.Series[2].Points[2].Y, 10.0);

    EXPECT_THROW(ProfitPerDrawChart({}), Error);
}

TEST(StakeGraphs, AccumulatedProfitGrowsInDrawOrder)
{
    // Stakes for draw 9 were made before those for draws 7 and 8.
    const std::vector<stakes::StakeRecord> records = {stake(9, 0, -20000), stake(7, 3, 100000), stake(8, 0, -20000)};
    const Chart chart = ProfitPerDrawChart(ProfitPerDraw(records.size(), reader(records)));
    const auto& running = chart.Series[2].Points;
    ASSERT_EQ(running.size(), 3u);
    EXPECT_EQ(running[0].X, 7);
    EXPECT_DOUBLE_EQ(running[0].Y, 10.0);
    EXPECT_EQ(running[1].X, 8);
    EXPECT_DOUBLE_EQ(running[1].Y, 8.0);
    EXPECT_EQ(running[2].X, 9);
    EXPECT_DOUBLE_EQ(running[2].Y, 6.0);
}

TEST(StakeGraphs, SelectedRowsOverTheLatestDraws)
{
    std::vector<stakes::StakeRecord> records;
    for (int draw = 1; draw <= 105; ++draw) {
        records.push_back(stake(draw, draw % 4, (draw % 4) * 10000, "Строка"));
        records.push_back(stake(draw, 1, 0, "other"));
    }
    records.push_back(stake(106, 2, 0, "строка", false)); // not checked: left out
    // Draw 5 is the 101st from the end: reading starts right after its last stake.
    const std::optional<size_t> start = LatestDrawsStart(records.size(), reader(records));
    ASSERT_TRUE(start);
    EXPECT_EQ(records[*start].DrawNumber, 6);

    const std::vector<std::string> keys = {"СТРОКА"};
    const Chart matches = SelectedStakesChart(records.size(), reader(records), keys, StakeMeasure::Matches);
    ASSERT_EQ(matches.Series.size(), 1u);
    EXPECT_EQ(matches.Series[0].Title, "Строка");
    ASSERT_EQ(matches.Series[0].Points.size(), 100u);
    EXPECT_EQ(matches.Series[0].Points[0].X, 6);
    EXPECT_EQ(matches.Series[0].Points[0].Y, 2);
    const Chart profit = SelectedStakesChart(records.size(), reader(records), keys, StakeMeasure::Profit);
    EXPECT_DOUBLE_EQ(profit.Series[0].Points[1].Y, 3.0);

    // One draw only, or no key: too little for a graph.
    const std::vector<stakes::StakeRecord> one = {stake(1, 1, 0), stake(1, 2, 0)};
    EXPECT_FALSE(LatestDrawsStart(one.size(), reader(one)));
    EXPECT_THROW(SelectedStakesChart(one.size(), reader(one), keys, StakeMeasure::Matches), Error);
    EXPECT_THROW(SelectedStakesChart(records.size(), reader(records), {}, StakeMeasure::Matches), Error);
    const std::vector<stakes::StakeRecord> two = {stake(1, 1, 0), stake(2, 2, 0)};
    EXPECT_EQ(LatestDrawsStart(two.size(), reader(two)), 0u);
}

TEST(StakeGraphs, MatchDistributionAgainstChance)
{
    stakes::RatingRecord a;
    a.Key = "a";
    a.Count = 1000;
    a.MatchCounts = {400, 420, 150, 25, 4, 1, 0};
    stakes::RatingRecord b;
    b.Key = "b";
    b.Count = 10;
    const std::vector<stakes::RatingRecord> rows = {a, b};
    const Chart chart = MatchDistributionChart(rows);
    ASSERT_EQ(chart.Series.size(), 3u);
    EXPECT_EQ(chart.Series[0].Title, ChanceSeriesTitle);
    EXPECT_EQ(chart.Series[0].Color, Gray);
    // C(6,3)·C(39,3) x 1000 / C(45,6)
    EXPECT_NEAR(chart.Series[0].Points[3].Y, 20.0 * 9139 * 1000 / 8145060.0, 1e-9);
    EXPECT_EQ(chart.Series[1].Points[1].Y, 420);
    EXPECT_EQ(chart.Series[2].Points.size(), 7u);
}
