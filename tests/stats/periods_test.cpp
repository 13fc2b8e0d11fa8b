#include <gtest/gtest.h>

#include <vector>

#include "helpers/stats_fixture.h"
#include "model/layout.h"
#include "stats/class_table.h"
#include "stats/periods.h"

namespace belvane::stats {
namespace {

using model::TComb;
using testing::makeDraw;
using testing::occurred;
using testing::StatsFixture;
using testing::Texts;

TStatDraw valueOf(int v1, int v2)
{
    TStatDraw rec;
    rec.V1 = static_cast<int16_t>(v1);
    rec.V2 = static_cast<int16_t>(v2);
    return rec;
}

// 7 in draws numbered 100, 104 and 105; nothing else repeats.
StatsFixture gappedArchive()
{
    return StatsFixture({makeDraw(100, {7, 1, 2, 3, 4, 5}), makeDraw(104, {10, 11, 7, 12, 13, 14}),
                         makeDraw(105, {20, 21, 22, 23, 24, 7})});
}

TEST(PeriodMethods, RegisteredAtTheirPlaces)
{
    StatsFixture f;
    EXPECT_EQ(StatClassPosition(&TstNumPeriodsClass), 113);
    EXPECT_EQ(StatClassPosition(&TstSgmPeriodsClass), 115);
    const int first = f.list.FindMethod("PRDV");
    EXPECT_EQ(f.list.FindMethod("PRDC"), first + 1);
    EXPECT_EQ(f.list.FindMethod("PRDG"), first + 2);
    EXPECT_EQ(f.list.MethodText(first, true), "{ per } Периоды повторения чисел [ P ]");
    EXPECT_EQ(f.list.MethodText(first + 1, false), "{ per } Периоды повторения каналов");
    EXPECT_EQ(f.list.MethodText(first + 2, false), "{ per } Периоды повторения сегментов");
}

TEST(PeriodMethods, PeriodsInDrawNumbers)
{
    const auto f = gappedArchive();
    // Nothing at 100 (the first occurrence in the window), 4 at 104, 1 at 105.
    EXPECT_EQ(occurred(f, "PRDV"), (Texts{{"7 x 4", 1}, {"7 x 1", 1}}));
    const auto values = f.values("PRDV");
    EXPECT_EQ(values[0].LastDraw, 104);
    EXPECT_EQ(values[0].Ago, 2);
    // Numbers of a damaged file: periods that no key part holds, or that go
    // back in time, are passed over.
    const StatsFixture damaged({makeDraw(-2'000'000'000, {7, 1, 2, 3, 4, 5}),
                                makeDraw(2'000'000'000, {7, 8, 9, 10, 11, 12}),
                                makeDraw(40'000, {7, 8, 20, 21, 22, 23}), makeDraw(40'003, {7, 30, 31, 32, 33, 34})});
    EXPECT_EQ(occurred(damaged, "PRDV"), (Texts{{"7 x 3", 1}}));
    // A window that starts at 104 has not seen 7 before it.
    auto stat = f.create("PRDV");
    const auto later = CalculateRange(*stat, {1, 2}, false);
    ASSERT_EQ(later.size(), 1u);
    EXPECT_EQ(stat->ValueToText(later[0]), "7 x 1");
}

TEST(PeriodMethods, ChannelsAndSegmentsCountADrawOnce)
{
    StatsFixture f({makeDraw(1, {6, 20, 30, 40, 45, 1}), makeDraw(2, {6, 9, 21, 31, 41, 44})});
    // 6 and 9 are both in channel 2, 41, 44 and 45 in channel 9: one period each.
    EXPECT_EQ(occurred(f, "PRDC"), (Texts{{"02 x 1", 1}, {"09 x 1", 1}}));
    // Every number in segment 1 but 1..5 in segment 0.
    f.config.MatrixSegments = model::ParseMatrixSegments("00000");
    f.list.BuildMethods();
    EXPECT_EQ(occurred(f, "PRDG"), (Texts{{"1 x 1", 1}}));
    StatsFixture g({makeDraw(1, {1, 20, 30, 40, 45, 10}), makeDraw(3, {2, 11, 12, 13, 14, 15})});
    g.config.MatrixSegments = f.config.MatrixSegments;
    g.list.BuildMethods();
    EXPECT_EQ(occurred(g, "PRDG"), (Texts{{"0 x 2", 1}, {"1 x 2", 1}}));
}

// The combination stands for the draw numbered one after the newest draw of
// the window; a selected (v, p) looks at the draw numbered p before it.
TEST(PeriodMethods, FilterLooksUpDrawsByNumber)
{
    const auto f = gappedArchive();
    auto stat = f.create("PRDV");
    auto keeps = [&](TStatDraw selected, int lastIdx, const TComb& c) {
        return stat->PrepareMatches({selected}, {lastIdx, false})->matches(c);
    };
    const TComb with7{1, 2, 3, 7, 8, 9};
    EXPECT_TRUE(keeps(valueOf(7, 1), 2, with7));  // 105 has 7
    EXPECT_TRUE(keeps(valueOf(7, 2), 2, with7));  // 104 has 7
    EXPECT_FALSE(keeps(valueOf(7, 4), 2, with7)); // 102 is not in the archive
    EXPECT_FALSE(keeps(valueOf(7, 1), 2, {1, 2, 3, 8, 9, 10}));
    EXPECT_FALSE(keeps(valueOf(20, 1), 2, {1, 2, 3, 4, 5, 6}));
    // From the window ending at 104: 100 is five draws before the next one.
    EXPECT_TRUE(keeps(valueOf(7, 5), 1, with7));
    EXPECT_FALSE(keeps(valueOf(7, 4), 1, with7));
    EXPECT_FALSE(keeps(valueOf(7, 1), 0 - 1, with7));
    // A period reaching before the archive, or none at all, looks at no draw.
    EXPECT_FALSE(keeps(valueOf(7, 200), 2, with7));
    EXPECT_FALSE(keeps(valueOf(7, 0), 2, with7));
    EXPECT_FALSE(keeps(valueOf(7, -3), 1, with7)); // 108: after the window

    // Removing drops exactly what keeping keeps, and the one-off test agrees.
    const std::vector<TComb> list{with7, {1, 2, 3, 4, 5, 6}, {7, 20, 21, 22, 23, 24}, {0, 255, 46, 7, 7, 7}};
    const TStatDrawArray selected{valueOf(7, 2), valueOf(1, 5)};
    const auto matcher = stat->PrepareMatches(selected, {2, false});
    std::vector<TComb> kept(list.size()), removed(list.size());
    const size_t nKept = matcher->filter(list, kept.data(), true);
    const size_t nRemoved = matcher->filter(list, removed.data(), false);
    EXPECT_EQ(nKept, 3u);
    EXPECT_EQ(nKept + nRemoved, list.size());
    for (const TComb& c : list) {
        EXPECT_EQ(stat->Matches(c, selected, true, false, 2), matcher->matches(c));
        EXPECT_EQ(stat->Matches(c, selected, false, false, 2), matcher->matches(c));
    }
}

// "Факт": the next draw at which the value comes with the row's period.
TEST(PeriodMethods, NextOccurrenceWithThePeriod)
{
    StatsFixture f({makeDraw(1, {7, 1, 2, 3, 4, 5}), makeDraw(2, {10, 11, 12, 13, 14, 15}),
                    makeDraw(3, {7, 21, 22, 23, 24, 25}), makeDraw(4, {30, 31, 32, 33, 34, 35}),
                    makeDraw(5, {7, 41, 42, 43, 44, 45}), makeDraw(6, {7, 16, 17, 18, 19, 20})});
    auto stat = f.create("PRDV");
    const auto window = CalculateRange(*stat, {0, 2}, false);
    ASSERT_EQ(window.size(), 1u);
    EXPECT_EQ(stat->ValueToText(window[0]), "7 x 2");
    EXPECT_EQ(stat->FindNextDraw(window[0], 3, false, 2), 5);
    EXPECT_EQ(stat->FindNextDraw(valueOf(7, 1), 3, false, 2), 6);
    EXPECT_EQ(stat->FindNextDraw(valueOf(7, 3), 3, false, 2), -1);
    EXPECT_EQ(stat->FindNextDraw(valueOf(7, 2), 5, false, 2), -1);
    EXPECT_EQ(stat->FindNextDraw(valueOf(7, 2), 100, false, 2), -1);
}

} // namespace
} // namespace belvane::stats
