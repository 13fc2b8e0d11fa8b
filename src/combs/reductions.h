#pragma once

// The two built-in reductions of the combination list.

#include <functional>
#include <span>

#include "combs/comb_list.h"
#include "model/draws.h"

namespace belvane::combs {

// The draws of the window of the latest n draws at the offset.
std::span<const model::TDraw> LatestDraws(const model::TDrawsArray& draws, int n, int offset);

// Reduces the list keeping each combination
// that shares fewer than six numbers with every draw of `window`.
bool RemoveDrawnCombinations(CombinationList& list, std::span<const model::TDraw> window,
                             const std::function<bool(size_t, size_t)>& progress = {});

// Reduces the list to all but the rows given
// (indexes into the list; any order, repeats and out-of-range ones ignored).
// Returns how many rows were removed.
size_t RemoveRows(CombinationList& list, std::span<const size_t> rows);

} // namespace belvane::combs
