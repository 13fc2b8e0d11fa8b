#pragma once

// Walking the full set of combinations in lexicographic order: 1 2 3 4 5 6,
// 1 2 3 4 5 7, ..., 40 41 42 43 44 45.

#include <cstddef>
#include <span>

#include "model/game.h"

namespace belvane::model {

inline constexpr TComb FirstCombination = {1, 2, 3, 4, 5, 6};

// Moves to the next combination; false (and the comb unchanged) after the last.
inline bool NextCombination(TComb& c)
{
    int i = BallCount - 1;
    while (i >= 0 && c[static_cast<size_t>(i)] == MaxNumber - (BallCount - 1 - i))
        --i;
    if (i < 0)
        return false;
    Ball v = ++c[static_cast<size_t>(i)];
    for (int j = i + 1; j < BallCount; ++j)
        c[static_cast<size_t>(j)] = ++v;
    return true;
}

// The combination at position `rank` (0-based) of the lexicographic order;
// rank must be below FullSetSize.
TComb CombinationAtRank(int64_t rank);

// Writes the combinations at ranks rank, rank + 1, ... into out; the last of
// them must lie inside the full set. Each run that differs only in the last
// number is written straight from registers, which keeps a walk over all
// combinations a few times faster than stepping one with NextCombination.
void FillCombinations(int64_t rank, std::span<TComb> out);

} // namespace belvane::model
