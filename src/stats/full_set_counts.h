#pragma once

// The distribution of methods' values over the full set of 8,145,060
// combinations, counted for many methods in one pass on every core.

#include <functional>
#include <span>
#include <vector>

#include "stats/stat_values.h"

namespace belvane::stats {

class TStatList;

// For each registry entry given (each must answer CanPrefetch), the count of
// every value over all combinations, as records in ascending key order.
// progress(done, total) is called from the calling thread; when it returns
// false the count stops and nothing is returned (nullopt-like empty result).
// Returns an empty vector when stopped.
std::vector<std::vector<TStatCount>> CountFullSetValues(const TStatList& list, std::span<const int> entries,
                                                        const std::function<bool(size_t, size_t)>& progress = {});

} // namespace belvane::stats
