#include "stats/class_table.h"

#include <algorithm>

#include "stats/differences.h"
#include "stats/numbers.h"
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
constexpr std::array<const TStatClass*, StatClassCount> makeTable()
{
    std::array<const TStatClass*, StatClassCount> t{};
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
    t[74] = &TstCombDiffSeq2Class;
    t[75] = &TstCombDiffSeq3Class;
    t[76] = &TstCombDiffSeq4Class;
    t[101] = &TstPosValClass;
    t[102] = &TstPosExtClass;
    return t;
}

constinit const std::array<const TStatClass*, StatClassCount> kTable = makeTable();

} // namespace

std::span<const TStatClass* const, StatClassCount> StatClassTable()
{
    return kTable;
}

int StatClassPosition(const TStatClass* statClass)
{
    const auto it = std::find(kTable.begin(), kTable.end(), statClass);
    return (statClass != nullptr && it != kTable.end()) ? static_cast<int>(it - kTable.begin()) : -1;
}

} // namespace belvane::stats
