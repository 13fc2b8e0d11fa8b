#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "model/combinatorics.h"
#include "model/full_set.h"
#include "stakes/random_stakes.h"

namespace belvane::stakes {
namespace {

// The lexicographic rank of a combination, counted the slow way round.
int64_t rankOf(const model::TComb& c)
{
    int64_t rank = 0;
    int from = 1;
    for (int i = 0; i < model::BallCount; ++i) {
        for (int x = from; x < c[static_cast<size_t>(i)]; ++x)
            rank += model::Binomial(model::MaxNumber - x, model::BallCount - 1 - i);
        from = c[static_cast<size_t>(i)] + 1;
    }
    return rank;
}

TEST(RandomStakes, IndicesRunThroughTheFullSetInOrder)
{
    EXPECT_EQ(model::CombinationAtRank(0), (model::TComb{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(model::CombinationAtRank(1), (model::TComb{1, 2, 3, 4, 5, 7}));
    EXPECT_EQ(model::CombinationAtRank(39), (model::TComb{1, 2, 3, 4, 5, 45}));
    EXPECT_EQ(model::CombinationAtRank(40), (model::TComb{1, 2, 3, 4, 6, 7}));
    EXPECT_EQ(model::CombinationAtRank(model::FullSetSize - 1), (model::TComb{40, 41, 42, 43, 44, 45}));
    for (int64_t index : {int64_t{12345}, int64_t{4'000'000}, model::FullSetSize - 2})
        EXPECT_EQ(rankOf(model::CombinationAtRank(index)), index) << index;
}

TEST(RandomStakes, DistinctUniformAndReproducible)
{
    std::mt19937_64 a(7), b(7), c(8);
    const std::vector<model::TComb> first = RandomDistinctCombinations(5000, a);
    ASSERT_EQ(first.size(), 5000u);
    EXPECT_EQ(RandomDistinctCombinations(5000, b), first);
    EXPECT_NE(RandomDistinctCombinations(5000, c), first);
    const std::set<model::TComb> distinct(first.begin(), first.end());
    EXPECT_EQ(distinct.size(), first.size());
    // Each number is in 6/45 of the combinations: 666.7 of 5,000 (sd about 24).
    std::array<int, model::MaxNumber + 1> seen{};
    for (const model::TComb& comb : first) {
        EXPECT_TRUE(std::is_sorted(comb.begin(), comb.end()));
        for (model::Ball n : comb)
            ++seen[n];
    }
    for (int n = 1; n <= model::MaxNumber; ++n) {
        EXPECT_GT(seen[static_cast<size_t>(n)], 560) << n;
        EXPECT_LT(seen[static_cast<size_t>(n)], 775) << n;
    }
    EXPECT_TRUE(RandomDistinctCombinations(0, a).empty());
    EXPECT_TRUE(RandomDistinctCombinations(-3, a).empty());
}

} // namespace
} // namespace belvane::stakes
