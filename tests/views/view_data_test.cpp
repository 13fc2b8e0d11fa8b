// The data of the four analysis views on small hand-built archives.

#include <gtest/gtest.h>

#include "helpers/draws_builder.h"
#include "helpers/stats_fixture.h"
#include "views/draw_card.h"
#include "views/method_graph.h"
#include "views/number_layout.h"
#include "views/week_grid.h"

using namespace belvane;
using namespace belvane::views;
using belvane::testing::makeDraw;

namespace {

// Draw n holds n, n+1, ..., n+5 (numbers above 45 wrap round).
model::TDrawsArray risingDraws(int count)
{
    model::TDrawsArray draws;
    for (int n = 1; n <= count; ++n) {
        model::TComb balls{};
        for (int k = 0; k < 6; ++k)
            balls[static_cast<size_t>(k)] = static_cast<model::Ball>((n + k - 1) % 45 + 1);
        draws.push_back(makeDraw(n, balls, 7, "01/01/2000"));
    }
    return draws;
}

} // namespace

TEST(DrawWindow, EndsAtTheOffsetAndStartsAtTheFirstDrawWhenLonger)
{
    const DrawWindow w = WindowAt(100, 2, 10);
    EXPECT_EQ(w.First, 88);
    EXPECT_EQ(w.Last, 97);
    const DrawWindow all = WindowAt(100, 0, 1000);
    EXPECT_EQ(all.First, 0);
    EXPECT_EQ(all.Size(), 100);
    EXPECT_TRUE(WindowAt(0, 0, 10).Empty());
    EXPECT_TRUE(WindowAt(5, 5, 10).Empty());

    const model::TDrawsArray draws = risingDraws(100);
    // The 99th draw follows a window that ends at the 98th.
    const std::vector<int> next = NextDrawSet(draws, 2);
    EXPECT_EQ(next, (std::vector<int>{9, 10, 11, 12, 13, 14}));
    EXPECT_TRUE(NextDrawSet(draws, 0).empty());
    EXPECT_TRUE(NextDrawSet(draws, 100).empty());
}

TEST(NumberLayout, RowsAreCountsColumnsAreNewestDrawsAndTheNextDrawIsBracketed)
{
    model::TDrawsArray draws = {
        makeDraw(10, {1, 2, 3, 4, 5, 6}), makeDraw(11, {1, 2, 3, 7, 8, 9}), makeDraw(12, {1, 2, 10, 11, 12, 13}),
        makeDraw(13, {1, 20, 21, 22, 23, 24}), // the draw after the window at offset 1
    };
    const TShemaArray numbers = CountWindowNumbers(draws, WindowAt(4, 1, 100));
    // Newest first: draw 12's numbers, then 11's new ones, then 10's.
    ASSERT_EQ(numbers.size(), 13u);
    EXPECT_EQ(numbers[0].Number, 1);
    EXPECT_EQ(numbers[0].Count, 3);
    EXPECT_EQ(numbers[0].LastDraw, 12);
    EXPECT_EQ(numbers[6].Number, 3);
    EXPECT_EQ(numbers[6].Count, 2);
    EXPECT_EQ(numbers[6].LastDraw, 11);

    const NumberLayout layout = BuildNumberLayout(numbers, NextDrawSet(draws, 1), true);
    EXPECT_EQ(layout.Counts, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(layout.DrawNumbers, (std::vector<int>{12, 11, 10}));
    EXPECT_EQ(layout.Cells[0][0].Text, "[1], 2"); // in every draw of the window
    EXPECT_TRUE(layout.Cells[0][0].HasNextDraw);
    EXPECT_EQ(layout.Cells[0][0].Color, Lime);
    EXPECT_TRUE(layout.Cells[1][0].Text.empty());
    EXPECT_EQ(layout.Cells[1][1].Text, "3");
    EXPECT_EQ(layout.Cells[2][0].Text, "10, 11, 12, 13");
    EXPECT_EQ(layout.Cells[2][1].Text, "7, 8, 9");
    EXPECT_EQ(layout.Cells[2][2].Text, "4, 5, 6");
    EXPECT_TRUE(layout.Cells[0][1].Text.empty());
    // The gradient over a 4 x 4 grid: row 1, column 2.
    EXPECT_EQ(layout.Cells[0][1].Color, (Rgb{216, 178, 139}));
}

TEST(NumberLayout, ChequerBandsOfFive)
{
    EXPECT_EQ(LayoutChequerColor(1, 1), LayoutGreen);
    EXPECT_EQ(LayoutChequerColor(1, 6), LayoutPink);
    EXPECT_EQ(LayoutChequerColor(6, 6), LayoutGreen);
    EXPECT_EQ(LayoutChequerColor(0, 5), LayoutPink);
    EXPECT_EQ(LayoutChequerColor(95, 0), LayoutPink);
    EXPECT_EQ(LayoutChequerColor(101, 0), LayoutGreen); // above 95 counts as outside the bands
    EXPECT_EQ(LayoutGradientColor(2, 3, 4, 6), (Rgb{178, 178, 178}));
}

TEST(NumberLayout, CompareListsGroupNumbersByCountInTheOrderCountsAppear)
{
    model::TDrawsArray draws = {makeDraw(5, {1, 2, 3, 4, 5, 6}), makeDraw(6, {1, 2, 3, 7, 8, 9}),
                                makeDraw(7, {1, 40, 41, 42, 43, 44})};
    const LayoutCompareList list = BuildCompareList(draws, WindowAt(3, 0, 2));
    EXPECT_EQ(list.Heading, "6 - 7");
    ASSERT_EQ(list.Items.size(), 2u);
    EXPECT_EQ(list.Items[0].Count, 2);
    EXPECT_EQ(list.Items[0].Numbers, "1");
    EXPECT_EQ(list.Items[1].Count, 1);
    EXPECT_EQ(list.Items[1].Numbers, "40, 41, 42, 43, 44, 2, 3, 7, 8, 9");
    EXPECT_TRUE(BuildCompareList(draws, WindowAt(0, 0, 2)).Items.empty());
}

TEST(DrawCard, RepeatsAndRunsGetTheirColoursAndTheOtherCellsTheirChannels)
{
    // Oldest first; the card shows the newest in its first row.
    model::TDrawsArray draws = {
        makeDraw(1, {10, 11, 30, 40, 44, 2}, 5),
        makeDraw(2, {10, 20, 30, 31, 45, 1}, 9),
    };
    const std::vector<CardRow> rows = BuildDrawCard(draws, {true, true, 5});
    ASSERT_EQ(rows.size(), 2u);
    const CardRow& newest = rows[0];
    EXPECT_EQ(newest.DrawNumber, 2);
    EXPECT_EQ(newest.Extra, 9);
    EXPECT_EQ(newest.Classes[10], CardCellClass::Repeat);    // repeated, no neighbour drawn
    EXPECT_EQ(newest.Classes[30], CardCellClass::RunRepeat); // repeated next to 31
    EXPECT_EQ(newest.Classes[31], CardCellClass::Run);       // next to 30, not repeated
    EXPECT_EQ(newest.Classes[20], CardCellClass::Channel);
    EXPECT_EQ(newest.Classes[21], CardCellClass::Channel); // empty cells take the channel colour
    // 1 has no left neighbour (the draw-number column), 45 no right one (the extra column).
    EXPECT_EQ(newest.Classes[1], CardCellClass::Channel);
    EXPECT_EQ(newest.Classes[45], CardCellClass::Channel);
    EXPECT_EQ(rows[1].Classes[11], CardCellClass::Run);
    EXPECT_EQ(rows[1].Classes[10], CardCellClass::RunRepeat);

    EXPECT_EQ(CardCellColor(CardCellClass::RunRepeat, 30, 5), Yellow);
    EXPECT_EQ(CardCellColor(CardCellClass::Repeat, 10, 5), Lime);
    EXPECT_EQ(CardCellColor(CardCellClass::Run, 31, 5), Aqua);
    EXPECT_EQ(CardCellColor(CardCellClass::Channel, 6, 5), ChannelColor(2));

    const std::vector<CardRow> plain = BuildDrawCard(draws, {false, false, 5});
    EXPECT_EQ(plain[0].Classes[30], CardCellClass::Plain);
    const std::vector<CardRow> channelsOnly = BuildDrawCard(draws, {true, false, 5});
    EXPECT_EQ(channelsOnly[0].Classes[30], CardCellClass::Channel);
}

TEST(WeekGrid, CountsNumbersByWeekdayAndSkipsUnreadableDates)
{
    model::TDrawsArray draws = {
        makeDraw(1, {1, 2, 3, 4, 5, 6}, 7, "06/01/2024"),     // Saturday
        makeDraw(2, {1, 2, 3, 4, 5, 7}, 7, "08/01/2024"),     // Monday
        makeDraw(3, {1, 9, 10, 11, 12, 13}, 7, "13/01/2024"), // Saturday
        makeDraw(4, {1, 9, 10, 11, 12, 13}, 7, "3x/01/2024"), // no date
    };
    const WeekGrid grid = BuildWeekGrid(draws, WindowAt(4, 0, 100));
    EXPECT_EQ(grid.Counts[6][1], 2);
    EXPECT_EQ(grid.Counts[1][1], 1);
    EXPECT_EQ(grid.Counts[1][7], 1);
    EXPECT_EQ(grid.Counts[6][9], 1);
    EXPECT_EQ(grid.Counts[7][1], 0);
    EXPECT_EQ(grid.Max, 2);
    EXPECT_EQ(WeekCellColor(2, 2), (Rgb{255, 0, 0}));
    EXPECT_EQ(WeekCellColor(1, 2), (Rgb{255, 128, 128}));
    EXPECT_EQ(WeekCellColor(0, 2), White);

    const WeekdayNames names = RussianWeekdayNames();
    const Chart byNumber = WeekChart(grid, WeekChartMode::ByNumber, false, 6, 1, names);
    ASSERT_EQ(byNumber.Series.size(), 1u);
    EXPECT_EQ(byNumber.Series[0].Kind, SeriesKind::Bar);
    ASSERT_EQ(byNumber.Series[0].Points.size(), 45u);
    EXPECT_EQ(byNumber.Series[0].Points[0].Y, 2);
    EXPECT_EQ(byNumber.Series[0].Points[8].Label, "9");
    const Chart byDay = WeekChart(grid, WeekChartMode::ByWeekday, true, 1, 1, names);
    ASSERT_EQ(byDay.Series[0].Points.size(), 7u);
    EXPECT_EQ(byDay.Series[0].Points[5].Y, 2);
    EXPECT_EQ(byDay.Series[0].Points[5].Label, "Сб");
    EXPECT_EQ(byDay.Series[0].Kind, SeriesKind::Line);
    EXPECT_EQ(byDay.Series[0].MarkerSize, 2);
}

TEST(MethodGraph, ValuesPerDrawWithTheMeanAndTheFirstMostFrequentValue)
{
    belvane::testing::StatsFixture f({makeDraw(1, {1, 2, 3, 4, 5, 6}), makeDraw(2, {1, 2, 3, 4, 5, 7}),
                                      makeDraw(3, {1, 2, 3, 4, 5, 7}), makeDraw(4, {1, 2, 3, 4, 5, 6}),
                                      makeDraw(5, {10, 2, 3, 4, 5, 6})});
    const int entry = f.list.FindMethod("SUMS");
    ASSERT_GE(entry, 0);
    // The window ends one draw before the newest.
    const MethodGraph graph = BuildMethodGraph(f.list, entry, WindowAt(5, 1, 100), false);
    ASSERT_EQ(graph.Values.size(), 4u);
    EXPECT_EQ(graph.Values[0].X, 1);
    EXPECT_EQ(graph.Values[0].Y, 21);
    EXPECT_EQ(graph.Values[1].Y, 22);
    EXPECT_EQ(graph.Values[3].Label, "4");
    EXPECT_DOUBLE_EQ(graph.Mean, 21.5);
    EXPECT_EQ(graph.MostFrequent, 21); // 21 and 22 come twice each; 21 came first

    const Chart chart = MethodGraphChart(graph, false);
    ASSERT_EQ(chart.Series.size(), 3u);
    EXPECT_EQ(chart.Series[1].Title, MeanSeriesTitle);
    EXPECT_EQ(chart.Series[2].Points[2].Y, 21);
    EXPECT_EQ(chart.Series[0].Color, Green);
    EXPECT_TRUE(MethodGraphChart(BuildMethodGraph(f.list, entry, WindowAt(0, 0, 10), false), true).Series.empty());
    // A method without a graph gives no values.
    EXPECT_TRUE(BuildMethodGraph(f.list, f.list.FindMethod("NUMS"), WindowAt(5, 0, 10), false).Values.empty());
}

TEST(Chart, AddPointFindsSeriesByTitleWhateverTheCase)
{
    Chart chart;
    AddPoint(chart, 1, "Серия", 5, true, true, Red);
    AddPoint(chart, 2, "СЕРИЯ", 6, false, false, Blue);
    ASSERT_EQ(chart.Series.size(), 1u);
    EXPECT_EQ(chart.Series[0].Points.size(), 2u);
    EXPECT_EQ(chart.Series[0].MarkerSize, 3);
    EXPECT_TRUE(chart.Series[0].MarksFollowToggle);
    EXPECT_EQ(chart.Series[0].Color, Red);
    EXPECT_EQ(chart.Series[0].Points[1].Label, "2");
}
