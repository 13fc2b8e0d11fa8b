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

// The prize table as the screenshot script writes it: only 3 to 6 matches pay.
constexpr std::string_view kPrizeStakes = "[STAKES]\r\nCost=2\r\nMaxStake=6\r\nProfits=4\r\n"
                                          "Profit_0_Overlap=3\r\nProfit_0_Profit=10\r\n"
                                          "Profit_1_Overlap=4\r\nProfit_1_Profit=100\r\n"
                                          "Profit_2_Overlap=5\r\nProfit_2_Profit=5000\r\n"
                                          "Profit_3_Overlap=6\r\nProfit_3_Profit=1000000\r\n";

std::vector<std::string> asRows(const std::array<std::string, ProfitRowCount>& rows)
{
    return {rows.begin(), rows.end()};
}

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

TEST(ConfigEditing, ProfitRowsFollowTheMatchCountNotThePosition)
{
    stats::TConfigData c;
    stats::LoadConfig(IniDocument::parse(kPrizeStakes), c);
    const auto rows = ProfitRows(c);
    EXPECT_EQ(rows[0], "0=0.00");
    EXPECT_EQ(rows[2], "2=0.00");
    EXPECT_EQ(rows[3], "3=10.00");
    EXPECT_EQ(rows[4], "4=100.00");
    EXPECT_EQ(rows[5], "5=5000.00");
    EXPECT_EQ(rows[6], "6=1000000.00");

    // A later entry for the same count is not the one stakes are paid by.
    c.Profits = {{6, 70000}, {3, 50000}, {3, 90000}};
    EXPECT_EQ(ProfitRows(c)[3], "3=5.00");
    EXPECT_EQ(ProfitRows(c)[6], "6=7.00");
}

TEST(ConfigEditing, UnchangedPrizeTableSavesByteForByte)
{
    const IniDocument before = IniDocument::parse(kPrizeStakes);
    stats::TConfigData c;
    stats::LoadConfig(before, c);
    c.Profits.push_back({9, 1});     // counts the table cannot show pass through
    c.Profits[1].Profit = 1'001'234; // four decimals, shown as 100.12
    const std::vector<stats::Prize> stored = c.Profits;

    c.Profits = MergeProfitRows(stored, asRows(ProfitRows(c)));
    ASSERT_EQ(c.Profits.size(), stored.size());
    for (size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(c.Profits[i].Overlap, stored[i].Overlap) << i;
        EXPECT_EQ(c.Profits[i].Profit, stored[i].Profit) << i;
    }

    stats::LoadConfig(before, c);
    IniDocument after = before;
    stats::SaveConfig(after, c);
    for (const std::string& key : before.keyNames("STAKES"))
        EXPECT_EQ(after.readString("STAKES", key), before.readString("STAKES", key)) << key;
    EXPECT_EQ(after.keyNames("STAKES"), before.keyNames("STAKES"));

    // As the screenshot script writes it, without the extended stake size: nothing is added.
    std::string withoutMaxStake(kPrizeStakes);
    withoutMaxStake.erase(withoutMaxStake.find("MaxStake=6\r\n"), 12);
    const IniDocument bare = IniDocument::parse(withoutMaxStake);
    stats::LoadConfig(bare, c);
    c.Profits = MergeProfitRows(c.Profits, asRows(ProfitRows(c)));
    IniDocument saved = bare;
    stats::SaveConfig(saved, c);
    EXPECT_EQ(saved.keyNames("STAKES"), bare.keyNames("STAKES"));
}

TEST(ConfigEditing, EditedPrizeRowsChangeOnlyTheirEntry)
{
    stats::TConfigData c;
    stats::LoadConfig(IniDocument::parse(kPrizeStakes), c);
    std::vector<std::string> rows = asRows(ProfitRows(c));
    rows[3] = "3=12,5";
    rows[2] = "2=1";
    rows[6] = "6=0";
    const auto merged = MergeProfitRows(c.Profits, rows);
    ASSERT_EQ(merged.size(), 5u);
    EXPECT_EQ(merged[0].Overlap, 3);
    EXPECT_EQ(merged[0].Profit, 125'000);
    EXPECT_EQ(merged[1].Profit, 1'000'000); // 4 matches untouched
    EXPECT_EQ(merged[3].Overlap, 6);
    EXPECT_EQ(merged[3].Profit, 0);  // cleared, still stored where it was
    EXPECT_EQ(merged[4].Overlap, 2); // a new prize comes last
    EXPECT_EQ(merged[4].Profit, 10'000);

    // Nothing stored yet: only the rows with a prize make entries.
    const auto fresh = MergeProfitRows({}, asRows(ProfitRows(stats::TConfigData{})));
    EXPECT_TRUE(fresh.empty());
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
