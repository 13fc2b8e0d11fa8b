#include "stats/segments.h"

#include <algorithm>

#include "stats/stat_list.h"

namespace belvane::stats {
namespace {

// The segments in the order the table first uses them; nothing is listed in
// advance by the count members.
TGrouping segmentGrouping(const model::TSegments& segments)
{
    return TGrouping::Make([&](int n) { return segments[static_cast<size_t>(n - 1)]; });
}

using TstSegments = TGroupEachStat<TCustomSegmentsStat, &TCustomSegmentsStat::SegmentGroups>;
using TstSegmValues = TGroupCountsStat<TCustomSegmentsStat, &TCustomSegmentsStat::SegmentGroups>;
using TstSegmCount = TGroupOccupiedStat<TCustomSegmentsGraphStat, &TCustomSegmentsGraphStat::SegmentGroups>;
using TstSgmValCnt = TGroupMembersStat<TCustomSegmentsGraphStat, &TCustomSegmentsGraphStat::SegmentGroups>;

template <TTupleRule Rule, int K>
using TstCombSegm = TGroupTupleStat<TCustomSegmentsStat, &TCustomSegmentsStat::SegmentTable, Rule, K>;

constexpr TTupleRule Mix = TTupleRule::Mix;
constexpr TTupleRule Seq = TTupleRule::Seq;

// SGM%d: from the smallest to the largest segment of the table, the empty
// ones between included.
TParamRange segmentRange(const TConfigData& config)
{
    TParamRange range{MaxSegment, 1};
    for (uint8_t s : SegmentsOf(config)) {
        range.Min = std::min(range.Min, int{s});
        range.Max = std::max(range.Max, int{s});
    }
    return range;
}

template <class T>
constexpr TStatClass tupleClass(std::string_view id, std::string_view caption)
{
    return MakeStatClass<T>(
        {.id = id, .caption = caption, .group = GroupSegments, .flags = FlagS, .valueFromText = false});
}

} // namespace

model::TSegments SegmentsOf(const TConfigData& config)
{
    model::TSegments segments = config.MatrixSegments;
    for (uint8_t& s : segments)
        if (s > MaxSegment)
            s = 1;
    return segments;
}

TCustomSegmentsStat::TCustomSegmentsStat(const TStatClass& statClass, const TStatList& list, int param)
    : TCustomNumbersStat(statClass, list, param), segments_(SegmentsOf(list.Config())),
      groups_(segmentGrouping(segments_))
{
}

TCustomSegmentsGraphStat::TCustomSegmentsGraphStat(const TStatClass& statClass, const TStatList& list, int param)
    : TCustomGraphStat(statClass, list, param), segments_(SegmentsOf(list.Config())),
      groups_(segmentGrouping(segments_))
{
}

constinit const TStatClass TstSegmentsClass =
    MakeStatClass<TstSegments>({.id = "SGMS", .caption = "Сегменты матрицы", .group = GroupSegments, .flags = FlagN});
constinit const TStatClass TstSegmValuesClass =
    MakeStatClass<TstSegmValues>({.id = "SGMV",
                                  .caption = "Количество чисел в сегменте матрицы",
                                  .group = GroupSegments,
                                  .flags = FlagN,
                                  .valueFromText = false});
constinit const TStatClass TstSegmCountClass = MakeStatClass<TstSegmCount>(
    {.id = "SGMC", .caption = "Количество не пустых сегментов в матрице", .group = GroupSegments, .flags = FlagN});
constinit const TStatClass TstCombSegmMix2Class =
    tupleClass<TstCombSegm<Mix, 2>>("KGM2", "Сочетания из 2 сегментов по всем числам тиража");
constinit const TStatClass TstCombSegmMix3Class =
    tupleClass<TstCombSegm<Mix, 3>>("KGM3", "Сочетания из 3 сегментов по всем числам тиража");
constinit const TStatClass TstCombSegmMix4Class =
    tupleClass<TstCombSegm<Mix, 4>>("KGM4", "Сочетания из 4 сегментов по всем числам тиража");
constinit const TStatClass TstCombSegmSeq2Class =
    tupleClass<TstCombSegm<Seq, 2>>("KGS2", "Сочетания из 2 сегментов по соседним числам");
constinit const TStatClass TstCombSegmSeq3Class =
    tupleClass<TstCombSegm<Seq, 3>>("KGS3", "Сочетания из 3 сегментов по соседним числам");
constinit const TStatClass TstCombSegmSeq4Class =
    tupleClass<TstCombSegm<Seq, 4>>("KGS4", "Сочетания из 4 сегментов по соседним числам");
constinit const TStatClass TstSgmValCntClass =
    MakeStatClass<TstSgmValCnt>({.id = "SGM%d",
                                 .caption = "Количество чисел в %0:d сегменте матрицы",
                                 .helpId = "SGMx",
                                 .group = GroupSegments,
                                 .flags = FlagN,
                                 .paramRange = segmentRange});

} // namespace belvane::stats
