// The decisions that keep the charts readable: ticks, mark texts, drawing
// order, colours and marks that do not cover one another.

#include <gtest/gtest.h>

#include <cmath>

#include "views/chart_layout.h"

using namespace belvane::views;

TEST(ChartLayout, WholeAxesTickAtWholeNumbersOnly)
{
    // Matches 0..6, a narrow range of draw numbers, counts of 0..3: steps of
    // 0.5 would print the same whole number twice or fractional draws.
    for (auto [lo, hi] : {std::pair{0.0, 6.0}, {1201.0, 1204.0}, {0.0, 3.0}, {5.0, 5.0}}) {
        const AxisScale s = ScaleAxis(lo, hi, true, 8, false);
        EXPECT_GE(s.Step, 1.0) << lo << ".." << hi;
        EXPECT_EQ(s.Step, std::floor(s.Step));
        EXPECT_EQ(s.Decimals, 0);
    }
    // Many draws: a round step, and the range stays the draws' own.
    const AxisScale draws = ScaleAxis(1000, 1987, true, 10, false);
    EXPECT_EQ(draws.Step, 100);
    EXPECT_EQ(draws.Min, 1000);
    EXPECT_EQ(draws.Max, 1987);
}

TEST(ChartLayout, FractionalAxesShowTheDecimalsTheirStepNeeds)
{
    const AxisScale money = ScaleAxis(-2, 1.5, false, 8, true);
    EXPECT_DOUBLE_EQ(money.Step, 0.5);
    EXPECT_EQ(money.Decimals, 1);
    EXPECT_DOUBLE_EQ(money.Min, -2);
    EXPECT_DOUBLE_EQ(money.Max, 1.5);
    const AxisScale fine = ScaleAxis(0, 0.3, false, 8, true);
    EXPECT_DOUBLE_EQ(fine.Step, 0.05);
    EXPECT_EQ(fine.Decimals, 2);
    // Nice ends widen to the ticks around the values.
    const AxisScale jackpot = ScaleAxis(0, 1'050'000, false, 8, true);
    EXPECT_EQ(jackpot.Step, 200'000);
    EXPECT_EQ(jackpot.Max, 1'200'000);
    EXPECT_EQ(jackpot.Decimals, 0);
}

TEST(ChartLayout, ValueTextsNeverUseExponents)
{
    EXPECT_EQ(ValueText(1'000'000), "1000000");
    EXPECT_EQ(ValueText(-999'998), "-999998");
    EXPECT_EQ(ValueText(2.5), "2.50");
    EXPECT_EQ(ValueText(1e-7), "0.00");
    EXPECT_EQ(ValueText(-1e-7), "0.00");
    EXPECT_EQ(ValueText(12345678.126), "12345678.13");
}

TEST(ChartLayout, WholeValuesAreRecognisedPerAxis)
{
    Chart chart;
    chart.Series.push_back({"a", SeriesKind::Line, {{1, 2.5, ""}, {2, 3, ""}}});
    EXPECT_TRUE(AllWholeX(chart));
    EXPECT_FALSE(AllWholeY(chart));
}

TEST(ChartLayout, LinesRunInAscendingX)
{
    Chart chart;
    chart.Series.push_back({"a", SeriesKind::Line, {{7, 1, "first"}, {3, 2, ""}, {7, 3, "second"}, {5, 4, ""}}});
    chart.Series.push_back({"bars", SeriesKind::Bar, {{2, 0, ""}, {1, 0, ""}}});
    SortPointsByX(chart);
    const auto& p = chart.Series[0].Points;
    EXPECT_EQ(p[0].X, 3);
    EXPECT_EQ(p[1].X, 5);
    EXPECT_EQ(p[2].Label, "first"); // equal X keep their order
    EXPECT_EQ(p[3].Label, "second");
    EXPECT_EQ(chart.Series[1].Points[0].X, 2); // bars keep their categories' order

    Chart categories;
    categories.CategoryAxis = true;
    categories.Series.push_back({"c", SeriesKind::Line, {{2, 0, ""}, {1, 0, ""}}});
    SortPointsByX(categories);
    EXPECT_EQ(categories.Series[0].Points[0].X, 2);
}

TEST(ChartLayout, EverySeriesGetsAColourOfItsOwn)
{
    Chart chart;
    ChartSeries chance{"chance"};
    chance.Color = Gray;
    chart.Series.push_back(chance);
    ChartSeries blue{"fixed"};
    blue.Color = PaletteColor(0);
    chart.Series.push_back(blue);
    for (int i = 0; i < 30; ++i)
        chart.Series.push_back({"row " + std::to_string(i)});
    GiveDistinctColors(chart);
    EXPECT_EQ(*chart.Series[0].Color, Gray); // given colours stay
    for (size_t i = 0; i < chart.Series.size(); ++i) {
        ASSERT_TRUE(chart.Series[i].Color) << i;
        for (size_t j = 0; j < i; ++j)
            EXPECT_FALSE(*chart.Series[i].Color == *chart.Series[j].Color) << i << " and " << j;
    }
    // The fixed blue is not handed out again to the first row.
    const Rgb first = *chart.Series[2].Color;
    EXPECT_GT(std::abs(first.R - 31) + std::abs(first.G - 119) + std::abs(first.B - 180), 100);
}

TEST(ChartLayout, MarksThatWouldCoverOthersStayHidden)
{
    // Three marks in a row, the second overlapping both; then one far away
    // and one touching the first's edge (touching is not covering).
    const std::vector<LabelBox> boxes = {
        {0, 0, 10, 5}, {8, 2, 10, 5}, {16, 0, 10, 5}, {100, 100, 10, 5}, {-10, 0, 10, 5},
    };
    EXPECT_EQ(PlaceLabels(boxes), (std::vector<bool>{true, false, true, true, true}));
    EXPECT_TRUE(PlaceLabels({}).empty());
    // A point's marker keeps marks off it.
    EXPECT_EQ(PlaceLabels({{0, 0, 10, 5}, {20, 0, 10, 5}}, {{22, 2, 4, 4}}), (std::vector<bool>{true, false}));
}

TEST(ChartLayout, CategoryTextsShrinkToTheirShare)
{
    EXPECT_EQ(FittingFontSize(9, 10, 100), 9); // room enough: the normal size
    EXPECT_EQ(FittingFontSize(9, 20, 10), 4);  // the share at 40 %: 1.8, never below 4
    const double size = FittingFontSize(10, 16, 16);
    EXPECT_LE(16 * size / 10, 16 * 0.4);
    EXPECT_EQ(FittingFontSize(9, 0, 10), 9);
}
