#pragma once

// The repeat methods (group 7): how the numbers of earlier draws carry over
// into a draw — which numbers repeat (the values members) and how many (the
// count members), between neighbouring draws, across one to three draws in
// between, over three draws in a row, and with the earlier draw's numbers
// moved by ±1 or ±2 around 1..45.

#include "stats/stat_class.h"

namespace belvane::stats {

extern const MethodClass TstRepValues2Class;      // RPV2
extern const MethodClass TstRepValues3Class;      // RPV3
extern const MethodClass TstRepValues2B3Class;    // PRL2
extern const MethodClass TstRepValues2over1Class; // PRV2O1
extern const MethodClass TstRepValues2over2Class; // PRV2O2
extern const MethodClass TstRepValues2over3Class; // PRV2O3
extern const MethodClass TstRepValues2P1Class;    // PRV+1
extern const MethodClass TstRepValues2N1Class;    // PRV-1
extern const MethodClass TstRepValues2P2Class;    // PRV+2
extern const MethodClass TstRepValues2N2Class;    // PRV-2
extern const MethodClass TstRepCount2Class;       // RPC2
extern const MethodClass TstRepCount3Class;       // RPC3
extern const MethodClass TstRepCount2B3Class;     // PRB2
extern const MethodClass TstRepCount2over1Class;  // RPO1
extern const MethodClass TstRepCount2over2Class;  // PRC2O2
extern const MethodClass TstRepCount2over3Class;  // PRC2O3
extern const MethodClass TstRepCount2P1Class;     // PRC+1
extern const MethodClass TstRepCount2N1Class;     // PRC-1
extern const MethodClass TstRepCount2P2Class;     // PRC+2
extern const MethodClass TstRepCount2N2Class;     // PRC-2

} // namespace belvane::stats
