#include <gtest/gtest.h>

#include <random>

#include "app/draws_stat_table.h"
#include "helpers/stats_fixture.h"

namespace belvane::app {
namespace {

using testing::makeDraw;
using testing::StatsFixture;

// Three draws: 1 comes in the first and the last, 12 only in the second.
StatsFixture threeDraws()
{
    return StatsFixture(
        {makeDraw(1, {1, 2, 3, 4, 5, 6}), makeDraw(2, {7, 8, 9, 10, 11, 12}), makeDraw(3, {1, 13, 14, 15, 16, 17})});
}

DrawsStatTable table(StatsFixture& f, std::string_view id, int offset, int length = 1000,
                     const PrefetchData* prefetch = nullptr)
{
    DrawsStatRequest r;
    r.Entry = f.list.FindMethod(id);
    r.Offset = offset;
    r.Length = length;
    r.Prefetch = prefetch;
    return CalculateDrawsStat(f.list, r);
}

const DrawsStatRow& rowOf(const DrawsStatTable& t, int v1)
{
    for (const auto& row : t.Rows)
        if (row.Value.V1 == v1)
            return row;
    throw std::runtime_error("no row");
}

std::vector<std::string> cells(const DrawsStatRow& row)
{
    return {row.Cells.begin(), row.Cells.end()};
}

TEST(DrawsStatTable, FullWindowColumns)
{
    auto f = threeDraws();
    const auto t = table(f, "NUMS", 0);
    EXPECT_EQ(t.Window.Count(), 3);
    EXPECT_EQ(t.Totals.Total, 18);
    ASSERT_EQ(t.Rows.size(), 45u);
    // 1: twice, last in draw 3 (depth 1), gaps of 2 draws; nothing after draw 3.
    // ПРД 1.5 + 3 = 4.5 and СТФ 3 * 3 / 2 = 4.5 both round to the even 4.
    EXPECT_EQ(cells(rowOf(t, 1)),
              (std::vector<std::string>{"1", "2",      "11.11111", "-", "-", "-", "1", "33.33", "1.00", "3",
                                        "2", "1.5000", "2",        "4", "4", "5", "-", "-",     "-",    "-"}));
    // 12: once, depth 2; fewer than two occurrences leave the period columns empty.
    // КРН 3 * 3 / 2 = 4.5 rounds to 4.
    EXPECT_EQ(cells(rowOf(t, 12)),
              (std::vector<std::string>{"12", "1", "5.55556", "-", "-", "-", "2", "66.67", "2.00", "2",
                                        "-",  "-", "-",       "-", "4", "4", "-", "-",     "-",    "-"}));
    // 18: never came.
    const auto never = cells(rowOf(t, 18));
    EXPECT_EQ(never[1], "0");
    EXPECT_EQ(never[2], "0.00000");
    for (size_t c = 6; c < never.size(); ++c)
        EXPECT_EQ(never[c], "-") << c;
    EXPECT_FALSE(rowOf(t, 18).Numbers[StatColAgo].has_value());
    EXPECT_EQ(*rowOf(t, 1).Numbers[StatColPeriod], 1.5);
}

TEST(DrawsStatTable, OffsetShowsWhatCameNext)
{
    auto f = threeDraws();
    const auto t = table(f, "NUMS", 1);
    EXPECT_EQ(t.Window.Last, 1);
    // 1 came in draw 1 of the window (depth 2) and again in draw 3.
    const auto one = cells(rowOf(t, 1));
    EXPECT_EQ(one[StatColAgo], "2");
    EXPECT_EQ(one[StatColWaitStf], "2");
    EXPECT_EQ(one[StatColWaitKrn], "3");
    EXPECT_EQ(one[StatColFact], "3");
    EXPECT_EQ(one[StatColDiffPrd], "-"); // no ПРД expectation with one occurrence
    EXPECT_EQ(one[StatColDiffStf], "-1");
    EXPECT_EQ(one[StatColDiffKrn], "0");
    // 7 never came again.
    EXPECT_EQ(cells(rowOf(t, 7))[StatColFact], "-");
}

TEST(DrawsStatTable, WindowEdges)
{
    auto f = threeDraws();
    const auto single = table(f, "NUMS", 2); // offset = draws - 1: one draw
    EXPECT_EQ(single.Window.Count(), 1);
    EXPECT_EQ(single.Totals.Total, 6);
    EXPECT_EQ(cells(rowOf(single, 1))[StatColFact], "3");

    const auto beyond = table(f, "NUMS", 3); // before the first draw: seeds only
    EXPECT_EQ(beyond.Window.Count(), 0);
    ASSERT_EQ(beyond.Rows.size(), 45u);
    for (const auto& row : beyond.Rows) {
        EXPECT_EQ(row.Cells[StatColCount], "0");
        EXPECT_EQ(row.Cells[StatColCountPercent], "-");
        EXPECT_EQ(row.Cells[StatColAgo], "-");
    }

    const auto shortWindow = table(f, "NUMS", 0, 1);
    EXPECT_EQ(shortWindow.Window.First, 2);
    EXPECT_EQ(rowOf(shortWindow, 12).Cells[StatColCount], "0");

    StatsFixture empty;
    EXPECT_TRUE(table(empty, "NUMS", 0).Rows.empty());
}

TEST(DrawsStatTable, ExpectedCountsFromTheFullSet)
{
    auto f = threeDraws();
    PrefetchData equal; // every number equally frequent over the full set
    for (int16_t n = 1; n <= 45; ++n)
        equal.Records.push_back({n, 0, 0, 0, 1'086'008});
    equal.MinCount = equal.MaxCount = 1'086'008;
    const auto t = table(f, "NUMS", 0, 1000, &equal);
    EXPECT_TRUE(t.PrefetchUsed);
    // Scale (0 + 2) / 2 / M: one expected occurrence per number.
    EXPECT_EQ(cells(rowOf(t, 1))[StatColExpected], "1");
    EXPECT_EQ(cells(rowOf(t, 1))[StatColDeviation], "1");
    EXPECT_EQ(cells(rowOf(t, 1))[StatColDeviationPercent], "100.00000");
    EXPECT_EQ(cells(rowOf(t, 18))[StatColDeviationPercent], "-100.00000");

    PrefetchData uneven;
    uneven.Records = {{1, 0, 0, 0, 100}, {2, 0, 0, 0, 25}, {99, 0, 0, 0, 50}};
    uneven.MinCount = 25;
    uneven.MaxCount = 100;
    const auto u = table(f, "NUMS", 0, 1000, &uneven);
    // Scale: window max 2 / file max 100.
    EXPECT_EQ(cells(rowOf(u, 1))[StatColExpected], "2");
    EXPECT_EQ(cells(rowOf(u, 2))[StatColExpected], "0"); // 0.5 rounds to even
    // A window value the file lacks keeps 0 expected; a file value the window lacks gets no row.
    EXPECT_EQ(cells(rowOf(u, 3))[StatColExpected], "0");
    EXPECT_EQ(cells(rowOf(u, 3))[StatColDeviationPercent], "100.00000");
    EXPECT_THROW(rowOf(u, 99), std::runtime_error);
    // The chart walks the file: both series at file positions, labelled with value texts.
    ASSERT_EQ(u.Chart.Total.size(), 3u);
    EXPECT_EQ(u.Chart.Total[2].Label, "99");
    EXPECT_DOUBLE_EQ(u.Chart.Total[0].Value, 2.0);
    ASSERT_EQ(u.Chart.Actual.size(), 2u);
    EXPECT_EQ(u.Chart.Actual[1].Index, 2);
}

TEST(DrawsStatTable, ChartWithoutPrefetchIsSortedByKey)
{
    auto f = threeDraws();
    const auto t = table(f, "EVEN", 0);
    EXPECT_TRUE(t.Chart.Total.empty());
    ASSERT_FALSE(t.Chart.Actual.empty());
    ASSERT_EQ(t.Chart.Actual.size(), 6u); // the counts 1..6 listed in advance; 0 never came
    EXPECT_EQ(t.Chart.Actual.front().Label, "1:5");
    EXPECT_EQ(t.Chart.Actual.back().Label, "6:0");
    EXPECT_DOUBLE_EQ(t.Chart.Actual[1].Value, 1); // 2 evens: the last draw
    EXPECT_DOUBLE_EQ(t.Chart.Actual[2].Value, 2); // 3 evens: the first two
}

// HCO3 shows the candidates of the newest draw with Count 0 where the next
// draw missed them: nothing to divide by, so "Ожд. СТФ" and its difference
// show "-" there.
TEST(DrawsStatTable, ValuesShownWithoutCount)
{
    StatsFixture f({makeDraw(1, {1, 9, 17, 25, 33, 41}), makeDraw(2, {7, 15, 18, 29, 38, 45}),
                    makeDraw(3, {3, 12, 27, 40, 41, 42})});
    const auto t = table(f, "HCO3", 1);
    ASSERT_EQ(t.Rows.size(), 9u);
    EXPECT_EQ(t.Totals.Total, 3);
    EXPECT_EQ(cells(rowOf(t, 24)),
              (std::vector<std::string>{"24", "0", "0.00000", "-", "-", "-", "1", "100.00", "1.00", "2",
                                        "-",  "-", "-",       "-", "-", "6", "-", "-",      "-",    "-"}));
    EXPECT_EQ(cells(rowOf(t, 27))[14], "4"); // 2 * 2 / 1
    // With every candidate missed, the count percentages have no total either.
    StatsFixture missed({makeDraw(1, {7, 15, 18, 29, 38, 45}), makeDraw(2, {1, 2, 4, 5, 7, 8})});
    const auto none = table(missed, "HCO3", 1);
    ASSERT_FALSE(none.Rows.empty());
    for (const auto& row : none.Rows) {
        EXPECT_EQ(row.Cells[StatColCountPercent], "-");
        EXPECT_EQ(row.Cells[StatColWaitStf], "-");
        EXPECT_FALSE(row.Numbers[StatColWaitStf].has_value());
    }
}

// "Факт" of a method whose draws' values are their own comes from one walk over
// the later draws; it agrees with searching for each row alone.
TEST(DrawsStatTable, FactOfEveryRowAgreesWithItsOwnSearch)
{
    std::mt19937 rng(9);
    model::TDrawsArray draws;
    for (int i = 0; i < 80; ++i) {
        model::TComb c{};
        for (auto& n : c)
            n = static_cast<model::Ball>(1 + rng() % 12); // few numbers: values repeat often
        draws.push_back(makeDraw(500 + 2 * i, c));
    }
    StatsFixture f(draws);
    for (const char* id : {"KNM2", "KNS3", "SEQL", "COLV", "HCO2"})
        for (int offset : {0, 10, 40}) {
            auto stat = f.create(id);
            const auto t = table(f, id, offset, 25);
            int facts = 0;
            for (const auto& row : t.Rows) {
                int expected = -1;
                if (row.Value.Ago != 0)
                    expected = stat->FindNextDraw(row.Value, model::IndexOfNumber(f.draws, row.Value.LastDraw) + 1,
                                                  false, t.Window.Last);
                EXPECT_EQ(row.Cells[StatColFact], expected < 0 ? "-" : std::to_string(expected)) << id << " " << offset;
                facts += expected >= 0 ? 1 : 0;
            }
            EXPECT_EQ(facts > 0, offset > 0) << id << " " << offset;
        }
}

TEST(DrawsStatTable, WeightOptions)
{
    stats::TStatDraw v;
    v.Count = 4;
    v.Expected = 5;
    v.Ago = 3;
    stats::ValueTotals totals;
    totals.Total = 20;
    totals.MaxAgo = 6;
    stats::WeightCoefficients w{2, 3, 1, false, false};
    EXPECT_DOUBLE_EQ(static_cast<double>(StatWeight(v, totals, true, w)), 2 * 4 + 3 * -1 + 3);
    EXPECT_DOUBLE_EQ(static_cast<double>(StatWeight(v, totals, false, w)), 2 * 4 + 3);
    w.UsePercents = true;
    EXPECT_DOUBLE_EQ(static_cast<double>(StatWeight(v, totals, true, w)), 2 * 20 + 3 * -20 + 50);
    w.UseAbsValues = true;
    EXPECT_DOUBLE_EQ(static_cast<double>(StatWeight(v, totals, true, w)), 2 * 20 + 3 * 20 + 50);
}

TEST(DrawsStatTable, RunnerTablesNeverLookPastTheOffset)
{
    auto f = threeDraws();
    DrawsStatRequest r;
    r.Entry = f.list.FindMethod("NUMS");
    r.Offset = 1;
    r.FindFacts = false;
    const auto t = CalculateDrawsStat(f.list, r);
    for (int c : {StatColFact, StatColDiffPrd, StatColDiffStf, StatColDiffKrn})
        EXPECT_EQ(rowOf(t, 1).Cells[static_cast<size_t>(c)], "-") << c; // 1 came again in draw 3
    EXPECT_EQ(rowOf(t, 1).Cells[StatColWaitKrn], "3");
}

TEST(StatRowOrder, StableWithCellsWithoutValueBelowEveryNumber)
{
    // Column "Количество" holds 5, -, 9, 5.
    std::vector<DrawsStatRow> rows(4);
    const std::optional<double> counts[] = {5, std::nullopt, 9, 5};
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i].Numbers[StatColCount] = counts[i];
    EXPECT_EQ(StatRowOrder(rows, StatColCount, true), (std::vector<int>{2, 0, 3, 1}));
    EXPECT_EQ(StatRowOrder(rows, StatColCount, false), (std::vector<int>{1, 0, 3, 2}));
    // The value column sorts in the method's own order; a column the table lacks leaves it.
    EXPECT_EQ(StatRowOrder(rows, StatColValue, true), (std::vector<int>{3, 2, 1, 0}));
    EXPECT_EQ(StatRowOrder(rows, DrawsStatColumnCount, true), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(StatRowOrder(rows, -1, false), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_TRUE(StatRowOrder({}, StatColCount, true).empty());
}

} // namespace
} // namespace belvane::app
