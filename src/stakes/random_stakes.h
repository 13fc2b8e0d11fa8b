#pragma once

// Random play as a baseline: combinations drawn uniformly from the full set,
// each at most once, from a seeded engine (the same seed gives the same ones).

#include <cstdint>
#include <random>
#include <vector>

#include "model/game.h"

namespace belvane::stakes {

// `count` distinct combinations (at most the full set), each set of them as
// likely as any other.
std::vector<model::TComb> RandomDistinctCombinations(int64_t count, std::mt19937_64& engine);

} // namespace belvane::stakes
