#include <gtest/gtest.h>

#include "model/layout.h"
#include "model/number_sets.h"

namespace belvane::model {
namespace {

TEST(Layout, MatrixPositions)
{
    EXPECT_EQ(MatrixRow(1, 5), 1);
    EXPECT_EQ(MatrixColumn(1, 5), 1);
    EXPECT_EQ(MatrixRow(45, 5), 9);
    EXPECT_EQ(MatrixColumn(45, 5), 5);
    EXPECT_EQ(MatrixRow(6, 5), 2);
    EXPECT_EQ(MatrixColumn(6, 5), 1);
    for (int cols : {1, 3, 5, 7, 45})
        for (int n = 1; n <= 45; ++n)
            EXPECT_EQ(MatrixNumber(MatrixRow(n, cols) - 1, MatrixColumn(n, cols) - 1, cols), n);
}

TEST(Layout, Channels)
{
    EXPECT_EQ(ChannelOf(5, 5), 1);
    EXPECT_EQ(ChannelOf(6, 5), 2);
    EXPECT_EQ(ChannelOf(45, 5), 9);
    EXPECT_EQ(ChannelOf(45, 4), 12);
    EXPECT_EQ(ChannelOf(45, 45), 1);
    EXPECT_TRUE(TouchesChannel({1, 7, 13, 20, 33, 45}, 9, 5));
    EXPECT_FALSE(TouchesChannel({1, 7, 13, 20, 33, 45}, 8, 5));
}

TEST(Layout, SegmentsText)
{
    EXPECT_EQ(ParseMatrixSegments(""), DefaultSegments);
    const SegmentMap s = ParseMatrixSegments("2x0");
    EXPECT_EQ(s[0], 2);
    EXPECT_EQ(s[1], 1); // not a digit
    EXPECT_EQ(s[2], 0); // "0" is a digit
    EXPECT_EQ(s[3], 1); // missing
    EXPECT_EQ(SegmentOf(1, s), 2);
    EXPECT_EQ(SegmentOf(46, s), 0);
    const std::string text = MatrixSegmentsText(s);
    EXPECT_EQ(text.size(), 45u);
    EXPECT_EQ(ParseMatrixSegments(text), s);
    EXPECT_TRUE(TouchesSegment({1, 10, 11, 12, 13, 14}, 2, s));
    EXPECT_FALSE(TouchesSegment({4, 10, 11, 12, 13, 14}, 2, s));
}

TEST(Layout, CyclicShiftWrapsAround)
{
    EXPECT_EQ(CyclicShift(44, 3), 2);
    EXPECT_EQ(CyclicShift(2, -3), 44);
    EXPECT_EQ(CyclicShift(45, 0), 45);
    EXPECT_EQ(CyclicShift(1, 44), 45);
    EXPECT_EQ(CyclicShift(45, -44), 1);
    EXPECT_EQ(CyclicShift(TComb{1, 2, 43, 44, 45, 20}, 2), (TComb{3, 4, 45, 1, 2, 22}));
}

} // namespace
} // namespace belvane::model
