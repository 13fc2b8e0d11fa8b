#pragma once

// Coverings that a rotation maps onto themselves. Turning the first m of the
// n positions one step (the others stay) splits the subsets into orbits of
// up to m each; a covering made of whole orbits is searched over the orbits,
// a problem m times smaller, where a local search finds far better coverings
// of four-subsets than over single lines. The result starts one of the
// generator's chains.

#include <cstdint>
#include <functional>
#include <vector>

#include "systems/wheel_sets.h"

namespace belvane::systems::wheel {

// A covering of the t-subsets of n positions (n <= 24, t <= 6) by six-subsets that
// turning the first m positions maps onto itself; the same for a seed.
// Empty when cancelled.
std::vector<Mask> RotationCover(int n, int t, int m, uint64_t seed, const std::function<bool()>& cancelled);

// Whether the orbit search is worth its time for the covering C(n,6,t).
bool RotationCoverPays(int n, int t);

} // namespace belvane::systems::wheel
