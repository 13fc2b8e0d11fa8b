#include <gtest/gtest.h>

#include "helpers/match_agreement.h"
#include "stats/full_set_counts.h"
#include "stats/segments.h"

namespace belvane::stats {
namespace {

using model::TComb;
using testing::allTexts;
using testing::graphValue;
using testing::makeDraw;
using testing::occurred;
using testing::StatsFixture;
using testing::Texts;

StatsFixture withSegments(std::string_view text, model::TDrawsArray draws = {})
{
    StatsFixture f(std::move(draws));
    f.config.MatrixSegments = model::ParseMatrixSegments(text);
    f.list.BuildMethods();
    return f;
}

std::vector<std::string> segmentIds(const StatsFixture& f)
{
    std::vector<std::string> ids;
    for (int i = 0; i < f.list.MethodCount(); ++i)
        if (f.list.Item(i).StatClass->GetGroup() == GroupSegments)
            ids.push_back(f.list.Item(i).ID());
    return ids;
}

TEST(SegmentMethods, DefaultTableRegistersTenMethods)
{
    const auto f = withSegments("", {makeDraw(1, {1, 2, 3, 4, 5, 45})});
    EXPECT_EQ(segmentIds(f), (std::vector<std::string>{"SGMS", "SGMV", "SGMC", "KGM2", "KGM3", "KGM4", "KGS2", "KGS3",
                                                       "KGS4", "SGM1"}));
    EXPECT_EQ(f.create("KGM4")->Caption(), "Сочетания из 4 сегментов по всем числам тиража");
    EXPECT_EQ(f.create("SGM1")->Caption(), "Количество чисел в 1 сегменте матрицы");
    EXPECT_EQ(f.list.Item(f.list.FindMethod("SGM1")).StatClass->GetHelpID(), "SGMx");
    EXPECT_EQ(occurred(f, "SGMS"), (Texts{{"1", 6}}));
    EXPECT_EQ(allTexts(f, "SGMS"), (std::vector<std::string>{"1"}));
    EXPECT_EQ(occurred(f, "SGMV"), (Texts{{"1 x 6", 1}}));
    EXPECT_EQ(allTexts(f, "SGMV").size(), 1u); // nothing listed in advance
    EXPECT_EQ(occurred(f, "SGMC"), (Texts{{"1", 1}}));
    EXPECT_EQ(allTexts(f, "SGMC").size(), 1u);
    EXPECT_EQ(occurred(f, "SGM1"), (Texts{{"6", 1}}));
    EXPECT_EQ(allTexts(f, "SGM1").size(), 1u);
    EXPECT_EQ(occurred(f, "KGS3"), (Texts{{"1:1:1", 4}}));
    EXPECT_FALSE(f.create("SGMV")->Class().ValueFromText());
}

TEST(SegmentMethods, SegmentsFromTheText)
{
    // Numbers 1..3 in segment 1, 4..6 in 2; a text of ten characters leaves 11..45 in 1.
    const auto f = withSegments("1112223333", {makeDraw(1, {1, 4, 7, 11, 45, 5})});
    EXPECT_EQ(segmentIds(f).size(), 9u + 3);
    EXPECT_EQ(occurred(f, "SGMS"), (Texts{{"1", 3}, {"2", 2}, {"3", 1}}));
    EXPECT_EQ(occurred(f, "SGMV"), (Texts{{"1 x 3", 1}, {"2 x 2", 1}, {"3 x 1", 1}}));
    EXPECT_EQ(occurred(f, "SGMC"), (Texts{{"3", 1}}));
    EXPECT_EQ(occurred(f, "SGM2"), (Texts{{"2", 1}}));
    EXPECT_EQ(occurred(f, "KGS2"), (Texts{{"1:2", 2}, {"2:3", 1}, {"3:1", 1}, {"1:1", 1}}));

    // Segments listed in the order the table first uses them.
    const auto g = withSegments("3311222", {makeDraw(1, {1, 3, 5, 6, 7, 8})});
    EXPECT_EQ(allTexts(g, "SGMS"), (std::vector<std::string>{"3", "1", "2"}));
    EXPECT_EQ(occurred(g, "SGMV"), (Texts{{"3 x 1", 1}, {"1 x 2", 1}, {"2 x 3", 1}}));
    StatsFixture zeroCount = withSegments("3311222", {makeDraw(1, {5, 6, 7, 8, 9, 10})});
    EXPECT_EQ(occurred(zeroCount, "SGMV"), (Texts{{"3 x 0", 1}, {"1 x 3", 1}, {"2 x 3", 1}}));
}

TEST(SegmentMethods, SegmentsTwoAndFiveOnly)
{
    std::string text(45, '2');
    text[10] = '5';
    const auto f = withSegments(text, {makeDraw(1, {1, 2, 11, 12, 13, 14})});
    const auto ids = segmentIds(f);
    EXPECT_EQ(std::vector<std::string>(ids.begin() + 9, ids.end()),
              (std::vector<std::string>{"SGM2", "SGM3", "SGM4", "SGM5"}));
    EXPECT_EQ(occurred(f, "SGM3"), (Texts{{"0", 1}})); // an empty segment: always 0
    EXPECT_EQ(occurred(f, "SGM5"), (Texts{{"1", 1}}));
    EXPECT_EQ(occurred(f, "SGMV"), (Texts{{"2 x 5", 1}, {"5 x 1", 1}}));
}

// A "0" digit makes segment 0, as the settings file gives it: SGM%d then starts
// at 0. An entry above 9, which only code can set, counts as segment 1.
TEST(SegmentMethods, SegmentZeroAndEntriesAboveNine)
{
    const auto f = withSegments("0123", {makeDraw(1, {1, 2, 3, 4, 5, 6})});
    const auto ids = segmentIds(f);
    EXPECT_EQ(std::vector<std::string>(ids.begin() + 9, ids.end()),
              (std::vector<std::string>{"SGM0", "SGM1", "SGM2", "SGM3"}));
    EXPECT_EQ(occurred(f, "SGMS"), (Texts{{"0", 1}, {"1", 3}, {"2", 1}, {"3", 1}}));
    EXPECT_EQ(occurred(f, "SGM0"), (Texts{{"1", 1}}));
    EXPECT_EQ(occurred(f, "KGS2"), (Texts{{"0:1", 1}, {"1:2", 1}, {"2:3", 1}, {"3:1", 1}, {"1:1", 1}}));
    EXPECT_EQ(occurred(f, "SGMC"), (Texts{{"4", 1}}));

    StatsFixture g({makeDraw(1, {1, 2, 3, 4, 5, 6})});
    g.config.MatrixSegments[0] = 200;
    g.config.MatrixSegments[1] = 7;
    g.list.BuildMethods();
    const auto gIds = segmentIds(g);
    EXPECT_EQ(gIds.back(), "SGM7");
    EXPECT_EQ(gIds[9], "SGM1");
    EXPECT_EQ(occurred(g, "SGMS"), (Texts{{"1", 5}, {"7", 1}}));
    EXPECT_EQ(SegmentsOf(g.config)[0], 1);
}

TEST(SegmentMethods, PreparedMatchesAgreeWithValues)
{
    unsigned seed = 31;
    for (std::string_view text : {"", "0123456789012345678901234567890123456789", "1112223333", "22222222225"}) {
        const auto f = withSegments(text);
        for (const auto& id : segmentIds(f))
            if (!id.starts_with("SGM") || id.size() == 4)
                testing::expectMatchesAgree(f, id, seed++, 8);
        testing::expectMatchesAgree(f, segmentIds(f)[9], seed++, 8);
    }
    // Bytes that are no numbers belong to no segment, even with segment 0 in use.
    const auto f = withSegments("0000000000");
    TStatDraw zero;
    EXPECT_FALSE(f.create("SGMS")->Matches({0, 46, 100, 200, 255, 11}, {zero}, false, false, 0));
    EXPECT_TRUE(f.create("SGMS")->Matches({0, 46, 100, 200, 255, 10}, {zero}, false, false, 0));
    KeyList keys;
    f.create("SGMC")->NumbersValues({0, 46, 100, 200, 255, 11}, keys);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0], PackKey(1));
}

TEST(SegmentMethods, FullSetDistributions)
{
    const auto f = withSegments("2222222222");
    const std::vector<std::string> ids{"SGMS", "SGM2", "SGMC"};
    std::vector<int> entries;
    for (const auto& id : ids)
        entries.push_back(f.list.FindMethod(id));
    const auto counts = CountFullSetValues(f.list, entries);
    ASSERT_EQ(counts[0].size(), 2u);
    EXPECT_EQ(counts[0][0].V1, 1);
    EXPECT_EQ(counts[0][0].Count, 35 * model::Binomial(44, 5));
    EXPECT_EQ(counts[0][1].Count, 10 * model::Binomial(44, 5));
    ASSERT_EQ(counts[1].size(), 7u);
    for (const auto& rec : counts[1])
        EXPECT_EQ(rec.Count, model::Binomial(10, rec.V1) * model::Binomial(35, 6 - rec.V1)) << rec.V1;
    ASSERT_EQ(counts[2].size(), 2u);
    EXPECT_EQ(counts[2][0].Count, model::Binomial(10, 6) + model::Binomial(35, 6));
}

} // namespace
} // namespace belvane::stats
