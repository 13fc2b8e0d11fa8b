#pragma once

// A parallel pass that keeps order: the index range is cut into chunks, each
// chunk writes its results at its own start in the output (never more than
// one per index), and the chunks are then joined front to back.

#include <cstddef>
#include <functional>

#include "model/game.h"

namespace belvane::combs {

struct OrderedPassResult {
    size_t Count = 0;      // results joined at the front of the output
    bool Complete = false; // false when progress() stopped the pass
};

// produce(begin, end, out) writes the results of indexes begin..end-1 to out
// and returns how many. After a stop, the chunks that finished are joined.
OrderedPassResult OrderedParallelPass(size_t n, model::TComb* out,
                                      const std::function<size_t(size_t, size_t, model::TComb*)>& produce,
                                      const std::function<bool(size_t, size_t)>& progress = {});

} // namespace belvane::combs
