#include <gtest/gtest.h>

#include "helpers/match_agreement.h"
#include "helpers/stats_fixture.h"
#include "model/full_set.h"
#include "stats/class_table.h"
#include "stats/full_set_counts.h"
#include "stats/shredding.h"

namespace belvane::stats {
namespace {

using model::TComb;
using testing::findV1;
using testing::makeDraw;
using testing::StatsFixture;

TStatDraw withV1(int16_t v1)
{
    TStatDraw v;
    v.V1 = v1;
    return v;
}

// The value each draw of the archive gave, oldest first.
std::vector<int> drawValues(const StatsFixture& f, std::string_view id, bool sorted = false)
{
    auto stat = f.create(id);
    auto& graph = dynamic_cast<TCustomGraphStat&>(*stat);
    std::vector<int> out;
    for (int i = 0; i < static_cast<int>(f.draws.size()); ++i)
        out.push_back(graph.GraphValue(i, static_cast<int>(f.draws.size()) - 1, sorted));
    return out;
}

TEST(ShreddingMethods, ThreeSlotsAtTheirPlaceInTheRegistry)
{
    StatsFixture f;
    EXPECT_EQ(StatClassPosition(&TstShreddingStatClass), 142);
    ASSERT_EQ(f.list.FindMethod("SHR0"), -1);
    ASSERT_EQ(f.list.FindMethod("SHR4"), -1);
    const int first = f.list.FindMethod("shr1");
    ASSERT_GE(first, 0);
    for (int k = 1; k <= 3; ++k) {
        const TStatMethod& m = f.list.Item(first + k - 1);
        EXPECT_EQ(m.ID(), "SHR" + std::to_string(k));
        EXPECT_EQ(m.Param, k);
        EXPECT_EQ(m.DisplayCaption(),
                  "Метод шинковки " + std::to_string(k) + ": " + std::string(DefaultFormulas[k - 1]));
        EXPECT_EQ(FlagsText(m.StatClass->Flags()), "SNG");
        EXPECT_EQ(m.StatClass->GetGroup(), GroupShredding);
        EXPECT_EQ(m.StatClass->GetHelpID(), "SHRx");
        EXPECT_TRUE(f.list.CanPrefetch(first + k - 1));
        EXPECT_TRUE(f.list.InDrawsStat(first + k - 1));
    }
    EXPECT_EQ(f.list.MethodText(first, true), "{ shr } Метод шинковки 1: (n1+n2+n3)/(n4+n5+n6) [ SNG ]");
    // nothing is listed in advance; values are typed in as decimals
    EXPECT_TRUE(f.values("SHR1").empty());
    EXPECT_EQ(f.create("SHR1")->ParseValue("33"), 33);
    EXPECT_EQ(f.create("SHR1")->ValueToText(withV1(7)), "7");
}

// Draws are valued in the order their numbers came, with the two draws
// before them; the first draws have zeros for the draws they lack.
TEST(ShreddingMethods, DrawValuesUseTheDrawsBefore)
{
    StatsFixture f(
        {makeDraw(1, {1, 2, 3, 4, 5, 6}), makeDraw(2, {10, 20, 30, 5, 6, 7}), makeDraw(3, {30, 20, 10, 7, 6, 5})});
    EXPECT_EQ(drawValues(f, "SHR1"), (std::vector<int>{40, 33, 33}));
    EXPECT_EQ(drawValues(f, "SHR1", true), (std::vector<int>{40, 30, 30})); // 5 6 7 / 10 20 30

    f.config.Formulas[1] = "(n1+p1+t1)/7";
    f.config.FormulaDigits[1] = 3;
    f.list.BuildMethods();
    // 1/7, (10+1)/7, (30+10+1)/7
    EXPECT_EQ(drawValues(f, "SHR2"), (std::vector<int>{142, 571, 857}));

    const auto values = f.values("SHR2");
    ASSERT_EQ(values.size(), 3u);
    const TStatDraw* last = findV1(values, 857);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->Count, 1);
    EXPECT_EQ(last->LastDraw, 3);
}

TEST(ShreddingMethods, CombinationsAloneOrAtADrawPosition)
{
    StatsFixture f({makeDraw(1, {1, 2, 3, 4, 5, 6}), makeDraw(2, {7, 8, 9, 10, 11, 12})});
    f.config.Formulas[0] = "n1/(p1+t1+3)";
    f.list.BuildMethods();
    auto stat = f.create("SHR1");
    // alone: p and t are zeros, 1/3
    TStatDrawArray arr;
    stat->CombValues({1, 2, 3, 4, 5, 6}, arr);
    ASSERT_EQ(arr.size(), 1u);
    EXPECT_EQ(arr[0].V1, 33);
    EXPECT_EQ(arr[0].Count, 1);
    // after draw 2 (p) and draw 1 (t): 5/(7+1+3)
    auto& graph = dynamic_cast<TCustomGraphStat&>(*stat);
    EXPECT_EQ(graph.CombValue({5, 6, 7, 8, 9, 10}, 2, false, 1), 45);
    // after draw 1 only: 5/(1+0+3)
    EXPECT_EQ(graph.CombValue({5, 6, 7, 8, 9, 10}, 1, false, 1), 25);
}

// A filter values each combination as the draw after the reference draw.
TEST(ShreddingMethods, FiltersTakeTheReferenceDraws)
{
    StatsFixture f({makeDraw(1, {9, 8, 7, 6, 5, 4}), makeDraw(2, {2, 3, 4, 5, 6, 7}), makeDraw(3, {1, 2, 3, 4, 5, 6})});
    f.config.Formulas[2] = "n1/(p1+t1)";
    f.list.BuildMethods();
    auto stat = f.create("SHR3");
    const TStatDrawArray selected = {withV1(33)};
    // at the newest draw: p1 = 1, t1 = 2, so n1/3 gives 33 for n1 = 1, 4, 7...
    auto matcher = stat->PrepareMatches(selected, {2, false});
    EXPECT_TRUE(matcher->matches({1, 10, 20, 30, 40, 45}));
    EXPECT_TRUE(matcher->matches({4, 10, 20, 30, 40, 45}));
    EXPECT_FALSE(matcher->matches({2, 10, 20, 30, 40, 45}));
    // one draw back: p1 = 2, t1 = 9, so n1/11
    matcher = stat->PrepareMatches({withV1(36)}, {1, false});
    EXPECT_FALSE(matcher->matches({1, 10, 20, 30, 40, 45}));
    EXPECT_TRUE(matcher->matches({15, 16, 20, 30, 40, 45}));
    // sorted reference draws: p1 = 2, t1 = 4, so n1/6
    matcher = stat->PrepareMatches({withV1(16)}, {1, true});
    EXPECT_TRUE(matcher->matches({1, 10, 20, 30, 40, 45}));
    EXPECT_FALSE(matcher->matches({2, 10, 20, 30, 40, 45}));
    // a selected key with other parts set never matches
    TStatDraw odd = withV1(33);
    odd.V2 = 1;
    EXPECT_FALSE(stat->PrepareMatches({odd}, {2, false})->matches({1, 10, 20, 30, 40, 45}));

    // the matcher keeps what it read: a later change of the archive or of the
    // statistic object does not reach it
    matcher = stat->PrepareMatches(selected, {2, false});
    stat.reset();
    f.draws.clear();
    std::vector<TComb> combs = {{1, 2, 3, 4, 5, 6}, {2, 3, 4, 5, 6, 7}, {7, 8, 9, 10, 11, 12}};
    EXPECT_EQ(matcher->filter(combs, combs.data(), true), 2u);
    EXPECT_EQ(combs[1], (TComb{7, 8, 9, 10, 11, 12}));
}

TEST(ShreddingMethods, PreparedAndOneOffTestsAgree)
{
    StatsFixture f;
    f.config.Formulas[1] = "n6*7/(n1+n2+n3)";
    f.config.FormulaDigits[1] = 3;
    f.list.BuildMethods();
    testing::expectMatchesAgree(f, "SHR1", 21);
    testing::expectMatchesAgree(f, "SHR2", 22);
}

TEST(ShreddingMethods, FormulaAndDigitsAreTakenWhenCreated)
{
    StatsFixture f({makeDraw(1, {10, 20, 30, 5, 6, 7})});
    auto before = f.create("SHR1");
    f.config.Formulas[0] = "n1/7";
    f.config.FormulaDigits[0] = 4;
    f.list.BuildMethods();
    auto after = f.create("SHR1");
    KeyList keys;
    before->NumbersValues({10, 20, 30, 5, 6, 7}, keys);
    after->NumbersValues({10, 20, 30, 5, 6, 7}, keys);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0], PackKey(33));
    EXPECT_EQ(keys[1], PackKey(4285)); // 10/7 = 1.428571...
    EXPECT_EQ(f.list.Item(f.list.FindMethod("SHR1")).DisplayCaption(), "Метод шинковки 1: n1/7");
}

TEST(ShreddingMethods, BrokenFormulasGiveZeroForEveryDraw)
{
    StatsFixture f({makeDraw(1, {1, 2, 3, 4, 5, 6}), makeDraw(2, {7, 8, 9, 10, 11, 12})});
    f.config.Formulas = {"", "(n1+n2", "n1/(p1-t1)"};
    f.list.BuildMethods();
    for (const char* id : {"SHR1", "SHR2", "SHR3"}) {
        EXPECT_EQ(drawValues(f, id), (std::vector<int>{0, 0})) << id;
        const auto values = f.values(id);
        ASSERT_EQ(values.size(), 1u) << id;
        EXPECT_EQ(values[0].V1, 0);
        EXPECT_EQ(values[0].Count, 2);
    }
}

// The full-set counts behind the prefetch files: every combination valued
// alone, in ascending order, by the formula's integer arithmetic.
TEST(ShreddingMethods, FullSetCountsOfTheDefaultFormula)
{
    StatsFixture f;
    const int entry = f.list.FindMethod("SHR1");
    const auto counts = CountFullSetValues(f.list, std::vector<int>{entry});
    ASSERT_EQ(counts.size(), 1u);
    std::array<int64_t, 100> expected{};
    TComb c = model::FirstCombination;
    do
        ++expected[static_cast<size_t>((c[0] + c[1] + c[2]) * 100 / (c[3] + c[4] + c[5]) % 100)];
    while (model::NextCombination(c));
    int64_t total = 0;
    for (const TStatCount& rec : counts[0]) {
        ASSERT_GE(rec.V1, 0);
        ASSERT_LT(rec.V1, 100);
        EXPECT_EQ(rec.Count, expected[static_cast<size_t>(rec.V1)]) << rec.V1;
        total += rec.Count;
    }
    EXPECT_EQ(total, model::FullSetSize);
}

} // namespace
} // namespace belvane::stats
