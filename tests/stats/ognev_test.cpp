#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "helpers/stats_fixture.h"
#include "stats/class_table.h"
#include "stats/ognev.h"

namespace belvane::stats {
namespace {

using model::TComb;
using testing::graphValue;
using testing::makeDraw;
using testing::occurred;
using testing::StatsFixture;
using testing::Texts;

// The newest draw of a window and the draw after it.
StatsFixture windowAndNext(TComb newest, TComb next)
{
    return StatsFixture({makeDraw(20, {1, 9, 17, 25, 33, 41}), makeDraw(21, newest), makeDraw(22, next)});
}

// HCO3 over the window ending at the draw before the last.
Texts candidates(const StatsFixture& f, bool sorted = true)
{
    auto stat = f.create("HCO3");
    Texts out;
    for (const TStatDraw& v : CalculateRange(*stat, DrawsWindow(static_cast<int>(f.draws.size()), 1, 1000), sorted))
        out.emplace_back(stat->ValueToText(v), v.Count);
    return out;
}

TEST(OgnevMethods, RegisteredAtTheirPlaces)
{
    StatsFixture f;
    EXPECT_EQ(StatClassPosition(&TstOgnev1Class), 139);
    EXPECT_EQ(StatClassPosition(&TstOgnev3Class), 141);
    EXPECT_EQ(f.list.MethodText(f.list.FindMethod("HCO1"), true), "{ ogn } Число Огнева 1 (только разность) [ SNG ]");
    EXPECT_EQ(f.list.MethodText(f.list.FindMethod("HCO2"), true),
              "{ ogn } Число Огнева 2 (разность + сложение, если {0,1}) [ SNG ]");
    EXPECT_EQ(f.list.MethodText(f.list.FindMethod("HCO3"), true),
              "{ ogn } Числа Огнева 3 (динамический, только фильтр) [ SD ]");
    EXPECT_FALSE(TstOgnev3Class.ValueFromText());
    EXPECT_TRUE(TstOgnev1Class.ValueFromText());
}

TEST(OgnevMethods, Reduction)
{
    using enum OgnevMode;
    // Differences all 1, then all 0: d = 0.
    EXPECT_EQ(OgnevNumberOf({1, 2, 3, 4, 5, 6}, Difference).Value, 0);
    EXPECT_EQ(OgnevNumberOf({1, 2, 3, 4, 5, 6}, SumBelowTwo).Value, 0);
    EXPECT_EQ(OgnevNumberOf({1, 2, 3, 4, 5, 6}, Dynamic).Value, 0);
    // 7 14 25 29 31 42 ends in 2, 2: d = 0, the sum 4 in modes 1 and 2.
    EXPECT_EQ(OgnevNumberOf({7, 14, 25, 29, 31, 42}, Difference).Value, 0);
    EXPECT_EQ(OgnevNumberOf({7, 14, 25, 29, 31, 42}, SumBelowTwo).Value, 4);
    EXPECT_EQ(OgnevNumberOf({7, 14, 25, 29, 31, 42}, Dynamic).Value, 4);
    // 10 13 17 36 40 44 ends in 14, 15: d = 1, the sum 29.
    EXPECT_EQ(OgnevNumberOf({10, 13, 17, 36, 40, 44}, Difference).Value, 1);
    EXPECT_EQ(OgnevNumberOf({10, 13, 17, 36, 40, 44}, SumBelowTwo).Value, 29);
    const OgnevNumber two = OgnevNumberOf({10, 13, 17, 36, 40, 44}, Dynamic);
    EXPECT_TRUE(two.HasSecond);
    EXPECT_EQ(two.Value, 1);
    EXPECT_EQ(two.Second, 29);
    // The order of the numbers matters.
    EXPECT_EQ(OgnevNumberOf({40, 44, 10, 13, 17, 36}, Difference).Value, 13);
}

TEST(OgnevMethods, NumbersOfDrawsAndGraph)
{
    const StatsFixture f(
        {makeDraw(1, {7, 14, 25, 29, 31, 42}), makeDraw(2, {10, 13, 17, 36, 40, 44}), makeDraw(3, {1, 2, 3, 4, 5, 6})});
    EXPECT_EQ(occurred(f, "HCO1"), (Texts{{"0", 2}, {"1", 1}}));
    EXPECT_EQ(occurred(f, "HCO2"), (Texts{{"4", 1}, {"29", 1}, {"0", 1}}));
    EXPECT_EQ(f.values("HCO1")[0].MinGap, 2); // draws 1 and 3
    EXPECT_EQ(graphValue(f, "HCO2", {10, 13, 17, 36, 40, 44}), 29);
    TStatDraw selected;
    selected.V1 = 29;
    EXPECT_TRUE(f.create("HCO2")->Matches({10, 13, 17, 36, 40, 44}, {selected}, false, false, 0));
    EXPECT_FALSE(f.create("HCO1")->Matches({10, 13, 17, 36, 40, 44}, {selected}, false, false, 0));
}

// The newest draw's number and its multiples, each marked by whether the draw
// after the window has it.
TEST(OgnevMethods, CandidatesForTheNextDraw)
{
    // f = 3: 3, then 27 down to 6 by 3; the next draw holds 3, 12 and 27.
    EXPECT_EQ(candidates(windowAndNext({7, 15, 18, 29, 38, 45}, {3, 12, 27, 40, 41, 42})),
              (Texts{{"3", 1}, {"27", 1}, {"24", 0}, {"21", 0}, {"18", 0}, {"15", 0}, {"12", 1}, {"9", 0}, {"6", 0}}));
    // f = 7: 49 is beyond 45.
    EXPECT_EQ(candidates(windowAndNext({4, 14, 26, 28, 32, 37}, {1, 2, 3, 4, 5, 6})),
              (Texts{{"7", 0}, {"42", 0}, {"35", 0}, {"28", 0}, {"21", 0}, {"14", 0}}));
    // A two-part number: 29 (1), whose multiples are all beyond 45.
    EXPECT_EQ(candidates(windowAndNext({10, 13, 17, 36, 40, 44}, {29, 30, 31, 32, 33, 34})), (Texts{{"29 (1)", 1}}));
    // 0 and 1 have no multiples.
    EXPECT_EQ(candidates(windowAndNext({1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6})), (Texts{{"0", 0}}));
}

// Only the newest draw of the window counts; at the end of the archive there
// is no next draw, so nothing is marked (not even 0 against an empty record).
TEST(OgnevMethods, WindowEdges)
{
    const auto f = windowAndNext({7, 15, 18, 29, 38, 45}, {1, 2, 3, 4, 5, 6});
    auto stat = f.create("HCO3");
    const auto atEnd = CalculateRange(*stat, DrawsWindow(3, 0, 1000), true);
    ASSERT_EQ(atEnd.size(), 1u);
    EXPECT_EQ(atEnd[0].Count, 0);
    EXPECT_EQ(atEnd[0].Ago, 1);
    EXPECT_EQ(atEnd[0].LastDraw, 22);
    EXPECT_EQ(FindKey(atEnd, PackKey(0)), &atEnd[0]);

    const auto older = CalculateRange(*stat, DrawsWindow(3, 1, 1000), true);
    for (const TStatDraw& v : older) {
        EXPECT_EQ(v.Ago, 1);
        EXPECT_EQ(v.LastDraw, 21);
        EXPECT_EQ(v.MinGap, 0);
        EXPECT_EQ(stat->FindNextDraw(v, 2, true, 1), -1); // later draws are not the newest of the window
    }
    EXPECT_TRUE(CalculateRange(*stat, DrawsWindow(3, 5, 1000), true).empty());

    // Filtering: any number of the combination is a selected value.
    TStatDrawArray selected(1);
    selected[0].V1 = 27;
    EXPECT_TRUE(stat->Matches({1, 2, 3, 4, 5, 27}, selected, false, true, 1));
    EXPECT_FALSE(stat->Matches({1, 2, 3, 4, 5, 26}, selected, false, true, 1));
    selected[0].V2 = 1;
    selected[0].V4 = 2;
    EXPECT_TRUE(stat->Matches({1, 2, 3, 4, 5, 27}, selected, false, true, 1));
}

// Over a long archive: at every window end, a row selected alone keeps the
// combination equal to the next draw exactly when the row was counted (the
// next draw has its number).
TEST(OgnevMethods, CountedCandidatesAreThoseTheNextDrawKeeps)
{
    std::mt19937 rng(41);
    model::TDrawsArray draws;
    for (int i = 0; i < 400; ++i) {
        std::vector<model::Ball> pool(45);
        std::iota(pool.begin(), pool.end(), model::Ball{1});
        std::shuffle(pool.begin(), pool.end(), rng);
        TComb c{};
        std::copy_n(pool.begin(), 6, c.begin());
        draws.push_back(makeDraw(i + 1, c));
    }
    const StatsFixture f(draws);
    auto stat = f.create("HCO3");
    int counted = 0;
    for (int last = 0; last + 1 < static_cast<int>(draws.size()); ++last) {
        const TComb next = model::SortedDraw(draws[static_cast<size_t>(last + 1)]).Balls;
        const auto values = CalculateRange(*stat, DrawsWindow(static_cast<int>(draws.size()), 399 - last, 5), last % 2);
        ASSERT_FALSE(values.empty()) << last;
        for (const TStatDraw& v : values) {
            EXPECT_EQ(stat->PrepareMatches({v}, {last, true})->matches(next), v.Count == 1) << last;
            counted += v.Count;
        }
    }
    EXPECT_GT(counted, 50);
}

} // namespace
} // namespace belvane::stats
