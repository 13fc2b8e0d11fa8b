// The repeat, serial and period methods through the command line tool on the real
// archive, checked against the stand-alone computation in
// repeats_series_periods_reference.cpp: their places in the method list, every cell of
// their statistics tables (with the default layout and with channels of four and a
// segment table using segment 0), and the filters of the full set.

#include <gtest/gtest.h>

#include <algorithm>

#include "reference/reference_support.h"
#include "reference/repeats_series_periods_reference.h"

namespace belvane::testing {
namespace {

using reference::TableRequest;
using repref::Layout;

constexpr int64_t kFullSetSize = 8'145'060;

reference::Draw draw(int number, std::array<int, 6> balls)
{
    return {.number = number, .balls = balls, .extra = 1, .date = "01/01/2000"};
}

// The cells of the first column, and the counts, of a table.
std::vector<std::pair<std::string, std::string>> valuesAndCounts(const std::vector<reference::TableRow>& rows)
{
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto& row : rows)
        if (row[1] != "0")
            out.emplace_back(row[0], row[1]);
    return out;
}

using Cells = std::vector<std::pair<std::string, std::string>>;

// ---- the reference on the worked examples ---------------------------------------------

TEST(RepeatsSeriesPeriodsReferenceSelf, WorkedExamples)
{
    const Layout layout;
    const TableRequest all{.len = 100};
    // 45 + 1 wraps to 1.
    const std::vector<reference::Draw> wrap{draw(1, {45, 3, 5, 7, 9, 11}), draw(2, {1, 45, 20, 22, 24, 26})};
    EXPECT_EQ(valuesAndCounts(repref::statisticsTable("PRV+1", layout, wrap, all)), (Cells{{"1", "1"}}));
    EXPECT_EQ(repref::statisticsTable("PRV+1", layout, wrap, all).size(), 6u);

    // 7 in draws 3, 4, 5 and 8 of eight.
    std::vector<reference::Draw> eight;
    for (int n = 1; n <= 8; ++n) {
        const bool seven = n == 3 || n == 4 || n == 5 || n == 8;
        eight.push_back(draw(n, {seven ? 7 : 8, 10 + n, 20 + n, 30 + n, 40, n == 8 ? 44 : 41}));
    }
    auto sevens = [&](const std::string& id) {
        Cells out;
        for (const auto& c : valuesAndCounts(repref::statisticsTable(id, layout, eight, all)))
            if (c.first.starts_with("7 x"))
                out.push_back(c);
        return out;
    };
    EXPECT_EQ(sevens("GRPV"), (Cells{{"7 x 3", "1"}, {"7 x 1", "1"}}));
    EXPECT_EQ(sevens("GRPP"), (Cells{{"7 x 2", "2"}}));
    const auto grpv = repref::statisticsTable("GRPV", layout, eight, all);
    EXPECT_EQ(grpv.front()[0], "7 x 3");
    EXPECT_EQ(grpv.front()[9], "5"); // the series' last draw
    EXPECT_EQ(grpv[5][0], "40 x 8"); // 40 is in every draw

    // Periods in draw numbers: 7 in draws numbered 100, 104 and 105.
    const std::vector<reference::Draw> gapped{draw(100, {7, 1, 2, 3, 4, 5}), draw(104, {10, 11, 7, 12, 13, 14}),
                                              draw(105, {20, 21, 22, 23, 24, 7})};
    EXPECT_EQ(valuesAndCounts(repref::statisticsTable("PRDV", layout, gapped, all)),
              (Cells{{"7 x 4", "1"}, {"7 x 1", "1"}}));
    EXPECT_EQ(repref::countMatching("PRDV", layout, gapped, 1, {{"7 x 5"}, {"7 x 4"}}),
              (std::vector<int64_t>{1'086'008, 0})); // the combinations with a 7; 101 is no draw

    // RPC3: against 1 2 3 4 5 6 and 1 2 3 10 11 12 the repeats are 1, 2 and 3.
    const std::vector<reference::Draw> three{draw(1, {20, 21, 22, 23, 24, 25}), draw(2, {1, 2, 3, 10, 11, 12}),
                                             draw(3, {1, 2, 3, 4, 5, 6})};
    const auto counts = repref::countMatching("RPC3", layout, three, 2, {{"3"}, {"0"}});
    EXPECT_EQ(counts[0], 42 * 41 * 40 / 6);                           // 1, 2, 3 and three of the other 42
    EXPECT_EQ(counts[1], int64_t{42} * 41 * 40 * 39 * 38 * 37 / 720); // none of them
    EXPECT_EQ(repref::followed("GRCV", {.channelSize = 4}, 45), 12);
    EXPECT_EQ(repref::followed("PRDG", {.segments = "0123"}, 1), 0);
    EXPECT_EQ(repref::classPosition("PRC-2"), 61);
    EXPECT_EQ(repref::classPosition("GRPV"), 107);
    EXPECT_EQ(repref::classPosition("PRDG"), 115);
}

// ---- the tool against the reference -------------------------------------------------------

class RepeatsSeriesPeriodsReference : public ArchiveTest<> {
protected:
    void useLayout(const Layout& l)
    {
        layout = l;
        writeBytes(dir / "Belvane_6x45.ini", "[GLOBAL]\r\nChannelSize=" + std::to_string(l.channelSize) +
                                                 "\r\nMatrixSegments=" + l.segments + "\r\n");
    }

    int compareTable(const std::string& id, const TableRequest& request)
    {
        const std::string what = describe(id, request) + " (S " + std::to_string(layout.channelSize) + ", segments \"" +
                                 layout.segments + "\")";
        return compareTables(what, cli(statsArgs(id, request)), repref::statisticsTable(id, layout, draws, request),
                             true);
    }

    TsvRows table(const std::string& id, const TableRequest& request)
    {
        const auto result = cli(statsArgs(id, request));
        EXPECT_EQ(result.exitCode, 0) << result.err;
        TsvRows rows = parseTsv(result.out);
        if (!rows.empty())
            rows.erase(rows.begin());
        return rows;
    }

    Layout layout;
};

TEST_F(RepeatsSeriesPeriodsReference, MethodsAtTheirClassTablePositions)
{
    const auto result = cli({"methods", "--format", "tsv"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto& ids = repref::methodIds();
    std::vector<std::string> listed;
    for (const auto& row : parseTsv(result.out)) {
        if (std::find(ids.begin(), ids.end(), row[1]) == ids.end())
            continue;
        listed.push_back(row[1]);
        EXPECT_EQ(row[0], std::to_string(repref::classPosition(row[1]))) << row[1];
    }
    EXPECT_EQ(listed, ids);
}

class RepeatsSeriesPeriodsTable : public RepeatsSeriesPeriodsReference,
                                  public ::testing::WithParamInterface<std::string> {};

// The usual window, one back in time with the numbers sorted (where "Факт" finds later
// draws), a middle one, the first draws alone and the first two draws.
TEST_P(RepeatsSeriesPeriodsTable, EveryCellMatches)
{
    const std::vector<TableRequest> windows{
        {.len = 1000, .offset = 0, .sorted = false}, {.len = 60, .offset = 500, .sorted = true},
        {.len = 150, .offset = 30, .sorted = false}, {.len = 1, .offset = 1176, .sorted = true},
        {.len = 3, .offset = 1173, .sorted = false}, {.len = 5, .offset = 1175, .sorted = false}};
    int differences = 0;
    for (const auto& r : windows)
        differences += compareTable(GetParam(), r);
    EXPECT_EQ(differences, 0);
}

// IDs as test names: "PRV+1" is PRVP1.
std::string testName(const ::testing::TestParamInfo<std::string>& p)
{
    std::string name;
    for (char c : p.param)
        name += c == '+' ? 'P' : c == '-' ? 'N' : c;
    return name;
}

INSTANTIATE_TEST_SUITE_P(Reference, RepeatsSeriesPeriodsTable, ::testing::ValuesIn(repref::methodIds()), testName);

class RepeatsSeriesPeriodsLayout : public RepeatsSeriesPeriodsReference,
                                   public ::testing::WithParamInterface<std::string> {};

// Channels of four (the twelfth holding 45 alone) and segments 0..4 for the first ten
// numbers, the others in segment 1.
TEST_P(RepeatsSeriesPeriodsLayout, EveryCellMatches)
{
    useLayout({.channelSize = 4, .segments = "0123401234"});
    int differences = 0;
    for (const TableRequest& r : {TableRequest{.len = 400, .offset = 3, .sorted = false},
                                  TableRequest{.len = 80, .offset = 300, .sorted = true}})
        differences += compareTable(GetParam(), r);
    EXPECT_EQ(differences, 0);
}

INSTANTIATE_TEST_SUITE_P(Reference, RepeatsSeriesPeriodsLayout,
                         ::testing::Values("GRCV", "GRCP", "GRSV", "GRSP", "PRDC", "PRDG"), testName);

class RepeatsSeriesPeriodsFilter : public RepeatsSeriesPeriodsReference,
                                   public ::testing::WithParamInterface<std::string> {};

// Values taken from the table, the full set filtered by the tool and by enumeration;
// then the kept list filtered again to remove the same values leaves nothing.
TEST_P(RepeatsSeriesPeriodsFilter, CountsMatchTheEnumeration)
{
    const std::string id = GetParam();
    if (id.starts_with("GRS") || id == "PRDG")
        useLayout({.channelSize = 5, .segments = "0123401234"});
    const int offset = 7;
    const std::vector<std::string> window{"--offset", std::to_string(offset), "--len", "300"};
    const auto rows = table(id, {.len = 300, .offset = offset});
    ASSERT_GE(rows.size(), 1u);
    // The first row, two others, and every row (which some combinations have, even for the
    // periods whose rows rarely name a draw that has their value).
    std::vector<std::vector<std::string>> selections{{rows.front()[0]}, {rows[rows.size() / 2][0], rows.back()[0]}, {}};
    for (const auto& row : rows)
        selections.back().push_back(row[0]);
    const int last = static_cast<int>(draws.size()) - 1 - offset;
    const auto expected = repref::countMatching(id, layout, draws, last, selections);
    EXPECT_GT(expected.back(), 0) << id;
    for (size_t s = 0; s < selections.size(); ++s) {
        const bool keep = 2 * expected[s] <= kFullSetSize; // the shorter list is written
        const int64_t printed = filterCount(id, selections[s], keep, window);
        EXPECT_EQ(printed, keep ? expected[s] : kFullSetSize - expected[s]) << id << " selection " << s;
        if (keep && expected[s] > 0) {
            const auto kept = dir / "kept.lcv";
            std::filesystem::rename(dir / "out.lcv", kept);
            EXPECT_EQ(filterCount(id, selections[s], false, window, kept.string()), 0) << id << " selection " << s;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Reference, RepeatsSeriesPeriodsFilter,
                         ::testing::Values("RPV2", "RPV3", "PRV+1", "PRV2O2", "RPC2", "RPC3", "PRB2", "RPO1", "PRC-2",
                                           "GRPV", "GRCP", "GRSV", "PRDV", "PRDC", "PRDG"),
                         testName);

} // namespace
} // namespace belvane::testing
