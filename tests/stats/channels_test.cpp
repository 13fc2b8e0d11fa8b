#include <gtest/gtest.h>

#include "helpers/match_agreement.h"
#include "stats/channels.h"
#include "stats/full_set_counts.h"

namespace belvane::stats {
namespace {

using model::TComb;
using testing::allTexts;
using testing::graphValue;
using testing::makeDraw;
using testing::occurred;
using testing::StatsFixture;
using testing::Texts;

StatsFixture withSize(int size, model::TDrawsArray draws = {})
{
    StatsFixture f(std::move(draws));
    f.config.ChannelSize = size;
    f.list.BuildMethods();
    return f;
}

StatsFixture oneDrawInChannels(TComb balls, int size = 5)
{
    return withSize(size, {makeDraw(1, balls)});
}

std::vector<std::string> channelIds(const StatsFixture& f)
{
    std::vector<std::string> ids;
    for (int i = 0; i < f.list.MethodCount(); ++i)
        if (f.list.Item(i).StatClass->GetGroup() == GroupChannels)
            ids.push_back(f.list.Item(i).ID());
    return ids;
}

TEST(ChannelMethods, DefaultSizeRegistersEighteenMethods)
{
    StatsFixture f;
    EXPECT_EQ(channelIds(f),
              (std::vector<std::string>{"CHAN", "CHNV", "CHNC", "KCM2", "KCM3", "KCM4", "KCS2", "KCS3", "KCS4", "CHN1",
                                        "CHN2", "CHN3", "CHN4", "CHN5", "CHN6", "CHN7", "CHN8", "CHN9"}));
    EXPECT_EQ(f.create("KCM2")->Caption(), "Сочетания из 2 каналов по всем числам тиража");
    EXPECT_EQ(f.create("KCS4")->Caption(), "Сочетания из 4 каналов по соседним числам");
    EXPECT_EQ(f.create("CHN3")->Caption(), "Количество чисел в 3 канале");
    EXPECT_EQ(f.list.Item(f.list.FindMethod("CHN3")).StatClass->GetHelpID(), "CHNx");
    EXPECT_EQ(FlagsText(f.create("CHNC")->Class().Flags()), "NG");
    EXPECT_EQ(FlagsText(f.create("CHAN")->Class().Flags()), "N");
    EXPECT_FALSE(f.create("CHNV")->Class().ValueFromText());
}

TEST(ChannelMethods, ChannelsOfSizeFive)
{
    const auto f = oneDrawInChannels({5, 6, 45, 44, 1, 20});
    EXPECT_EQ(occurred(f, "CHAN"), (Texts{{"01 [1-5]", 2}, {"02 [6-10]", 1}, {"04 [16-20]", 1}, {"09 [41-45]", 2}}));
    EXPECT_EQ(allTexts(f, "CHAN").size(), 9u);
    auto chan = f.create("CHAN");
    EXPECT_EQ(chan->TextToValue("02 [6-10]"), 2);
    EXPECT_EQ(chan->ParseValue("09 [41-45]"), 9);
    EXPECT_EQ(chan->TextToValue("x [1-5]"), 0);
    EXPECT_EQ(ChannelText(3, 5), "03 [11-15]");

    // 1..6: (1, 5), (2, 1) and every other channel with 0.
    const auto g = oneDrawInChannels({1, 2, 3, 4, 5, 6});
    Texts chnv{{"01 [1-5] x 5", 1}, {"02 [6-10] x 1", 1}};
    for (int c = 3; c <= 9; ++c)
        chnv.emplace_back(ChannelText(c, 5) + " x 0", 1);
    EXPECT_EQ(occurred(g, "CHNV"), chnv);
    const auto seeds = allTexts(g, "CHNV");
    ASSERT_EQ(seeds.size(), 9u * 6); // counts 0..5
    EXPECT_EQ(seeds[0], "01 [1-5] x 0");
    EXPECT_EQ(seeds[5], "01 [1-5] x 5");
    EXPECT_EQ(occurred(g, "CHNC"), (Texts{{"2", 1}}));
    EXPECT_EQ(allTexts(g, "CHNC"), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(occurred(g, "CHN1"), (Texts{{"5", 1}}));
    EXPECT_EQ(allTexts(g, "CHN1").size(), 5u); // 1..5 listed in advance
    EXPECT_EQ(occurred(g, "CHN9"), (Texts{{"0", 1}}));
    EXPECT_EQ(graphValue(g, "CHN2", {1, 2, 3, 4, 5, 6}), 1);
    EXPECT_EQ(graphValue(g, "CHNC", {1, 2, 3, 4, 5, 6}), 2);

    // Tuples of channels by position.
    EXPECT_EQ(occurred(f, "KCS2"), (Texts{{"1:2", 1}, {"2:9", 1}, {"9:9", 1}, {"9:1", 1}, {"1:4", 1}}));
    EXPECT_EQ(occurred(f, "KCS2", true), (Texts{{"1:1", 1}, {"1:2", 1}, {"2:4", 1}, {"4:9", 1}, {"9:9", 1}}));
    EXPECT_EQ(occurred(g, "KCM3"), (Texts{{"1:1:1", 10}, {"1:1:2", 10}}));
}

TEST(ChannelMethods, SizeFourMakesTwelveChannels)
{
    const auto f = oneDrawInChannels({45, 44, 1, 2, 3, 4}, 4);
    const auto ids = channelIds(f);
    ASSERT_EQ(ids.size(), 9u + 12);
    EXPECT_EQ(ids.back(), "CHN12");
    EXPECT_EQ(occurred(f, "CHAN"), (Texts{{"01 [1-4]", 4}, {"11 [41-44]", 1}, {"12 [45-48]", 1}}));
    EXPECT_EQ(allTexts(f, "CHNC"), (std::vector<std::string>{"1", "2", "3", "4"})); // bounded by the size
    EXPECT_EQ(occurred(f, "CHNV").size(), 12u);
    EXPECT_EQ(allTexts(f, "CHNV").size(), 12u * 5);
    EXPECT_EQ(occurred(f, "CHN12"), (Texts{{"1", 1}}));
}

TEST(ChannelMethods, OneChannelOfFortyFive)
{
    const auto f = oneDrawInChannels({45, 1, 20, 2, 30, 3}, 45);
    EXPECT_EQ(channelIds(f).size(), 10u);
    EXPECT_EQ(occurred(f, "CHAN"), (Texts{{"01 [1-45]", 6}}));
    EXPECT_EQ(occurred(f, "CHNC"), (Texts{{"1", 1}}));
    EXPECT_EQ(occurred(f, "CHNV"), (Texts{{"01 [1-45] x 6", 1}}));
    EXPECT_EQ(allTexts(f, "CHNV").size(), 7u);
    EXPECT_EQ(allTexts(f, "CHN1").size(), 45u); // 1..45 listed, as the size says
    EXPECT_EQ(occurred(f, "KCM4"), (Texts{{"1:1:1:1", 15}}));
}

// A hand-edited size is read into 3..45; none at all registers no channel counts.
TEST(ChannelMethods, SizeOutsideTheDialogRange)
{
    EXPECT_EQ(channelIds(withSize(1)).size(), 9u + 15);
    EXPECT_EQ(channelIds(withSize(99)).size(), 9u + 1);
    const auto none = oneDrawInChannels({1, 2, 3, 4, 5, 6}, 0);
    EXPECT_EQ(channelIds(none).size(), 9u);
    EXPECT_EQ(occurred(none, "CHAN"), (Texts{{"01 [1-3]", 3}, {"02 [4-6]", 3}}));
}

TEST(ChannelMethods, PreparedMatchesAgreeWithValues)
{
    unsigned seed = 21;
    for (int size : {5, 3, 4, 45}) {
        const auto f = withSize(size);
        for (const auto& id : channelIds(f))
            if (!id.starts_with("CHN") || id == "CHNV" || id == "CHNC" || id == "CHN1" || id == "CHN2")
                testing::expectMatchesAgree(f, id, seed++, 8);
    }
    // The zero count of a channel the combination leaves empty.
    StatsFixture f;
    TStatDraw empty9;
    empty9.V1 = 9;
    EXPECT_TRUE(f.create("CHNV")->Matches({1, 2, 3, 4, 5, 6}, {empty9}, false, false, 0));
    EXPECT_FALSE(f.create("CHNV")->Matches({1, 2, 3, 4, 5, 45}, {empty9}, false, false, 0));
}

TEST(ChannelMethods, FullSetDistributions)
{
    const auto f = withSize(4);
    const std::vector<std::string> ids{"CHAN", "CHN1", "CHN12", "CHNC"};
    std::vector<int> entries;
    for (const auto& id : ids)
        entries.push_back(f.list.FindMethod(id));
    const auto counts = CountFullSetValues(f.list, entries);
    ASSERT_EQ(counts.size(), ids.size());
    ASSERT_EQ(counts[0].size(), 12u);
    for (const auto& rec : counts[0])
        EXPECT_EQ(rec.Count, (rec.V1 == 12 ? 1 : 4) * model::Binomial(44, 5)) << rec.V1;
    ASSERT_EQ(counts[1].size(), 5u); // 0..4
    for (const auto& rec : counts[1])
        EXPECT_EQ(rec.Count, model::Binomial(4, rec.V1) * model::Binomial(41, 6 - rec.V1)) << rec.V1;
    ASSERT_EQ(counts[2].size(), 2u);
    EXPECT_EQ(counts[2][1].Count, model::Binomial(44, 5));
    int64_t total = 0;
    for (const auto& rec : counts[3])
        total += rec.Count;
    EXPECT_EQ(total, model::FullSetSize);
    EXPECT_EQ(counts[3].front().V1, 2); // four numbers at most per channel: never one channel
}

} // namespace
} // namespace belvane::stats
