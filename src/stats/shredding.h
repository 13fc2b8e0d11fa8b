#pragma once

// The shredding methods (group 12): a user formula over the six numbers of a
// draw (and of the two draws before it) reduced to the first decimal digits
// of its fractional part. Three formula slots make SHR1..SHR3.

#include "stats/stat_class.h"

namespace belvane::stats {

extern const MethodClass TstShreddingStatClass; // SHR%d

// The number of formula slots, and so of shredding methods.
inline constexpr int ShreddingSlotCount = 3;

} // namespace belvane::stats
