#include <gtest/gtest.h>

#include <limits>

#include "stats/range_stats.h"

namespace belvane::stats {
namespace {

constexpr int kMaxInt = std::numeric_limits<int>::max();
constexpr int kMinInt = std::numeric_limits<int>::min();

TEST(DrawsWindow, EndsOffsetDrawsBeforeTheNewest)
{
    const DrawRange w = DrawsWindow(100, 10, 20);
    EXPECT_EQ(w.Last, 89);
    EXPECT_EQ(w.First, 70);
    EXPECT_EQ(DrawsWindow(100, 0, 1000).First, 0);
    EXPECT_EQ(DrawsWindow(100, 0, 1000).Count(), 100);
}

// Offsets and lengths from a command line or a damaged settings file may be
// anything an int holds: the window is empty or clipped, never wrapped.
TEST(DrawsWindow, ExtremeOffsetsAndLengthsGiveAnEmptyOrClippedWindow)
{
    for (const auto& [count, offset, length] : {std::tuple{0, kMaxInt, 1'000'000},
                                                {100, kMaxInt, kMaxInt},
                                                {100, 0, kMinInt},
                                                {100, 0, 0},
                                                {100, 100, 1},
                                                {0, 0, kMinInt},
                                                {kMaxInt, kMaxInt, kMaxInt}}) {
        const DrawRange w = DrawsWindow(count, offset, length);
        EXPECT_EQ(w.Count(), 0) << count << " " << offset << " " << length;
        EXPECT_GE(w.First, 0);
        EXPECT_GE(w.Last, -1);
    }
    const DrawRange all = DrawsWindow(kMaxInt, 0, kMaxInt);
    EXPECT_EQ(all.First, 0);
    EXPECT_EQ(all.Last, kMaxInt - 1);
}

} // namespace
} // namespace belvane::stats
