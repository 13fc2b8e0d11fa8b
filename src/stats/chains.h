#pragma once

// The chain methods (group 10): what followed, one draw later, a situation
// like the one in the newest draws. A draw counts when the draw before it
// (and, for three-draw chains, the one before that) agrees with the newest
// draw of the window (and the one before it) in the member's aspect — the
// numbers, their channels, their segments, or how many numbers lie in one
// channel or segment; it then records the earlier values and its own. The
// filter takes a combination as the draw after the window and asks whether
// it holds the successors selected.

#include "stats/stat_class.h"

namespace belvane::stats {

extern const MethodClass TstChain2DrawsAllClass;          // SDV2
extern const MethodClass TstChain2DrawsPosClass;          // SDP2
extern const MethodClass TstChain2PosClass;               // SDN%d
extern const MethodClass TstChain3DrawsPosClass;          // SDP3
extern const MethodClass TstChain3PosClass;               // SDM%d
extern const MethodClass TstChain2ChannelsAllClass;       // SCV2
extern const MethodClass TstChain2ChannelsPosClass;       // SCP2
extern const MethodClass TstChain2ChannelClass;           // SCN%d
extern const MethodClass TstChain3ChannelsPosClass;       // SCP3
extern const MethodClass TstChain3ChannelClass;           // SCM%d
extern const MethodClass TstChain2CnlCntClass;            // SC2C%d
extern const MethodClass TstChain3CnlCntClass;            // SC3C%d
extern const MethodClass TstChainChannels2InsideAllClass; // SDA2
extern const MethodClass TstChainChannels2InsideSucClass; // SDG2
extern const MethodClass TstChainChannels2InsideBadClass; // SDZ2
extern const MethodClass TstChainChannels2InsideCntClass; // SDC2
extern const MethodClass TstChain2SegmentsAllClass;       // SSV2
extern const MethodClass TstChain2SegmentsPosClass;       // SSP2
extern const MethodClass TstChain2SegmentClass;           // SSN%d
extern const MethodClass TstChain3SegmentsPosClass;       // SSP3
extern const MethodClass TstChain3SegmentClass;           // SSM%d
extern const MethodClass TstChain2SgmCntClass;            // SS2C%d
extern const MethodClass TstChain3SgmCntClass;            // SS3C%d

} // namespace belvane::stats
