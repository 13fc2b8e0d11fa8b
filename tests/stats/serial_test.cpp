#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "helpers/stats_fixture.h"
#include "model/layout.h"
#include "stats/class_table.h"
#include "stats/serial.h"

namespace belvane::stats {
namespace {

using model::TComb;
using testing::makeDraw;
using testing::occurred;
using testing::StatsFixture;
using testing::Texts;

// Draws numbered 1.. alternating between two bands (20..24 and 30..34), with 1
// in every draw and 7 in the draws named (in place of the band's last number).
StatsFixture sevenIn(int count, std::initializer_list<int> withSeven)
{
    model::TDrawsArray draws;
    for (int number = 1; number <= count; ++number) {
        const auto base = static_cast<model::Ball>(number % 2 == 0 ? 20 : 30);
        const bool seven = std::find(withSeven.begin(), withSeven.end(), number) != withSeven.end();
        draws.push_back(makeDraw(number, {base, static_cast<model::Ball>(base + 1), static_cast<model::Ball>(base + 2),
                                          static_cast<model::Ball>(base + 3), 1,
                                          seven ? model::Ball{7} : static_cast<model::Ball>(base + 4)}));
    }
    return StatsFixture(draws);
}

TStatDraw serialValue(int v1, int v2 = 0)
{
    TStatDraw rec;
    rec.V1 = static_cast<int16_t>(v1);
    rec.V2 = static_cast<int16_t>(v2);
    return rec;
}

// The rows of a method whose text starts with the prefix.
Texts rowsOf(const StatsFixture& f, std::string_view id, std::string_view prefix)
{
    Texts out;
    for (const auto& [text, count] : occurred(f, id))
        if (text.starts_with(prefix))
            out.emplace_back(text, count);
    return out;
}

TEST(SerialMethods, RegisteredAtTheirPlaces)
{
    StatsFixture f;
    EXPECT_EQ(StatClassPosition(&TstNumGroupsClass), 107);
    EXPECT_EQ(StatClassPosition(&TstSgmPausesClass), 112);
    const int first = f.list.FindMethod("GRPV");
    const char* const ids[] = {"GRPV", "GRPP", "GRCV", "GRCP", "GRSV", "GRSP"};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(f.list.FindMethod(ids[k]), first + k) << ids[k];
    EXPECT_EQ(f.list.MethodText(first, true), "{ ser } Повторы чисел в нескольких тиражах подряд [ D ]");
    EXPECT_EQ(f.list.MethodText(f.list.FindMethod("GRSP"), false), "{ ser } Интервалы между повторениями сегментов");
    EXPECT_FALSE(TstChnGroupsClass.ValueFromText());
}

// 7 in draws 3, 4, 5 and 8 of eight, the newest draw included.
TEST(SerialMethods, GroupsAndPausesOfANumber)
{
    const auto f = sevenIn(8, {3, 4, 5, 8});
    EXPECT_EQ(rowsOf(f, "GRPV", "7 x"), (Texts{{"7 x 3", 1}, {"7 x 1", 1}}));
    EXPECT_EQ(rowsOf(f, "GRPP", "7 x"), (Texts{{"7 x 2", 2}}));

    // A series carries its own last draw and age, not those of the draw that ended it.
    const auto groups = f.values("GRPV");
    const TStatDraw* three = FindKey(groups, PackKey(7, 3));
    ASSERT_NE(three, nullptr);
    EXPECT_EQ(three->LastDraw, 5);
    EXPECT_EQ(three->Ago, 4);
    const auto pauses = f.values("GRPP");
    const TStatDraw* two = FindKey(pauses, PackKey(7, 2));
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->LastDraw, 7);
    EXPECT_EQ(two->Ago, 2);
    EXPECT_EQ(two->MinGap, 5); // the pauses ended at draws 2 and 7
    EXPECT_EQ(two->MaxGap, 5);

    // Numbers the newest draw lacks are never listed: 30 is in every odd draw.
    EXPECT_EQ(rowsOf(f, "GRPV", "30 x"), Texts{});
    EXPECT_EQ(rowsOf(f, "GRPP", "31 x"), Texts{});
    // 21 is in every even draw, the newest one included.
    EXPECT_EQ(rowsOf(f, "GRPV", "21 x"), (Texts{{"21 x 1", 4}}));
    EXPECT_EQ(rowsOf(f, "GRPP", "21 x"), (Texts{{"21 x 1", 4}}));
    // 1 is in every draw: one group, still running at the newest draw.
    EXPECT_EQ(rowsOf(f, "GRPV", "1 x"), (Texts{{"1 x 8", 1}}));
}

TEST(SerialMethods, ChannelsAndSegments)
{
    StatsFixture f({makeDraw(1, {1, 10, 20, 30, 40, 45}), makeDraw(2, {10, 11, 12, 13, 14, 15}),
                    makeDraw(3, {2, 6, 20, 21, 22, 23})});
    // Channels of five: the newest draw is in channels 1, 2, 4 and 5.
    EXPECT_EQ(occurred(f, "GRCV"), (Texts{{"01 x 1", 2}, {"04 x 1", 2}, {"02 x 3", 1}, {"05 x 1", 1}}));
    // Channel 3 pauses at the newest draw, but the newest draw lacks it.
    EXPECT_EQ(occurred(f, "GRCP"), (Texts{{"01 x 1", 1}, {"04 x 1", 1}, {"05 x 2", 1}}));

    // Segment 0 is followed like any other: 1..5 in segment 0, the rest in 1.
    f.config.MatrixSegments = model::ParseMatrixSegments("00000");
    f.list.BuildMethods();
    EXPECT_EQ(occurred(f, "GRSV"), (Texts{{"0 x 1", 2}, {"1 x 3", 1}}));
    EXPECT_EQ(occurred(f, "GRSP"), (Texts{{"0 x 1", 1}}));

    // Segments 2 and 5 only: the empty segments between are followed and never listed.
    f.config.MatrixSegments = model::ParseMatrixSegments(std::string(6, '2') + std::string(39, '5'));
    f.list.BuildMethods();
    EXPECT_EQ(occurred(f, "GRSV"), (Texts{{"2 x 1", 2}, {"5 x 3", 1}}));
}

TEST(SerialMethods, FilteringByTheFollowedValue)
{
    const auto f = sevenIn(8, {3, 4, 5, 8});
    auto stat = f.create("GRCV");
    // Channel 2; the length is not compared.
    const auto matcher = stat->PrepareMatches({serialValue(2, 3)}, {7, false});
    EXPECT_TRUE(matcher->matches({6, 11, 12, 13, 14, 15}));
    EXPECT_TRUE(matcher->matches({1, 3, 4, 5, 10, 45}));
    EXPECT_FALSE(matcher->matches({1, 2, 3, 4, 5, 11}));
    EXPECT_FALSE(matcher->matches({0, 46, 255, 11, 12, 13}));
    EXPECT_TRUE(f.create("GRPP")->Matches({7, 8, 9, 10, 11, 12}, {serialValue(7)}, true, false, 7));
}

} // namespace
} // namespace belvane::stats
