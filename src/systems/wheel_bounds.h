#pragma once

// Lower bounds on the size of a system over n positions in which every
// p-subset meets some line in at least t positions, so that a size can be
// judged against the best possible.

#include <cstdint>
#include <string>

namespace belvane::systems {

enum class BoundKind {
    Schoenheim, // p = t, the covering C(n,6,t): nested ceilings
    Turan,      // p > t: the t-subsets of the lines must include one of every p-subset
    Counting,   // p > t: each line meets at most so many p-subsets in t positions
};

struct WheelBound {
    uint64_t Lines = 0;
    BoundKind Kind = BoundKind::Schoenheim;
};

// n >= 7, 1 <= t <= p <= 6.
uint64_t SchoenheimBound(int n, int t);
// A lower bound on the t-subsets such that every p-subset of n contains one:
// ceil(m / (m - t) * T(m - 1)) from T(p) = 1 (each point left out in turn).
uint64_t TuranBound(int n, int p, int t);
// The best of the bounds that hold for the condition.
WheelBound LowerBound(int n, int t, int p);

std::string BoundKindName(BoundKind kind);

} // namespace belvane::systems
