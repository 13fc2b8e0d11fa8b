#pragma once

// Membership, intersection, counting and sorting over numbers, combinations
// and number lists.

#include <span>

#include "model/game.h"

namespace belvane::model {

// The result of intersecting a draw with a set of numbers: at most eight numbers.
struct NumberSet {
    int32_t Count = 0;
    std::array<Ball, 8> Numbers{};

    std::span<const Ball> view() const { return {Numbers.data(), static_cast<size_t>(Count)}; }
    void add(Ball n);
};

bool InComb(const TComb& comb, int n);
bool InBytes(std::span<const uint8_t> bytes, int n);
// Appends always / only when absent (returns whether it appended).
void AddByte(TByteArray& bytes, int n);
bool AddUniqueByte(TByteArray& bytes, int n);

// For each of the six numbers of a, the positions of b holding the same
// number, summed (the number of shared numbers when both hold distinct ones).
int CommonCount(const TComb& a, const TComb& b);

// The numbers of `balls`, in their order, that occur in `set`, then sorted ascending.
NumberSet Intersect(const TComb& balls, std::span<const uint8_t> set);

// Equal counts, and every element of a found in b.
bool SameNumbers(const NumberSet& a, const NumberSet& b);

// The distinct numbers of the first n combinations, in order of first
// appearance; the walk stops as soon as all 45 are found.
TByteArray DistinctNumbers(std::span<const TComb> combs, size_t n);

// Ascending six numbers; an ascending number set; a descending integer list.
void SortComb(TComb& comb);
TComb Sorted(TComb comb);
void SortNumberSet(NumberSet& set);
void SortDescending(TIntArray& values);

} // namespace belvane::model
