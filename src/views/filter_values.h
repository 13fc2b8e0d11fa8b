#pragma once

// The values the card, layout and week views hand to a filter: plain numbers
// for the numbers method.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "combs/filter.h"

#include "support/translation.h"

namespace belvane::views {

inline constexpr std::string_view NoFilterValuesMessage =
    BELVANE_TEXT("В выделенном диапазоне нет значений для фильтра!");

// The numbers of a card or layout cell: pieces between commas, brackets
// removed, trimmed, read as decimal integers (0 when a piece is no number).
// An empty cell has none.
std::vector<int> CellNumbers(std::string_view text);

// One value per number of the cells (read in the order given), first
// occurrences only; the values text lists them joined by "; ".
combs::FilterSelection NumbersSelection(std::span<const std::string> cellTexts, std::string_view caption);

// The week grid's columns first..last as values (the column is the number).
combs::FilterSelection WeekColumnsSelection(int firstColumn, int lastColumn, std::string_view caption);

} // namespace belvane::views
