#include "views/draw_window.h"

#include <algorithm>

namespace belvane::views {

DrawWindow WindowAt(int drawCount, int offset, int length)
{
    const int last = drawCount - 1 - std::max(0, offset);
    if (last < 0 || length <= 0)
        return {};
    return {std::max(0, last - length + 1), last};
}

std::vector<int> NextDrawSet(const model::TDrawsArray& draws, int offset)
{
    std::vector<int> set;
    const int count = static_cast<int>(draws.size());
    if (offset <= 0 || offset >= count)
        return set;
    ForEachNumber(draws[static_cast<size_t>(count - offset)], [&](int n) { set.push_back(n); });
    return set;
}

} // namespace belvane::views
