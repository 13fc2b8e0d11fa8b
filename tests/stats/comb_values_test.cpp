#include <gtest/gtest.h>

#include "helpers/stats_fixture.h"
#include "stats/class_table.h"
#include "stats/comb_values.h"

namespace belvane::stats {
namespace {

using model::TComb;
using testing::makeDraw;
using testing::occurred;
using testing::StatsFixture;
using testing::Texts;

std::vector<std::string> texts(const Texts& t)
{
    std::vector<std::string> out;
    for (const auto& [text, count] : t)
        out.push_back(text);
    return out;
}

TStatDraw tuple(int16_t a, int16_t b, int16_t c = 0, int16_t d = 0)
{
    TStatDraw r;
    SetKey(r, PackKey(a, b, c, d));
    return r;
}

TEST(CombValueMethods, RegisteredAtTheirPlaces)
{
    StatsFixture f;
    std::vector<std::string> ids;
    for (int i = 0; i < f.list.MethodCount(); ++i) {
        const int position = StatClassPosition(f.list.Item(i).StatClass);
        if (position >= 62 && position <= 73)
            ids.push_back(f.list.Item(i).ID());
    }
    EXPECT_EQ(ids, (std::vector<std::string>{"KNM2", "KNM3", "KNM4", "KNS2", "KNS3", "KNS4", "KNP21", "KNP22", "KNP23",
                                             "KNP24", "KNP25", "KNP31", "KNP32", "KNP33", "KNP34", "KNP41", "KNP42",
                                             "KNP43"}));
    EXPECT_EQ(StatClassPosition(&TstCombValPos4Class), 70);
    EXPECT_EQ(f.create("KNM3")->Caption(), "Сочетания из 3 чисел по всем числам тиража");
    EXPECT_EQ(f.create("KNS2")->Caption(), "Сочетания из 2 соседних чисел тиража");
    EXPECT_EQ(f.create("KNP32")->Caption(), "Сочетания из 3-х чисел тиража начиная с 2 позиции");
    EXPECT_EQ(f.list.Item(f.list.FindMethod("KNP43")).StatClass->GetHelpID(), "KNP4");
    EXPECT_EQ(f.list.MethodText(f.list.FindMethod("KNM2"), true),
              "{ num } Сочетания из 2 чисел по всем числам тиража [ S ]");
    for (const char* id : {"KNM2", "KNS4", "KNP21"}) {
        auto stat = f.create(id);
        EXPECT_FALSE(stat->Class().ValueFromText()) << id;
        EXPECT_FALSE(stat->Class().CanPrefetch()) << id;
        TStatDrawArray listed;
        stat->InitValues(0, listed);
        EXPECT_TRUE(listed.empty()) << id;
    }
}

TEST(CombValueMethods, ValuesOfOneDraw)
{
    const StatsFixture f({makeDraw(1, {1, 2, 3, 4, 5, 6})});
    const auto knm2 = texts(occurred(f, "KNM2"));
    ASSERT_EQ(knm2.size(), 15u);
    EXPECT_EQ(knm2.front(), "1:2");
    EXPECT_EQ(knm2[4], "1:6");
    EXPECT_EQ(knm2.back(), "5:6");
    EXPECT_EQ(texts(occurred(f, "KNS2")), (std::vector<std::string>{"1:2", "2:3", "3:4", "4:5", "5:6"}));
    EXPECT_EQ(texts(occurred(f, "KNP25")), std::vector<std::string>{"5:6"});
    EXPECT_EQ(texts(occurred(f, "KNP31")), std::vector<std::string>{"1:2:3"});
    EXPECT_EQ(texts(occurred(f, "KNP43")), std::vector<std::string>{"3:4:5:6"});
    EXPECT_EQ(occurred(f, "KNM3").size(), 20u);
    EXPECT_EQ(occurred(f, "KNM4").size(), 15u);
    EXPECT_EQ(texts(occurred(f, "KNS4")), (std::vector<std::string>{"1:2:3:4", "2:3:4:5", "3:4:5:6"}));
}

// Seq and Pos values follow the record's order; combinations are ascending, so
// a pair recorded in falling order never matches.
TEST(CombValueMethods, DrawnOrderAndFiltering)
{
    const StatsFixture f({makeDraw(1, {17, 5, 30, 2, 44, 9})});
    EXPECT_EQ(texts(occurred(f, "KNS2", false)), (std::vector<std::string>{"17:5", "5:30", "30:2", "2:44", "44:9"}));
    EXPECT_EQ(texts(occurred(f, "KNS2", true)), (std::vector<std::string>{"2:5", "5:9", "9:17", "17:30", "30:44"}));
    EXPECT_EQ(texts(occurred(f, "KNP21", false)), std::vector<std::string>{"17:5"});

    const TComb c{2, 5, 9, 17, 30, 44};
    EXPECT_FALSE(f.create("KNS2")->Matches(c, {tuple(17, 5)}, false, false, 0));
    EXPECT_TRUE(f.create("KNS2")->Matches(c, {tuple(9, 17)}, false, false, 0));
    EXPECT_TRUE(f.create("KNM2")->Matches(c, {tuple(5, 44)}, false, false, 0));
    EXPECT_FALSE(f.create("KNM2")->Matches(c, {tuple(44, 5)}, false, false, 0));
    EXPECT_TRUE(f.create("KNM4")->Matches(c, {tuple(2, 9, 30, 44)}, false, false, 0));
    EXPECT_FALSE(f.create("KNS4")->Matches(c, {tuple(2, 9, 30, 44)}, false, false, 0));
    EXPECT_TRUE(f.create("KNP32")->Matches(c, {tuple(5, 9, 17)}, false, false, 0));
    EXPECT_FALSE(f.create("KNP33")->Matches(c, {tuple(5, 9, 17)}, false, false, 0));
    // A part beyond k must be 0; a byte that is no number forms no tuple.
    EXPECT_FALSE(f.create("KNM2")->Matches(c, {tuple(5, 44, 1)}, false, false, 0));
    EXPECT_FALSE(f.create("KNP21")->Matches({0, 5, 9, 17, 30, 44}, {tuple(0, 5)}, false, false, 0));
}

// A pair that came in two draws: its count, the later draw and the gap.
TEST(CombValueMethods, RepeatedTuplesAcrossDraws)
{
    const StatsFixture f(
        {makeDraw(10, {3, 8, 20, 21, 33, 40}), makeDraw(11, {1, 2, 4, 5, 6, 7}), makeDraw(14, {3, 9, 20, 22, 33, 41})});
    const auto values = f.values("KNM3");
    const TStatDraw* found = FindKey(values, PackKey(3, 20, 33));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Count, 2);
    EXPECT_EQ(found->LastDraw, 14);
    EXPECT_EQ(found->Ago, 1);
    EXPECT_EQ(found->MinGap, 4);
    EXPECT_EQ(values.size(), 20u * 3 - 1);
}

} // namespace
} // namespace belvane::stats
