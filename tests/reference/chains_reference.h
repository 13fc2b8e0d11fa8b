#pragma once

// A plain, stand-alone computation of the draws statistics table and of the full-set
// filters of the chain methods (SDV2 .. SS3C%d): for each draw of the window, what
// followed a draw that agrees with the newest draw of the window (and the draw before
// it) in numbers, channels, segments or counts in one channel or segment. It shares no
// code with the statistics engine: every rule is written out from its definition over
// plain lists, and the table comes from the naive table of reference_table.h.
//
// Decisions the engine made and this computation follows: all five draws a rule reads
// are read in the same order (all sorted, or all as drawn); a draw whose predecessors
// or a window whose reference draws are missing gives nothing (no values listed in
// advance either); a selected inside-channel value (r, 0) wants r's channel empty in
// the combination and a count value (r, k) exactly k numbers there.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reference/reference_table.h"

namespace belvane::chainref {

using reference::Draw;
using reference::Key;
using reference::TableRequest;
using reference::TableRow;

struct Layout {
    int channelSize = 5;
    std::string segments; // the MatrixSegments text: digit n is the segment of number n, 1 when missing
};

// The chain methods in registration order for the layout, and each one's place in the
// class table.
std::vector<std::string> methodIds(const Layout& layout);
int classPosition(const std::string& id);

// The values draw `index` yields in the window ending at `last`, in recording order.
std::vector<Key> drawValues(const std::string& id, const Layout& layout, const std::vector<Draw>& draws, int index,
                            int last, bool sorted);
// The values listed in advance for the window ending at `last`.
std::vector<Key> seeds(const std::string& id, const Layout& layout, const std::vector<Draw>& draws, int last);
std::string valueText(const std::string& id, const Key& key);

// For each selection of value texts, how many of the C(45,6) combinations the filter of
// the window ending at `last` keeps; one pass for all.
std::vector<int64_t> countMatching(const std::string& id, const Layout& layout, const std::vector<Draw>& draws,
                                   int last, const std::vector<std::vector<std::string>>& selections);

std::vector<TableRow> statisticsTable(const std::string& id, const Layout& layout, const std::vector<Draw>& draws,
                                      const TableRequest& request);

} // namespace belvane::chainref
