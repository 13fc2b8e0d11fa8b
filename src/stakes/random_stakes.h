#pragma once

// Random play as a baseline: combinations drawn uniformly from the full set,
// each at most once, from a seeded engine (the same seed gives the same ones).

#include <cstdint>
#include <random>
#include <vector>

#include "model/game.h"

namespace belvane::stakes {

// The combination at `index` (0 .. C(45,6) - 1) of the full set in
// lexicographic order: 0 is 1 2 3 4 5 6, the last is 40 41 42 43 44 45.
model::TComb CombinationAtIndex(int64_t index);

// `count` distinct combinations (at most the full set), each set of them as
// likely as any other.
std::vector<model::TComb> RandomDistinctCombinations(int64_t count, std::mt19937_64& engine);

} // namespace belvane::stakes
