#pragma once

// The period methods (group 9): for every number, channel or segment of every
// draw, how many draws (in draw numbers) have passed since the same value last
// appeared in the window. A value is the pair of what is followed and the
// period ("7 x 12"); as a filter, a selected pair asks whether the value in
// the next draw would come that many draws after a draw that had it.

#include "stats/stat_class.h"

namespace belvane::stats {

extern const MethodClass TstNumPeriodsClass; // PRDV
extern const MethodClass TstChnPeriodsClass; // PRDC
extern const MethodClass TstSgmPeriodsClass; // PRDG

} // namespace belvane::stats
