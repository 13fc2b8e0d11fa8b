#pragma once

// The parameters of the six-from-45 game and the small value types every
// other part of the program is built on.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/combinatorics.h"

namespace belvane::model {

inline constexpr int BallCount = 6; // main numbers per draw and per combination
inline constexpr int MinNumber = 1;
inline constexpr int MaxNumber = 45;
inline constexpr int ExtraCount = 1; // extra numbers per draw, from the same range

inline constexpr int MinSum = SumUp(MinNumber, BallCount);   // 1+2+...+6 = 21
inline constexpr int MaxSum = SumDown(MaxNumber, BallCount); // 45+44+...+40 = 255
inline constexpr int SumStep = (MaxSum - MinSum) / 10;       // 23

// Size of the full set of combinations, C(45, 6) = 8,145,060.
inline constexpr int64_t FullSetSize = Binomial(MaxNumber, BallCount);

// A number is one byte 1..45; 0 means "no number".
using Ball = uint8_t;

// Six numbers in the order given. Only methods that depend on the order of the
// numbers care about it; range and duplicates are checked where it matters.
using TComb = std::array<Ball, BallCount>;
static_assert(sizeof(TComb) == 6, "a combination is six bytes without padding");

using TByteArray = std::vector<uint8_t>;
using TIntArray = std::vector<int32_t>;
using TCombsArray = std::vector<TComb>;

constexpr bool isValidNumber(int n)
{
    return n >= MinNumber && n <= MaxNumber;
}

} // namespace belvane::model
