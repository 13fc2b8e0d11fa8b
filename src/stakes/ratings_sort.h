#pragma once

// The order of the ratings list by one of its columns. Each record gets its
// sort key once (a collation key for the comment, rounded averages and
// profits as integers) and the records are sorted stably by it: a strict weak
// ordering, so equal keys keep their order and records with no stakes go last
// in both directions.
//
// Columns: 0 comment, 1 stakes, 2 sum of matches, 3 average matches (to two
// decimals), 4 profit (to hundredths), 5 average profit (to hundredths),
// 6..12 the stakes with 0..6 matches. Any other column leaves the order.

#include <string>
#include <string_view>

#include "stakes/rating_record.h"

namespace belvane::stakes {

inline constexpr int RatingsSortColumnCount = 13;

// A key that orders texts the way the Russian locale does, case-sensitively:
// letters alphabetically (Latin before Cyrillic, ё after е), small before
// capital only where the letters are otherwise equal; punctuation before
// digits before letters.
std::string CollationKey(std::string_view utf8);

void SortRatingsArray(TRatingsArray& records, int column, bool descending);

} // namespace belvane::stakes
