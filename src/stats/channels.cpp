#include "stats/config_data.h"
#include "stats/channels.h"

#include <algorithm>

#include "model/layout.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::stats {
namespace {

using ChannelEach = GroupEachStat<TCustomChannelsStat, &TCustomChannelsStat::ChannelGroups>;
using ChannelCounts = GroupCountsStat<TCustomChannelsStat, &TCustomChannelsStat::ChannelGroups>;

// ---- CHAN: the channel of each number ----------------------------------------

class TstChannels final : public ChannelEach {
public:
    using ChannelEach::ChannelEach;

    std::string ValueToText(const TStatDraw& value) const override { return ChannelText(value.V1, ChannelSize()); }
    // The text up to the first blank: 02 [6-10] gives 2.
    int32_t TextToValue(std::string_view text) const override
    {
        return text::toIntDef(text.substr(0, text.find(' ')), 0);
    }
};

// ---- CHNV: how many numbers each channel holds -------------------------------

class TstChanValues final : public ChannelCounts {
public:
    using ChannelCounts::ChannelCounts;

    // 02 [6-10] x 1
    std::string ValueToText(const TStatDraw& value) const override
    {
        return DelphiFormat("%0:s x %1:d", {ChannelText(value.V1, ChannelSize()), int64_t{value.V2}});
    }
};

using TstChanCount = GroupOccupiedStat<TCustomChannelsGraphStat, &TCustomChannelsGraphStat::ChannelGroups>;
using TstChnValCnt = GroupMembersStat<TCustomChannelsGraphStat, &TCustomChannelsGraphStat::ChannelGroups>;

template <TupleRule Rule, int K>
using TstCombChn = GroupTupleStat<TCustomChannelsStat, &TCustomChannelsStat::ChannelTable, Rule, K>;

constexpr TupleRule Mix = TupleRule::Mix;
constexpr TupleRule Seq = TupleRule::Seq;

template <class T>
constexpr MethodClass tupleClass(std::string_view id, std::string_view caption)
{
    return MakeStatClass<T>(
        {.id = id, .caption = caption, .group = GroupChannels, .flags = FlagS, .valueFromText = false});
}

} // namespace

int ChannelSizeOf(const TConfigData& config)
{
    return std::clamp(config.ChannelSize, MinChannelSize, MaxChannelSize);
}

ParamRange ChannelParamRange(const TConfigData& config)
{
    return config.ChannelSize <= 0 ? ParamRange{1, 0}
                                   : ParamRange{1, model::ChannelOf(model::MaxNumber, ChannelSizeOf(config))};
}

std::string ChannelText(int channel, int size)
{
    const int64_t first = int64_t{size} * (channel - 1) + 1;
    const int64_t last = int64_t{size} * channel;
    return DelphiFormat("%.2d [%s-%s]", {int64_t{channel}, std::to_string(first), std::to_string(last)});
}

ChannelLayout::ChannelLayout(const TConfigData& config)
{
    const int size = ChannelSizeOf(config);
    Size = static_cast<uint8_t>(size);
    Groups = Grouping::Make([size](int n) { return model::ChannelOf(n, size); });
    Groups.CountsUpTo = std::min(size, model::BallCount);
    Groups.OccupiedUpTo = std::min(size, model::BallCount); // bounded by the size, not by the channels
    Groups.MembersUpTo = size;
}

constinit const MethodClass TstChannelsClass = MakeStatClass<TstChannels>(
    {.id = "CHAN", .caption = BELVANE_TEXT("Каналы"), .group = GroupChannels, .flags = FlagN});
constinit const MethodClass TstChanValuesClass =
    MakeStatClass<TstChanValues>({.id = "CHNV",
                                  .caption = BELVANE_TEXT("Количество чисел в канале"),
                                  .group = GroupChannels,
                                  .flags = FlagN,
                                  .valueFromText = false});
constinit const MethodClass TstChanCountClass = MakeStatClass<TstChanCount>(
    {.id = "CHNC", .caption = BELVANE_TEXT("Количество каналов в тираже"), .group = GroupChannels, .flags = FlagN});
constinit const MethodClass TstCombChnMix2Class =
    tupleClass<TstCombChn<Mix, 2>>("KCM2", BELVANE_TEXT("Сочетания из 2 каналов по всем числам тиража"));
constinit const MethodClass TstCombChnMix3Class =
    tupleClass<TstCombChn<Mix, 3>>("KCM3", BELVANE_TEXT("Сочетания из 3 каналов по всем числам тиража"));
constinit const MethodClass TstCombChnMix4Class =
    tupleClass<TstCombChn<Mix, 4>>("KCM4", BELVANE_TEXT("Сочетания из 4 каналов по всем числам тиража"));
constinit const MethodClass TstCombChnSeq2Class =
    tupleClass<TstCombChn<Seq, 2>>("KCS2", BELVANE_TEXT("Сочетания из 2 каналов по соседним числам"));
constinit const MethodClass TstCombChnSeq3Class =
    tupleClass<TstCombChn<Seq, 3>>("KCS3", BELVANE_TEXT("Сочетания из 3 каналов по соседним числам"));
constinit const MethodClass TstCombChnSeq4Class =
    tupleClass<TstCombChn<Seq, 4>>("KCS4", BELVANE_TEXT("Сочетания из 4 каналов по соседним числам"));
constinit const MethodClass TstChnValCntClass =
    MakeStatClass<TstChnValCnt>({.id = "CHN%d",
                                 .caption = BELVANE_TEXT("Количество чисел в %0:d канале"),
                                 .helpId = "CHNx",
                                 .group = GroupChannels,
                                 .flags = FlagN,
                                 .paramRange = ChannelParamRange});

} // namespace belvane::stats
