#pragma once

// The Ognev number methods (group 11): six numbers reduced to their
// characteristic number — neighbours replaced by their absolute differences
// until two remain, whose difference (or, in the variants, sum) is the number.
// Two members are ordinary statistics; the third turns the newest draw's
// number into candidate numbers for the next draw, for filtering.

#include <cstdint>

#include "model/game.h"
#include "stats/stat_class.h"

namespace belvane::stats {

extern const MethodClass TstOgnev1Class; // HCO1
extern const MethodClass TstOgnev2Class; // HCO2
extern const MethodClass TstOgnev3Class; // HCO3

// How the last two values x, y become the number: their difference d (mode
// 0); x + y when d is below 2 (mode 1); x + y when d is 0, and a second part
// when the number is 1 (mode 2).
enum class OgnevMode { Difference, SumBelowTwo, Dynamic };

struct OgnevNumber {
    int Value = 0;          // the number, or 1 when a second part follows
    int Second = 0;         // mode 2 with the number 1: x + y
    bool HasSecond = false; // a two-part result
};

// The number of six numbers in the order given (bytes taken as they stand).
OgnevNumber OgnevNumberOf(const model::TComb& numbers, OgnevMode mode);

} // namespace belvane::stats
