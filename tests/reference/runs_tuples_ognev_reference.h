#pragma once

// A plain, stand-alone computation of the draws statistics table and of full-set
// counts for the methods that look at the drawn numbers themselves: runs of
// consecutive numbers (SEQL, SEQS, LENS), sub-combinations of the numbers (KNM2..KNM4,
// KNS2..KNS4, KNP21..KNP43) and the Ognev numbers (HCO1, HCO2, HCO3). It shares no
// code with the statistics engine: every value is worked out from its definition with
// plain lists, and the table comes from the naive table of reference_table.h.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reference/reference_table.h"

namespace belvane::seqref {

using reference::Distribution;
using reference::Draw;
using reference::Key;
using reference::TableRequest;
using reference::TableRow;
using Six = std::array<int, 6>;

// The methods in registration order, and each one's place in the class table.
const std::vector<std::string>& methodIds();
int classPosition(const std::string& id);
// Whether the method has a full-set distribution.
bool hasFullSet(const std::string& id);

// The values of six numbers in the order given (every method but HCO3).
std::vector<Key> numbersValues(const std::string& id, const Six& numbers);
std::vector<Key> seeds(const std::string& id);
std::string valueText(const std::string& id, const Key& key);

// The Ognev number: neighbours replaced by their distances until two are left, x
// and y; then |x - y|, or its variants (mode 1: x + y when that distance is 0 or 1;
// mode 2: x + y when it is 0, and then 1 becomes the pair 1 and x + y).
std::vector<int> ognevNumber(const Six& numbers, int mode);

// HCO3 at the newest draw of a window: its number and the number's multiples, each
// marked when the draw after the window (none: nullptr) holds it.
struct Candidate {
    Key key{};
    bool hit = false;
};
std::vector<Candidate> ognevCandidates(const Six& newest, const Six* next);

// The count of every value over all C(45,6) ascending combinations.
Distribution fullSetDistribution(const std::string& id);

// For each selection of value texts, how many of the C(45,6) combinations have one of
// the values it names (HCO3: one of their numbers is the number a text starts with);
// one pass for all.
std::vector<int64_t> countMatching(const std::string& id, const std::vector<std::vector<std::string>>& selections);

// The table; with the full-set comparison asked for, `fullSet` (when given) is the
// method's distribution, else it is counted.
std::vector<TableRow> statisticsTable(const std::string& id, const std::vector<Draw>& draws,
                                      const TableRequest& request, const Distribution* fullSet = nullptr);

} // namespace belvane::seqref
