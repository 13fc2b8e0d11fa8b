#pragma once

// The difference methods (group 2): the spacing of a draw's numbers — the
// differences between numbers at adjacent positions, the largest of them, the
// spread between the smallest and the largest number, how often one
// difference repeats, and short runs of consecutive differences. All but DIFD
// work on the numbers in the order given (drawn, or ascending when sorted).

#include <array>
#include <cstdint>

#include "model/game.h"
#include "stats/stat_class.h"

namespace belvane::stats {

extern const MethodClass TstDiffTotalClass;    // DIFA
extern const MethodClass TstDiffMaxClass;      // DIFM
extern const MethodClass TstMinMaxDiffsClass;  // DIFD
extern const MethodClass TstDiffSameClass;     // DIFO
extern const MethodClass TstDiffSameCntClass;  // DIFK
extern const MethodClass TstCombDiffSeq2Class; // KDS2
extern const MethodClass TstCombDiffSeq3Class; // KDS3
extern const MethodClass TstCombDiffSeq4Class; // KDS4

inline constexpr int DiffCount = model::BallCount - 1;
using Diffs = std::array<uint8_t, DiffCount>;

// d1..d5: |n2 - n1|, |n3 - n2|, ..., |n6 - n5|, each as an unsigned byte.
inline Diffs AdjacentDiffs(const model::TComb& n)
{
    Diffs d{};
    for (size_t i = 0; i < d.size(); ++i)
        d[i] = static_cast<uint8_t>(n[i + 1] > n[i] ? n[i + 1] - n[i] : n[i] - n[i + 1]);
    return d;
}

} // namespace belvane::stats
