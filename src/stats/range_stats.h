#pragma once

// The statistics of one method over a range of draws: every value listed in
// advance, then the values of each draw from first to lastIdx, in order.

#include "stats/stat_values.h"

namespace belvane::stats {

class TCustomStat;

// The draws window ending lastIdx draws into the archive: lastIdx = (draws - 1)
// - offset, first = max(0, lastIdx - length + 1).
struct DrawRange {
    int First = 0;
    int Last = -1;
    int Count() const { return Last >= First ? Last - First + 1 : 0; }
};
DrawRange DrawsWindow(int drawCount, int offset, int length);

// InitValues(lastIdx), then DrawValues for every draw of the window with one
// zero-filled work area and one last-value array.
TStatDrawArray CalculateRange(TCustomStat& stat, const DrawRange& window, bool sorted);

} // namespace belvane::stats
