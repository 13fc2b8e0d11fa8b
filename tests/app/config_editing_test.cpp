#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/config_editing.h"
#include "app/workspace.h"
#include "helpers/recording_host.h"
#include "helpers/temp_dir.h"
#include "stats/stat_class.h"
#include "support/ini_document.h"

namespace belvane::app {
namespace {

TEST(ConfigEditing, ProfitRowsAlwaysSeven)
{
    stats::TConfigData c;
    c.Profits = {{0, 0}, {1, 0}, {2, 0}, {3, 12345}};
    const auto rows = ProfitRows(c);
    EXPECT_EQ(rows[0], "0=0.00");
    EXPECT_EQ(rows[3], "3=1.23"); // 1.2345 shown with two decimals
    EXPECT_EQ(rows[6], "6=0.00");

    const auto profits = ParseProfitRows({"3=2,5", "x=7", "4=abc", "6"});
    ASSERT_EQ(profits.size(), 4u);
    EXPECT_EQ(profits[0].Overlap, 3);
    EXPECT_EQ(profits[0].Profit, 25000);
    EXPECT_EQ(profits[1].Overlap, 0);
    EXPECT_EQ(profits[1].Profit, 70000);
    EXPECT_EQ(profits[2].Profit, 0);
    EXPECT_EQ(profits[3].Overlap, 6);
}

TEST(ConfigEditing, SegmentCells)
{
    EXPECT_FALSE(SegmentCellProblem("5"));
    EXPECT_FALSE(SegmentCellProblem(""));
    EXPECT_EQ(SegmentCellValue(""), 1);
    EXPECT_EQ(SegmentCellValue(" 9 "), 9);
    EXPECT_EQ(*SegmentCellProblem("0"), "Некорректное значение: 0!\r\rУкажите любое число от 1 до 9");
    EXPECT_TRUE(SegmentCellProblem("10"));
    EXPECT_TRUE(SegmentCellProblem("a"));
    EXPECT_EQ(SegmentCellValue("a"), 1);

    const auto grid = SegmentGrid(3);
    ASSERT_EQ(grid.size(), 15u);
    EXPECT_EQ(grid[14][2], 45);
    const auto seven = SegmentGrid(7);
    ASSERT_EQ(seven.size(), 7u);
    EXPECT_EQ(seven[6][2], 45);
    EXPECT_EQ(seven[6][3], 0);
}

TEST(ConfigEditing, AffectedGroups)
{
    stats::TConfigData a;
    stats::TConfigData b = a;
    b.Cost = 50000;
    b.Profits = {{3, 10}};
    EXPECT_EQ(AffectedGroups(a, b), 0); // money changes rebuild nothing
    b.MatrixCols = 3;
    EXPECT_EQ(AffectedGroups(a, b), 1u << stats::GroupMatrix);
    b.ChannelSize = 4;
    b.MatrixSegments[7] = 2;
    EXPECT_EQ(AffectedGroups(a, b),
              (1u << stats::GroupMatrix) | (1u << stats::GroupChannels) | (1u << stats::GroupSegments));
}

} // namespace
} // namespace belvane::app
