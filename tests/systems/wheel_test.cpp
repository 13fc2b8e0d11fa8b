#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>

#include "support/error.h"
#include "systems/wheel_bounds.h"
#include "systems/wheel_orbits.h"
#include "systems/wheel_search.h"
#include "systems/wheel_sets.h"
#include "systems/wheel_verify.h"

namespace belvane::systems {
namespace {

// A naive count: every p-subset against every line.
uint64_t naiveMeeting(const std::vector<SystemLine>& lines, int n, int p, int t)
{
    std::vector<wheel::Mask> masks;
    for (const SystemLine& l : lines)
        masks.push_back(wheel::MaskOf(l));
    uint64_t meeting = 0;
    for (wheel::Mask s = 0; s < (wheel::Mask{1} << n); ++s) {
        if (std::popcount(s) != p)
            continue;
        for (const wheel::Mask m : masks)
            if (std::popcount(m & s) >= t) {
                ++meeting;
                break;
            }
    }
    return meeting;
}

WheelOptions quick(uint64_t seed, int64_t rounds)
{
    WheelOptions o;
    o.Seed = seed;
    o.Rounds = rounds;
    o.Chains = 2;
    return o;
}

TEST(WheelSets, ColexRanksNumberTheSubsetsWithoutGaps)
{
    std::vector<bool> seen(wheel::Choose()(9, 3), false);
    for (wheel::Mask s = 0; s < (1u << 9); ++s)
        if (std::popcount(s) == 3) {
            const uint32_t r = wheel::RankOf(s);
            ASSERT_LT(r, seen.size());
            EXPECT_FALSE(seen[r]);
            seen[r] = true;
        }
    EXPECT_EQ(wheel::RankOf(0b111), 0u);
    EXPECT_EQ(wheel::Choose()(45, 6), 8145060u);
    EXPECT_EQ(wheel::LineOf(wheel::MaskOf({3, 1, 45, 7, 20, 2})), (SystemLine{1, 2, 3, 7, 20, 45}));
}

TEST(WheelVerify, AgreesWithTheNaiveCountForEveryConditionAndGuarantee)
{
    // An irregular system with gaps: not every subset gets anything.
    const std::vector<SystemLine> lines = {
        {1, 2, 3, 4, 5, 6}, {1, 2, 7, 8, 9, 10}, {3, 5, 7, 9, 11, 12}, {2, 4, 6, 8, 10, 12}};
    const auto table = VerifySystem(lines, 12);
    ASSERT_TRUE(table);
    for (int p = 1; p <= 6; ++p) {
        EXPECT_EQ(table->Subsets(p), wheel::Choose()(12, p));
        uint64_t sum = 0;
        for (int m = 0; m <= p; ++m)
            sum += table->Best[p][m];
        EXPECT_EQ(sum, table->Subsets(p)) << p;
        for (int t = 1; t <= p; ++t)
            EXPECT_EQ(table->Meeting(p, t), naiveMeeting(lines, 12, p, t)) << p << " " << t;
    }
}

TEST(WheelVerify, GuaranteesOfTheFullSetAndOfAGap)
{
    // All C(7,6) lines: every 5-subset lies in a line.
    std::vector<SystemLine> all;
    for (int out = 1; out <= 7; ++out) {
        SystemLine l{};
        int i = 0;
        for (int x = 1; x <= 7; ++x)
            if (x != out)
                l[i++] = x;
        all.push_back(l);
    }
    const auto full = VerifySystem(all, 7);
    EXPECT_EQ(full->Guaranteed(5), 5);
    EXPECT_EQ(full->Guaranteed(6), 6);
    EXPECT_EQ(full->ConditionFor(5), 5);
    EXPECT_EQ(full->Block(), 6);
    // Without the line 1..6 that subset gets only five, yet every 5-subset still lies in a line.
    all.erase(all.end() - 1);
    const auto gap = VerifySystem(all, 7);
    EXPECT_EQ(gap->Guaranteed(6), 5);
    EXPECT_EQ(gap->Meeting(6, 6), 6u);
    EXPECT_EQ(gap->Guaranteed(5), 5);
    EXPECT_EQ(gap->ConditionFor(5), 5);
    EXPECT_FALSE(gap->ConditionFor(6));
    // Two lines leave the 4-subsets that hold both missing positions of each... with 3 some get only 3.
    const std::vector<SystemLine> two = {{1, 2, 3, 4, 5, 6}, {2, 3, 4, 5, 6, 7}};
    const auto sparse = VerifySystem(two, 7);
    EXPECT_EQ(sparse->Guaranteed(2), 1); // {1, 7}
    EXPECT_EQ(sparse->ConditionFor(2), 3);
    // A system on 45 positions with one line: the widest table.
    const auto wide = VerifySystem(std::vector<SystemLine>{{40, 41, 42, 43, 44, 45}}, 45);
    EXPECT_EQ(wide->Meeting(6, 6), 1u);
    EXPECT_EQ(wide->Best[6][0], wheel::Choose()(39, 6));
    EXPECT_FALSE(VerifySystem(all, 7, [] { return false; }));
}

TEST(WheelBounds, SchoenheimTuranAndCounting)
{
    EXPECT_EQ(SchoenheimBound(12, 5), 132u);
    EXPECT_EQ(SchoenheimBound(10, 5), 44u); // the best is 50: the bound is not always met
    EXPECT_EQ(SchoenheimBound(7, 3), 4u);
    EXPECT_EQ(SchoenheimBound(7, 2), 3u);
    EXPECT_EQ(LowerBound(12, 5, 5).Kind, BoundKind::Schoenheim);
    // Every 4-subset of 5 holds a triple from a family of at least 3 triples.
    EXPECT_EQ(TuranBound(5, 4, 3), 3u);
    EXPECT_EQ(TuranBound(12, 4, 3), 72u);
    // t = 1: the lines must leave fewer than p positions out, so ceil((n - p + 1) / 6).
    EXPECT_EQ(LowerBound(20, 1, 4).Lines, 3u);
    const WheelBound lotto = LowerBound(12, 3, 4);
    EXPECT_NE(lotto.Kind, BoundKind::Schoenheim);
    EXPECT_EQ(lotto.Lines, 4u);
    // A bound never exceeds the covering with the same guarantee.
    for (int n = 7; n <= 20; ++n)
        for (int t = 1; t <= 5; ++t)
            for (int p = t; p <= 6; ++p)
                EXPECT_LE(LowerBound(n, t, p).Lines, SchoenheimBound(n, t)) << n << " " << t << " " << p;
}

TEST(WheelSearch, GeneratedSystemsMeetTheirGuaranteeExactly)
{
    // {20, 1, 1}: one position per line, so the lines a covering's swap
    // starts from share nothing with its target.
    const std::vector<WheelDesign> specs = {{7, 5, 5},  {9, 4, 4},  {12, 3, 4}, {14, 2, 2},
                                            {15, 3, 5}, {11, 1, 3}, {20, 1, 1}};
    for (const WheelDesign& design : specs) {
        const GeneratedWheel wheel = GenerateWheel(design, quick(7, 3));
        const auto table = VerifySystem(wheel.Lines, design.Numbers);
        ASSERT_TRUE(table);
        EXPECT_EQ(table->Meeting(design.Condition, design.Guarantee), table->Subsets(design.Condition))
            << design.Numbers << " " << design.Guarantee << " " << design.Condition;
        EXPECT_GE(wheel.Lines.size(), LowerBound(design.Numbers, design.Guarantee, design.Condition).Lines);
        for (const SystemLine& l : wheel.Lines) {
            EXPECT_TRUE(std::is_sorted(l.begin(), l.end()));
            EXPECT_GE(l.front(), 1);
            EXPECT_LE(l.back(), design.Numbers);
        }
        EXPECT_TRUE(std::adjacent_find(wheel.Lines.begin(), wheel.Lines.end()) == wheel.Lines.end());
    }
}

TEST(WheelSearch, TheSameSeedAndRoundsGiveTheSameSystem)
{
    const WheelDesign design{13, 3, 3};
    const GeneratedWheel a = GenerateWheel(design, quick(42, 4));
    const GeneratedWheel b = GenerateWheel(design, quick(42, 4));
    EXPECT_EQ(a.Lines, b.Lines);
    EXPECT_EQ(a.Chain, b.Chain);
    EXPECT_EQ(a.Rounds, 4);
    const GeneratedWheel c = GenerateWheel(design, quick(43, 4));
    const auto table = VerifySystem(c.Lines, 13);
    EXPECT_EQ(table->Guaranteed(3), 3);
}

// Coverings by whole orbits of a group: invariant under each of its
// generators, complete, the same for a seed, and the start of the first
// chain where they pay.
TEST(WheelSearch, OrbitCoversAreCompleteAndStartTheSearch)
{
    struct Case {
        int n;
        wheel::Translations group;
    };
    for (const Case& c : {Case{16, {16}}, Case{16, {15}}, Case{17, {2, 2, 2, 2}}, Case{15, {5, 3}}}) {
        const wheel::OrbitCovers orbits(c.n, 4, c.group);
        const std::vector<wheel::Mask> cover = orbits.search(7, {});
        ASSERT_FALSE(cover.empty());
        std::vector<SystemLine> lines;
        for (const wheel::Mask line : cover)
            lines.push_back(wheel::LineOf(line));
        EXPECT_EQ(VerifySystem(lines, c.n)->Guaranteed(4), 4) << c.n;
        const std::set<wheel::Mask> all(cover.begin(), cover.end());
        EXPECT_EQ(all.size(), cover.size()) << c.n;
        ASSERT_EQ(orbits.generators().size(), c.group.size());
        for (const auto& g : orbits.generators()) {
            // A permutation moving exactly the group's positions.
            int moved = 0;
            for (int i = 0; i < c.n; ++i)
                moved += g[i] != i;
            EXPECT_EQ(std::set<int>(g.begin(), g.end()).size(), static_cast<size_t>(c.n));
            int product = 1;
            for (const int order : c.group)
                product *= order;
            EXPECT_EQ(moved, product) << c.n;
            for (const wheel::Mask line : cover) {
                wheel::Mask image = 0;
                for (wheel::Mask m = line; m; m &= m - 1)
                    image |= wheel::Mask{1} << g[std::countr_zero(m)];
                EXPECT_TRUE(all.count(image)) << c.n;
            }
        }
        EXPECT_EQ(orbits.search(7, {}), cover) << c.n;
    }
    EXPECT_TRUE(wheel::OrbitCovers(16, 4, {16}).search(7, [] { return true; }).empty()); // cancelled

    // The orbits give C(16,6,4) = 152 at once, where single lines take long to reach 167.
    const GeneratedWheel a = GenerateWheel({16, 4, 4}, quick(1, 1));
    EXPECT_LE(a.Lines.size(), 152u);
    EXPECT_EQ(VerifySystem(a.Lines, 16)->Guaranteed(4), 4);
}

TEST(WheelSearch, ReachesTheBoundAndStopsOrIsCancelled)
{
    WheelOptions o = quick(1, 1000);
    const GeneratedWheel small = GenerateWheel({7, 5, 5}, o);
    EXPECT_EQ(small.Lines.size(), 6u);
    EXPECT_TRUE(small.Optimal);
    EXPECT_LT(small.Rounds, 1000);
    // The first chain to meet the bound ends the search (the Steiner system
    // S(5,6,12)), however long the others would take.
    const GeneratedWheel steiner = GenerateWheel({12, 5, 5}, o);
    EXPECT_EQ(steiner.Lines.size(), 132u);
    EXPECT_TRUE(steiner.Optimal);
    EXPECT_LT(steiner.Rounds, 1000);

    int calls = 0;
    const GeneratedWheel stopped = GenerateWheel({14, 4, 4}, o, [&](double) { return ++calls < 2; });
    EXPECT_TRUE(stopped.Cancelled);
    EXPECT_EQ(stopped.Rounds, 2);
    EXPECT_FALSE(stopped.Lines.empty());
    // Stopped among the orbit searches, before any chain ran.
    const GeneratedWheel inOrbits = GenerateWheel({16, 4, 4}, o, [](double) { return false; });
    EXPECT_TRUE(inOrbits.Cancelled);
    EXPECT_EQ(inOrbits.Rounds, 0);
    // Asked from the workers during the greedy start: nothing half-made comes back.
    WheelOptions cancelled = o;
    cancelled.Cancelled = [] { return true; };
    const GeneratedWheel early = GenerateWheel({20, 4, 4}, cancelled);
    EXPECT_TRUE(early.Cancelled);
    EXPECT_TRUE(early.Lines.empty());
    EXPECT_EQ(early.Rounds, 0);
    EXPECT_THROW(GenerateWheel({12, 4, 3}, o), Error);
    EXPECT_TRUE(CheckWheelDesign({6, 3, 3}));
    EXPECT_TRUE(CheckWheelDesign({12, 6, 6}));
    EXPECT_FALSE(CheckWheelDesign({45, 5, 6}));
}

} // namespace
} // namespace belvane::systems
