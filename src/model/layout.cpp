#include "model/layout.h"

#include <algorithm>

namespace belvane::model {

SegmentMap ParseMatrixSegments(std::string_view text)
{
    SegmentMap segments = DefaultSegments;
    for (size_t i = 0; i < segments.size() && i < text.size(); ++i)
        if (text[i] >= '0' && text[i] <= '9')
            segments[i] = static_cast<uint8_t>(text[i] - '0');
    return segments;
}

std::string MatrixSegmentsText(const SegmentMap& segments)
{
    std::string text;
    for (uint8_t s : segments)
        text += std::to_string(s);
    return text;
}

bool TouchesChannel(const TComb& balls, int k, int channelSize)
{
    return std::any_of(balls.begin(), balls.end(), [&](Ball n) { return ChannelOf(n, channelSize) == k; });
}

bool TouchesSegment(const TComb& balls, int s, const SegmentMap& segments)
{
    return std::any_of(balls.begin(), balls.end(), [&](Ball n) { return SegmentOf(n, segments) == s; });
}

TComb CyclicShift(const TComb& comb, int d)
{
    TComb out{};
    std::transform(comb.begin(), comb.end(), out.begin(), [d](Ball n) { return static_cast<Ball>(CyclicShift(n, d)); });
    return out;
}

} // namespace belvane::model
