#pragma once

// Coverings that a group of translations maps onto themselves. Adding in
// Z_a1 x ... x Z_ak on the first a1...ak of the n positions (the others
// stay) splits the subsets into orbits; a covering made of whole orbits is
// searched over the orbits, a problem as many times smaller as the group is
// large, where a local search finds far better coverings of four-subsets
// than over single lines. One factor m is the rotation of the first m
// positions. The result starts one of the generator's chains.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "systems/wheel_sets.h"

namespace belvane::systems::wheel {

// The orders of the cyclic factors; their product is at most n.
using Translations = std::vector<int>;

// The groups whose orbits are worth searching for the covering C(n,6,t),
// empty where single lines do better.
std::vector<Translations> OrbitGroupsFor(int n, int t);

// The orbits of the t-subsets and the six-subsets of n positions (n <= 24,
// t <= 6) under a group, built once and searched from many seeds.
class OrbitCovers {
public:
    OrbitCovers(int n, int t, const Translations& group);
    ~OrbitCovers();
    OrbitCovers(OrbitCovers&&) noexcept;

    // A covering by whole orbits, the same for a seed; empty when
    // cancelled. Safe to call from several threads at once.
    std::vector<Mask> search(uint64_t seed, const std::function<bool()>& cancelled) const;

    // The group as permutations of the positions, one per factor.
    const std::vector<std::vector<int>>& generators() const;

    struct Orbits; // the search's own

private:
    std::unique_ptr<Orbits> orbits_;
};

} // namespace belvane::systems::wheel
