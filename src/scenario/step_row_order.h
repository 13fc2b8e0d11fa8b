#pragma once

// The order in which a filter step sees the rows of the statistics table: the
// table sorted descending by the step's column before the walk.

#include <functional>
#include <optional>
#include <vector>

namespace belvane::scenario {

// Row indexes sorted descending by the column's numbers (stable; a row
// without a number in that column comes last). A sort column outside
// 0..columnCount-1 leaves the rows in record order: a hand-written step must
// not pick an arbitrary order or read past the table.
std::vector<int> StepRowOrder(int rowCount, int sortColumn, int columnCount,
                              const std::function<std::optional<double>(int row, int column)>& number);

} // namespace belvane::scenario
