#pragma once

// A plain, stand-alone computation of the draws statistics table for the sum
// methods (SUMS, SUM1..SUM3, SUMC, SUMV, SUMT, SUME, SUMP, S2T3) and the
// difference methods (DIFA, DIFM, DIFD, DIFO, DIFK, KDS2..KDS4). It shares no
// code with the statistics engine: it computes each method's values straight
// from their definitions and hands them to the naive table of
// reference_table.h, so that the engine's table can be compared with it cell
// for cell.

#include <array>
#include <string>
#include <vector>

#include "reference/reference_table.h"

namespace belvane::sumdiff {

using reference::Distribution;
using reference::Draw;
using reference::DrawValue;
using reference::Key;
using reference::TableRequest;
using reference::TableRow;

// The methods covered, in registration order.
const std::vector<std::string>& methodIds();
// Whether the method has a full-set distribution (can be computed from six numbers alone).
bool hasFullSet(const std::string& id);

// The values one draw yields, in the order they are recorded, and whether each measures a gap.
std::vector<DrawValue> drawValues(const std::string& id, const std::vector<Draw>& draws, int index, int last,
                                  bool sorted);
// The values of six numbers alone (methods with a full-set distribution).
std::vector<Key> numbersValues(const std::string& id, const std::array<int, 6>& numbers);
std::vector<Key> seeds(const std::string& id);
std::string valueText(const std::string& id, const Key& key);

// The count of every value over all C(45,6) ascending combinations, keys in the
// order of the full-set files. Computed once per method and cached.
const Distribution& fullSetDistribution(const std::string& id);

std::vector<TableRow> statisticsTable(const std::string& id, const std::vector<Draw>& draws,
                                      const TableRequest& request);

} // namespace belvane::sumdiff
