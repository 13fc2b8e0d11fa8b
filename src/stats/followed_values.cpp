#include "stats/followed_values.h"

#include <algorithm>

#include "model/layout.h"
#include "stats/channels.h"
#include "stats/config_data.h"
#include "stats/segments.h"
#include "stats/stat_values.h"
#include "support/delphi_format.h"

namespace belvane::stats {

std::string FollowedValues::Text(int value) const
{
    return TwoDigits ? DelphiFormat("%.2d", {int64_t{value}}) : std::to_string(value);
}

FollowedValues FollowNumbers()
{
    FollowedValues f;
    f.Of = MakeGroupTable([](int n) { return n; });
    f.Min = model::MinNumber;
    f.Max = model::MaxNumber;
    return f;
}

FollowedValues FollowChannels(const TConfigData& config)
{
    const int size = ChannelSizeOf(config);
    FollowedValues f;
    f.Of = MakeGroupTable([size](int n) { return model::ChannelOf(n, size); });
    f.Min = 1;
    f.Max = model::ChannelOf(model::MaxNumber, size);
    f.TwoDigits = true;
    return f;
}

FollowedValues FollowSegments(const TConfigData& config)
{
    const model::SegmentMap segments = SegmentsOf(config);
    FollowedValues f;
    f.Of = MakeGroupTable([&](int n) { return segments[static_cast<size_t>(n - 1)]; });
    const ParamRange range = SegmentRange(config);
    f.Min = range.Min;
    f.Max = range.Max;
    return f;
}

std::unique_ptr<Matcher> FollowsAnyOf(uint64_t values, const FollowedValues& followed)
{
    ByteTable t{};
    for (size_t b = 0; b < t.size(); ++b)
        t[b] = (GroupBit(followed.Of[b]) & values) != 0 ? 1 : 0;
    return MakeMatcher(
        [t](const TComb& c) { return (t[c[0]] | t[c[1]] | t[c[2]] | t[c[3]] | t[c[4]] | t[c[5]]) != 0; });
}

} // namespace belvane::stats
