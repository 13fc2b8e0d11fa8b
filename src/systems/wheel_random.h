#pragma once

// The generator's random numbers: SplitMix64, small, fast and the same on
// every platform and library, so a seed gives the same system everywhere.

#include <cstdint>

#include "systems/wheel_sets.h"

namespace belvane::systems::wheel {

class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t next()
    {
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    uint32_t below(uint32_t n) { return static_cast<uint32_t>(((next() >> 32) * n) >> 32); }
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    // One of the positions of a mask.
    Mask bitOf(Mask m)
    {
        for (uint32_t k = below(static_cast<uint32_t>(CountOf(m))); k > 0; --k)
            m &= m - 1;
        return m & (~m + 1);
    }

private:
    uint64_t state_;
};

} // namespace belvane::systems::wheel
