// A rating's key back into a scenario line: the keys the runner writes, keys
// without "@", with few filters, and keys that make no usable line.

#include <gtest/gtest.h>

#include "helpers/stats_fixture.h"
#include "scenario/rating_key_line.h"
#include "scenario/script_line.h"
#include "support/error.h"

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
    // The last "@" standing alone splits (a comment may hold one, the options
    // never do); blanks around either part are trimmed.
    EXPECT_EQ(RatingKeyToScriptLine("  a @ b @ FULL#ALL  "), "FULL#ALL| | | | | | | |a @ b");
    const StatsFixture f;
    EXPECT_TRUE(IsUsableScriptLine(f.list, RatingKeyToScriptLine("FULL#RAND + TMF#NUMS:20#LNO:#SF:1")));
}

TEST(RatingKeyLine, AnAtInTheLinesCommentStaysInTheComment)
{
    const StatsFixture f;
    const std::string line = UsableRatingKeyLine(f.list, "01.001: a@b @ EXCL:5#FIRST + TSD#NUMS:10#LMV:3#SF:1");
    EXPECT_EQ(line, "EXCL:5#FIRST|TSD#NUMS:10#LMV:3#SF:1| | | | | | |01.001: a@b");
    const TScriptOptions options = ParseScriptOptions(SplitScriptLine(line).Options);
    EXPECT_EQ(options.StartMode, 1); // "EXCL", not the "FULL" an unreadable word gives
    EXPECT_EQ(options.DrawCount, 5);
    // A comment ending in "@" and one with " @ " inside.
    EXPECT_EQ(RatingKeyToScriptLine("02.003: x@ @ FULL#ALL"), "FULL#ALL| | | | | | | |02.003: x@");
    EXPECT_EQ(RatingKeyToScriptLine("02.003: x @ y @ FULL#ALL"), "FULL#ALL| | | | | | | |02.003: x @ y");
    // No "@" of its own: the first one splits.
    EXPECT_EQ(RatingKeyToScriptLine("a@FULL#ALL"), "FULL#ALL| | | | | | | |a");
}

TEST(RatingKeyLine, AKeyAsLongAsTheRecordMayBeCutAndIsRefused)
{
    const StatsFixture f;
    // 255 characters (one byte each in the record) whose last filter was "ST:12".
    const std::string tail = " @ FULL#FIRST + TSD#NUMS:1#CLV:0#ST:1";
    std::string key = "01.001: ";
    while (key.size() + tail.size() < 255)
        key += 'x';
    key += tail;
    ASSERT_EQ(key.size(), 255u);
    EXPECT_TRUE(MayBeCutRatingKey(key));
    try {
        UsableRatingKeyLine(f.list, key);
        ADD_FAILURE() << "a cut key was taken";
    } catch (const Error& e) {
        EXPECT_EQ(e.what(), CutRatingKeyText(key));
    }
    EXPECT_NE(CutRatingKeyText("k").find("255"), std::string::npos);
    // Characters are counted as the record stores them: a Cyrillic letter is one.
    std::string shorter = key.substr(9); // 246
    EXPECT_FALSE(MayBeCutRatingKey(shorter));
    EXPECT_NO_THROW(UsableRatingKeyLine(f.list, shorter));
    EXPECT_FALSE(MayBeCutRatingKey("01.001: " + std::string(100, 'x') + "жжжж"));
    std::string cyrillic = "01.001: ";
    while (cyrillic.size() < 300) // 150 letters in two bytes each
        cyrillic += "ж";
    EXPECT_FALSE(MayBeCutRatingKey(cyrillic + tail));
    EXPECT_TRUE(MayBeCutRatingKey(cyrillic + cyrillic + tail));
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
