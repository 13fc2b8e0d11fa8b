#include "stats/class_table.h"

#include <algorithm>

#include "stats/chains.h"
#include "stats/channels.h"
#include "stats/comb_values.h"
#include "stats/differences.h"
#include "stats/matrix.h"
#include "stats/numbers.h"
#include "stats/ognev.h"
#include "stats/periods.h"
#include "stats/repeats.h"
#include "stats/segments.h"
#include "stats/sequences.h"
#include "stats/serial.h"
#include "stats/shredding.h"
#include "stats/sums.h"

namespace belvane::stats {
namespace {

// Positions by family:
//   0-7 numbers            8-15 sums              16-20 differences      21-23 channels
//   24-35 matrix           36-38 segments         39-41 sequences        42-61 repeats
//   62-73 combination values (71-73 never available)                     74-76 difference tuples
//   77-82 channel tuples   83-94 matrix tuples    95-100 segment tuples  101-102 positions
//   103 channel counts     104-105 column/row counts                     106 segment counts
//   107-112 series         113-115 periods        116-138 chains         139-141 Ognev numbers
//   142 shredding
constexpr std::array<const MethodClass*, StatClassCount> makeTable()
{
    std::array<const MethodClass*, StatClassCount> t{};
    t[0] = &TstValuesClass;
    t[1] = &TstDigitsClass;
    t[2] = &TstEvenCountClass;
    t[3] = &TstEvenValuesClass;
    t[4] = &TstSmallCountClass;
    t[5] = &TstSmallValuesClass;
    t[6] = &TstPrimeCountClass;
    t[7] = &TstPrimeValuesClass;
    t[8] = &TstSumValuesClass;
    t[9] = &TstSumRangesClass;
    t[10] = &TstSumChangeClass;
    t[11] = &TstSumChangeSomeClass;
    t[12] = &TstSumTrendClass;
    t[13] = &TstSumEvenValuesClass;
    t[14] = &TstSumPrimeValuesClass;
    t[15] = &TstSum2To3Class;
    t[16] = &TstDiffTotalClass;
    t[17] = &TstDiffMaxClass;
    t[18] = &TstMinMaxDiffsClass;
    t[19] = &TstDiffSameClass;
    t[20] = &TstDiffSameCntClass;
    t[21] = &TstChannelsClass;
    t[22] = &TstChanValuesClass;
    t[23] = &TstChanCountClass;
    t[24] = &TstColumnsClass;
    t[25] = &TstRowsClass;
    t[26] = &TstColValuesClass;
    t[27] = &TstRowValuesClass;
    t[28] = &TstColCountClass;
    t[29] = &TstRowCountClass;
    t[30] = &TstColMaskClass;
    t[31] = &TstRowMaskClass;
    t[32] = &TstColAjacentClass;
    t[33] = &TstRowAjacentClass;
    t[34] = &TstColAjacentCntClass;
    t[35] = &TstRowAjacentCntClass;
    t[36] = &TstSegmentsClass;
    t[37] = &TstSegmValuesClass;
    t[38] = &TstSegmCountClass;
    t[39] = &TstSequenceLenClass;
    t[40] = &TstSequenceCntClass;
    t[41] = &TstSequenceLenMaxClass;
    t[42] = &TstRepValues2Class;
    t[43] = &TstRepValues3Class;
    t[44] = &TstRepValues2B3Class;
    t[45] = &TstRepValues2over1Class;
    t[46] = &TstRepValues2over2Class;
    t[47] = &TstRepValues2over3Class;
    t[48] = &TstRepValues2P1Class;
    t[49] = &TstRepValues2N1Class;
    t[50] = &TstRepValues2P2Class;
    t[51] = &TstRepValues2N2Class;
    t[52] = &TstRepCount2Class;
    t[53] = &TstRepCount3Class;
    t[54] = &TstRepCount2B3Class;
    t[55] = &TstRepCount2over1Class;
    t[56] = &TstRepCount2over2Class;
    t[57] = &TstRepCount2over3Class;
    t[58] = &TstRepCount2P1Class;
    t[59] = &TstRepCount2N1Class;
    t[60] = &TstRepCount2P2Class;
    t[61] = &TstRepCount2N2Class;
    t[62] = &TstCombValMix2Class;
    t[63] = &TstCombValMix3Class;
    t[64] = &TstCombValMix4Class;
    t[65] = &TstCombValSeq2Class;
    t[66] = &TstCombValSeq3Class;
    t[67] = &TstCombValSeq4Class;
    t[68] = &TstCombValPos2Class;
    t[69] = &TstCombValPos3Class;
    t[70] = &TstCombValPos4Class;
    t[74] = &TstCombDiffSeq2Class;
    t[75] = &TstCombDiffSeq3Class;
    t[76] = &TstCombDiffSeq4Class;
    t[77] = &TstCombChnMix2Class;
    t[78] = &TstCombChnMix3Class;
    t[79] = &TstCombChnMix4Class;
    t[80] = &TstCombChnSeq2Class;
    t[81] = &TstCombChnSeq3Class;
    t[82] = &TstCombChnSeq4Class;
    t[83] = &TstCombColMix2Class;
    t[84] = &TstCombColMix3Class;
    t[85] = &TstCombColMix4Class;
    t[86] = &TstCombColSeq2Class;
    t[87] = &TstCombColSeq3Class;
    t[88] = &TstCombColSeq4Class;
    t[89] = &TstCombRowMix2Class;
    t[90] = &TstCombRowMix3Class;
    t[91] = &TstCombRowMix4Class;
    t[92] = &TstCombRowSeq2Class;
    t[93] = &TstCombRowSeq3Class;
    t[94] = &TstCombRowSeq4Class;
    t[95] = &TstCombSegmMix2Class;
    t[96] = &TstCombSegmMix3Class;
    t[97] = &TstCombSegmMix4Class;
    t[98] = &TstCombSegmSeq2Class;
    t[99] = &TstCombSegmSeq3Class;
    t[100] = &TstCombSegmSeq4Class;
    t[101] = &TstPosValClass;
    t[102] = &TstPosExtClass;
    t[103] = &TstChnValCntClass;
    t[104] = &TstColValCntClass;
    t[105] = &TstRowValCntClass;
    t[106] = &TstSgmValCntClass;
    t[107] = &TstNumGroupsClass;
    t[108] = &TstNumPausesClass;
    t[109] = &TstChnGroupsClass;
    t[110] = &TstChnPausesClass;
    t[111] = &TstSgmGroupsClass;
    t[112] = &TstSgmPausesClass;
    t[113] = &TstNumPeriodsClass;
    t[114] = &TstChnPeriodsClass;
    t[115] = &TstSgmPeriodsClass;
    t[116] = &TstChain2DrawsAllClass;
    t[117] = &TstChain2DrawsPosClass;
    t[118] = &TstChain2PosClass;
    t[119] = &TstChain3DrawsPosClass;
    t[120] = &TstChain3PosClass;
    t[121] = &TstChain2ChannelsAllClass;
    t[122] = &TstChain2ChannelsPosClass;
    t[123] = &TstChain2ChannelClass;
    t[124] = &TstChain3ChannelsPosClass;
    t[125] = &TstChain3ChannelClass;
    t[126] = &TstChain2CnlCntClass;
    t[127] = &TstChain3CnlCntClass;
    t[128] = &TstChainChannels2InsideAllClass;
    t[129] = &TstChainChannels2InsideSucClass;
    t[130] = &TstChainChannels2InsideBadClass;
    t[131] = &TstChainChannels2InsideCntClass;
    t[132] = &TstChain2SegmentsAllClass;
    t[133] = &TstChain2SegmentsPosClass;
    t[134] = &TstChain2SegmentClass;
    t[135] = &TstChain3SegmentsPosClass;
    t[136] = &TstChain3SegmentClass;
    t[137] = &TstChain2SgmCntClass;
    t[138] = &TstChain3SgmCntClass;
    t[139] = &TstOgnev1Class;
    t[140] = &TstOgnev2Class;
    t[141] = &TstOgnev3Class;
    t[142] = &TstShreddingStatClass;
    return t;
}

constinit const std::array<const MethodClass*, StatClassCount> kTable = makeTable();

} // namespace

std::span<const MethodClass* const, StatClassCount> StatClassTable()
{
    return kTable;
}

int StatClassPosition(const MethodClass* statClass)
{
    const auto it = std::find(kTable.begin(), kTable.end(), statClass);
    return (statClass != nullptr && it != kTable.end()) ? static_cast<int>(it - kTable.begin()) : -1;
}

} // namespace belvane::stats
