#pragma once

// The combination list as clipboard text.

#include <span>
#include <string>
#include <string_view>

#include "combs/comb_list.h"

namespace belvane::combs {

// The rows, in list order, one combination per line in the list form ("5;12;23;31;40;44").
std::string CopyText(std::span<const TComb> combs, std::span<const size_t> rows);

// The lines of the text as combinations (each parsed like a typed combination).
// A line that does not parse, or whose numbers are not six distinct values
// 1..45, throws Error("Некорректная комбинация: \"<line>\"!"). Empty lines are
// passed over.
std::vector<TComb> ParsePastedText(std::string_view text);

} // namespace belvane::combs
