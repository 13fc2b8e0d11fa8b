#include "stats/config_data.h"
#include "stats/segments.h"
#include "support/translation.h"

#include <algorithm>

namespace belvane::stats {
namespace {

using TstSegments = GroupEachStat<TCustomSegmentsStat, &TCustomSegmentsStat::SegmentGroups>;
using TstSegmValues = GroupCountsStat<TCustomSegmentsStat, &TCustomSegmentsStat::SegmentGroups>;
using TstSegmCount = GroupOccupiedStat<TCustomSegmentsGraphStat, &TCustomSegmentsGraphStat::SegmentGroups>;
using TstSgmValCnt = GroupMembersStat<TCustomSegmentsGraphStat, &TCustomSegmentsGraphStat::SegmentGroups>;

template <TupleRule Rule, int K>
using TstCombSegm = GroupTupleStat<TCustomSegmentsStat, &TCustomSegmentsStat::SegmentTable, Rule, K>;

constexpr TupleRule Mix = TupleRule::Mix;
constexpr TupleRule Seq = TupleRule::Seq;

template <class T>
constexpr MethodClass tupleClass(std::string_view id, std::string_view caption)
{
    return MakeStatClass<T>(
        {.id = id, .caption = caption, .group = GroupSegments, .flags = FlagS, .valueFromText = false});
}

} // namespace

Grouping SegmentGrouping(const model::SegmentMap& segments)
{
    // Nothing is listed in advance by the count members.
    return Grouping::Make([&](int n) { return segments[static_cast<size_t>(n - 1)]; });
}

ParamRange SegmentRange(const TConfigData& config)
{
    // The scan starts from 9 and 1: a table of segment 0 alone still reaches up to 1.
    ParamRange range{MaxSegment, 1};
    for (uint8_t s : SegmentsOf(config)) {
        range.Min = std::min(range.Min, int{s});
        range.Max = std::max(range.Max, int{s});
    }
    return range;
}

model::SegmentMap SegmentsOf(const TConfigData& config)
{
    model::SegmentMap segments = config.MatrixSegments;
    for (uint8_t& s : segments)
        if (s > MaxSegment)
            s = 1;
    return segments;
}

constinit const MethodClass TstSegmentsClass = MakeStatClass<TstSegments>(
    {.id = "SGMS", .caption = BELVANE_TEXT("Сегменты матрицы"), .group = GroupSegments, .flags = FlagN});
constinit const MethodClass TstSegmValuesClass =
    MakeStatClass<TstSegmValues>({.id = "SGMV",
                                  .caption = BELVANE_TEXT("Количество чисел в сегменте матрицы"),
                                  .group = GroupSegments,
                                  .flags = FlagN,
                                  .valueFromText = false});
constinit const MethodClass TstSegmCountClass =
    MakeStatClass<TstSegmCount>({.id = "SGMC",
                                 .caption = BELVANE_TEXT("Количество не пустых сегментов в матрице"),
                                 .group = GroupSegments,
                                 .flags = FlagN});
constinit const MethodClass TstCombSegmMix2Class =
    tupleClass<TstCombSegm<Mix, 2>>("KGM2", BELVANE_TEXT("Сочетания из 2 сегментов по всем числам тиража"));
constinit const MethodClass TstCombSegmMix3Class =
    tupleClass<TstCombSegm<Mix, 3>>("KGM3", BELVANE_TEXT("Сочетания из 3 сегментов по всем числам тиража"));
constinit const MethodClass TstCombSegmMix4Class =
    tupleClass<TstCombSegm<Mix, 4>>("KGM4", BELVANE_TEXT("Сочетания из 4 сегментов по всем числам тиража"));
constinit const MethodClass TstCombSegmSeq2Class =
    tupleClass<TstCombSegm<Seq, 2>>("KGS2", BELVANE_TEXT("Сочетания из 2 сегментов по соседним числам"));
constinit const MethodClass TstCombSegmSeq3Class =
    tupleClass<TstCombSegm<Seq, 3>>("KGS3", BELVANE_TEXT("Сочетания из 3 сегментов по соседним числам"));
constinit const MethodClass TstCombSegmSeq4Class =
    tupleClass<TstCombSegm<Seq, 4>>("KGS4", BELVANE_TEXT("Сочетания из 4 сегментов по соседним числам"));
constinit const MethodClass TstSgmValCntClass =
    MakeStatClass<TstSgmValCnt>({.id = "SGM%d",
                                 .caption = BELVANE_TEXT("Количество чисел в %0:d сегменте матрицы"),
                                 .helpId = "SGMx",
                                 .group = GroupSegments,
                                 .flags = FlagN,
                                 .paramRange = SegmentRange});

} // namespace belvane::stats
