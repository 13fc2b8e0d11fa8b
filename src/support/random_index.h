#pragma once

// A uniformly drawn index from a 64-bit Mersenne Twister. The engine's output
// is fixed by the standard, the library's distributions are not: a seeded
// draw must give the same index on every platform.

#include <cstdint>
#include <random>

namespace belvane {

// 0..n-1; n must be above 0.
inline uint64_t UniformIndex(std::mt19937_64& engine, uint64_t n)
{
    // Values below 2^64 mod n would favour the low indexes: draw again.
    const uint64_t threshold = (0 - n) % n;
    for (;;) {
        const uint64_t x = engine();
        if (x >= threshold)
            return x % n;
    }
}

} // namespace belvane
