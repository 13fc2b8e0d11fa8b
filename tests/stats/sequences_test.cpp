#include <gtest/gtest.h>

#include "helpers/stats_fixture.h"
#include "stats/class_table.h"
#include "stats/full_set_counts.h"
#include "stats/sequences.h"

namespace belvane::stats {
namespace {

using model::TComb;
using testing::allTexts;
using testing::graphValue;
using testing::makeDraw;
using testing::occurred;
using testing::oneDraw;
using testing::StatsFixture;
using testing::Texts;

bool keeps(const StatsFixture& f, std::string_view id, int value, const TComb& c)
{
    TStatDraw selected;
    selected.V1 = static_cast<int16_t>(value);
    return f.create(id)->Matches(c, {selected}, false, false, 0);
}

TEST(SequenceMethods, RegisteredAtTheirPlaces)
{
    StatsFixture f;
    EXPECT_EQ(StatClassPosition(&TstSequenceLenClass), 39);
    EXPECT_EQ(StatClassPosition(&TstSequenceCntClass), 40);
    EXPECT_EQ(StatClassPosition(&TstSequenceLenMaxClass), 41);
    EXPECT_EQ(f.list.MethodText(f.list.FindMethod("SEQL"), true), "{ seq } Длина последовательности в тираже [ SN ]");
    EXPECT_EQ(f.list.MethodText(f.list.FindMethod("SEQS"), true),
              "{ seq } Количество последовательностей в тираже [ SNG ]");
    EXPECT_EQ(f.list.MethodText(f.list.FindMethod("LENS"), true),
              "{ seq } Макс. длина последовательности в тираже [ SNG ]");
    EXPECT_EQ(allTexts(f, "SEQL"), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(allTexts(f, "SEQS"), (std::vector<std::string>{"0", "1", "2", "3"}));
    EXPECT_EQ(allTexts(f, "LENS").size(), 6u);
}

TEST(SequenceMethods, RunsOfTheWorkedDraws)
{
    const auto mixed = oneDraw({1, 2, 3, 10, 11, 40});
    EXPECT_EQ(occurred(mixed, "SEQL"), (Texts{{"1", 1}, {"2", 1}, {"3", 1}}));
    EXPECT_EQ(occurred(mixed, "SEQS"), (Texts{{"2", 1}}));
    EXPECT_EQ(occurred(mixed, "LENS"), (Texts{{"3", 1}}));

    // Six runs of one: the value 1 six times in one draw.
    const auto steps = oneDraw({5, 10, 15, 20, 25, 30});
    EXPECT_EQ(occurred(steps, "SEQL"), (Texts{{"1", 6}}));
    EXPECT_EQ(occurred(steps, "SEQS"), (Texts{{"0", 1}}));
    EXPECT_EQ(occurred(steps, "LENS"), (Texts{{"1", 1}}));

    const auto six = oneDraw({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(occurred(six, "SEQL"), (Texts{{"6", 1}}));
    EXPECT_EQ(occurred(six, "SEQS"), (Texts{{"1", 1}}));
    EXPECT_EQ(occurred(six, "LENS"), (Texts{{"6", 1}}));

    // A run closed by the last position and one at the start: two runs of two.
    const auto ends = oneDraw({1, 2, 7, 20, 44, 45});
    EXPECT_EQ(occurred(ends, "SEQS"), (Texts{{"2", 1}}));
    EXPECT_EQ(occurred(ends, "SEQL"), (Texts{{"1", 2}, {"2", 2}}));
}

// Runs follow the record order: a falling pair is no run for the values, but
// the graph accepts one less as well.
TEST(SequenceMethods, DrawnOrderAndTheGraph)
{
    const auto f = oneDraw({3, 2, 1, 20, 21, 40});
    EXPECT_EQ(occurred(f, "LENS", false), (Texts{{"2", 1}}));
    EXPECT_EQ(occurred(f, "LENS", true), (Texts{{"3", 1}}));
    EXPECT_EQ(occurred(f, "SEQS", false), (Texts{{"1", 1}}));
    EXPECT_EQ(graphValue(f, "LENS", {3, 2, 1, 20, 21, 40}), 3);
    EXPECT_EQ(graphValue(f, "SEQS", {3, 2, 1, 20, 21, 40}), 2);
    EXPECT_EQ(graphValue(f, "SEQS", {1, 2, 1, 2, 1, 2}), 1); // up and down: one run
    EXPECT_EQ(graphValue(f, "LENS", {5, 10, 15, 20, 25, 30}), 1);
}

TEST(SequenceMethods, Filtering)
{
    StatsFixture f;
    EXPECT_TRUE(keeps(f, "LENS", 2, {1, 5, 6, 20, 30, 40}));
    EXPECT_FALSE(keeps(f, "LENS", 2, {1, 2, 3, 20, 30, 40}));
    EXPECT_TRUE(keeps(f, "SEQL", 2, {1, 2, 3, 20, 21, 40}));
    EXPECT_TRUE(keeps(f, "SEQL", 1, {1, 2, 3, 20, 21, 40}));
    EXPECT_FALSE(keeps(f, "SEQL", 1, {1, 2, 3, 20, 21, 22}));
    EXPECT_TRUE(keeps(f, "SEQS", 0, {5, 10, 15, 20, 25, 30}));
    EXPECT_FALSE(keeps(f, "SEQS", 0, {5, 10, 15, 20, 25, 26}));
}

// Over the full set: six in a row start at 40 places; no neighbours at all in
// C(40, 6) combinations (a gap of at least one after each of five numbers).
TEST(SequenceMethods, FullSetDistributions)
{
    StatsFixture f;
    const std::vector<int> entries{f.list.FindMethod("SEQL"), f.list.FindMethod("SEQS"), f.list.FindMethod("LENS")};
    const auto counts = CountFullSetValues(f.list, entries);
    ASSERT_EQ(counts.size(), 3u);
    auto countOf = [&](size_t m, int v) -> int64_t {
        for (const TStatCount& rec : counts[m])
            if (rec.V1 == v)
                return rec.Count;
        return 0;
    };
    EXPECT_EQ(countOf(0, 6), 40);
    EXPECT_EQ(countOf(2, 6), 40);
    EXPECT_EQ(countOf(2, 1), model::Binomial(40, 6));
    EXPECT_EQ(countOf(1, 0), model::Binomial(40, 6));
    int64_t runs = 0, combs = 0;
    for (const TStatCount& rec : counts[0])
        runs += int64_t{rec.V1} * rec.Count;
    for (const TStatCount& rec : counts[1])
        combs += rec.Count;
    EXPECT_EQ(runs, 6 * model::FullSetSize); // the run lengths of a combination add up to six
    EXPECT_EQ(combs, model::FullSetSize);
    EXPECT_EQ(counts[1].size(), 4u);
}

} // namespace
} // namespace belvane::stats
