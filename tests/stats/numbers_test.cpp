#include <gtest/gtest.h>

#include <random>

#include "helpers/stats_fixture.h"
#include "stats/stat_bases.h"

namespace belvane::stats {
namespace {

using model::TComb;
using testing::findV1;
using testing::makeDraw;
using testing::oneDraw;
using testing::StatsFixture;

TEST(NumberMethods, NumsListsEveryNumber)
{
    const auto values = oneDraw({5, 12, 23, 31, 40, 44}, 9).values("NUMS");
    ASSERT_EQ(values.size(), 45u);
    for (const TStatDraw& v : values) {
        const bool drawn = v.V1 == 5 || v.V1 == 12 || v.V1 == 23 || v.V1 == 31 || v.V1 == 40 || v.V1 == 44;
        EXPECT_EQ(v.Count, drawn ? 1 : 0) << v.V1;
        EXPECT_EQ(v.Ago, drawn ? 1 : 0) << v.V1;
    }
    EXPECT_EQ(values[0].V1, 1); // seeds first, in order
}

TEST(NumberMethods, DigitsCountEveryOccurrence)
{
    const auto values = oneDraw({10, 20, 30, 40, 41, 45}, 9).values("DIGS");
    EXPECT_EQ(findV1(values, 0)->Count, 4);
    EXPECT_EQ(findV1(values, 4)->Count, 3);
    EXPECT_EQ(findV1(values, 1)->Count, 2);
    EXPECT_EQ(findV1(values, 2)->Count, 1);
    EXPECT_EQ(findV1(values, 5)->Count, 1);
    EXPECT_EQ(findV1(values, 7), nullptr); // nothing is listed in advance
    // The repeated digit of one draw measures a gap of 0 ...
    const auto first = oneDraw({11, 2, 3, 4, 5, 6}, 9).values("DIGS");
    EXPECT_EQ(findV1(first, 1)->Count, 2);
    EXPECT_EQ(findV1(first, 1)->MinGap, 0);
    // ... which, being "no gap yet", gives way to the next real gap.
    StatsFixture two({makeDraw(1, {11, 2, 3, 4, 5, 6}), makeDraw(4, {1, 7, 8, 9, 22, 33})});
    const auto twoValues = two.values("DIGS");
    const TStatDraw* one = findV1(twoValues, 1);
    EXPECT_EQ(one->Count, 3);
    EXPECT_EQ(one->MinGap, 3);
    EXPECT_EQ(one->MaxGap, 3);
}

TEST(NumberMethods, CountsAsRatios)
{
    auto even = oneDraw({2, 4, 6, 8, 10, 12}, 9);
    auto stat = even.create("EVEN");
    const auto values = even.values("EVEN");
    EXPECT_EQ(findV1(values, 6)->Count, 1);
    EXPECT_EQ(stat->ValueToText(*findV1(values, 6)), "6:0");
    EXPECT_EQ(stat->TextToValue("2:4"), 2);
    EXPECT_EQ(stat->TextToValue("x"), 0);

    const auto odd = oneDraw({1, 3, 5, 7, 9, 11}, 9).values("EVEN");
    ASSERT_EQ(odd.size(), 7u); // 1..6 listed in advance, 0 added when it occurs
    EXPECT_EQ(odd.back().V1, 0);
    EXPECT_EQ(odd.back().Count, 1);

    EXPECT_EQ(findV1(oneDraw({1, 4, 6, 8, 9, 10}, 9).values("PRIM"), 1)->Count, 1);    // 1 counts as prime
    EXPECT_EQ(findV1(oneDraw({22, 23, 1, 2, 30, 40}, 9).values("SMAL"), 3)->Count, 1); // 22 small, 23 large
}

TEST(NumberMethods, MasksByPosition)
{
    auto f = oneDraw({2, 3, 4, 5, 6, 7}, 9);
    auto evnv = f.create("EVNV");
    const auto values = f.values("EVNV");
    EXPECT_EQ(values.size(), 64u);
    const TStatDraw* hit = nullptr;
    for (const auto& v : values)
        if (v.Count == 1)
            hit = &v;
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(LowInt(*hit), 21);
    EXPECT_EQ(evnv->ValueToText(*hit), "ЧнЧнЧн (021)");
    TStatDraw m22;
    SetLowInt(m22, 22);
    EXPECT_EQ(evnv->ValueToText(m22), "ЧнЧннЧ (022)");
    EXPECT_EQ(evnv->TextToValue("ЧнЧннЧ (022)"), 22);
    EXPECT_EQ(evnv->TextToValue("нн"), 48); // missing letters are clear bits

    // Order matters unless the draws are sorted.
    StatsFixture stored({makeDraw(1, {7, 2, 4, 5, 6, 3})});
    const auto unsorted = stored.values("EVNV", false);
    const auto sorted = stored.values("EVNV", true);
    auto maskOf = [](const TStatDrawArray& arr) {
        for (const auto& v : arr)
            if (v.Count == 1)
                return LowInt(v);
        return -1;
    };
    EXPECT_EQ(maskOf(sorted), 21);
    EXPECT_EQ(maskOf(unsorted), 0b100101); // 7 2 4 5 6 3: odd, even, even, odd, even, odd

    EXPECT_TRUE(f.values("SMLV").size() == 1u); // nothing listed in advance
    auto smlv = f.create("SMLV");
    TStatDraw m;
    SetLowInt(m, 0b000011);
    EXPECT_EQ(smlv->ValueToText(m), "111122 (003)");
    auto prmv = f.create("PRMV");
    EXPECT_EQ(prmv->ValueToText(m), "ССССПП (003)");
}

TEST(NumberMethods, PositionAndExtra)
{
    auto f = oneDraw({5, 12, 23, 31, 40, 44}, 17);
    EXPECT_EQ(findV1(f.values("POS3"), 23)->Count, 1);
    EXPECT_EQ(f.values("POS3").size(), 45u);
    const auto extra = f.values("POE1");
    ASSERT_EQ(extra.size(), 1u);
    EXPECT_EQ(extra[0].V1, 17);

    auto pos = f.create("POS3");
    auto* graph = dynamic_cast<TCustomGraphStat*>(pos.get());
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->GraphValue(0, 0, false), 23);
    auto poe = f.create("POE1");
    EXPECT_EQ(dynamic_cast<TCustomGraphStat*>(poe.get())->CombValue({1, 2, 3, 4, 5, 6}, 0, false, 0), 17);

    // The extra-number method cannot filter: keeping empties, removing keeps all.
    poe->LoadDraws(-1, 0, false);
    const auto matcher = poe->PrepareMatches(extra, {0, false});
    const std::vector<TComb> combs{{1, 2, 3, 4, 5, 17}, {17, 18, 19, 20, 21, 22}};
    std::vector<TComb> out(2);
    EXPECT_EQ(matcher->filter(combs, out.data(), true), 0u);
    EXPECT_EQ(matcher->filter(combs, out.data(), false), 2u);
}

TEST(NumberMethods, CombValuesOfABareCombination)
{
    StatsFixture f;
    TStatDrawArray arr;
    f.create("DIGS")->CombValues({1, 11, 21, 31, 41, 45}, arr);
    EXPECT_EQ(findV1(arr, 1)->Count, 6);
    EXPECT_EQ(findV1(arr, 4)->Count, 2);
    EXPECT_EQ(findV1(arr, 1)->Ago, 0);
    arr.clear();
    f.create("POE1")->CombValues({1, 2, 3, 4, 5, 6}, arr);
    EXPECT_TRUE(arr.empty());
}

TEST(NumberMethods, EmptyArchiveStillListsValues)
{
    StatsFixture f;
    EXPECT_EQ(f.values("NUMS").size(), 45u);
    EXPECT_EQ(f.values("EVNV").size(), 64u);
    auto nums = f.create("NUMS");
    TStatDraw seven;
    seven.V1 = 7;
    EXPECT_EQ(nums->FindNextDraw(seven, 0, false, -1), -1);
}

TEST(NumberMethods, FindNextDrawFindsTheNextOccurrence)
{
    StatsFixture f(
        {makeDraw(10, {1, 2, 3, 4, 5, 6}), makeDraw(11, {7, 8, 9, 10, 11, 12}), makeDraw(12, {1, 13, 14, 15, 16, 17})});
    auto nums = f.create("NUMS");
    TStatDraw one;
    one.V1 = 1;
    EXPECT_EQ(nums->FindNextDraw(one, 1, false, 0), 12);
    EXPECT_EQ(nums->FindNextDraw(one, 0, false, 0), 10);
    EXPECT_EQ(nums->FindNextDraw(one, 3, false, 0), -1);
}

// Every number method answers the same through its prepared matcher and the
// one-off test, and both agree with the method's own values of the combination.
TEST(NumberMethods, PreparedMatchesAgreeWithValues)
{
    StatsFixture f({makeDraw(1, {5, 12, 23, 31, 40, 44}, 3)});
    std::mt19937 rng(7);
    for (const char* id : {"NUMS", "DIGS", "EVEN", "EVNV", "SMAL", "SMLV", "PRIM", "PRMV", "POS1", "POS6"}) {
        auto stat = f.create(id);
        TStatDrawArray all;
        stat->InitValues(0, all);
        for (int round = 0; round < 20; ++round) {
            TStatDrawArray selected;
            for (int k = 0; k < 3; ++k) {
                TComb c{};
                for (auto& n : c)
                    n = static_cast<model::Ball>(1 + rng() % 45);
                stat->CombValues(c, selected);
            }
            stat->LoadDraws(-1, 0, false);
            const auto matcher = stat->PrepareMatches(selected, {0, false});
            for (int t = 0; t < 50; ++t) {
                TComb c{};
                for (auto& n : c)
                    n = static_cast<model::Ball>(1 + rng() % 45);
                TStatDrawArray own;
                stat->CombValues(c, own);
                bool expected = false;
                for (const auto& v : own)
                    expected = expected || HasKey(selected, KeyOf(v));
                ASSERT_EQ(matcher->matches(c), expected) << id;
                ASSERT_EQ(stat->Matches(c, selected, false, false, 0), expected) << id;
            }
        }
    }
}

TEST(NumberMethods, FilterKeepsOrderInPlace)
{
    StatsFixture f;
    auto nums = f.create("NUMS");
    TStatDrawArray selected(1);
    selected[0].V1 = 7;
    std::vector<TComb> list{{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {7, 8, 9, 10, 11, 12}, {8, 9, 10, 11, 12, 13}};
    const auto matcher = nums->PrepareMatches(selected, {0, false});
    const size_t kept = matcher->filter(list, list.data(), true);
    ASSERT_EQ(kept, 2u);
    EXPECT_EQ(list[0], (TComb{1, 2, 3, 4, 5, 7}));
    EXPECT_EQ(list[1], (TComb{7, 8, 9, 10, 11, 12}));
}

} // namespace
} // namespace belvane::stats
