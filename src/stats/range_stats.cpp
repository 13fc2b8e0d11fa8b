#include "stats/range_stats.h"

#include <algorithm>

#include "stats/custom_stat.h"

namespace belvane::stats {

TDrawsWindow DrawsWindow(int drawCount, int offset, int length)
{
    TDrawsWindow w;
    w.Last = drawCount - 1 - offset;
    w.First = std::max(0, w.Last - length + 1);
    return w;
}

TStatDrawArray CalculateRange(TCustomStat& stat, const TDrawsWindow& window, bool sorted)
{
    TStatDrawArray values;
    TLastValueArray lastValues;
    TStatWork work;
    stat.InitValues(window.Last, values);
    for (int index = window.First; index <= window.Last; ++index)
        stat.DrawValues(index, window.Last, lastValues, work, values, sorted);
    return values;
}

} // namespace belvane::stats
