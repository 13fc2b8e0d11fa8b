#include <gtest/gtest.h>

#include "scenario/row_condition.h"
#include "scenario/script_codes.h"
#include "support/error.h"

namespace belvane::scenario {
namespace {

// A row that came: count 3 (2.5 %), depth 4 (50 %), weight 12.50, periods 2 / 3.3333 / 5.
TStatValues seen()
{
    TStatValues r;
    r.Caption = "7";
    r.Key = 7;
    r.Count = "3";
    r.CountPercent = "2.50000";
    r.Deviation = "-1";
    r.DeviationPercent = "-25.00000";
    r.Depth = "4";
    r.DepthPercent = "50.00";
    r.Weight = "12.50";
    r.PeriodMin = "2";
    r.Period = "3.3333";
    r.PeriodMax = "5";
    return r;
}

// A value the window never saw: "-" from "Глубина" on, no deviation without the full set.
TStatValues unseen()
{
    TStatValues r;
    r.Caption = "8";
    r.Key = 8;
    r.Count = "0";
    r.CountPercent = "0.00000";
    r.Deviation = r.DeviationPercent = r.Depth = r.DepthPercent = r.Weight = "-";
    r.PeriodMin = r.Period = r.PeriodMax = "-";
    return r;
}

bool holds(std::string_view code, std::string_view value, const TStatValues& row)
{
    return RowCondition(FindCodeExact(Conditions, code), value).Holds(row);
}

TEST(RowCondition, AValueIsANumberInTheConditionsColumn)
{
    auto has = [](std::string_view code, const TStatValues& row) {
        return RowCondition(FindCodeExact(Conditions, code), code == "LVA" ? "7" : "1").HasValue(row);
    };
    for (std::string_view code : {"LMV", "LDP", "DDV", "DMP", "WLV", "PIR", "PAM", "PXL"}) {
        EXPECT_TRUE(has(code, seen())) << code;
        EXPECT_FALSE(has(code, unseen())) << code;
    }
    // "Количество" always has one; "LNO" and "LVA" read no column.
    EXPECT_TRUE(has("CMV", unseen()));
    EXPECT_TRUE(has("LNO", unseen()));
    EXPECT_TRUE(has("LVA", unseen()));
    EXPECT_EQ(ConditionColumn(FindCodeExact(Conditions, "DDP")), RowColumn::DeviationPercent);
    EXPECT_EQ(ConditionColumn(FindCodeExact(Conditions, "LVA")), RowColumn::None);
    EXPECT_EQ(ColumnCell(seen(), RowColumn::Period), "3.3333");
}

TEST(RowCondition, OneValueConditionsReadTheirColumns)
{
    EXPECT_TRUE(holds("LMV", "4", seen()));
    EXPECT_FALSE(holds("LMV", "5", seen()));
    EXPECT_TRUE(holds("LMP", "50", seen()));
    EXPECT_TRUE(holds("CLV", "3", seen()));
    EXPECT_FALSE(holds("CLV", "2", seen()));
    EXPECT_TRUE(holds("CLP", "3", seen())); // 2.5 % <= 3
    EXPECT_TRUE(holds("DLV", "-1", seen()));
    EXPECT_TRUE(holds("WMV", "12", seen()));
    EXPECT_TRUE(holds("WLV", "13", seen()));
    EXPECT_TRUE(holds("PIM", "2", seen()));
    EXPECT_TRUE(holds("PAL", "4", seen()));
    EXPECT_TRUE(holds("PXL", "5", seen()));
    EXPECT_TRUE(holds("LNO", "", unseen()));
}

TEST(RowCondition, UnreadableCellsCountAsTheRuleSays)
{
    // "at least": an unreadable depth is 0; "at most" of an integer column: 65535.
    EXPECT_TRUE(holds("LMV", "0", unseen()));
    EXPECT_FALSE(holds("LMV", "1", unseen()));
    EXPECT_FALSE(holds("LLV", "100", unseen()));
    EXPECT_TRUE(holds("LLV", "65535", unseen()));
    // "at most" of a percentage: 65535; of the weight and the period: 0.
    EXPECT_FALSE(holds("LLP", "100", unseen()));
    EXPECT_TRUE(holds("WLV", "0", unseen()));
    EXPECT_TRUE(holds("PAL", "0", unseen()));
}

TEST(RowCondition, ACellWithoutValueEqualsNoListedNumber)
{
    // Listing 0 must not pick the values the window never saw, nor fail the walk.
    EXPECT_FALSE(holds("LDV", "0,1,2", unseen()));
    EXPECT_FALSE(holds("PIR", "0", unseen()));
    EXPECT_FALSE(holds("WDV", "0", unseen()));
    EXPECT_TRUE(holds("CDV", "0;9", unseen())); // the count itself is there
    EXPECT_TRUE(holds("LDV", "1,4", seen()));
    EXPECT_TRUE(holds("CDP", "0", unseen()));
    EXPECT_TRUE(holds("LDP", "50", seen()));  // "50.00" as a decimal
    EXPECT_FALSE(holds("PAR", "3", seen()));  // 3.3333 is no listed number
    EXPECT_TRUE(holds("LVA", "1,7", seen())); // the row's key
    EXPECT_FALSE(holds("LVA", "1,7", unseen()));
}

TEST(RowCondition, AValueThatIsNoIntegerFailsTheLine)
{
    EXPECT_THROW(RowCondition(FindCodeExact(Conditions, "LMV"), "x"), Error);
    EXPECT_THROW(RowCondition(FindCodeExact(Conditions, "LDV"), "1,x"), Error);
    EXPECT_NO_THROW(RowCondition(FindCodeExact(Conditions, "LNO"), "whatever"));
}

TEST(StopRules, StopBeforeTheRowAsTheRuleSays)
{
    const TStatValues row = seen(); // count 3, 2.5 %
    EXPECT_FALSE(StopsBeforeRow(StopNever, 1, false, false, row, 100, 1));
    EXPECT_FALSE(StopsBeforeRow(StopEmptyList, 1, false, false, row, 100, 0));
    // "SC" only in a one-at-a-time walk: stop once no more than the value is left.
    EXPECT_TRUE(StopsBeforeRow(StopCombCount, 10, false, false, row, 0, 10));
    EXPECT_FALSE(StopsBeforeRow(StopCombCount, 10, false, false, row, 0, 11));
    EXPECT_FALSE(StopsBeforeRow(StopCombCount, 10, false, true, row, 0, 10));
    // "SV" / "SP": at least the value bottom-up, at most top-down.
    EXPECT_TRUE(StopsBeforeRow(StopCount, 3, true, false, row, 0, 100));
    EXPECT_FALSE(StopsBeforeRow(StopCount, 4, true, false, row, 0, 100));
    EXPECT_TRUE(StopsBeforeRow(StopCount, 3, false, false, row, 0, 100));
    EXPECT_FALSE(StopsBeforeRow(StopCount, 2, false, false, row, 0, 100));
    EXPECT_TRUE(StopsBeforeRow(StopPercent, 2, true, false, row, 0, 100));
    EXPECT_TRUE(StopsBeforeRow(StopPercent, 3, false, false, row, 0, 100));
    // "ST": after that many steps.
    EXPECT_FALSE(StopsBeforeRow(StopStepCount, 6, false, true, row, 5, 100));
    EXPECT_TRUE(StopsBeforeRow(StopStepCount, 6, false, true, row, 6, 100));
}

} // namespace
} // namespace belvane::scenario
