// A rating's key back into a scenario line: the keys the runner writes, keys
// without "@", with few filters, and keys that make no usable line.

#include <gtest/gtest.h>

#include "helpers/stats_fixture.h"
#include "scenario/rating_key_line.h"
#include "scenario/script_line.h"

namespace belvane::scenario {
namespace {

using testing::StatsFixture;

TEST(RatingKeyLine, ARunnersKeyGivesItsOptionsFiltersAndNumberedComment)
{
    const std::string line = RatingKeyToScriptLine(
        "01.002: Первая @ EXCL:5#FIRST#NEX + TSD#NUMS:10#LMV:3#SF:1 + BMF#SUMS:100#LDV:1,2,3#ST:2");
    EXPECT_EQ(line, "EXCL:5#FIRST#NEX|TSD#NUMS:10#LMV:3#SF:1|BMF#SUMS:100#LDV:1,2,3#ST:2| | | | | |01.002: Первая");
    const ScriptLineFields fields = SplitScriptLine(line);
    EXPECT_EQ(fields.Options, "EXCL:5#FIRST#NEX");
    EXPECT_EQ(fields.Filters[1], "BMF#SUMS:100#LDV:1,2,3#ST:2");
    EXPECT_EQ(fields.Filters[2], "");
    EXPECT_EQ(fields.Comment, "01.002: Первая");

    // The printed variant has no sort column: each filter reads with column 1.
    const StatsFixture f;
    const TFilterItem first = ParseFilterItem(f.list, fields.Filters[0]);
    EXPECT_EQ(first.SortColumn, 1);
    EXPECT_FALSE(first.Keep);
    EXPECT_TRUE(IsUsableScriptLine(f.list, line));
}

TEST(RatingKeyLine, AKeyWithoutAtHasNoCommentAndFewFiltersAreFilledUp)
{
    EXPECT_EQ(RatingKeyToScriptLine("FULL#RAND + TMF#NUMS:20#LNO:#SF:1"),
              "FULL#RAND|TMF#NUMS:20#LNO:#SF:1| | | | | | |");
    // Only the first "@" splits; blanks around either part are trimmed.
    EXPECT_EQ(RatingKeyToScriptLine("  a @ b @ FULL#ALL  "), "b @ FULL#ALL| | | | | | | |a");
    const StatsFixture f;
    EXPECT_TRUE(IsUsableScriptLine(f.list, RatingKeyToScriptLine("FULL#RAND + TMF#NUMS:20#LNO:#SF:1")));
}

TEST(RatingKeyLine, AKeyWithoutAFilterMakesNoUsableLine)
{
    const StatsFixture f;
    for (const char* key : {"Ставка \"вручную\"", "Регулярная ставка (3)", "", "01.001: @ FULL#RAND"})
        EXPECT_FALSE(IsUsableScriptLine(f.list, RatingKeyToScriptLine(key))) << key;
    EXPECT_EQ(UnusableRatingKeyText("Регуляр"), "Строку\r\rРегуляр\r\rневозможно добавить в сценарий!");
}

} // namespace
} // namespace belvane::scenario
