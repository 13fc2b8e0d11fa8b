#pragma once

// The segment methods (group 5): the user gives every number a segment digit
// 0..9 (MatrixSegments), and a draw is described by the segments of its
// numbers — which ones, how many numbers each holds, how many are occupied,
// tuples of segments by position and the numbers in one segment.

#include "model/layout.h"
#include "stats/group_stats.h"
#include "stats/stat_class.h"

namespace belvane::stats {

extern const MethodClass TstSegmentsClass;     // SGMS
extern const MethodClass TstSegmValuesClass;   // SGMV
extern const MethodClass TstSegmCountClass;    // SGMC
extern const MethodClass TstCombSegmMix2Class; // KGM2
extern const MethodClass TstCombSegmMix3Class; // KGM3
extern const MethodClass TstCombSegmMix4Class; // KGM4
extern const MethodClass TstCombSegmSeq2Class; // KGS2
extern const MethodClass TstCombSegmSeq3Class; // KGS3
extern const MethodClass TstCombSegmSeq4Class; // KGS4
extern const MethodClass TstSgmValCntClass;    // SGM%d

inline constexpr int MaxSegment = 9;

// The segment table the methods use. The settings file gives digits 0..9
// (segment 0 included); an entry above 9, which only code can set, counts as
// segment 1, as a character that is no digit does in the file.
model::SegmentMap SegmentsOf(const TConfigData& config);

// The segments a method with a segment parameter registers: from the smallest
// to the largest segment of the table, the empty ones between included.
ParamRange SegmentParamRange(const TConfigData& config);

// The segments in the order the table first uses them.
Grouping SegmentGrouping(const model::SegmentMap& segments);

// The family base over either root: the segment table is read from the
// configuration when the method is created.
template <class Base>
class SegmentLayoutBase : public Base {
public:
    SegmentLayoutBase(const MethodClass& statClass, const MethodContext& context, int param)
        : Base(statClass, context, param), segments_(SegmentsOf(*context.Config)), groups_(SegmentGrouping(segments_))
    {
    }

    const model::SegmentMap& Segments() const { return segments_; }
    const Grouping& SegmentGroups() const { return groups_; }
    const GroupTable& SegmentTable() const { return groups_.Of; }

private:
    model::SegmentMap segments_;
    Grouping groups_;
};

using TCustomSegmentsStat = SegmentLayoutBase<TCustomNumbersStat>;
// The same, for the members with a graph.
using TCustomSegmentsGraphStat = SegmentLayoutBase<TCustomGraphStat>;

} // namespace belvane::stats
