#include <gtest/gtest.h>

#include <vector>

#include "stats/key_counter.h"
#include "stats/stat_values.h"

namespace belvane::stats {
namespace {

using Counts = std::vector<std::pair<uint64_t, int64_t>>;

TEST(KeyCounter, SmallAndLargeKeysCountAlikeInKeyOrder)
{
    // Small V1 and V2 go to the arrays, anything else to the table.
    const uint64_t small = PackKey(3);
    const uint64_t edge = PackKey(511, 7);
    const uint64_t wideV1 = PackKey(512);
    const uint64_t wideV2 = PackKey(1, 8);
    const uint64_t withV3 = PackKey(1, 0, 1);
    const uint64_t withV4 = PackKey(0, 0, 0, 1);
    const uint64_t negative = PackKey(-1);
    const uint64_t zero = PackKey(0);

    KeyCounter counter;
    const std::vector<uint64_t> keys{negative, small, edge,  wideV1, wideV2, withV3, withV4, zero,
                                     small,    small, small, edge,   withV3, zero,   small};
    counter.addAll(keys); // fifteen: not a whole number of rounds of the arrays
    counter.add(wideV1, 5);

    const Counts expected{{zero, 2},  {withV4, 1}, {withV3, 2}, {wideV2, 1},
                          {small, 5}, {edge, 2},   {wideV1, 6}, {negative, 1}};
    EXPECT_EQ(counter.sorted(), expected);
    EXPECT_EQ(counter.size(), expected.size());
}

TEST(KeyCounter, MergeAddsCountsAndKeepsGrowing)
{
    KeyCounter a;
    KeyCounter b;
    std::vector<uint64_t> many;
    for (int v = 0; v < 3000; ++v)
        many.push_back(PackKey(static_cast<int16_t>(v), 9)); // all in the table, which grows
    a.addAll(many);
    b.addAll(many);
    b.add(PackKey(7), 3);
    a.merge(b);

    const Counts merged = a.sorted();
    ASSERT_EQ(merged.size(), 3001u);
    EXPECT_EQ(merged[0], (std::pair<uint64_t, int64_t>{PackKey(0, 9), 2}));
    EXPECT_EQ(merged[7], (std::pair<uint64_t, int64_t>{PackKey(7), 3}));
    EXPECT_EQ(merged.back(), (std::pair<uint64_t, int64_t>{PackKey(2999, 9), 2}));
    for (size_t i = 1; i < merged.size(); ++i)
        ASSERT_LT(merged[i - 1].first, merged[i].first);
}

TEST(KeyCounter, EmptyCounterHasNothing)
{
    KeyCounter counter;
    counter.addAll({});
    EXPECT_TRUE(counter.sorted().empty());
    EXPECT_EQ(counter.size(), 0u);
}

} // namespace
} // namespace belvane::stats
