#include "stats/range_stats.h"

#include <algorithm>

#include "stats/custom_stat.h"

namespace belvane::stats {

DrawRange DrawsWindow(int drawCount, int offset, int length)
{
    DrawRange w;
    w.Last = drawCount - 1 - offset;
    w.First = std::max(0, w.Last - length + 1);
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
