#pragma once

// The sum methods (group 1): the sum of a draw's six numbers (or of its even
// or prime-set numbers), the sum against fixed ranges, how the sum moved from
// one draw to the next after a predecessor like the reference draw, and the
// number of ways two numbers of a draw add up to a third.

#include "model/game.h"
#include "stats/stat_class.h"

namespace belvane::stats {

extern const MethodClass TstSumValuesClass;      // SUMS
extern const MethodClass TstSumRangesClass;      // SUM%d
extern const MethodClass TstSumChangeClass;      // SUMC
extern const MethodClass TstSumChangeSomeClass;  // SUMV
extern const MethodClass TstSumTrendClass;       // SUMT
extern const MethodClass TstSumEvenValuesClass;  // SUME
extern const MethodClass TstSumPrimeValuesClass; // SUMP
extern const MethodClass TstSum2To3Class;        // S2T3

// The sum of six numbers, each byte taken as it stands (0..1530).
int SumOf(const model::TComb& numbers);

// The inclusive sum range of SUM1..SUM3 (the parameter is clamped to 1..3).
struct SumRange {
    int Low = 0;
    int High = 0;
};
SumRange SumRangeOf(int param);

// The number of (i, {j, k}) with j < k, both other than i, and n_j + n_k = n_i.
int SumTriples(const model::TComb& numbers);

} // namespace belvane::stats
