#pragma once

// A plain, stand-alone computation of the draws statistics table and of full-set
// filter counts for the methods whose values depend on earlier draws: the repeat
// members (RPV2 .. PRC-2), the series of numbers, channels and segments (GRPV ..
// GRSP) and their periods (PRDV, PRDC, PRDG). It shares no code with the statistics
// engine: every value is worked out from its definition with plain lists (series as
// runs cut out of a presence sequence, periods by looking back for the value), and
// the table comes from the naive table of reference_table.h.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reference/reference_table.h"

namespace belvane::repref {

using reference::Draw;
using reference::Key;
using reference::TableRequest;
using reference::TableRow;
using Six = std::array<int, 6>;

// The channel size and the segment text of the settings file.
struct Layout {
    int channelSize = 5;
    std::string segments; // digit n is the segment of number n; missing or not a digit: 1
};

// The methods in registration order, and each one's place in the class table.
const std::vector<std::string>& methodIds();
int classPosition(const std::string& id);

// What a series or period method follows for number n (1..45).
int followed(const std::string& id, const Layout& layout, int n);

std::string valueText(const std::string& id, const Key& key);

// The table of a method over the archive.
std::vector<TableRow> statisticsTable(const std::string& id, const Layout& layout, const std::vector<Draw>& draws,
                                      const TableRequest& request);

// For each selection of value texts (as the table shows them), how many of the C(45,6)
// combinations the filter of a window ending at draw `last` (array position) finds
// having one of the values; one pass for all.
std::vector<int64_t> countMatching(const std::string& id, const Layout& layout, const std::vector<Draw>& draws,
                                   int last, const std::vector<std::vector<std::string>>& selections);

} // namespace belvane::repref
