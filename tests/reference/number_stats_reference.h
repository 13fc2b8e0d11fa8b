#pragma once

// A deliberately plain, stand-alone computation of the draws statistics table for the
// number methods (NUMS, DIGS, EVEN, EVNV, SMAL, SMLV, PRIM, PRMV, POS1..POS6, POE1).
// It shares no code with the statistics engine: it evaluates each method with its own
// small rules and hands the values to the naive table of reference_table.h, so that the
// engine's table can be compared cell for cell.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "reference/reference_table.h"

namespace belvane::reference {

// One number method: its ID, the values it sees in six numbers (and the extra number),
// the values it seeds before any draw, and how a value is written.
struct NumberMethod {
    std::string id;
    std::vector<int> seeds;
    bool fullSet = true; // can be evaluated on a bare combination (has a full-set distribution)
    int position = 0;    // POSn: the position n; 0 for the others
    std::vector<int> values(const std::array<int, 6>& balls, int extra) const;
    std::string text(int value) const;
};

// The fifteen number methods, in registration order.
const std::vector<NumberMethod>& numberMethods();
const NumberMethod& numberMethod(const std::string& id);

// Count of every value over all C(45,6) combinations, enumerated in lexicographic order
// (each combination ascending), counting one per value occurrence. Computed by brute force
// once per method and cached. Keys ascend.
const std::map<int, std::int64_t>& fullSetDistribution(const NumberMethod& method);

// The statistics table rows, one per value record in record order, every cell as shown.
std::vector<TableRow> statisticsTable(const NumberMethod& method, const std::vector<Draw>& draws,
                                      const TableRequest& request);

} // namespace belvane::reference
