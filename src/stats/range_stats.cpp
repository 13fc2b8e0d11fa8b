#include "stats/range_stats.h"

#include <algorithm>

#include "stats/custom_stat.h"

namespace belvane::stats {

DrawRange DrawsWindow(int drawCount, int offset, int length)
{
    // Counted wide: an offset or a length from a command line or a damaged
    // settings file may be anything an int holds. A window before the first
    // draw is empty (Last -1).
    const int64_t last = std::max<int64_t>(int64_t{drawCount} - 1 - offset, -1);
    const int64_t first = std::max<int64_t>(0, last - length + 1);
    DrawRange w;
    w.Last = static_cast<int>(last);
    w.First = static_cast<int>(std::min<int64_t>(first, last + 1));
    return w;
}

TStatDrawArray CalculateRange(TCustomStat& stat, const DrawRange& window, bool sorted)
{
    TStatDrawArray values;
    TLastValueArray lastValues;
    GapWork work;
    stat.InitValues(window.Last, values);
    for (int index = window.First; index <= window.Last; ++index)
        stat.DrawValues(index, window.Last, lastValues, work, values, sorted);
    return values;
}

} // namespace belvane::stats
