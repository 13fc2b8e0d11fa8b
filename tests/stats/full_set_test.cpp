#include <gtest/gtest.h>

#include "helpers/stats_fixture.h"
#include "model/full_set.h"
#include "stats/full_set_counts.h"

namespace belvane::stats {
namespace {

using model::TComb;

TEST(FullSet, RankAndSuccessorAgree)
{
    EXPECT_EQ(model::CombinationAtRank(0), model::FirstCombination);
    EXPECT_EQ(model::CombinationAtRank(1), (TComb{1, 2, 3, 4, 5, 7}));
    EXPECT_EQ(model::CombinationAtRank(model::FullSetSize - 1), (TComb{40, 41, 42, 43, 44, 45}));
    // Combinations starting with 1 come first: C(44, 5) of them.
    EXPECT_EQ(model::CombinationAtRank(1'086'008), (TComb{2, 3, 4, 5, 6, 7}));

    TComb c = model::FirstCombination;
    int64_t rank = 0;
    for (; rank < 200'000; ++rank) {
        if (rank % 9973 == 0) {
            ASSERT_EQ(model::CombinationAtRank(rank), c) << rank;
        }
        model::NextCombination(c);
    }
    TComb last{40, 41, 42, 43, 44, 45};
    EXPECT_FALSE(model::NextCombination(last));
    EXPECT_EQ(last, (TComb{40, 41, 42, 43, 44, 45}));
}

TEST(FullSet, FillingFromAnyRankFollowsTheOrder)
{
    // Starting inside a run of the last number, at a run's end, at the start
    // of a new first number, and right up to the last combination.
    for (const int64_t start : {int64_t{0}, int64_t{37}, int64_t{39}, int64_t{1'086'007}, model::FullSetSize - 300}) {
        std::vector<TComb> out(300);
        model::FillCombinations(start, out);
        TComb c = model::CombinationAtRank(start);
        for (size_t i = 0; i < out.size(); ++i) {
            ASSERT_EQ(out[i], c) << start << " + " << i;
            model::NextCombination(c);
        }
    }
    std::vector<TComb> whole(static_cast<size_t>(model::FullSetSize));
    model::FillCombinations(0, whole);
    EXPECT_EQ(whole.back(), (TComb{40, 41, 42, 43, 44, 45}));
    EXPECT_EQ(whole[1'086'008], (TComb{2, 3, 4, 5, 6, 7}));
    model::FillCombinations(5, std::span<TComb>()); // nothing asked, nothing written
}

TEST(FullSet, CountsMatchCombinatorics)
{
    testing::StatsFixture f;
    const std::vector<int> entries{f.list.FindMethod("NUMS"), f.list.FindMethod("EVEN"), f.list.FindMethod("DIGS")};
    size_t lastDone = 0;
    const auto counts = CountFullSetValues(f.list, entries, [&](size_t done, size_t total) {
        EXPECT_GE(done, lastDone);
        EXPECT_EQ(total, static_cast<size_t>(model::FullSetSize));
        lastDone = done;
        return true;
    });
    ASSERT_EQ(counts.size(), 3u);

    ASSERT_EQ(counts[0].size(), 45u); // every number in C(44, 5) combinations
    for (size_t i = 0; i < 45; ++i) {
        EXPECT_EQ(counts[0][i].V1, static_cast<int16_t>(i + 1));
        EXPECT_EQ(counts[0][i].Count, 1'086'008);
    }
    // Even counts: C(22, k) * C(23, 6 - k).
    ASSERT_EQ(counts[1].size(), 7u);
    int64_t total = 0;
    for (int k = 0; k <= 6; ++k) {
        EXPECT_EQ(counts[1][static_cast<size_t>(k)].Count, model::Binomial(22, k) * model::Binomial(23, 6 - k)) << k;
        total += counts[1][static_cast<size_t>(k)].Count;
    }
    EXPECT_EQ(total, model::FullSetSize);
    // Digit 0 occurs in 10, 20, 30, 40: four numbers, each in C(44, 5) combinations.
    EXPECT_EQ(counts[2][0].V1, 0);
    EXPECT_EQ(counts[2][0].Count, 4 * 1'086'008);
}

TEST(FullSet, CountingStopsWhenAsked)
{
    testing::StatsFixture f;
    const std::vector<int> entries{f.list.FindMethod("NUMS")};
    const auto counts = CountFullSetValues(f.list, entries, [](size_t, size_t) { return false; });
    EXPECT_TRUE(counts.empty());
}

} // namespace
} // namespace belvane::stats
