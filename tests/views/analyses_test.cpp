// The sums distribution over every combination and the repeats by draw.

#include <gtest/gtest.h>

#include "helpers/draws_builder.h"
#include "views/repeats_analysis.h"
#include "views/sum_distribution.h"

using namespace belvane;
using namespace belvane::views;
using belvane::testing::makeDraw;

TEST(SumDistribution, TheFullSetPeaksAt138AndGivesTheThreeRanges)
{
    const model::TDrawsArray draws = {makeDraw(1, {1, 2, 3, 4, 5, 6}), makeDraw(2, {40, 41, 42, 43, 44, 45}),
                                      makeDraw(3, {6, 5, 4, 3, 2, 1})};
    const SumDistribution d = BuildSumDistribution(draws);
    ASSERT_EQ(d.Theoretical.size(), 235u); // sums 21..255
    EXPECT_EQ(d.Theoretical.front().Key, 21);
    EXPECT_EQ(d.Theoretical.back().Key, 255);
    int64_t total = 0;
    for (const stats::TStatSimple& t : d.Theoretical) {
        total += t.Value;
        if (t.Value == d.MaxTheoretical) {
            EXPECT_EQ(t.Key, 138);
        }
    }
    EXPECT_EQ(total, model::FullSetSize);
    EXPECT_EQ(d.MaxTheoretical, 105690);
    EXPECT_EQ(d.MinTheoretical, 1);
    EXPECT_EQ(d.Ranges[0].Low, 93);
    EXPECT_EQ(d.Ranges[0].High, 183);
    EXPECT_EQ(d.Ranges[1].Low, 102);
    EXPECT_EQ(d.Ranges[1].High, 174);
    EXPECT_EQ(d.Ranges[2].Low, 110);
    EXPECT_EQ(d.Ranges[2].High, 166);
    EXPECT_EQ(d.Ranges[0].Threshold, 1 + 105690 / 3);

    ASSERT_EQ(d.Actual.size(), 2u);
    EXPECT_EQ(d.Actual[0].Key, 21);
    EXPECT_EQ(d.Actual[0].Value, 2);
    EXPECT_EQ(d.MaxActual, 2);

    const Chart chart = SumDistributionChart(d);
    ASSERT_EQ(chart.Series.size(), 5u);
    EXPECT_EQ(chart.Series[0].Title, ActualSumsTitle);
    EXPECT_EQ(chart.Series[4].Title, "Диапазон 3 (от 2/3 и выше по оси Y) - суммы 110-166");
    // The combinations' counts are scaled to the draws' largest count.
    EXPECT_DOUBLE_EQ(chart.Series[1].Points[138 - 21].Y, 2.0);
}

TEST(SumDistribution, AnEmptyArchiveScalesEverythingToZero)
{
    const SumDistribution d = BuildSumDistribution({});
    EXPECT_TRUE(d.Actual.empty());
    EXPECT_EQ(d.MaxActual, 0);
    const Chart chart = SumDistributionChart(d);
    ASSERT_EQ(chart.Series.size(), 4u); // no draws' series
    for (const ChartSeries& s : chart.Series)
        for (const ChartPoint& p : s.Points)
            EXPECT_EQ(p.Y, 0);
}

TEST(Repeats, RowsPerDrawAndMatchCountInTheOrderMet)
{
    const model::TDrawsArray draws = {
        makeDraw(1, {1, 2, 3, 4, 5, 6}),
        makeDraw(2, {1, 2, 10, 11, 12, 13}),
        makeDraw(3, {20, 21, 22, 23, 24, 25}), // shares nothing with the two before
        makeDraw(4, {1, 2, 3, 20, 30, 31}),
    };
    const auto table = AnalyzeRepeats(draws, 100, 100);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->MaxMatches, 3);
    // Draw 4: draw 3 shares 1 number, draw 2 shares 2, draw 1 shares 3; then draw 2 with draw 1.
    ASSERT_EQ(table->Rows.size(), 4u);
    EXPECT_EQ(table->Rows[0].DrawNumber, 4);
    EXPECT_EQ(table->Rows[0].Matches, 1);
    EXPECT_EQ(table->Rows[0].EarlierText(), "3");
    EXPECT_EQ(table->Rows[2].Matches, 3);
    EXPECT_EQ(table->Rows[3].DrawNumber, 2);
    EXPECT_EQ(table->Rows[3].Matches, 2);
    EXPECT_EQ(table->Rows[3].Count(), 1);

    // A depth of one compares each draw with the one before only.
    const auto shallow = AnalyzeRepeats(draws, 2, 1);
    ASSERT_EQ(shallow->Rows.size(), 1u);
    EXPECT_EQ(shallow->Rows[0].DrawNumber, 4);

    const Chart chart = RepeatsChart(*table);
    ASSERT_EQ(chart.Series.size(), 3u);
    EXPECT_EQ(chart.Series[1].Title, "Совпадений: 2");
    // Rows are added from the last to the first.
    ASSERT_EQ(chart.Series[1].Points.size(), 2u);
    EXPECT_EQ(chart.Series[1].Points[0].X, 2);
    EXPECT_EQ(chart.Series[1].Points[1].X, 4);

    int calls = 0;
    EXPECT_FALSE(AnalyzeRepeats(draws, 100, 100, [&](int, int) { return ++calls < 2; }));
}

TEST(Repeats, TheChartStepsOnceARowAndStopsWhenAsked)
{
    const model::TDrawsArray draws = {
        makeDraw(1, {1, 2, 3, 4, 5, 6}),
        makeDraw(2, {1, 2, 10, 11, 12, 13}),
        makeDraw(3, {1, 21, 22, 23, 24, 25}),
        makeDraw(4, {1, 2, 3, 20, 30, 31}),
    };
    const auto table = AnalyzeRepeats(draws, 100, 100);
    ASSERT_TRUE(table);
    std::vector<std::pair<int, int>> told;
    const auto chart = RepeatsChart(*table, [&](int done, int total) {
        told.emplace_back(done, total);
        return true;
    });
    ASSERT_TRUE(chart);
    const int rows = static_cast<int>(table->Rows.size());
    ASSERT_EQ(static_cast<int>(told.size()), rows + 1);
    for (int i = 0; i <= rows; ++i)
        EXPECT_EQ(told[static_cast<size_t>(i)], std::pair(i, rows));
    EXPECT_EQ(chart->Series.size(), RepeatsChart(*table).Series.size());

    int calls = 0;
    EXPECT_FALSE(RepeatsChart(*table, [&](int, int) { return ++calls < 2; }));
    EXPECT_EQ(calls, 2);
}

TEST(Repeats, DrawsSharingAFewNumbersWithManyEarlierOnesListThemNewestFirst)
{
    model::TDrawsArray draws;
    for (int n = 1; n <= 5; ++n)
        draws.push_back(makeDraw(n, {1, static_cast<model::Ball>(10 + n), 20, 21, 22, 23}));
    const auto table = AnalyzeRepeats(draws, 1, 1000);
    ASSERT_EQ(table->Rows.size(), 1u);
    EXPECT_EQ(table->Rows[0].Matches, 5);
    EXPECT_EQ(table->Rows[0].EarlierText(), "4 3 2 1");
}
