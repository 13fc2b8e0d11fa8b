#pragma once

// The fixed, ordered table of the 143 statistic method classes. The order is
// the registration order and the default display order; a position whose
// family does not exist yet holds no class.

#include <array>
#include <span>

#include "stats/stat_class.h"

namespace belvane::stats {

inline constexpr size_t StatClassCount = 143;

std::span<const MethodClass* const, StatClassCount> StatClassTable();

// The position of a class in the table; -1 when it is not there.
int StatClassPosition(const MethodClass* statClass);

} // namespace belvane::stats
