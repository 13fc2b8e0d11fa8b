#pragma once

// How many combinations share exactly k numbers with a given draw, k = 0..6,
// and that number as a share of the full set.

#include <array>
#include <cstdint>

#include "model/combinatorics.h"
#include "model/game.h"

namespace belvane::stakes {

struct HitTableEntry {
    int64_t Count = 0;     // C(6, k) * C(39, 6 - k)
    long double Share = 0; // Count / C(45, 6)
};

using HitTable = std::array<HitTableEntry, model::BallCount + 1>;

inline HitTable MakeHitTable()
{
    HitTable t{};
    for (int k = 0; k <= model::BallCount; ++k) {
        t[static_cast<size_t>(k)].Count = model::MatchCount(model::MaxNumber, model::BallCount, k);
        t[static_cast<size_t>(k)].Share =
            static_cast<long double>(t[static_cast<size_t>(k)].Count) / model::FullSetSize;
    }
    return t;
}

} // namespace belvane::stakes
