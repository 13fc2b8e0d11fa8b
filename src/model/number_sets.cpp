#include "model/number_sets.h"

#include <algorithm>
#include <functional>

namespace belvane::model {

void NumberSet::add(Ball n)
{
    if (Count < static_cast<int32_t>(Numbers.size()))
        Numbers[static_cast<size_t>(Count++)] = n;
}

bool InComb(const TComb& comb, int n)
{
    return std::find(comb.begin(), comb.end(), n) != comb.end();
}

bool InBytes(std::span<const uint8_t> bytes, int n)
{
    return std::find(bytes.begin(), bytes.end(), n) != bytes.end();
}

void AddByte(TByteArray& bytes, int n)
{
    bytes.push_back(static_cast<uint8_t>(n));
}

bool AddUniqueByte(TByteArray& bytes, int n)
{
    if (InBytes(bytes, n))
        return false;
    AddByte(bytes, n);
    return true;
}

int CommonCount(const TComb& a, const TComb& b)
{
    int count = 0;
    for (Ball n : a)
        count += static_cast<int>(std::count(b.begin(), b.end(), n));
    return count;
}

NumberSet Intersect(const TComb& balls, std::span<const uint8_t> set)
{
    NumberSet result;
    for (Ball n : balls)
        if (InBytes(set, n))
            result.add(n);
    SortNumberSet(result);
    return result;
}

bool SameNumbers(const NumberSet& a, const NumberSet& b)
{
    if (a.Count != b.Count)
        return false;
    const auto bv = b.view();
    return std::all_of(a.view().begin(), a.view().end(), [&](Ball n) { return InBytes(bv, n); });
}

TByteArray DistinctNumbers(std::span<const TComb> combs, size_t n)
{
    TByteArray found;
    std::array<bool, 256> seen{};
    for (size_t i = 0; i < n && i < combs.size() && found.size() < MaxNumber; ++i) {
        for (Ball x : combs[i]) {
            if (!seen[x]) {
                seen[x] = true;
                found.push_back(x);
            }
        }
    }
    return found;
}

void SortComb(TComb& comb)
{
    std::sort(comb.begin(), comb.end());
}

TComb Sorted(TComb comb)
{
    SortComb(comb);
    return comb;
}

void SortNumberSet(NumberSet& set)
{
    std::sort(set.Numbers.begin(), set.Numbers.begin() + set.Count);
}

void SortDescending(TIntArray& values)
{
    std::sort(values.begin(), values.end(), std::greater<>());
}

} // namespace belvane::model
