#include "stakes/random_stakes.h"

#include <algorithm>

#include "model/full_set.h"
#include "support/random_index.h"

namespace belvane::stakes {

std::vector<model::TComb> RandomDistinctCombinations(int64_t count, std::mt19937_64& engine)
{
    const int64_t n = model::FullSetSize;
    count = std::clamp<int64_t>(count, 0, n);
    // Floyd's sampling: every subset of `count` indices equally likely, one draw each.
    std::vector<bool> taken(static_cast<size_t>(n), false);
    std::vector<model::TComb> out;
    out.reserve(static_cast<size_t>(count));
    for (int64_t j = n - count; j < n; ++j) {
        auto t = static_cast<int64_t>(UniformIndex(engine, static_cast<uint64_t>(j) + 1));
        if (taken[static_cast<size_t>(t)])
            t = j;
        taken[static_cast<size_t>(t)] = true;
        out.push_back(model::CombinationAtRank(t));
    }
    return out;
}

} // namespace belvane::stakes
