#pragma once

// The filter actions: keep or remove the combinations of the list that have
// one of the selected values, with the status text and the history row.

#include <span>
#include <string>

#include "app/comb_list_ops.h"
#include "app/draws_stat_table.h"
#include "combs/filter.h"

namespace belvane::stats {
class TCustomStat;
class TStatList;
} // namespace belvane::stats

namespace belvane::app {

// The selection of statistics-table rows: their records, the method's list
// text as caption and the rows' value texts joined with "; ".
combs::FilterSelection SelectionFromRows(const stats::TStatList& list, int entry,
                                         std::span<const DrawsStatRow* const> rows);

// Saves the undo copy and applies the filter ("Фильтрация комбинаций...").
// An empty selection does nothing at all. A cancelled run brings the previous
// list back and records nothing. Returns whether the filter was applied.
bool RunFilter(Host& host, CombinationsState& state, stats::TCustomStat& method,
               const combs::FilterSelection& selection, bool remove, int drawCount, int offset, bool sorted);

// The card, layout and week views filter by plain numbers: the undo copy is
// saved first, then the values are collected (an empty set of values shows
// "В выделенном диапазоне нет значений для фильтра!" and changes nothing else).
bool RunNumbersFilter(Host& host, CombinationsState& state, const stats::TStatList& list,
                      const std::function<combs::FilterSelection()>& collect, bool remove, int drawCount, int offset,
                      bool sorted);

} // namespace belvane::app
