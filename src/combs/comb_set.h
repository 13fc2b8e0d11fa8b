#pragma once

// A set of combinations as one bit per combination of the full set (1 MB):
// membership answers in constant time whatever the order of the numbers, for
// the system game's "only the combinations of the list" and the scenario
// stakes that must not repeat.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/game.h"

namespace belvane::combs {

// A number 0..FullSetSize-1 that only this set of six numbers has (in any
// order); nullopt for numbers outside 1..45 or repeated ones.
std::optional<uint32_t> CombinationIndex(const model::TComb& comb);

class CombinationSet {
public:
    CombinationSet();
    explicit CombinationSet(std::span<const model::TComb> combs);

    // Combinations that have no index are passed over.
    void insert(const model::TComb& comb);
    bool contains(const model::TComb& comb) const;
    void clear();

private:
    std::vector<uint64_t> bits_;
};

} // namespace belvane::combs
