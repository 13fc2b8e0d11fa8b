#include <gtest/gtest.h>

#include <cctype>
#include <fmt/format.h>
#include <random>

#include "helpers/stats_fixture.h"
#include "model/full_set.h"
#include "stats/full_set_counts.h"
#include "stats/stat_bases.h"
#include "stats/sums.h"

namespace belvane::stats {
namespace {

using model::TComb;
using testing::findV1;
using testing::makeDraw;
using testing::StatsFixture;

// Six ascending numbers 1..45 with the given sum (21..255).
TComb withSum(int sum)
{
    TComb c{1, 2, 3, 4, 5, 6};
    int rest = sum - model::MinSum;
    for (int i = model::BallCount - 1; i >= 0 && rest > 0; --i) {
        const int room = model::MaxNumber - (model::BallCount - 1 - i) - c[static_cast<size_t>(i)];
        const int step = std::min(rest, room);
        c[static_cast<size_t>(i)] = static_cast<model::Ball>(c[static_cast<size_t>(i)] + step);
        rest -= step;
    }
    return c;
}

// An archive of draws numbered 1, 2, ... whose sums are given.
model::TDrawsArray drawsWithSums(std::initializer_list<int> sums)
{
    model::TDrawsArray draws;
    for (int s : sums)
        draws.push_back(makeDraw(static_cast<int>(draws.size()) + 1, withSum(s)));
    return draws;
}

// The statistics of a method over the window ending at lastIdx.
TStatDrawArray valuesUpTo(const StatsFixture& f, std::string_view id, int lastIdx, int length = 1000)
{
    auto stat = f.create(id);
    return CalculateRange(*stat, DrawsWindow(lastIdx + 1, 0, length), false);
}

const TStatDraw* findInts(const TStatDrawArray& arr, int32_t low, int32_t high = 0)
{
    return FindKey(arr, KeyOfInts(low, high));
}

TStatDraw sumValue(int32_t low, int32_t high = 0)
{
    TStatDraw v;
    SetLowInt(v, low);
    SetHighInt(v, high);
    return v;
}

TEST(SumMethods, HelpersBehindTheTests)
{
    for (int s = model::MinSum; s <= model::MaxSum; ++s)
        ASSERT_EQ(SumOf(withSum(s)), s) << s;
}

TEST(SumMethods, AllSumsListedAndTyped)
{
    StatsFixture empty;
    const auto values = empty.values("SUMS");
    ASSERT_EQ(values.size(), 235u);
    EXPECT_EQ(LowInt(values.front()), 21);
    EXPECT_EQ(LowInt(values.back()), 255);
    for (const auto& v : values)
        ASSERT_EQ(v.Count, 0);

    StatsFixture f({makeDraw(3, {5, 12, 23, 31, 40, 44})});
    auto sums = f.create("SUMS");
    const auto one = f.values("SUMS");
    EXPECT_EQ(one.size(), 235u);
    EXPECT_EQ(findInts(one, 155)->Count, 1);
    EXPECT_EQ(sums->ValueToText(*findInts(one, 155)), "155");
    EXPECT_EQ(sums->ParseValue("130"), 130);
    EXPECT_EQ(dynamic_cast<TCustomGraphStat&>(*sums).GraphValue(0, 0, false), 155);
    EXPECT_EQ(f.create("SUMC")->ParseValue("130"), 0); // moves cannot be typed in

    // The selected sum in V1..V2 with nothing in V3..V4; a sum of hostile bytes never reaches past the table.
    TStatDrawArray selected{sumValue(130), sumValue(131, 1)};
    const auto m = sums->PrepareMatches(selected, {0, false});
    EXPECT_TRUE(m->matches(withSum(130)));
    EXPECT_FALSE(m->matches(withSum(131)));
    EXPECT_FALSE(m->matches({255, 255, 255, 255, 255, 255}));
    EXPECT_FALSE(m->matches({0, 0, 0, 0, 0, 0}));
}

TEST(SumMethods, RangesAtTheirBounds)
{
    StatsFixture f;
    struct Case {
        const char* id;
        int low, high;
        const char* caption;
    };
    for (const Case& c : {Case{"SUM1", 93, 183, "Сумма тиража: диапазон 1 (1/3)"},
                          Case{"SUM2", 102, 174, "Сумма тиража: диапазон 2 (1/2)"},
                          Case{"SUM3", 110, 166, "Сумма тиража: диапазон 3 (2/3)"}}) {
        auto stat = f.create(c.id);
        EXPECT_EQ(stat->Caption(), c.caption);
        auto& graph = dynamic_cast<TCustomGraphStat&>(*stat);
        for (int s : {c.low - 1, c.low, c.high, c.high + 1}) {
            const bool inside = s == c.low || s == c.high;
            EXPECT_EQ(graph.CombValue(withSum(s), 0, false, 0), inside ? 1 : 0) << c.id << " " << s;
            TStatDrawArray arr;
            stat->CombValues(withSum(s), arr);
            ASSERT_EQ(arr.size(), 1u);
            EXPECT_EQ(stat->ValueToText(arr[0]), inside ? fmt::format("{}-{}", c.low, c.high) : "Остальные");
        }
        EXPECT_EQ(stat->ParseValue("1"), 0);
    }
    EXPECT_EQ(f.create("SUM1")->Class().GetHelpID(), "SUMx");

    StatsFixture sample({makeDraw(1, {5, 12, 23, 31, 40, 44}), makeDraw(2, {1, 2, 3, 4, 5, 6})});
    const auto values = sample.values("SUM1");
    ASSERT_EQ(values.size(), 2u); // 0 and 1, listed in advance
    EXPECT_EQ(findV1(values, 1)->Count, 1);
    EXPECT_EQ(findV1(values, 1)->LastDraw, 1);
    EXPECT_EQ(findV1(values, 0)->Count, 1);
    EXPECT_EQ(findV1(values, 0)->Ago, 1);
}

TEST(SumMethods, RangeFilterKeepsTheInsideWhenItsRowIsSelected)
{
    StatsFixture f;
    auto stat = f.create("SUM1");
    TStatDraw in;
    in.V1 = 1;
    TStatDraw out;
    const TComb low = withSum(93), below = withSum(92), high = withSum(183), above = withSum(184);
    for (const auto& [selected, inside] : std::vector<std::pair<TStatDrawArray, bool>>{
             {{in}, true}, {{out}, false}, {{out, in}, true}, {{in, out}, true}}) {
        const auto m = stat->PrepareMatches(selected, {0, false});
        EXPECT_EQ(m->matches(low), inside);
        EXPECT_EQ(m->matches(high), inside);
        EXPECT_EQ(m->matches(below), !inside);
        EXPECT_EQ(m->matches(above), !inside);
        EXPECT_EQ(stat->Matches(low, selected, true, false, 0), inside);
    }
}

TEST(SumMethods, PartSumsAndTriples)
{
    StatsFixture f;
    auto value = [&](std::string_view id, const TComb& c) {
        return dynamic_cast<TCustomGraphStat&>(*f.create(id)).CombValue(c, 0, false, 0);
    };
    EXPECT_EQ(value("SUME", {1, 3, 5, 7, 9, 11}), 0);
    EXPECT_EQ(value("SUME", {2, 3, 10, 11, 44, 45}), 56);
    EXPECT_EQ(value("SUMP", {1, 4, 6, 8, 9, 10}), 1); // 1 counts as prime
    EXPECT_EQ(value("SUMP", {2, 23, 41, 42, 43, 45}), 109);
    EXPECT_EQ(value("SUME", {46, 100, 0, 2, 255, 254}), 2); // only numbers of the game count
    EXPECT_TRUE(f.values("SUME").empty());
    EXPECT_TRUE(f.values("SUMP").empty());

    EXPECT_EQ(value("S2T3", {1, 2, 3, 4, 5, 6}), 6);
    EXPECT_EQ(value("S2T3", {5, 12, 23, 31, 40, 44}), 0);
    EXPECT_EQ(value("S2T3", {10, 20, 30, 40, 41, 45}), 2);
    EXPECT_EQ(value("S2T3", {45, 30, 10, 41, 20, 40}), 2); // the order does not matter
    EXPECT_EQ(value("S2T3", {0, 0, 0, 0, 0, 0}), 60);      // every position against every other pair
    EXPECT_EQ(value("S2T3", {255, 255, 255, 255, 255, 255}), 0);
    EXPECT_TRUE(f.values("S2T3").empty());

    StatsFixture one({makeDraw(1, {1, 2, 3, 4, 5, 6})});
    const auto triples = one.values("S2T3");
    ASSERT_EQ(triples.size(), 1u);
    EXPECT_EQ(triples[0].V1, 6);
    EXPECT_EQ(one.create("S2T3")->ValueToText(triples[0]), "6");
}

// Sums 130 125 140 130 125 130 150 130: the reference (last) draw has sum 130,
// whose successors in the past were 125 (twice) and 150.
TEST(SumMethods, ExactChangeAfterAPredecessorLikeTheReference)
{
    StatsFixture f(drawsWithSums({130, 125, 140, 130, 125, 130, 150, 130}));
    auto sumc = f.create("SUMC");
    EXPECT_TRUE(f.create("SUMC")->Class().GetFlags() & FlagD);
    TStatDrawArray seeds;
    sumc->InitValues(7, seeds);
    EXPECT_TRUE(seeds.empty());

    const auto values = f.values("SUMC");
    ASSERT_EQ(values.size(), 2u);
    const TStatDraw* down = findInts(values, 130, 125);
    ASSERT_NE(down, nullptr);
    EXPECT_EQ(down->Count, 2);
    EXPECT_EQ(down->LastDraw, 5);
    EXPECT_EQ(down->Ago, 4);
    EXPECT_EQ(down->MinGap, 3);
    EXPECT_EQ(down->MaxGap, 3);
    const TStatDraw* up = findInts(values, 130, 150);
    ASSERT_NE(up, nullptr);
    EXPECT_EQ(up->Count, 1);
    EXPECT_EQ(up->Ago, 2);
    EXPECT_EQ(sumc->ValueToText(*down), "- 05 : 130 - 5 = 125");
    EXPECT_EQ(sumc->ValueToText(*up), "+20 : 130 + 20 = 150");
    EXPECT_EQ(sumc->ValueToText(sumValue(120, 125)), "+05 : 120 + 5 = 125");
    EXPECT_EQ(sumc->ValueToText(sumValue(120, 120)), "+00 : 120 + 0 = 120");

    // The combination stands for the next draw: only its sum against the next-sum part counts.
    const TStatDrawArray selected{*down};
    const auto m = sumc->PrepareMatches(selected, {7, false});
    EXPECT_TRUE(m->matches(withSum(125)));
    EXPECT_FALSE(m->matches(withSum(130)));
    EXPECT_TRUE(sumc->PrepareMatches({sumValue(99, 125)}, {7, false})->matches(withSum(125)));

    // A window ending earlier takes its own last draw as the reference.
    const auto upTo6 = valuesUpTo(f, "SUMC", 6); // reference sum 150: no predecessor of 150 before it
    EXPECT_TRUE(upTo6.empty());
    const auto upTo5 = valuesUpTo(f, "SUMC", 5); // reference sum 130 again
    ASSERT_EQ(upTo5.size(), 1u);
    EXPECT_EQ(findInts(upTo5, 130, 125)->Ago, 2);

    // The graph: each draw's sum against the draw before it; the first against zero.
    auto& graph = dynamic_cast<TCustomGraphStat&>(*sumc);
    EXPECT_EQ(graph.GraphValue(0, 7, false), 130);
    EXPECT_EQ(graph.GraphValue(1, 7, false), -5);
    EXPECT_EQ(graph.GraphValue(6, 7, true), 20);

    // The next draw after draw 2 whose move counts with the newest draw as reference.
    EXPECT_EQ(sumc->FindNextDraw(*down, 2, false, 7), 5);
    EXPECT_EQ(sumc->FindNextDraw(*up, 7, false, 7), -1);
}

TEST(SumMethods, TrendAfterAPredecessorLikeTheReference)
{
    StatsFixture f(drawsWithSums({130, 125, 140, 130, 125, 130, 150, 130}));
    auto sumt = f.create("SUMT");
    const auto values = f.values("SUMT");
    ASSERT_EQ(values.size(), 3u); // 0, 1 and -1 listed in advance, in that order
    EXPECT_EQ(LowInt(values[0]), 0);
    EXPECT_EQ(LowInt(values[1]), 1);
    EXPECT_EQ(LowInt(values[2]), -1);
    EXPECT_EQ(values[2].V1, -1);
    EXPECT_EQ(values[2].V2, -1);
    EXPECT_EQ(values[0].Count, 0);
    EXPECT_EQ(values[1].Count, 1);
    EXPECT_EQ(values[2].Count, 2);
    EXPECT_EQ(sumt->ValueToText(values[0]), "=");
    EXPECT_EQ(sumt->ValueToText(values[1]), "+");
    EXPECT_EQ(sumt->ValueToText(values[2]), "-");

    for (const auto& v : valuesUpTo(f, "SUMT", 6))
        EXPECT_EQ(v.Count, 0);

    // The move from the reference draw at lastIdx (sum 130 at 7, 150 at 6).
    const auto same = sumt->PrepareMatches({values[0]}, {7, false});
    EXPECT_TRUE(same->matches(withSum(130)));
    EXPECT_FALSE(same->matches(withSum(131)));
    const auto rising = sumt->PrepareMatches({values[1]}, {6, false});
    EXPECT_TRUE(rising->matches(withSum(151)));
    EXPECT_FALSE(rising->matches(withSum(150)));
    EXPECT_FALSE(rising->matches(withSum(140)));
    EXPECT_EQ(sumt->RefDraw.Number, 7); // the reference draw is loaded for the filter

    auto& graph = dynamic_cast<TCustomGraphStat&>(*sumt);
    EXPECT_EQ(graph.GraphValue(0, 7, false), 1);
    EXPECT_EQ(graph.GraphValue(1, 7, false), -1);
    EXPECT_EQ(graph.CombValue(withSum(125), 5, false, 7), 0);
}

// Reference sum 130: predecessors of sum 107 and 153 (23 away) count, 106 and 154 (24 away) do not.
TEST(SumMethods, ChangeWithinAWindowOfTheReference)
{
    StatsFixture f(drawsWithSums({107, 120, 153, 100, 154, 110, 106, 130}));
    auto sumv = f.create("SUMV");
    const auto values = f.values("SUMV");
    std::vector<int32_t> changes;
    for (const auto& v : values)
        changes.push_back(LowInt(v));
    EXPECT_EQ(changes, (std::vector<int32_t>{13, 33, -53, -4}));
    const TStatDraw* fall = findInts(values, -53);
    ASSERT_NE(fall, nullptr);
    EXPECT_EQ(fall->V1, -53);
    EXPECT_EQ(fall->V2, -1);
    EXPECT_EQ(sumv->ValueToText(*fall), "- 53");
    EXPECT_EQ(sumv->ValueToText(sumValue(-7)), "- 07");
    EXPECT_EQ(sumv->ValueToText(sumValue(0)), "+00");
    EXPECT_EQ(sumv->ValueToText(sumValue(13)), "+13");
    EXPECT_EQ(sumv->ValueToText(sumValue(130)), "+130");
    EXPECT_FALSE(sumv->Class().HasGraph());

    // A combination moves from the reference draw at lastIdx.
    const auto m = sumv->PrepareMatches({*fall, sumValue(13)}, {7, false});
    EXPECT_TRUE(m->matches(withSum(77)));
    EXPECT_TRUE(m->matches(withSum(143)));
    EXPECT_FALSE(m->matches(withSum(130)));
    const auto earlier = sumv->PrepareMatches({*fall, sumValue(13)}, {6, false}); // reference sum 106
    EXPECT_TRUE(earlier->matches(withSum(53)));
    EXPECT_TRUE(earlier->matches(withSum(119)));
    EXPECT_FALSE(earlier->matches({255, 255, 255, 255, 255, 255}));
    // A change far beyond any sum cannot overflow the table.
    EXPECT_FALSE(
        sumv->PrepareMatches({sumValue(-2'000'000'000), sumValue(2'000'000'000)}, {7, false})->matches(withSum(130)));
}

TEST(SumMethods, FirstDrawFollowsAnAllZeroDraw)
{
    StatsFixture f({makeDraw(1, {1, 2, 3, 4, 5, 7}), makeDraw(2, {1, 2, 3, 4, 5, 6})});
    // Reference sum 21 is within 23 of the zero predecessor: the first draw counts with +22.
    const auto values = f.values("SUMV");
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(LowInt(values[0]), 22);
    EXPECT_EQ(values[0].LastDraw, 1);
    EXPECT_EQ(LowInt(values[1]), -1);
    // A one-draw window on the first draw: its own sum 22 is within reach of zero too.
    const auto first = valuesUpTo(f, "SUMV", 0);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(LowInt(first[0]), 22);
    EXPECT_TRUE(valuesUpTo(f, "SUMC", 0).empty());
    EXPECT_EQ(dynamic_cast<TCustomGraphStat&>(*f.create("SUMT")).GraphValue(0, 1, false), 1);
}

TEST(SumMethods, MovesNeedHistoryAndAddNothingForABareCombination)
{
    StatsFixture f(drawsWithSums({130, 125}));
    for (const char* id : {"SUMC", "SUMV", "SUMT"}) {
        auto stat = f.create(id);
        EXPECT_FALSE(stat->Class().CanPrefetch()) << id;
        TStatDrawArray arr;
        stat->CombValues({1, 2, 3, 4, 5, 6}, arr);
        EXPECT_TRUE(arr.empty()) << id;
    }
}

// Random archives and selections: the prepared test, the one-off test and the
// values the method itself gives (or, for moves, the move from the reference draw) agree.
TEST(SumMethods, PreparedMatchesAgreeWithValues)
{
    std::mt19937 rng(11);
    auto randomComb = [&](bool hostile) {
        TComb c{};
        for (auto& n : c)
            n = static_cast<model::Ball>(hostile ? rng() % 256 : 1 + rng() % 45);
        return c;
    };
    model::TDrawsArray draws;
    for (int i = 0; i < 60; ++i)
        draws.push_back(makeDraw(i + 1, withSum(100 + static_cast<int>(rng() % 80))));
    StatsFixture f(draws);

    for (const char* id : {"SUMS", "SUM1", "SUM2", "SUM3", "SUME", "SUMP", "S2T3"}) {
        auto stat = f.create(id);
        for (int round = 0; round < 20; ++round) {
            TStatDrawArray selected;
            for (int k = 0; k < 4; ++k)
                stat->CombValues(randomComb(false), selected);
            const bool rangeRow = std::string_view(id).starts_with("SUM") && std::string_view(id).size() == 4 &&
                                  std::isdigit(static_cast<unsigned char>(id[3]));
            const auto m = stat->PrepareMatches(selected, {59, false});
            for (int t = 0; t < 60; ++t) {
                const TComb c = randomComb(t % 3 == 0);
                TStatDrawArray own;
                stat->CombValues(c, own);
                bool expected = false;
                for (const auto& v : own)
                    expected = expected || HasKey(selected, KeyOf(v));
                if (rangeRow && HasKey(selected, PackKey(0)) && HasKey(selected, PackKey(1)))
                    expected = own[0].V1 == 1; // both rows select the inside
                ASSERT_EQ(m->matches(c), expected) << id;
                ASSERT_EQ(stat->Matches(c, selected, false, false, 59), expected) << id;
            }
        }
    }

    for (const char* id : {"SUMC", "SUMV", "SUMT"}) {
        auto stat = f.create(id);
        for (int lastIdx : {59, 40, 1, 0}) {
            const auto all = valuesUpTo(f, id, lastIdx);
            const int ref = SumOf(draws[static_cast<size_t>(lastIdx)].Balls);
            for (int round = 0; round < 10; ++round) {
                TStatDrawArray selected;
                for (const auto& v : all)
                    if (rng() % 3 == 0)
                        selected.push_back(v);
                const auto m = stat->PrepareMatches(selected, {lastIdx, true});
                for (int t = 0; t < 60; ++t) {
                    const TComb c = t % 4 == 0 ? randomComb(true) : withSum(ref - 30 + static_cast<int>(rng() % 61));
                    const int s = SumOf(c);
                    bool expected = false;
                    for (const auto& v : selected) {
                        if (std::string_view(id) == "SUMC")
                            expected = expected || HighInt(v) == s;
                        else if (std::string_view(id) == "SUMV")
                            expected = expected || LowInt(v) == s - ref;
                        else
                            expected = expected || LowInt(v) == (s > ref) - (s < ref);
                    }
                    ASSERT_EQ(m->matches(c), expected) << id << " " << lastIdx;
                    ASSERT_EQ(stat->Matches(c, selected, false, true, lastIdx), expected) << id;
                }
            }
        }
    }
}

TEST(SumMethods, FullSetDistributionOfTheSum)
{
    StatsFixture f;
    const std::vector<int> entries{f.list.FindMethod("SUMS"), f.list.FindMethod("SUME"), f.list.FindMethod("SUMP"),
                                   f.list.FindMethod("S2T3"), f.list.FindMethod("SUM1")};
    const auto counts = CountFullSetValues(f.list, entries);
    ASSERT_EQ(counts.size(), entries.size());

    const auto& sums = counts[0];
    ASSERT_EQ(sums.size(), 235u);
    int64_t total = 0;
    for (size_t i = 0; i < sums.size(); ++i) {
        EXPECT_EQ(sums[i].V1, static_cast<int16_t>(21 + i));
        EXPECT_EQ(sums[i].V2, 0);
        // s and 276 - s: the combination 46 - n of every number mirrors the sum.
        EXPECT_EQ(sums[i].Count, sums[sums.size() - 1 - i].Count) << sums[i].V1;
        total += sums[i].Count;
    }
    EXPECT_EQ(total, model::FullSetSize);
    EXPECT_EQ(sums[0].Count, 1);
    EXPECT_EQ(sums[117].V1, 138);

    for (size_t m = 1; m < counts.size(); ++m) {
        int64_t n = 0;
        for (const auto& rec : counts[m])
            n += rec.Count;
        EXPECT_EQ(n, model::FullSetSize) << m; // one value per combination
    }
    EXPECT_EQ(counts[1].front().V1, 0); // all odd
    EXPECT_EQ(counts[4].size(), 2u);
    EXPECT_EQ(counts[4][1].Count, 7'076'136); // sums 93..183
}

TEST(SumMethods, FilteringTheFullSetByTheInsideOfRangeOne)
{
    std::vector<TComb> all;
    all.reserve(static_cast<size_t>(model::FullSetSize));
    TComb c = model::FirstCombination;
    do
        all.push_back(c);
    while (model::NextCombination(c));
    ASSERT_EQ(all.size(), static_cast<size_t>(model::FullSetSize));

    StatsFixture f;
    TStatDraw inside;
    inside.V1 = 1;
    const auto m = f.create("SUM1")->PrepareMatches({inside}, {0, false});
    std::vector<TComb> kept(all.size());
    EXPECT_EQ(m->filter(all, kept.data(), true), 7'076'136u);
    EXPECT_EQ(m->filter(all, kept.data(), false), 8'145'060u - 7'076'136u);
}

} // namespace
} // namespace belvane::stats
