#pragma once

// The serial methods (group 8): for each number, channel or segment of the
// newest draw of the window, how many draws in a row it kept appearing (a
// group) or kept being absent (a pause), each time such a series ended in the
// window, plus the group still running at the newest draw. A value is the
// pair of what is followed and the series length ("7 x 3").

#include "stats/stat_class.h"

namespace belvane::stats {

extern const MethodClass TstNumGroupsClass; // GRPV
extern const MethodClass TstNumPausesClass; // GRPP
extern const MethodClass TstChnGroupsClass; // GRCV
extern const MethodClass TstChnPausesClass; // GRCP
extern const MethodClass TstSgmGroupsClass; // GRSV
extern const MethodClass TstSgmPausesClass; // GRSP

} // namespace belvane::stats
