#include "support/table_source.h"

#include <algorithm>

namespace belvane::xlsx {

std::vector<RowRange> AllRows(int64_t rowCount)
{
    if (rowCount <= 0)
        return {};
    return {{0, rowCount}};
}

std::vector<RowRange> NormalizeRows(std::vector<RowRange> ranges, int64_t rowCount)
{
    for (RowRange& r : ranges) {
        r.Begin = std::clamp<int64_t>(r.Begin, 0, std::max<int64_t>(rowCount, 0));
        r.End = std::clamp<int64_t>(r.End, 0, std::max<int64_t>(rowCount, 0));
    }
    std::erase_if(ranges, [](const RowRange& r) { return r.End <= r.Begin; });
    std::sort(ranges.begin(), ranges.end(), [](const RowRange& a, const RowRange& b) { return a.Begin < b.Begin; });

    std::vector<RowRange> merged;
    for (const RowRange& r : ranges) {
        if (!merged.empty() && r.Begin <= merged.back().End)
            merged.back().End = std::max(merged.back().End, r.End);
        else
            merged.push_back(r);
    }
    return merged;
}

std::vector<RowRange> RowsFromIndexes(std::vector<int64_t> indexes, int64_t rowCount)
{
    std::vector<RowRange> ranges;
    ranges.reserve(indexes.size());
    for (int64_t i : indexes)
        ranges.push_back({i, i + 1});
    return NormalizeRows(std::move(ranges), rowCount);
}

int64_t CountRows(const std::vector<RowRange>& ranges)
{
    int64_t n = 0;
    for (const RowRange& r : ranges)
        n += r.End - r.Begin;
    return n;
}

} // namespace belvane::xlsx
