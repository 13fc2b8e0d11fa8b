#include <gtest/gtest.h>

#include <cmath>

#include "model/game.h"

namespace belvane::model {
namespace {

TEST(Combinatorics, GameConstants)
{
    EXPECT_EQ(MinSum, 21);
    EXPECT_EQ(MaxSum, 255);
    EXPECT_EQ(SumStep, 23);
    EXPECT_EQ(FullSetSize, 8'145'060);
}

TEST(Combinatorics, BinomialRules)
{
    EXPECT_EQ(Binomial(45, 6), 8'145'060);
    EXPECT_EQ(Binomial(10, 0), 1);
    EXPECT_EQ(Binomial(6, 6), 1);
    EXPECT_EQ(Binomial(3, 5), 1); // the rule: 1 whenever k >= n
    EXPECT_EQ(Binomial(10, -1), 0);
    EXPECT_EQ(Binomial(60, 30), 118'264'581'564'861'424);
    EXPECT_EQ(Binomial(200, 100), std::numeric_limits<int64_t>::max()); // saturates
}

TEST(Combinatorics, MatchCountsPartitionTheFullSet)
{
    const int64_t expected[] = {3'262'623, 3'454'542, 1'233'765, 182'780, 11'115, 234, 1};
    int64_t total = 0;
    for (int k = 0; k <= 6; ++k) {
        EXPECT_EQ(MatchCount(45, 6, k), expected[k]) << k;
        total += MatchCount(45, 6, k);
    }
    EXPECT_EQ(total, FullSetSize);
    EXPECT_EQ(MatchCount(45, 6, 7), 0);
    EXPECT_EQ(MatchCount(5, 6, 5), 1);
}

TEST(Combinatorics, FactorialCoversTheWholeRange)
{
    EXPECT_EQ(Factorial(0), 1);
    EXPECT_EQ(Factorial(10), 3'628'800);
    const long double f255 = Factorial(255);
    EXPECT_TRUE(std::isfinite(f255));
    EXPECT_NEAR(std::log10(f255), 504.525, 0.001);
}

TEST(Combinatorics, SumsAndBlocks)
{
    EXPECT_EQ(SumUp(1, 6), 21);
    EXPECT_EQ(SumDown(45, 6), 255);
    EXPECT_EQ(SumUp(5, 0), 0);
    EXPECT_EQ(SumDown(5, -2), 0);
    EXPECT_EQ(CeilDiv(45, 5), 9);
    EXPECT_EQ(CeilDiv(46, 5), 10);
    EXPECT_EQ(CeilDiv(1, 5), 1);
    EXPECT_EQ(BlockCount(0, 45, 10), 5);
    EXPECT_EQ(BlockCount(21, 255, 23), 11);
}

} // namespace
} // namespace belvane::model
