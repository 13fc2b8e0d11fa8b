#pragma once

// The channel methods (group 3): the numbers grouped into bands of
// ChannelSize consecutive numbers (channel 1 is 1..S, channel 2 is S+1..2S,
// ...), and a draw described by the channels its numbers fall into — which
// ones, how many numbers each holds, how many are occupied, tuples of
// channels by position and the numbers in one channel.

#include <cstdint>
#include <string>

#include "stats/group_stats.h"
#include "stats/stat_class.h"

namespace belvane::stats {

extern const MethodClass TstChannelsClass;    // CHAN
extern const MethodClass TstChanValuesClass;  // CHNV
extern const MethodClass TstChanCountClass;   // CHNC
extern const MethodClass TstCombChnMix2Class; // KCM2
extern const MethodClass TstCombChnMix3Class; // KCM3
extern const MethodClass TstCombChnMix4Class; // KCM4
extern const MethodClass TstCombChnSeq2Class; // KCS2
extern const MethodClass TstCombChnSeq3Class; // KCS3
extern const MethodClass TstCombChnSeq4Class; // KCS4
extern const MethodClass TstChnValCntClass;   // CHN%d

// The channel size the methods use: ChannelSize brought into 3..45, as the
// configuration file is read.
int ChannelSizeOf(const TConfigData& config);

// The channels a method with a channel parameter registers: channel(1) ..
// channel(45); none without a channel size.
ParamRange ChannelParamRange(const TConfigData& config);

// "02 [6-10]": the channel and its bounds; the last channel's upper bound is
// c * S even beyond 45 (S = 4: 12 [45-48]).
std::string ChannelText(int channel, int size);

// The channels a channel method keeps from its creation on.
struct ChannelLayout {
    uint8_t Size = 0; // S
    Grouping Groups;  // channel(n) = ceil(n / S)

    explicit ChannelLayout(const TConfigData& config);
};

// The family base over either root: the channel size is read from the
// configuration when the method is created.
template <class Base>
class ChannelLayoutBase : public Base {
public:
    ChannelLayoutBase(const MethodClass& statClass, const MethodContext& context, int param)
        : Base(statClass, context, param), layout_(*context.Config)
    {
    }

    int ChannelSize() const { return layout_.Size; }
    const Grouping& ChannelGroups() const { return layout_.Groups; }
    const GroupTable& ChannelTable() const { return layout_.Groups.Of; }

private:
    ChannelLayout layout_;
};

using TCustomChannelsStat = ChannelLayoutBase<TCustomNumbersStat>;
// The same, for the members with a graph.
using TCustomChannelsGraphStat = ChannelLayoutBase<TCustomGraphStat>;

} // namespace belvane::stats
