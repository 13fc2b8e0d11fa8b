#include <gtest/gtest.h>

#include <tuple>

#include "helpers/stats_fixture.h"
#include "scenario/filter_variants.h"
#include "scenario/script_codes.h"
#include "scenario/script_line.h"
#include "support/error.h"

namespace belvane::scenario {
namespace {

using testing::StatsFixture;

std::vector<TFilterItem> items(const StatsFixture& f, std::initializer_list<std::string_view> texts)
{
    std::vector<TFilterItem> out;
    for (std::string_view t : texts)
        out.push_back(ParseFilterItem(f.list, t));
    return out;
}

std::vector<std::string> allTexts(const StatsFixture& f, FilterVariants& variants)
{
    std::vector<std::string> out;
    TFilterRec rec;
    while (variants.Next(rec))
        out.push_back(FilterRecText(f.list, rec));
    return out;
}

std::string failure(const StatsFixture& f, std::initializer_list<std::string_view> texts)
{
    try {
        FilterVariants variants(f.list, items(f, texts));
    } catch (const Error& e) {
        return e.what();
    }
    return "no failure";
}

TEST(FilterVariants, DoneLineGivesSixInOrder)
{
    StatsFixture f;
    const auto line =
        SplitScriptLine("EXCL:5#SKIP#CLR#NEX|TMF1#NUMS:10,20#LMV:1-3;1#SF:1| |BSD6#SUMS:100#LNO:#SZ:1| | | | |");
    FilterVariants variants(f.list, ParseLineFilters(f.list, line));
    EXPECT_EQ(variants.Count(), 6);
    const std::vector<std::string> expected = {
        "TMF#NUMS:10#LMV:1#SF:1 + BSD#SUMS:100#LNO:#SZ:1", "TMF#NUMS:10#LMV:2#SF:1 + BSD#SUMS:100#LNO:#SZ:1",
        "TMF#NUMS:10#LMV:3#SF:1 + BSD#SUMS:100#LNO:#SZ:1", "TMF#NUMS:20#LMV:1#SF:1 + BSD#SUMS:100#LNO:#SZ:1",
        "TMF#NUMS:20#LMV:2#SF:1 + BSD#SUMS:100#LNO:#SZ:1", "TMF#NUMS:20#LMV:3#SF:1 + BSD#SUMS:100#LNO:#SZ:1"};
    EXPECT_EQ(allTexts(f, variants), expected);

    TFilterRec rec;
    EXPECT_FALSE(variants.Next(rec));
    variants.Rewind();
    ASSERT_TRUE(variants.Next(rec));
    EXPECT_EQ(rec[0].DrawCount, 10);
    EXPECT_EQ(rec[0].ConditionValue, "1");
    EXPECT_EQ(rec[0].SortColumn, 1);
    EXPECT_TRUE(rec[0].MultiSelect && rec[0].Keep && !rec[0].BottomUp);
    EXPECT_EQ(rec[1].SortColumn, 6);
    EXPECT_EQ(rec[1].StopMode, StopEmptyList);
    EXPECT_FALSE(rec[2].Active);
    EXPECT_EQ(variants.Position(), 1);
}

TEST(FilterVariants, FirstFilterSlowestDrawCountsSlowerThanValues)
{
    StatsFixture f;
    FilterVariants variants(
        f.list, items(f, {"TSD1#NUMS:1,2#CMV:5,6,7#SF:1", "TSD1#SUMS:3#LNO:#SF:1", "TSD1#NUMS:4-6;1#LDV:1-3;1#SF:1"}));
    EXPECT_EQ(variants.Count(), 2 * 3 * 1 * 3);

    std::vector<std::tuple<int, std::string, int, int>> expected;
    for (int d : {1, 2})
        for (int v : {5, 6, 7})
            for (int last : {4, 5, 6})
                expected.emplace_back(d, std::to_string(v), 3, last);
    std::vector<std::tuple<int, std::string, int, int>> got;
    TFilterRec rec;
    while (variants.Next(rec)) {
        got.emplace_back(rec[0].DrawCount, rec[0].ConditionValue, rec[1].DrawCount, rec[2].DrawCount);
        // A list condition carries the whole list, and prints its text as typed.
        EXPECT_EQ(rec[2].ConditionValue, "1,2,3");
        EXPECT_EQ(rec[2].ConditionText, "1-3;1");
        EXPECT_EQ(rec[1].ConditionValue, "");
    }
    EXPECT_EQ(got, expected);
}

TEST(FilterVariants, IntegerListSpecs)
{
    StatsFixture f;
    FilterVariants odd(f.list, items(f, {"TSD1#NUMS:1-10;2#LNO:#SF:1"}));
    EXPECT_EQ(odd.Count(), 5);
    std::vector<int> counts;
    TFilterRec rec;
    while (odd.Next(rec))
        counts.push_back(rec[0].DrawCount);
    EXPECT_EQ(counts, (std::vector<int>{1, 3, 5, 7, 9}));

    EXPECT_EQ(failure(f, {"TSD1#NUMS:5-1;1#LNO:#SF:1"}), "Некорректное описание фильтра: TSD1#NUMS:5-1;1#LNO:#SF:1!");
    EXPECT_EQ(failure(f, {"TSD1#NUMS:1-10;0#LNO:#SF:1"}), "Некорректное описание фильтра: TSD1#NUMS:1-10;0#LNO:#SF:1!");
    // A condition other than LNO needs values; LNO ignores its text.
    EXPECT_EQ(failure(f, {"TSD1#NUMS:10#LNO:#SF:1", "tsd1#nums:10#lmv:#sf:1"}),
              "Некорректное описание фильтра: TSD1#NUMS:10#LMV:#SF:1!");
    EXPECT_EQ(FilterVariants(f.list, items(f, {"TSD1#NUMS:10#LNO:x#SF:1"})).Count(), 1);
    // An unknown method has no draw counts.
    EXPECT_EQ(failure(f, {"TSD1#XYZQ:10#LNO:#SF:1"}), "Некорректное описание фильтра: TSD1#XYZQ:10#LNO:#SF:1!");
}

TEST(FilterVariants, NoFiltersNoVariants)
{
    StatsFixture f;
    FilterVariants none(f.list, {});
    EXPECT_EQ(none.Count(), 0);
    TFilterRec rec;
    EXPECT_FALSE(none.Next(rec));
}

TEST(FilterVariants, CountBeyondThirtyTwoBitsIsRefused)
{
    StatsFixture f;
    const std::string tooMany =
        failure(f, {"TSD1#NUMS:1-2000;1#LNO:#SF:1", "TSD1#NUMS:1-2000;1#LNO:#SF:1", "TSD1#NUMS:1-2000;1#LNO:#SF:1"});
    EXPECT_EQ(tooMany.rfind(TooManyVariantsMessage, 0), 0u) << tooMany;
    EXPECT_NE(tooMany.find("\r\r"), std::string::npos);
    // One filter on its own: 50000 draw counts times 50000 values.
    EXPECT_EQ(failure(f, {"TSD1#NUMS:1-50000;1#LMV:1-50000;1#SF:1"}).rfind(TooManyVariantsMessage, 0), 0u);

    // Just below the limit the count is known at once and nothing is enumerated.
    FilterVariants big(f.list, items(f, {"TSD1#NUMS:1-46340;1#LMV:1-46340;1#SF:1"}));
    EXPECT_EQ(big.Count(), 46340 * 46340);
}

TEST(FilterVariants, ValueListOnAMethodWithoutValueTextsFailsAtExpansion)
{
    StatsFixture f;
    int entry = 0;
    while (entry < f.list.MethodCount() && f.list.ValueFromText(entry))
        ++entry;
    ASSERT_LT(entry, f.list.MethodCount());
    const std::string id = f.list.Item(entry).ID();
    const std::string lva = "TSD1#" + id + ":10#LVA:1,2#SF:1";
    EXPECT_EQ(failure(f, {"TSD1#NUMS:10#LVA:1,2#SF:1", lva}),
              "Для данного вида статистики не доступен режим выделения по списку значений!");
    // The same method with any other condition expands.
    EXPECT_EQ(failure(f, {"TSD1#" + id + ":10#LDV:1,2#SF:1"}), "no failure");
}

} // namespace
} // namespace belvane::scenario
