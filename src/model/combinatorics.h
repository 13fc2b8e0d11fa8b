#pragma once

// Counting helpers, in exact integer arithmetic.

#include <cstdint>
#include <limits>

namespace belvane::model {

__extension__ using UInt128 = unsigned __int128;

// n! for 0 <= n <= 255 (255! needs the extended range); 1 for n <= 0.
long double Factorial(int n);

// n! / ((n-k)! k!), and 1 when k >= n; 0 when k < 0. Exact; a result beyond
// 64 bits saturates at the largest int64_t (this game never comes near it).
constexpr int64_t Binomial(int n, int k)
{
    if (k >= n)
        return 1;
    if (k < 0)
        return 0;
    if (k > n - k)
        k = n - k;
    UInt128 r = 1;
    for (int i = 1; i <= k; ++i) {
        r = r * static_cast<unsigned>(n - k + i) / static_cast<unsigned>(i); // exact at every step
        if (r > static_cast<UInt128>(std::numeric_limits<int64_t>::max()))
            return std::numeric_limits<int64_t>::max();
    }
    return static_cast<int64_t>(r);
}

// Combinations of `drawn` numbers out of `total` that share exactly k numbers
// with one given combination: Binomial(drawn, k) * Binomial(total - drawn, drawn - k);
// 1 when k >= total.
constexpr int64_t MatchCount(int total, int drawn, int k)
{
    if (k >= total)
        return 1;
    return Binomial(drawn, k) * Binomial(total - drawn, drawn - k);
}

// a + (a+1) + ... + (a+n-1); 0 for n <= 0.
constexpr int SumUp(int a, int n)
{
    return n <= 0 ? 0 : n * a + n * (n - 1) / 2;
}

// a + (a-1) + ... + (a-n+1); 0 for n <= 0.
constexpr int SumDown(int a, int n)
{
    return n <= 0 ? 0 : n * a - n * (n - 1) / 2;
}

// a div b, plus 1 when a mod b != 0. b must not be 0.
constexpr int CeilDiv(int a, int b)
{
    return a / b + (a % b != 0 ? 1 : 0);
}

// Number of blocks of size c covering a..b (a = 0 counts from 1).
constexpr int BlockCount(int a, int b, int c)
{
    return a != 0 ? CeilDiv(b - a + 1, c) : CeilDiv(b, c);
}

} // namespace belvane::model
