#pragma once

// Subsets of the n positions of a system as 64-bit masks (bit i = position
// i + 1), their ranks in colex order and the enumeration of combinations.
// Shared by the generator and the verification, which index per-subset
// counters by rank.

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "systems/system_line.h"

namespace belvane::systems::wheel {

using Mask = uint64_t;

// C(a, b) for a <= 64, b <= 6: every rank of a subset of at most six of 45
// positions fits 32 bits.
class Binomials {
public:
    Binomials();
    uint64_t operator()(int a, int b) const { return (a < 0 || b < 0 || b > 6 || a > 64) ? 0 : table_[a][b]; }

private:
    std::array<std::array<uint64_t, 7>, 65> table_{};
};
const Binomials& Choose();

// The number of positions in a mask. Without POPCNT in the target flags
// std::popcount is a library call, which the search's inner loops feel.
inline int CountOf(Mask m)
{
    m = m - ((m >> 1) & 0x5555555555555555ull);
    m = (m & 0x3333333333333333ull) + ((m >> 2) & 0x3333333333333333ull);
    m = (m + (m >> 4)) & 0x0f0f0f0f0f0f0f0full;
    return static_cast<int>((m * 0x0101010101010101ull) >> 56);
}

// The colex rank of a subset: sum of C(position, i) over its positions in
// ascending order, i from 1.
inline uint32_t RankOf(Mask m)
{
    const Binomials& c = Choose();
    uint64_t r = 0;
    for (int i = 1; m; ++i, m &= m - 1)
        r += c(std::countr_zero(m), i);
    return static_cast<uint32_t>(r);
}

// Calls f(acc | OR of r of the first `count` elements) for every r-combination.
template <class F>
void ForEachCombination(const Mask* elements, int count, int r, Mask acc, F&& f)
{
    if (r == 0) {
        f(acc);
        return;
    }
    for (int i = r - 1; i < count; ++i)
        ForEachCombination(elements, i, r - 1, acc | elements[i], f);
}

// The single-bit masks of a mask's positions, ascending.
inline int BitsOf(Mask m, Mask* out)
{
    int k = 0;
    for (; m; m &= m - 1)
        out[k++] = m & (~m + 1);
    return k;
}

// The positions (0-based, ascending) of the next k-subset in colex order.
inline void NextColex(std::array<int, 7>& pos, int k)
{
    int i = 0;
    while (i + 1 < k && pos[i] + 1 == pos[i + 1])
        ++i;
    ++pos[i];
    for (int j = 0; j < i; ++j)
        pos[j] = j;
}

// Every k-subset of n positions, by rank.
std::vector<Mask> SubsetsByRank(int n, int k);

Mask MaskOf(const SystemLine& line);
SystemLine LineOf(Mask m);

} // namespace belvane::systems::wheel
