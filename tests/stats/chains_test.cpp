#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "helpers/stats_fixture.h"
#include "model/full_set.h"
#include "stats/chains.h"
#include "stats/class_table.h"

namespace belvane::stats {
namespace {

using model::TComb;
using testing::makeDraw;
using testing::occurred;
using testing::StatsFixture;
using testing::Texts;

// An archive of draws numbered from 1, oldest first, in drawn order.
StatsFixture archive(std::initializer_list<TComb> combs)
{
    model::TDrawsArray draws;
    for (const TComb& c : combs)
        draws.push_back(makeDraw(static_cast<int>(draws.size()) + 1, c));
    return StatsFixture(std::move(draws));
}

// Texts of the values a method lists for the window ending at lastIdx, with their counts.
Texts tableAt(const StatsFixture& f, std::string_view id, int lastIdx, bool sorted = false)
{
    auto stat = f.create(id);
    Texts out;
    for (const TStatDraw& v : CalculateRange(*stat, {0, lastIdx}, sorted))
        out.emplace_back(stat->ValueToText(v), v.Count);
    return out;
}

std::vector<std::string> chainIds(const StatsFixture& f)
{
    std::vector<std::string> ids;
    for (int i = 0; i < f.list.MethodCount(); ++i)
        if (f.list.Item(i).StatClass->GetGroup() == GroupChains)
            ids.push_back(f.list.Item(i).ID());
    return ids;
}

std::unique_ptr<Matcher> matcherFor(const StatsFixture& f, std::string_view id, const TStatDrawArray& selected,
                                    int lastIdx)
{
    return f.create(id)->PrepareMatches(selected, {lastIdx, false});
}

TStatDraw value(int v1, int v2, int v3 = 0)
{
    TStatDraw v;
    v.V1 = static_cast<int16_t>(v1);
    v.V2 = static_cast<int16_t>(v2);
    v.V3 = static_cast<int16_t>(v3);
    return v;
}

// How many of the C(45,6) combinations the matcher keeps.
int64_t fullSetMatches(const Matcher& m)
{
    std::vector<TComb> chunk(1 << 16);
    std::vector<TComb> kept(chunk.size());
    int64_t count = 0;
    for (int64_t rank = 0; rank < model::FullSetSize; rank += static_cast<int64_t>(chunk.size())) {
        const auto n =
            static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(chunk.size()), model::FullSetSize - rank));
        model::FillCombinations(rank, {chunk.data(), n});
        count += static_cast<int64_t>(m.filter({chunk.data(), n}, kept.data(), true));
    }
    return count;
}

// ---- registration ---------------------------------------------------------------

TEST(ChainMethods, RegisteredAtTheirPlacesWithTheirCaptions)
{
    StatsFixture f;
    const std::vector<std::string> ids = chainIds(f);
    ASSERT_EQ(ids.size(), 69u);
    const std::vector<std::string> head{"SDV2", "SDP2", "SDN1", "SDN2", "SDN3", "SDN4", "SDN5", "SDN6", "SDP3", "SDM1"};
    EXPECT_EQ(std::vector<std::string>(ids.begin(), ids.begin() + 10), head);
    EXPECT_EQ(ids[30], "SC2C1");
    EXPECT_EQ(ids[38], "SC2C9");
    EXPECT_EQ(ids[47], "SC3C9");
    EXPECT_EQ(std::vector<std::string>(ids.begin() + 48, ids.begin() + 53),
              (std::vector<std::string>{"SDA2", "SDG2", "SDZ2", "SDC2", "SSV2"}));
    EXPECT_EQ(ids[67], "SS2C1");
    EXPECT_EQ(ids[68], "SS3C1");
    EXPECT_EQ(StatClassPosition(&TstChain2DrawsAllClass), 116);
    EXPECT_EQ(StatClassPosition(&TstChainChannels2InsideAllClass), 128);
    EXPECT_EQ(StatClassPosition(&TstChain3SgmCntClass), 138);

    auto caption = [&](std::string_view id) { return f.list.Item(f.list.FindMethod(id)).DefaultCaption(); };
    EXPECT_EQ(caption("SDN3"), "Переходы чисел между 2 тиражами в 3 позиции");
    EXPECT_EQ(caption("SDM5"), "Переходы чисел между 3 тиражами в 5 позиции");
    EXPECT_EQ(caption("SC3C2"), "Переходы кол-ва чисел в 2 канале между 3 тиражами");
    EXPECT_EQ(caption("SS2C1"), "Переходы кол-ва чисел в 1 сегменте между 2 тиражами");
    EXPECT_EQ(f.list.MethodText(f.list.FindMethod("SDV2"), true),
              "{ mov } Переходы чисел между 2 тиражами без учета позиции [ D ]");
    EXPECT_EQ(f.list.MethodText(f.list.FindMethod("SSP3"), true),
              "{ mov } Переходы сегментов между 3 тиражами с учетом позиции [ SD ]");
    EXPECT_EQ(f.list.MethodText(f.list.FindMethod("SDZ2"), true),
              "{ mov } Переходы чисел в пределах каналов (N-0, не удачные) [ D ]");
    EXPECT_EQ(TstChain2CnlCntClass.GetHelpID(), "SC2Cx");
    EXPECT_EQ(TstChain3SegmentClass.GetHelpID(), "SSMx");
    for (const MethodClass* c : StatClassTable().subspan(116, 23)) {
        EXPECT_FALSE(c->ValueFromText()) << c->GetID();
        EXPECT_FALSE(c->CanPrefetch()) << c->GetID();
    }
}

// Channel counts follow the channel size, segment counts the segment table.
TEST(ChainMethods, CountMembersFollowTheConfiguration)
{
    StatsFixture f;
    auto count = [&](std::string_view prefix) {
        const auto ids = chainIds(f);
        return std::count_if(ids.begin(), ids.end(), [&](const std::string& id) { return id.starts_with(prefix); });
    };
    EXPECT_EQ(count("SC2C"), 9);
    f.config.ChannelSize = 4;
    f.list.BuildMethods();
    EXPECT_EQ(count("SC2C"), 12);
    EXPECT_EQ(count("SC3C"), 12);
    EXPECT_EQ(chainIds(f).size(), 75u);
    EXPECT_GE(f.list.FindMethod("SC3C12"), 0);

    f.config.ChannelSize = 5;
    f.config.MatrixSegments = model::ParseMatrixSegments("2222255555");
    f.list.BuildMethods();
    EXPECT_EQ(count("SC2C"), 9);
    EXPECT_EQ(count("SS2C"), 5); // segments 1..5, the unused 3 and 4 included
    EXPECT_GE(f.list.FindMethod("SS3C4"), 0);
    f.config.MatrixSegments = model::ParseMatrixSegments("0");
    f.list.BuildMethods();
    EXPECT_GE(f.list.FindMethod("SS2C0"), 0);
}

// ---- values of draws ----------------------------------------------------------------

// The predecessors a chain reads must be in the archive: the oldest draw gives
// nothing, and over three draws the second oldest neither.
TEST(ChainMethods, DrawsWithoutPredecessorsGiveNothing)
{
    const StatsFixture one = archive({{1, 2, 3, 4, 5, 6}});
    for (const char* id : {"SDV2", "SDP2", "SDN1", "SCV2", "SC2C1", "SDA2", "SDC2", "SSV2", "SS2C1"})
        for (const auto& [text, count] : tableAt(one, id, 0))
            EXPECT_EQ(count, 0) << id << " " << text;

    const StatsFixture two = archive({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}});
    EXPECT_EQ(tableAt(two, "SDP2", 1),
              (Texts{{"1 -> 1", 1}, {"2 -> 2", 1}, {"3 -> 3", 1}, {"4 -> 4", 1}, {"5 -> 5", 1}, {"6 -> 6", 1}}));
    EXPECT_TRUE(tableAt(two, "SDP3", 1).empty());
    EXPECT_TRUE(tableAt(two, "SCP3", 1).empty());
    EXPECT_EQ(tableAt(two, "SS2C1", 1), (Texts{{"6 -> 0", 0}, {"6 -> 6", 1}}));

    const StatsFixture three = archive({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}});
    EXPECT_EQ(tableAt(three, "SDM4", 2), (Texts{{"4-4 -> 4", 1}}));
    EXPECT_EQ(tableAt(three, "SS3C1", 2), (Texts{{"6-6 -> 0", 0}, {"6-6 -> 6", 1}}));
}

TEST(ChainMethods, NumberChains)
{
    // The newest draw (6) shares 3 with draws 1 and 4 and 12 and 5 with draw 2;
    // draw 4 is the one before it.
    const StatsFixture f = archive({{40, 41, 3, 43, 44, 45},
                                    {12, 20, 5, 33, 34, 35},
                                    {14, 2, 7, 31, 38, 39},
                                    {31, 7, 3, 19, 28, 37},
                                    {12, 3, 5, 9, 10, 11}});
    const Texts sdv2 = occurred(f, "SDV2");
    ASSERT_EQ(sdv2.size(), 22u);
    EXPECT_EQ(Texts(sdv2.begin(), sdv2.begin() + 7), (Texts{{"3 -> 12", 2},
                                                            {"3 -> 20", 1},
                                                            {"3 -> 5", 2},
                                                            {"3 -> 33", 1},
                                                            {"3 -> 34", 1},
                                                            {"3 -> 35", 1},
                                                            {"12 -> 14", 1}}));
    EXPECT_EQ(sdv2[12], (std::pair<std::string, int>{"5 -> 14", 1}));
    EXPECT_EQ(sdv2.back(), (std::pair<std::string, int>{"3 -> 11", 1}));

    // By position: 12 stands first in draw 2 and in the newest one, 5 third.
    EXPECT_EQ(occurred(f, "SDP2"), (Texts{{"12 -> 14", 1}, {"5 -> 7", 1}}));
    EXPECT_EQ(occurred(f, "SDN3"), (Texts{{"5 -> 7", 1}}));
    EXPECT_TRUE(occurred(f, "SDN4").empty());
    // Over three draws draw 1 must agree with draw 4 as well: 3 stands third in both.
    EXPECT_EQ(occurred(f, "SDP3"), (Texts{{"3-5 -> 7", 1}}));
    EXPECT_EQ(occurred(f, "SDM3"), (Texts{{"3-5 -> 7", 1}}));
    EXPECT_TRUE(occurred(f, "SDM1").empty());
}

// A draw earlier than the newest that shares no number with it gives nothing,
// however many numbers the draw after it has.
TEST(ChainMethods, AllNumbersNeedASharedNumber)
{
    const StatsFixture f =
        archive({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {13, 14, 15, 16, 17, 18}, {1, 20, 21, 22, 23, 24}});
    EXPECT_EQ(occurred(f, "SDV2"),
              (Texts{{"1 -> 7", 1}, {"1 -> 8", 1}, {"1 -> 9", 1}, {"1 -> 10", 1}, {"1 -> 11", 1}, {"1 -> 12", 1}}));
}

TEST(ChainMethods, ChannelChains)
{
    // Channels of 5. The newest draw's channels are 3 5 2 4 6 8; draw 1's are
    // 3 5 7 8 9 9, draw 2's 3 1 1 2 2 9, draw 3's 3 5 7 8 9 9 again.
    const StatsFixture f =
        archive({{12, 24, 31, 36, 41, 45}, {13, 1, 2, 6, 7, 44}, {14, 22, 33, 38, 42, 43}, {11, 21, 8, 17, 27, 40}});
    const Texts scv2 = occurred(f, "SCV2");
    ASSERT_EQ(scv2.size(), 30u);
    EXPECT_EQ(scv2.front(), (std::pair<std::string, int>{"03 -> 03", 3}));
    EXPECT_EQ(scv2[16], (std::pair<std::string, int>{"02 -> 05", 2}));
    EXPECT_EQ(occurred(f, "SCP2"), (Texts{{"03 -> 03", 3}, {"05 -> 01", 1}, {"05 -> 05", 1}}));
    EXPECT_EQ(occurred(f, "SCN2"), (Texts{{"05 -> 01", 1}, {"05 -> 05", 1}}));
    EXPECT_EQ(occurred(f, "SCP3"), (Texts{{"03-03 -> 03", 2}}));
    EXPECT_EQ(occurred(f, "SCM1"), (Texts{{"03-03 -> 03", 2}}));
    EXPECT_TRUE(occurred(f, "SCM6").empty());
}

// SC2C3 lists n -> 0 .. n -> S in advance, n being the newest draw's count in
// channel 3 (11..15); SC3C3 puts the count of the draw before it in front.
TEST(ChainMethods, CountChainsListTheSuccessorsOfTheReference)
{
    // Counts in channel 3: 1, 2, 0, 1, 2.
    const StatsFixture f = archive({{11, 1, 2, 3, 4, 5},
                                    {12, 13, 1, 2, 3, 4},
                                    {20, 30, 40, 41, 42, 43},
                                    {15, 20, 30, 40, 41, 42},
                                    {14, 15, 1, 2, 3, 4}});
    EXPECT_EQ(tableAt(f, "SC2C3", 4),
              (Texts{{"2 -> 0", 1}, {"2 -> 1", 0}, {"2 -> 2", 0}, {"2 -> 3", 0}, {"2 -> 4", 0}, {"2 -> 5", 0}}));
    EXPECT_EQ(
        tableAt(f, "SC3C3", 4),
        (Texts{{"1-2 -> 0", 1}, {"1-2 -> 1", 0}, {"1-2 -> 2", 0}, {"1-2 -> 3", 0}, {"1-2 -> 4", 0}, {"1-2 -> 5", 0}}));
    // With channels of 4 the counts run to 4 (channel 3 is 9..12).
    StatsFixture four = archive({{11, 1, 2, 3, 4, 5}, {12, 13, 1, 2, 3, 4}});
    four.config.ChannelSize = 4;
    four.list.BuildMethods();
    EXPECT_EQ(tableAt(four, "SC2C3", 1).size(), 5u);
    // Segments list the count 0 only.
    EXPECT_EQ(tableAt(f, "SS2C1", 4), (Texts{{"6 -> 0", 0}, {"6 -> 6", 4}}));
}

TEST(ChainMethods, NumbersInsideChannels)
{
    // 12 is in the newest draw, in draw 1 and in draw 3. Draw 2 has nothing in
    // 12's channel (11..15); draw 4 has 14 and 11 there.
    const StatsFixture f = archive({{12, 20, 30, 33, 40, 44},
                                    {1, 2, 3, 4, 5, 6},
                                    {12, 21, 31, 34, 41, 45},
                                    {14, 11, 22, 32, 42, 43},
                                    {12, 7, 8, 9, 10, 16}});
    EXPECT_EQ(occurred(f, "SDZ2"), (Texts{{"12 -> 00", 1}}));
    EXPECT_EQ(occurred(f, "SDG2"), (Texts{{"12 -> 14", 1}, {"12 -> 11", 1}}));
    EXPECT_EQ(occurred(f, "SDA2"), (Texts{{"12 -> 00", 1}, {"12 -> 14", 1}, {"12 -> 11", 1}}));
    EXPECT_EQ(occurred(f, "SDC2"), (Texts{{"12 -> 0", 1}, {"12 -> 2", 1}}));
}

TEST(ChainMethods, SegmentChains)
{
    StatsFixture f = archive({{1, 16, 31, 2, 17, 32}, {31, 32, 1, 2, 3, 16}, {2, 17, 33, 4, 5, 6}});
    f.config.MatrixSegments = model::ParseMatrixSegments("111111111111111222222222222222333333333333333");
    f.list.BuildMethods();
    // Segments of the newest draw: 1 2 3 1 1 1; of draw 1: 1 2 3 1 2 3; of draw 2: 3 3 1 1 1 2.
    EXPECT_EQ(occurred(f, "SSP2"), (Texts{{"1 -> 3", 1}, {"2 -> 3", 1}, {"3 -> 1", 1}, {"1 -> 1", 3}}));
    EXPECT_EQ(occurred(f, "SSN3"), (Texts{{"3 -> 1", 1}}));
    EXPECT_EQ(occurred(f, "SSP3"), (Texts{{"1-1 -> 1", 1}}));
    EXPECT_EQ(occurred(f, "SSM4"), (Texts{{"1-1 -> 1", 1}}));
    EXPECT_EQ(occurred(f, "SSV2").front(), (std::pair<std::string, int>{"1 -> 3", 7}));
    EXPECT_EQ(tableAt(f, "SS2C3", 2), (Texts{{"1 -> 0", 0}}));
    EXPECT_EQ(tableAt(f, "SS3C3", 2), (Texts{{"2-1 -> 0", 0}}));
}

// With the numbers sorted, the draws before the current one and the draw
// before the newest are sorted too: all five draws a rule reads agree.
TEST(ChainMethods, SortingAppliesToEveryDrawRead)
{
    const StatsFixture f = archive({{5, 1, 22, 32, 43, 45},
                                    {7, 3, 20, 30, 40, 44},
                                    {9, 2, 15, 25, 35, 45},
                                    {1, 5, 23, 33, 44, 45},
                                    {3, 7, 21, 31, 41, 42}});
    EXPECT_EQ(tableAt(f, "SDP2", 4, true), (Texts{{"3 -> 2", 1}, {"7 -> 9", 1}}));
    EXPECT_TRUE(tableAt(f, "SDP2", 4, false).empty());
    EXPECT_EQ(tableAt(f, "SDP3", 4, true), (Texts{{"1-3 -> 2", 1}, {"5-7 -> 9", 1}}));
    EXPECT_TRUE(tableAt(f, "SDP3", 4, false).empty());
}

// ---- the filter -------------------------------------------------------------------------

TEST(ChainMethods, FiltersCompareTheSuccessor)
{
    const StatsFixture f = archive({{1, 2, 3, 4, 5, 6}, {12, 7, 8, 9, 10, 30}});
    const TComb with14 = {1, 2, 3, 4, 14, 40};
    const TComb without = {1, 2, 3, 4, 5, 40};
    // Numbers: the successor anywhere in the combination; the parts before it are not compared.
    EXPECT_TRUE(matcherFor(f, "SDV2", {value(44, 14)}, 1)->matches(with14));
    EXPECT_FALSE(matcherFor(f, "SDV2", {value(44, 14)}, 1)->matches(without));
    EXPECT_TRUE(matcherFor(f, "SDN5", {value(9, 14)}, 1)->matches(with14));
    EXPECT_TRUE(matcherFor(f, "SDP3", {value(14, 14, 3)}, 1)->matches(without));
    EXPECT_FALSE(matcherFor(f, "SDP3", {value(3, 3, 14)}, 1)->matches(without));
    // Channels (of 5) and segments: the successor is a group.
    EXPECT_TRUE(matcherFor(f, "SCV2", {value(1, 3)}, 1)->matches(with14));
    EXPECT_FALSE(matcherFor(f, "SCV2", {value(3, 4)}, 1)->matches(with14));
    EXPECT_TRUE(matcherFor(f, "SSP2", {value(1, 1)}, 1)->matches(without));
    EXPECT_FALSE(matcherFor(f, "SSP2", {value(1, 2)}, 1)->matches(without));
    // Counts: the combination's count in the channel.
    EXPECT_TRUE(matcherFor(f, "SC2C1", {value(0, 4)}, 1)->matches(with14));
    EXPECT_FALSE(matcherFor(f, "SC2C1", {value(0, 5)}, 1)->matches(with14));
    EXPECT_TRUE(matcherFor(f, "SC3C1", {value(5, 0, 5)}, 1)->matches(without));
}

// A selected "SDG2" value 12 -> 14 matches a combination holding 14 only when
// 12 is in the newest draw; an unsuccessful value wants r's channel empty and a
// count value that count in it.
TEST(ChainMethods, InsideFiltersReadTheNewestDraw)
{
    const StatsFixture f = archive({{1, 2, 3, 4, 5, 6}, {12, 7, 8, 9, 10, 30}, {13, 7, 8, 9, 10, 30}});
    const TComb with14 = {1, 2, 3, 4, 14, 40};
    const TComb with11and14 = {1, 2, 3, 11, 14, 40};
    const TComb none = {1, 2, 3, 4, 5, 40};
    EXPECT_TRUE(matcherFor(f, "SDG2", {value(12, 14)}, 1)->matches(with14));
    EXPECT_FALSE(matcherFor(f, "SDG2", {value(12, 14)}, 1)->matches(none));
    EXPECT_FALSE(matcherFor(f, "SDG2", {value(12, 14)}, 2)->matches(with14));
    EXPECT_TRUE(matcherFor(f, "SDZ2", {value(12, 0)}, 1)->matches(none));
    EXPECT_FALSE(matcherFor(f, "SDZ2", {value(12, 0)}, 1)->matches(with14));
    EXPECT_FALSE(matcherFor(f, "SDZ2", {value(12, 0)}, 2)->matches(none));
    EXPECT_TRUE(matcherFor(f, "SDA2", {value(12, 0), value(12, 11)}, 1)->matches(none));
    EXPECT_TRUE(matcherFor(f, "SDA2", {value(12, 0), value(12, 11)}, 1)->matches(with11and14));
    EXPECT_FALSE(matcherFor(f, "SDA2", {value(12, 0), value(12, 11)}, 1)->matches(with14));
    EXPECT_TRUE(matcherFor(f, "SDC2", {value(12, 2)}, 1)->matches(with11and14));
    EXPECT_FALSE(matcherFor(f, "SDC2", {value(12, 2)}, 1)->matches(with14));
    EXPECT_TRUE(matcherFor(f, "SDC2", {value(12, 0)}, 1)->matches(none));
    EXPECT_TRUE(matcherFor(f, "SDC2", {value(13, 1)}, 2)->matches(with14));
    // Bytes that are no numbers (a list file may hold any) lie in no channel.
    const TComb noNumbers = {0, 46, 255, 200, 100, 50};
    EXPECT_FALSE(matcherFor(f, "SDG2", {value(12, 14)}, 1)->matches(noNumbers));
    EXPECT_TRUE(matcherFor(f, "SDZ2", {value(12, 0)}, 1)->matches(noNumbers));
    EXPECT_TRUE(matcherFor(f, "SDC2", {value(12, 0)}, 1)->matches(noNumbers));
    EXPECT_TRUE(matcherFor(f, "SC2C3", {value(0, 0)}, 1)->matches(noNumbers));
    EXPECT_FALSE(matcherFor(f, "SDV2", {value(12, 0)}, 1)->matches(noNumbers));
    EXPECT_FALSE(matcherFor(f, "SDV2", {value(12, 255)}, 1)->matches(noNumbers));
}

// Without its reference draws a chain has no values and its filter matches nothing.
TEST(ChainMethods, MissingReferenceDrawsMatchNothing)
{
    const StatsFixture f = archive({{12, 7, 8, 9, 10, 30}, {12, 7, 8, 9, 10, 30}});
    const TComb c = {7, 12, 14, 20, 30, 40};
    EXPECT_TRUE(matcherFor(f, "SDP2", {value(12, 12)}, 0)->matches(c));
    EXPECT_FALSE(matcherFor(f, "SDP3", {value(12, 12, 12)}, 0)->matches(c));
    EXPECT_TRUE(matcherFor(f, "SDP3", {value(12, 12, 12)}, 1)->matches(c));
    EXPECT_FALSE(matcherFor(f, "SC3C3", {value(1, 1, 2)}, 0)->matches(c));
    EXPECT_TRUE(tableAt(f, "SC3C3", 0).empty());
    EXPECT_EQ(tableAt(f, "SC2C3", 0).size(), 6u);

    const StatsFixture empty;
    EXPECT_FALSE(matcherFor(empty, "SDV2", {value(12, 12)}, -1)->matches(c));
    EXPECT_FALSE(matcherFor(empty, "SDG2", {value(0, 12)}, -1)->matches(c));
    EXPECT_FALSE(matcherFor(empty, "SDC2", {value(0, 1)}, -1)->matches(c));
    EXPECT_TRUE(tableAt(empty, "SC2C1", -1).empty());
}

// Counts over the full set that follow from counting: with channels of 5,
// channel 3 being 11..15.
TEST(ChainMethods, FullSetFiltersCountCombinatorially)
{
    const StatsFixture f = archive({{1, 2, 3, 4, 5, 6}, {12, 7, 8, 9, 10, 30}});
    // Any number in one channel: C(45,6) - C(40,6).
    EXPECT_EQ(fullSetMatches(*matcherFor(f, "SCV2", {value(1, 3)}, 1)), 4'306'680);
    // Exactly two numbers in it: C(5,2) C(40,4).
    EXPECT_EQ(fullSetMatches(*matcherFor(f, "SC2C3", {value(0, 2)}, 1)), 913'900);
    // 12 of the newest draw followed by nothing in its channel: C(40,6).
    EXPECT_EQ(fullSetMatches(*matcherFor(f, "SDZ2", {value(12, 0)}, 1)), 3'838'380);
    // ... or by at most one number there: C(40,6) + 5 C(40,5).
    EXPECT_EQ(fullSetMatches(*matcherFor(f, "SDC2", {value(12, 0), value(12, 1)}, 1)), 7'128'420);
    // 12 followed by 14: every combination holding 14, C(44,5).
    EXPECT_EQ(fullSetMatches(*matcherFor(f, "SDG2", {value(12, 14)}, 1)), 1'086'008);
}

// A chain that compares whole draws (not positions) answers for the draw after
// the window as the table would count it: a row selected alone keeps that
// draw exactly when the draw, following the newest one, has the row's value.
TEST(ChainMethods, TableRowsAgreeWithTheNextDraw)
{
    std::mt19937 rng(23);
    model::TDrawsArray draws;
    for (int i = 0; i < 60; ++i) {
        // Every third draw from a narrow band, so that chains repeat.
        std::vector<model::Ball> pool(i % 3 == 0 ? 12 : 45);
        for (size_t n = 0; n < pool.size(); ++n)
            pool[n] = static_cast<model::Ball>(n + 1);
        std::shuffle(pool.begin(), pool.end(), rng);
        TComb c{};
        std::copy_n(pool.begin(), 6, c.begin());
        draws.push_back(makeDraw(i + 1, c));
    }
    StatsFixture f(draws);
    int rows = 0;
    for (int channelSize : {5, 4}) {
        f.config.ChannelSize = channelSize;
        f.config.MatrixSegments = model::ParseMatrixSegments("1234512345123451234512345");
        f.list.BuildMethods();
        for (int i = 0; i < f.list.MethodCount(); ++i) {
            const TStatMethod& m = f.list.Item(i);
            if (m.StatClass->GetGroup() != GroupChains || (m.StatClass->GetFlags() & FlagS) != 0)
                continue;
            auto stat = f.list.CreateStat(i);
            for (int last : {8, 30, 57}) {
                const TComb next = model::SortedDraw(f.draws[static_cast<size_t>(last + 1)]).Balls;
                TStatDrawArray nextValues;
                TLastValueArray lastValues;
                GapWork work;
                stat->DrawValues(last + 1, last, lastValues, work, nextValues, true);
                for (const TStatDraw& row : CalculateRange(*stat, {0, last}, true)) {
                    const bool expected = FindKey(nextValues, KeyOf(row)) != nullptr;
                    EXPECT_EQ(stat->PrepareMatches({row}, {last, true})->matches(next), expected)
                        << m.ID() << " at " << last << ": " << stat->ValueToText(row);
                    ++rows;
                }
            }
        }
    }
    EXPECT_GT(rows, 1000);
}

} // namespace
} // namespace belvane::stats
