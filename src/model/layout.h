#pragma once

// Where a number sits in the layouts the statistics use: the number matrix
// (numbers laid out row by row in MatrixCols columns), channels of
// ChannelSize consecutive numbers, and the user's segments of the matrix.
// Also the cyclic shift of numbers around 1..45.

#include <array>
#include <string>
#include <string_view>

#include "model/game.h"

namespace belvane::model {

inline constexpr int DefaultMatrixCols = 5;
inline constexpr int DefaultChannelSize = 5;

// Column and row of number n in a matrix of `cols` columns, both from 1.
constexpr int MatrixColumn(int n, int cols)
{
    return (n - 1) % cols + 1;
}
constexpr int MatrixRow(int n, int cols)
{
    return (n - 1) / cols + 1;
}
// The number at zero-based row r and column q.
constexpr int MatrixNumber(int r, int q, int cols)
{
    return 1 + q + r * cols;
}

// Channel k (from 1) holds (k-1)*size+1 .. k*size.
constexpr int ChannelOf(int n, int channelSize)
{
    return CeilDiv(n, channelSize);
}

// Segment index of each number 1..45 (element n-1 for number n).
using SegmentMap = std::array<uint8_t, MaxNumber>;

inline constexpr SegmentMap DefaultSegments = [] {
    SegmentMap s{};
    s.fill(1);
    return s;
}();

// The MatrixSegments text: character i is the segment of number i as one
// digit; a missing character or one that is not a digit gives 1.
SegmentMap ParseMatrixSegments(std::string_view text);
std::string MatrixSegmentsText(const SegmentMap& segments);

inline int SegmentOf(int n, const SegmentMap& segments)
{
    return isValidNumber(n) ? segments[static_cast<size_t>(n - 1)] : 0;
}

// Whether any of the six numbers lies in channel k / has segment s.
bool TouchesChannel(const TComb& balls, int k, int channelSize);
bool TouchesSegment(const TComb& balls, int s, const SegmentMap& segments);

// n moved by d (-44..44) around the circle 1..45.
constexpr int CyclicShift(int n, int d)
{
    if (d == 0)
        return n;
    int m = n + d;
    if (d > 0 && m > MaxNumber)
        m -= MaxNumber;
    else if (d < 0 && m <= 0)
        m += MaxNumber;
    return m;
}

TComb CyclicShift(const TComb& comb, int d);

} // namespace belvane::model
