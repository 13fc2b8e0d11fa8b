#include <gtest/gtest.h>

#include <random>

#include "helpers/stats_fixture.h"
#include "model/combinatorics.h"
#include "stats/differences.h"
#include "stats/full_set_counts.h"
#include "stats/stat_bases.h"

namespace belvane::stats {
namespace {

using model::TComb;
using testing::allTexts;
using testing::findV1;
using testing::graphValue;
using testing::makeDraw;
using testing::occurred;
using testing::oneDraw;
using testing::StatsFixture;
using testing::Texts;

TEST(DifferenceMethods, SpacedDraw)
{
    const auto f = oneDraw({5, 12, 23, 31, 40, 44}); // d = 7, 11, 8, 9, 4
    EXPECT_EQ(AdjacentDiffs({5, 12, 23, 31, 40, 44}), (Diffs{7, 11, 8, 9, 4}));
    const auto difa = f.values("DIFA");
    ASSERT_EQ(difa.size(), 44u); // 1..44 listed in advance
    for (const auto& v : difa)
        EXPECT_EQ(v.Count, (v.V1 == 7 || v.V1 == 11 || v.V1 == 8 || v.V1 == 9 || v.V1 == 4) ? 1 : 0) << v.V1;
    EXPECT_EQ(occurred(f, "DIFM"), (Texts{{"11", 1}}));
    EXPECT_EQ(occurred(f, "DIFD"), (Texts{{"39", 1}}));
    EXPECT_EQ(occurred(f, "DIFO"), (Texts{{"7 x 1", 1}, {"11 x 1", 1}, {"8 x 1", 1}, {"9 x 1", 1}, {"4 x 1", 1}}));
    EXPECT_EQ(occurred(f, "DIFK"), (Texts{{"1", 1}}));
    EXPECT_EQ(occurred(f, "KDS2"), (Texts{{"7:11", 1}, {"11:8", 1}, {"8:9", 1}, {"9:4", 1}}));
    EXPECT_EQ(occurred(f, "KDS3"), (Texts{{"7:11:8", 1}, {"11:8:9", 1}, {"8:9:4", 1}}));
    EXPECT_EQ(occurred(f, "KDS4"), (Texts{{"7:11:8:9", 1}, {"11:8:9:4", 1}}));
    EXPECT_EQ(graphValue(f, "DIFM", {5, 12, 23, 31, 40, 44}), 11);
    EXPECT_EQ(graphValue(f, "DIFD", {5, 12, 23, 31, 40, 44}), 39);
    EXPECT_EQ(graphValue(f, "DIFK", {5, 12, 23, 31, 40, 44}), 1);
}

TEST(DifferenceMethods, EqualDifferencesInOneDraw)
{
    const auto f = oneDraw({1, 2, 3, 4, 5, 6}); // d = 1, 1, 1, 1, 1
    EXPECT_EQ(findV1(f.values("DIFA"), 1)->Count, 5);
    // The repeats within a draw measure no gap of 0: the only gap is from draw to draw.
    StatsFixture twice({makeDraw(10, {1, 2, 3, 4, 5, 6}), makeDraw(13, {1, 2, 3, 4, 5, 6})});
    const auto twiceDifa = twice.values("DIFA");
    const TStatDraw* one = findV1(twiceDifa, 1);
    EXPECT_EQ(one->Count, 10);
    EXPECT_EQ(one->MinGap, 3);
    EXPECT_EQ(one->MaxGap, 3);
    const auto twiceKds3 = twice.values("KDS3");
    const TStatDraw* ones = FindKey(twiceKds3, PackKey(1, 1, 1));
    EXPECT_EQ(ones->Count, 6);
    EXPECT_EQ(ones->MinGap, 3);
    EXPECT_EQ(occurred(f, "DIFO"), (Texts{{"1 x 5", 1}}));
    EXPECT_EQ(occurred(f, "DIFK"), (Texts{{"5", 1}}));
    EXPECT_EQ(occurred(f, "KDS2"), (Texts{{"1:1", 4}}));
    EXPECT_EQ(occurred(f, "KDS3"), (Texts{{"1:1:1", 3}}));
    EXPECT_EQ(occurred(f, "KDS4"), (Texts{{"1:1:1:1", 2}}));

    // Two equal pairs and a single: d = 3, 5, 3, 5, 2; first-appearance order.
    const auto g = oneDraw({1, 4, 9, 12, 17, 19});
    EXPECT_EQ(occurred(g, "DIFO"), (Texts{{"3 x 2", 1}, {"5 x 2", 1}, {"2 x 1", 1}}));
    EXPECT_EQ(occurred(g, "DIFK"), (Texts{{"2", 1}}));

    // DIFK lists 1..5 in advance and never yields 0.
    StatsFixture empty;
    const auto seeds = empty.values("DIFK");
    ASSERT_EQ(seeds.size(), 5u);
    EXPECT_EQ(seeds.front().V1, 1);
    EXPECT_EQ(seeds.back().V1, 5);
    EXPECT_EQ(graphValue(empty, "DIFK", {7, 7, 7, 7, 7, 7}), 5);
    EXPECT_EQ(graphValue(empty, "DIFK", {0, 255, 0, 255, 0, 255}), 5);
    EXPECT_EQ(empty.values("DIFM").size(), 44u);
    EXPECT_EQ(empty.values("DIFD").size(), 44u);
    for (const char* id : {"DIFO", "KDS2", "KDS3", "KDS4"})
        EXPECT_TRUE(empty.values(id).empty()) << id;
}

TEST(DifferenceMethods, DrawnOrderOrAscending)
{
    const auto f = oneDraw({44, 5, 40, 12, 31, 23});
    EXPECT_EQ(occurred(f, "KDS4", false), (Texts{{"39:35:28:19", 1}, {"35:28:19:8", 1}}));
    EXPECT_EQ(occurred(f, "KDS4", true), (Texts{{"7:11:8:9", 1}, {"11:8:9:4", 1}}));
    EXPECT_EQ(occurred(f, "DIFM", false), (Texts{{"39", 1}}));
    EXPECT_EQ(occurred(f, "DIFM", true), (Texts{{"11", 1}}));
    EXPECT_EQ(occurred(f, "DIFD", false), (Texts{{"39", 1}}));
    EXPECT_EQ(occurred(f, "DIFD", true), (Texts{{"39", 1}}));
    EXPECT_EQ(findV1(f.values("DIFA", false), 35)->Count, 1);
    EXPECT_EQ(findV1(f.values("DIFA", true), 35)->Count, 0);
    EXPECT_FALSE(f.create("DIFD")->Class().GetFlags() & FlagS);
    for (const char* id : {"DIFA", "DIFM", "DIFO", "DIFK", "KDS2", "KDS3", "KDS4"})
        EXPECT_TRUE(f.create(id)->Class().GetFlags() & FlagS) << id;

    // The filter takes the combination in its own order.
    TStatDraw d39;
    d39.V1 = 39;
    const auto m = f.create("DIFA")->PrepareMatches({d39}, {0, false});
    EXPECT_TRUE(m->matches({44, 5, 40, 12, 31, 23}));
    EXPECT_FALSE(m->matches({5, 12, 23, 31, 40, 44}));
}

// Draws 10, 12 and 20 with d = 3 4 12 10 11 / 1 3 4 11 11 / 3 4 10 11 12.
TEST(DifferenceMethods, OnlyTheFirstValueOfADrawMeasuresAGap)
{
    StatsFixture f(
        {makeDraw(10, {1, 4, 8, 20, 30, 41}), makeDraw(12, {1, 2, 5, 9, 20, 31}), makeDraw(20, {2, 5, 9, 19, 30, 42})});
    // Difference 3 comes first in draws 10 and 20, second in 12: that occurrence
    // moves the last draw on without a gap, so the only gap is 20 - 12.
    const auto difa = f.values("DIFA");
    const TStatDraw* three = findV1(difa, 3);
    EXPECT_EQ(three->Count, 3);
    EXPECT_EQ(three->LastDraw, 20);
    EXPECT_EQ(three->Ago, 1);
    EXPECT_EQ(three->MinGap, 8);
    EXPECT_EQ(three->MaxGap, 8);
    // Difference 11 never comes first: counted four times, no gap at all.
    const TStatDraw* eleven = findV1(difa, 11);
    EXPECT_EQ(eleven->Count, 4);
    EXPECT_EQ(eleven->LastDraw, 20);
    EXPECT_EQ(eleven->MinGap, 0);
    EXPECT_EQ(eleven->MaxGap, 0);

    const auto kds2 = f.values("KDS2");
    const TStatDraw* pair = FindKey(kds2, PackKey(3, 4));
    ASSERT_NE(pair, nullptr);
    EXPECT_EQ(pair->Count, 3);
    EXPECT_EQ(pair->MinGap, 8);
    EXPECT_EQ(pair->MaxGap, 8);
    const TStatDraw* later = FindKey(kds2, PackKey(4, 12));
    EXPECT_EQ(later->Count, 1);

    // DIFO yields each difference once per draw and tracks every one.
    const auto difo = f.values("DIFO");
    const TStatDraw* once = FindKey(difo, PackKey(3, 1));
    ASSERT_NE(once, nullptr);
    EXPECT_EQ(once->Count, 3);
    EXPECT_EQ(once->MinGap, 2);
    EXPECT_EQ(once->MaxGap, 8);

    auto difa2 = f.create("DIFA");
    TStatDraw v;
    v.V1 = 11;
    EXPECT_EQ(difa2->FindNextDraw(v, 1, false, 2), 12);
}

TEST(DifferenceMethods, BareCombinationsAndTexts)
{
    StatsFixture f;
    TStatDrawArray arr;
    f.create("DIFA")->CombValues({1, 2, 3, 4, 5, 6}, arr);
    ASSERT_EQ(arr.size(), 1u);
    EXPECT_EQ(arr[0].Count, 5);
    EXPECT_EQ(arr[0].Ago, 0);
    for (const char* id : {"KDS2", "KDS3", "KDS4"}) {
        arr.clear();
        auto stat = f.create(id);
        stat->CombValues({1, 2, 3, 4, 5, 6}, arr);
        EXPECT_TRUE(arr.empty()) << id;
        EXPECT_FALSE(stat->Class().CanPrefetch()) << id;
        EXPECT_EQ(stat->ParseValue("3"), 0) << id;
    }
    EXPECT_EQ(f.create("KDS3")->Caption(), "Сочетания из 3 разностей между числами");
    EXPECT_EQ(f.create("DIFO")->ParseValue("3"), 0);
    EXPECT_EQ(f.create("DIFA")->ParseValue("3"), 3);
    TStatDraw pair;
    pair.V1 = 3;
    pair.V2 = 2;
    EXPECT_EQ(f.create("DIFO")->ValueToText(pair), "3 x 2");
    EXPECT_EQ(f.create("KDS2")->ValueToText(pair), "3:2");
    EXPECT_EQ(f.create("KDS3")->ValueToText(pair), "3:2:0");

    // Hostile bytes: differences up to 255, no key outside its byte.
    EXPECT_EQ(AdjacentDiffs({0, 255, 255, 0, 45, 1}), (Diffs{255, 0, 255, 45, 44}));
    arr.clear();
    f.create("DIFO")->CombValues({0, 255, 255, 0, 45, 1}, arr);
    ASSERT_EQ(arr.size(), 4u);
    EXPECT_EQ(KeyOf(arr[0]), PackKey(255, 2));
    EXPECT_EQ(graphValue(f, "DIFD", {0, 255, 255, 0, 45, 1}), 255);
}

TEST(DifferenceMethods, SelectionsNoWindowCanHave)
{
    StatsFixture f;
    const TComb c{1, 2, 3, 4, 5, 6};
    TStatDraw zeroCount;
    zeroCount.V1 = 1;
    TStatDraw sixCount;
    sixCount.V1 = 1;
    sixCount.V2 = 6;
    EXPECT_FALSE(f.create("DIFO")->Matches(c, {zeroCount, sixCount}, false, false, 0));
    TStatDraw five = sixCount;
    five.V2 = 5;
    EXPECT_TRUE(f.create("DIFO")->Matches(c, {five}, false, false, 0));

    TStatDraw wide;
    wide.V1 = 1;
    wide.V2 = 1;
    wide.V3 = 1;
    EXPECT_FALSE(f.create("KDS2")->Matches(c, {wide}, false, false, 0)); // a third part KDS2 never sets
    EXPECT_TRUE(f.create("KDS3")->Matches(c, {wide}, false, false, 0));
    TStatDraw negative;
    negative.V1 = -1;
    negative.V2 = 1;
    EXPECT_FALSE(f.create("KDS2")->Matches({0, 255, 0, 255, 0, 255}, {negative}, false, false, 0));
    // Windows sharing their first two differences are told apart by the rest.
    TStatDraw other = wide;
    other.V3 = 2;
    EXPECT_FALSE(f.create("KDS3")->Matches(c, {other}, false, false, 0));
    EXPECT_TRUE(f.create("KDS3")->Matches({1, 2, 3, 5, 6, 7}, {other}, false, false, 0));
}

// Random selections: the prepared test, the one-off test and the method's own
// values of the combination agree, for numbers of the game and for any bytes.
TEST(DifferenceMethods, PreparedMatchesAgreeWithValues)
{
    StatsFixture f;
    std::mt19937 rng(5);
    auto randomComb = [&](bool hostile) {
        TComb c{};
        for (auto& n : c)
            n = static_cast<model::Ball>(hostile ? rng() % 256 : 1 + rng() % 45);
        return c;
    };
    for (const char* id : {"DIFA", "DIFM", "DIFD", "DIFO", "DIFK", "KDS2", "KDS3", "KDS4"}) {
        auto stat = f.create(id);
        auto valuesOf = [&](const TComb& c) {
            KeyList keys;
            stat->NumbersValues(c, keys);
            return keys;
        };
        for (int round = 0; round < 30; ++round) {
            TStatDrawArray selected;
            for (int k = 0; k < 3; ++k)
                for (uint64_t key : valuesOf(randomComb(round % 5 == 0))) {
                    TStatDraw rec;
                    SetKey(rec, key);
                    if (rng() % 2 == 0)
                        selected.push_back(rec);
                }
            const auto m = stat->PrepareMatches(selected, {0, round % 2 == 0});
            for (int t = 0; t < 100; ++t) {
                // Small spreads make repeated differences and windows likely.
                TComb c = randomComb(t % 4 == 0);
                if (t % 4 == 1)
                    for (auto& n : c)
                        n = static_cast<model::Ball>(1 + rng() % 8);
                bool expected = false;
                for (uint64_t key : valuesOf(c))
                    expected = expected || HasKey(selected, key);
                ASSERT_EQ(m->matches(c), expected) << id;
                ASSERT_EQ(stat->Matches(c, selected, true, false, 0), expected) << id;
            }
        }
    }
}

TEST(DifferenceMethods, FullSetDistributions)
{
    StatsFixture f;
    const std::vector<std::string> ids{"DIFA", "DIFM", "DIFD", "DIFO", "DIFK"};
    std::vector<int> entries;
    for (const auto& id : ids)
        entries.push_back(f.list.FindMethod(id));
    const auto counts = CountFullSetValues(f.list, entries);
    ASSERT_EQ(counts.size(), ids.size());

    // An adjacent pair d apart collapses to one number: 5 * C(45 - d, 5) pairs per d.
    const auto& difa = counts[0];
    ASSERT_EQ(difa.size(), 40u);
    for (const auto& rec : difa)
        EXPECT_EQ(rec.Count, 5 * model::Binomial(45 - rec.V1, 5)) << rec.V1;
    // Smallest a, largest a + s, four more between: (45 - s) * C(s - 1, 4).
    const auto& difd = counts[2];
    ASSERT_EQ(difd.size(), 40u);
    for (const auto& rec : difd)
        EXPECT_EQ(rec.Count, (45 - rec.V1) * model::Binomial(rec.V1 - 1, 4)) << rec.V1;

    auto total = [](const std::vector<TStatCount>& recs, bool weighByCount) {
        int64_t n = 0;
        for (const auto& r : recs)
            n += int64_t{r.Count} * (weighByCount ? r.V2 : 1);
        return n;
    };
    EXPECT_EQ(total(counts[1], false), model::FullSetSize);
    EXPECT_EQ(total(counts[3], true), 5 * model::FullSetSize); // every difference in one tally entry
    EXPECT_EQ(total(counts[4], false), model::FullSetSize);
    EXPECT_EQ(counts[4].size(), 5u);
    EXPECT_EQ(counts[4].back().Count, 180); // a, a+d, ..., a+5d: 40 + 35 + ... + 5
}

} // namespace
} // namespace belvane::stats
