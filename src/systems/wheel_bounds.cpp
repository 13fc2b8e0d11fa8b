#include "systems/wheel_bounds.h"

#include <algorithm>

#include "support/translation.h"
#include "systems/wheel_sets.h"

namespace belvane::systems {
namespace {

uint64_t ceilDiv(uint64_t a, uint64_t b)
{
    return (a + b - 1) / b;
}

} // namespace

uint64_t SchoenheimBound(int n, int t)
{
    // L(n, k, t) = ceil(n / k * L(n - 1, k - 1, t - 1)), L(., ., 0) = 1.
    uint64_t bound = 1;
    for (int i = t - 1; i >= 0; --i)
        bound = ceilDiv(static_cast<uint64_t>(n - i) * bound, static_cast<uint64_t>(6 - i));
    return bound;
}

uint64_t TuranBound(int n, int p, int t)
{
    uint64_t bound = 1;
    for (int m = p + 1; m <= n; ++m)
        bound = ceilDiv(static_cast<uint64_t>(m) * bound, static_cast<uint64_t>(m - t));
    return bound;
}

WheelBound LowerBound(int n, int t, int p)
{
    const auto& c = wheel::Choose();
    if (p == t)
        return {SchoenheimBound(n, t), BoundKind::Schoenheim};
    const uint64_t turan = ceilDiv(TuranBound(n, p, t), c(6, t));
    uint64_t reach = 0; // p-subsets one line meets in t or more positions
    for (int j = t; j <= std::min(p, 6); ++j)
        reach += c(6, j) * c(n - 6, p - j);
    const uint64_t counting = ceilDiv(c(n, p), reach);
    if (counting > turan)
        return {counting, BoundKind::Counting};
    return {turan, BoundKind::Turan};
}

std::string BoundKindName(BoundKind kind)
{
    switch (kind) {
    case BoundKind::Schoenheim:
        return support::Text("граница Шёнхейма");
    case BoundKind::Turan:
        return support::Text("граница Турана");
    case BoundKind::Counting:
        return support::Text("граница подсчета");
    }
    return {};
}

} // namespace belvane::systems
