#pragma once

// The combination value methods (group 0): sub-combinations of the drawn
// numbers themselves — every pair, triple or quadruple of a draw (Mix), every
// run of two to four numbers at neighbouring positions (Seq), and the two to
// four numbers from one chosen position on (Pos).

#include "stats/stat_class.h"

namespace belvane::stats {

extern const MethodClass TstCombValMix2Class; // KNM2
extern const MethodClass TstCombValMix3Class; // KNM3
extern const MethodClass TstCombValMix4Class; // KNM4
extern const MethodClass TstCombValSeq2Class; // KNS2
extern const MethodClass TstCombValSeq3Class; // KNS3
extern const MethodClass TstCombValSeq4Class; // KNS4
extern const MethodClass TstCombValPos2Class; // KNP2%d
extern const MethodClass TstCombValPos3Class; // KNP3%d
extern const MethodClass TstCombValPos4Class; // KNP4%d

} // namespace belvane::stats
