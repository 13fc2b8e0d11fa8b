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

extern const TStatClass TstDiffTotalClass;    // DIFA
extern const TStatClass TstDiffMaxClass;      // DIFM
extern const TStatClass TstMinMaxDiffsClass;  // DIFD
extern const TStatClass TstDiffSameClass;     // DIFO
extern const TStatClass TstDiffSameCntClass;  // DIFK
extern const TStatClass TstCombDiffSeq2Class; // KDS2
extern const TStatClass TstCombDiffSeq3Class; // KDS3
extern const TStatClass TstCombDiffSeq4Class; // KDS4

inline constexpr int DiffCount = model::BallCount - 1;
using TDiffs = std::array<uint8_t, DiffCount>;

// d1..d5: |n2 - n1|, |n3 - n2|, ..., |n6 - n5|, each as an unsigned byte.
TDiffs AdjacentDiffs(const model::TComb& numbers);

} // namespace belvane::stats
