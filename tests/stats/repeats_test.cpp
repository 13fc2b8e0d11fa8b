#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "helpers/stats_fixture.h"
#include "stats/class_table.h"
#include "stats/repeats.h"

namespace belvane::stats {
namespace {

using model::TComb;
using testing::makeDraw;
using testing::occurred;
using testing::StatsFixture;
using testing::Texts;

const std::vector<std::string> kIds{"RPV2",   "RPV3",   "PRL2",  "PRV2O1", "PRV2O2", "PRV2O3", "PRV+1",
                                    "PRV-1",  "PRV+2",  "PRV-2", "RPC2",   "RPC3",   "PRB2",   "RPO1",
                                    "PRC2O2", "PRC2O3", "PRC+1", "PRC-1",  "PRC+2",  "PRC-2"};

StatsFixture archive(std::initializer_list<TComb> draws)
{
    model::TDrawsArray d;
    int number = 1;
    for (const TComb& c : draws)
        d.push_back(makeDraw(number++, c));
    return StatsFixture(d);
}

TStatDrawArray select(std::initializer_list<int> v1s)
{
    TStatDrawArray selected;
    for (int v : v1s) {
        TStatDraw rec;
        rec.V1 = static_cast<int16_t>(v);
        selected.push_back(rec);
    }
    return selected;
}

bool keeps(const StatsFixture& f, std::string_view id, std::initializer_list<int> values, const TComb& c, int lastIdx)
{
    return f.create(id)->PrepareMatches(select(values), {lastIdx, false})->matches(c);
}

TEST(RepeatMethods, RegisteredAtTheirPlaces)
{
    StatsFixture f;
    EXPECT_EQ(StatClassPosition(&TstRepValues2Class), 42);
    EXPECT_EQ(StatClassPosition(&TstRepCount2Class), 52);
    EXPECT_EQ(StatClassPosition(&TstRepCount2N2Class), 61);
    const int first = f.list.FindMethod("RPV2");
    for (size_t k = 0; k < kIds.size(); ++k)
        EXPECT_EQ(f.list.FindMethod(kIds[k]), first + static_cast<int>(k)) << kIds[k];
    EXPECT_EQ(f.list.MethodText(first, true), "{ rep } Повторяющиеся числа в 2-х тиражах подряд [ D ]");
    EXPECT_EQ(f.list.MethodText(f.list.FindMethod("PRV+1"), true), "{ rep } Данные предыдущего тиража + 1 [ D ]");
    EXPECT_EQ(f.list.MethodText(f.list.FindMethod("PRC-2"), false), "{ rep } Количество совпадений \"значений - 2\"");
    EXPECT_EQ(f.list.MethodText(f.list.FindMethod("RPO1"), false),
              "{ rep } Количество повторов в 2-х тиражах через 1 тираж(а)");
    EXPECT_EQ(f.list.MethodText(f.list.FindMethod("PRV2O3"), false),
              "{ rep } Повторяющиеся числа в 2-х тиражах через 3 тираж(а)");
}

// 45 + 1 wraps to 1: the previous draw's 45 repeats as 1 in a draw holding 1,
// because the newest draw of the window holds 45 as well.
TEST(RepeatMethods, ShiftWrapsAroundTheCircle)
{
    const auto f = archive({{45, 3, 5, 7, 9, 11}, {1, 45, 20, 22, 24, 26}});
    // Listed in advance: the newest draw's numbers, shifted, in drawn order.
    EXPECT_EQ(testing::allTexts(f, "PRV+1"), (std::vector<std::string>{"2", "1", "21", "23", "25", "27"}));
    EXPECT_EQ(occurred(f, "PRV+1"), (Texts{{"1", 1}}));
    EXPECT_EQ(occurred(f, "PRC+1"), (Texts{{"1", 1}})); // 45 -> 1 only; 3 -> 4 is not drawn
    // 1 - 2 wraps to 44.
    const auto down = archive({{1, 3, 5, 7, 9, 11}, {44, 1, 20, 22, 24, 26}});
    EXPECT_EQ(occurred(down, "PRV-2"), (Texts{{"44", 1}}));
    EXPECT_EQ(occurred(down, "PRC-2"), (Texts{{"2", 1}})); // 1 -> 44 and 3 -> 1
}

// The first draws of the archive have no predecessor at the distance a member
// reads: they add nothing, even where shifted zeros would look like numbers.
TEST(RepeatMethods, NoPhantomRepeatsBeforeTheArchive)
{
    const auto f = archive({{1, 2, 3, 4, 5, 6}, {45, 44, 43, 42, 41, 40}});
    // An all-zero predecessor shifted by +1 would be six 1s, all in the first draw.
    EXPECT_EQ(occurred(f, "PRV+1"), Texts{});
    EXPECT_EQ(occurred(f, "PRC+1"), (Texts{{"0", 1}})); // the second draw only
    EXPECT_EQ(occurred(f, "PRC-2"), (Texts{{"2", 1}})); // 1 -> 44 and 2 -> 45
    EXPECT_EQ(occurred(f, "RPC2"), (Texts{{"0", 1}}));
    EXPECT_EQ(occurred(f, "RPO1"), Texts{});
    EXPECT_EQ(occurred(f, "RPC3"), Texts{});
    EXPECT_EQ(occurred(f, "PRB2"), Texts{});

    // A window over an empty archive lists nothing for the values members.
    const StatsFixture empty;
    EXPECT_TRUE(empty.values("PRV-1").empty());
    EXPECT_EQ(empty.values("PRC-1").size(), 6u);
}

TEST(RepeatMethods, RepeatsAgainstTheNewestDraw)
{
    // 7 and 8 repeat from draw 2 into draw 3, but only 7 is in the newest draw.
    const auto f =
        archive({{7, 8, 9, 10, 11, 12}, {7, 8, 20, 21, 22, 23}, {7, 8, 30, 31, 32, 33}, {7, 40, 41, 42, 43, 44}});
    const auto rpv2 = f.values("RPV2");
    ASSERT_EQ(rpv2.size(), 6u);
    EXPECT_EQ(rpv2[0].V1, 7);
    EXPECT_EQ(rpv2[0].Count, 3);
    EXPECT_EQ(rpv2[0].LastDraw, 4);
    EXPECT_EQ(rpv2[0].Ago, 1);
    EXPECT_EQ(rpv2[0].MinGap, 1);
    // A draw that shares with its predecessor nothing the newest draw has gives nothing.
    const auto g = archive({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 10, 11, 12}, {20, 21, 22, 23, 24, 25}});
    EXPECT_EQ(occurred(g, "RPV2"), Texts{});
    // The count members count every repeat; 0 is added once it occurs.
    EXPECT_EQ(occurred(g, "RPC2"), (Texts{{"3", 1}, {"0", 1}}));

    // Two and three draws apart.
    EXPECT_EQ(occurred(f, "PRV2O1"), (Texts{{"7", 2}}));
    EXPECT_EQ(occurred(f, "RPO1"), (Texts{{"1", 1}, {"2", 1}}));
    EXPECT_EQ(occurred(f, "PRV2O2"), (Texts{{"7", 1}}));
    EXPECT_EQ(occurred(f, "PRC2O2"), (Texts{{"1", 1}}));
    EXPECT_EQ(occurred(f, "PRC2O3"), Texts{});

    // Three draws in a row: 7 is in draws 2, 3 and 4 (RPV3 at draws 3 and 4);
    // 8 is in draws 2 and 3 but the newest draw lacks it.
    EXPECT_EQ(occurred(f, "RPV3"), (Texts{{"7", 2}}));
    EXPECT_EQ(occurred(f, "PRL2"), Texts{});
    EXPECT_EQ(occurred(f, "RPC3"), (Texts{{"1", 1}, {"2", 1}}));
    EXPECT_EQ(occurred(f, "PRB2"), (Texts{{"0", 2}}));
}

TEST(RepeatMethods, FilteringAgainstTheLatestDraws)
{
    const auto f = archive({{20, 21, 22, 23, 24, 25}, {1, 2, 3, 10, 11, 12}, {1, 2, 3, 4, 5, 6}});
    const TComb c{1, 2, 3, 7, 8, 9};
    // Newest 1 2 3 4 5 6 and the draw before it 1 2 3 10 11 12: 1, 2, 3 are in both.
    EXPECT_TRUE(keeps(f, "RPC3", {3}, c, 2));
    EXPECT_FALSE(keeps(f, "RPC3", {2, 4}, c, 2));
    EXPECT_TRUE(keeps(f, "PRB2", {0}, c, 2));
    EXPECT_TRUE(keeps(f, "PRB2", {1}, {1, 4, 30, 31, 32, 33}, 2));
    EXPECT_TRUE(keeps(f, "RPC2", {3}, c, 2));
    EXPECT_TRUE(keeps(f, "RPO1", {3}, c, 2));                      // against 1 2 3 10 11 12
    EXPECT_TRUE(keeps(f, "PRC2O2", {0}, c, 2));                    // against 20 .. 25
    EXPECT_TRUE(keeps(f, "PRC+1", {3}, {2, 3, 4, 40, 41, 42}, 2)); // against 2 3 4 5 6 7
    EXPECT_TRUE(keeps(f, "RPC2", {3}, c, 1));                      // an earlier window: against 1 2 3 10 11 12

    // A predecessor before the archive is an empty set: every combination repeats nothing.
    EXPECT_TRUE(keeps(f, "PRC2O3", {0}, c, 2));
    EXPECT_FALSE(keeps(f, "PRC2O3", {1, 2, 3, 4, 5, 6}, c, 2));
    EXPECT_TRUE(keeps(f, "RPC3", {0}, c, 0));
    EXPECT_TRUE(keeps(f, "RPC2", {0}, c, -1));

    // The values members: any number of the combination is selected.
    EXPECT_TRUE(keeps(f, "PRV-1", {9}, c, 2));
    EXPECT_FALSE(keeps(f, "RPV3", {10}, c, 2));
    // Bytes that are no numbers never count.
    EXPECT_TRUE(keeps(f, "RPC2", {0}, {0, 46, 255, 0, 0, 0}, 2));
}

// The count a draw gets in the table is the count the filter of the window
// before it gives the same numbers, for every count member.
TEST(RepeatMethods, FilterCountsAreTheNextDrawsCounts)
{
    std::mt19937 rng(1709);
    model::TDrawsArray draws;
    for (int i = 0; i < 40; ++i) {
        std::vector<model::Ball> pool(45);
        std::iota(pool.begin(), pool.end(), model::Ball{1});
        std::shuffle(pool.begin(), pool.begin() + 12, rng); // a narrow band: many repeats
        TComb c{};
        std::copy_n(pool.begin(), 6, c.begin());
        draws.push_back(makeDraw(i + 1, c));
    }
    const StatsFixture f(draws);
    for (size_t k = 10; k < kIds.size(); ++k) {
        auto stat = f.create(kIds[k]);
        for (int last = 0; last + 1 < static_cast<int>(draws.size()); ++last) {
            const int next = last + 1;
            const TStatDrawArray values = CalculateRange(*stat, {next, next}, true);
            const auto counted = std::find_if(values.begin(), values.end(), [](const auto& v) { return v.Count > 0; });
            if (counted == values.end())
                continue; // a predecessor before the archive (the filter reads it as an empty set)
            const TComb comb = model::SortedDraw(draws[static_cast<size_t>(next)]).Balls;
            for (int count = 0; count <= 6; ++count)
                EXPECT_EQ(keeps(f, kIds[k], {count}, comb, last), counted->V1 == count)
                    << kIds[k] << " after draw " << last << " count " << count;
        }
    }
}

} // namespace
} // namespace belvane::stats
