#include <gtest/gtest.h>

#include "helpers/draws_builder.h"
#include "model/draws.h"
#include "support/error.h"

namespace belvane::model {
namespace {

using testing::drawsNumbered;
using testing::makeDraw;

TEST(Draws, DistanceQueries)
{
    TDrawsArray draws{makeDraw(1, {1, 2, 3, 4, 5, 6}, 7, "07/12/2002"),
                      makeDraw(2, {9, 13, 21, 25, 32, 42}, 2, "14/12/2002")};
    EXPECT_EQ(DrawBalls(draws, 0), (TComb{9, 13, 21, 25, 32, 42}));
    EXPECT_EQ(DrawBalls(draws, 1), (TComb{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(DrawBalls(draws, 2), TComb{});
    EXPECT_EQ(DrawBalls(draws, -1), TComb{});
    EXPECT_EQ(NextDrawNumber(draws, 0), 3);
    EXPECT_EQ(NextDrawNumber(draws, 1), 2);
    EXPECT_EQ(NextDrawNumber(draws, 2), -1);
    EXPECT_EQ(NextDrawNumber(draws, -1), -1);
    EXPECT_EQ(DrawDateShift(draws, 0, 1), 20021215);
    EXPECT_EQ(DrawDateShift(draws, 1, 30), 20030106);
    EXPECT_EQ(DrawDateShift(draws, 5, 1), EarliestDrawDate);
}

TEST(Draws, EmptyArchive)
{
    const TDrawsArray draws;
    EXPECT_EQ(NextDrawNumber(draws, 0), 1);
    EXPECT_EQ(DrawDateShift(draws, 0, 1), 19780201);
    EXPECT_EQ(IndexOfNumber(draws, 1), -1);
}

// There is no draw after the largest number a record holds (it would wrap to a negative one).
TEST(Draws, NoNextNumberAfterTheLargest)
{
    const TDrawsArray draws{makeDraw(MaxDrawNumber - 1, {1, 2, 3, 4, 5, 6}),
                            makeDraw(MaxDrawNumber, {1, 2, 3, 4, 5, 6})};
    EXPECT_EQ(NextDrawNumber(draws, 1), MaxDrawNumber);
    EXPECT_EQ(NextDrawNumber(draws, 0), -1);
}

TEST(Draws, UnknownDateShiftsFromTheEarliestDate)
{
    const TDrawsArray draws{makeDraw(1, {1, 2, 3, 4, 5, 6}, 7, "")};
    EXPECT_EQ(DrawDateShift(draws, 0, 1), EarliestDrawDate);
}

TEST(Draws, IndexOfNumberWithGaps)
{
    const TDrawsArray draws = drawsNumbered({1, 2, 5, 6});
    EXPECT_EQ(IndexOfNumber(draws, 1), 0);
    EXPECT_EQ(IndexOfNumber(draws, 2), 1);
    EXPECT_EQ(IndexOfNumber(draws, 5), 2);
    EXPECT_EQ(IndexOfNumber(draws, 6), 3);
    EXPECT_EQ(IndexOfNumber(draws, 3), -1);
    EXPECT_EQ(IndexOfNumber(draws, 0), -1);
    EXPECT_EQ(IndexOfNumber(draws, 7), -1);
}

TEST(Draws, IndexOfNumberInLargeAndOddArchives)
{
    TDrawsArray draws;
    for (int n = 100; n < 2100; n += (n % 7 == 0 ? 5 : 1))
        draws.push_back(makeDraw(n, {1, 2, 3, 4, 5, 6}));
    for (size_t i = 0; i < draws.size(); ++i)
        ASSERT_EQ(IndexOfNumber(draws, draws[i].Number), static_cast<int>(i));

    // Out of order, or all the same first and last number: found by the fallback scan.
    const TDrawsArray shuffled = drawsNumbered({9, 3, 7, 1, 9});
    EXPECT_EQ(IndexOfNumber(shuffled, 7), 2);
    EXPECT_EQ(IndexOfNumber(shuffled, 1), 3);
    EXPECT_EQ(IndexOfNumber(shuffled, 4), -1);
    const TDrawsArray descending = drawsNumbered({10, 8, 6, 4});
    EXPECT_EQ(IndexOfNumber(descending, 6), 2);
}

TEST(Draws, DeleteDrawChecksTheIndex)
{
    TDrawsArray draws = drawsNumbered({1, 2, 3});
    DeleteDraw(draws, 1);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[1].Number, 3);
    try {
        DeleteDraw(draws, 2);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Запись со индексом 2 в файле данных не найдена!");
    }
    EXPECT_THROW(DeleteDraw(draws, -1), Error);
    ClearDraws(draws);
    EXPECT_TRUE(draws.empty());
}

} // namespace
} // namespace belvane::model
