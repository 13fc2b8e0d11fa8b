#pragma once

// The number methods (group 0): the six numbers of a draw on their own —
// which numbers and digits came, how many are even, small or prime, the
// even/odd (small/large, prime/composite) pattern by position, the number at
// a position, and the extra number.

#include "stats/stat_class.h"

namespace belvane::stats {

extern const MethodClass TstValuesClass;      // NUMS
extern const MethodClass TstDigitsClass;      // DIGS
extern const MethodClass TstEvenCountClass;   // EVEN
extern const MethodClass TstEvenValuesClass;  // EVNV
extern const MethodClass TstSmallCountClass;  // SMAL
extern const MethodClass TstSmallValuesClass; // SMLV
extern const MethodClass TstPrimeCountClass;  // PRIM
extern const MethodClass TstPrimeValuesClass; // PRMV
extern const MethodClass TstPosValClass;      // POS%d
extern const MethodClass TstPosExtClass;      // POE%d

// The family's number sets: small numbers 1..22, and the prime set, in which
// 1 counts as prime: {1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43}.
bool IsSmallNumber(int n);
bool IsInPrimeSet(int n);

} // namespace belvane::stats
