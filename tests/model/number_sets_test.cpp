#include <gtest/gtest.h>

#include "model/number_sets.h"

namespace belvane::model {
namespace {

TEST(NumberSets, MembershipAndAdding)
{
    const TComb comb{5, 12, 23, 31, 40, 44};
    EXPECT_TRUE(InComb(comb, 23));
    EXPECT_FALSE(InComb(comb, 24));
    TByteArray bytes;
    AddByte(bytes, 3);
    AddByte(bytes, 3);
    EXPECT_EQ(bytes.size(), 2u);
    EXPECT_FALSE(AddUniqueByte(bytes, 3));
    EXPECT_TRUE(AddUniqueByte(bytes, 4));
    EXPECT_EQ(bytes, (TByteArray{3, 3, 4}));
}

TEST(NumberSets, CommonCountCountsEveryPairing)
{
    EXPECT_EQ(CommonCount({1, 2, 3, 4, 5, 6}, {6, 5, 4, 10, 11, 12}), 3);
    EXPECT_EQ(CommonCount({1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}), 0);
    // With repeated numbers each position pairing counts.
    EXPECT_EQ(CommonCount({1, 1, 3, 4, 5, 6}, {1, 1, 9, 10, 11, 12}), 4);
}

TEST(NumberSets, IntersectSortsAndCompares)
{
    const TByteArray set{40, 5, 9, 12};
    const NumberSet a = Intersect({44, 12, 7, 40, 5, 30}, set);
    ASSERT_EQ(a.Count, 3);
    EXPECT_EQ(a.Numbers[0], 5);
    EXPECT_EQ(a.Numbers[1], 12);
    EXPECT_EQ(a.Numbers[2], 40);
    const NumberSet b = Intersect({40, 5, 12, 1, 2, 3}, set);
    EXPECT_TRUE(SameNumbers(a, b));
    EXPECT_FALSE(SameNumbers(a, Intersect({40, 5, 1, 2, 3, 4}, set)));
}

TEST(NumberSets, DistinctNumbersInOrderOfAppearance)
{
    const TCombsArray combs{{3, 1, 2, 4, 5, 6}, {6, 7, 1, 8, 9, 10}, {11, 12, 13, 14, 15, 16}};
    EXPECT_EQ(DistinctNumbers(combs, 2), (TByteArray{3, 1, 2, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(DistinctNumbers(combs, 10).size(), 16u);
    EXPECT_TRUE(DistinctNumbers(combs, 0).empty());
}

TEST(NumberSets, DistinctNumbersStopsAtAllFortyFive)
{
    TCombsArray combs;
    for (int start = 1; start <= 40; start += 6)
        combs.push_back({static_cast<Ball>(start), static_cast<Ball>(start + 1), static_cast<Ball>(start + 2),
                         static_cast<Ball>(start + 3), static_cast<Ball>(start + 4), static_cast<Ball>(start + 5)});
    combs.push_back({43, 44, 45, 1, 2, 3});
    EXPECT_EQ(DistinctNumbers(combs, combs.size()).size(), 45u);
}

TEST(NumberSets, Sorting)
{
    TComb comb{44, 5, 31, 12, 40, 23};
    SortComb(comb);
    EXPECT_EQ(comb, (TComb{5, 12, 23, 31, 40, 44}));
    TIntArray values{3, -1, 20, 3};
    SortDescending(values);
    EXPECT_EQ(values, (TIntArray{20, 3, 3, -1}));
}

} // namespace
} // namespace belvane::model
