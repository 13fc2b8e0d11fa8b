#pragma once

// A plain, stand-alone computation of the draws statistics table for the
// methods that look at the layout of the numbers: the channel methods (CHAN,
// CHNV, CHNC, KCM2..KCS4, CHN1..), the matrix methods (COLS .. ROWC,
// KFM2..KRS4, COL1.., ROW1..) and the segment methods (SGMS, SGMV, SGMC,
// KGM2..KGS4, SGM..). It shares no code with the statistics engine: it works
// out columns, rows, channels and segments with its own arithmetic, evaluates
// every method straight from its definition and hands the values to the naive
// table of reference_table.h.

#include <array>
#include <string>
#include <vector>

#include "reference/reference_table.h"

namespace belvane::layoutref {

using reference::Distribution;
using reference::Draw;
using reference::Key;
using reference::TableRequest;
using reference::TableRow;

// The game settings the methods depend on.
struct Layout {
    int cols = 5;         // MatrixCols
    int channelSize = 5;  // ChannelSize
    std::string segments; // MatrixSegments as written in the settings file
};

// Every method of the three families the layout registers, in registration order.
std::vector<std::string> methodIds(const Layout& layout);
// Whether the method has a full-set distribution (flag N).
bool hasFullSet(const std::string& id);

std::vector<Key> numbersValues(const std::string& id, const Layout& layout, const std::array<int, 6>& numbers);
std::vector<Key> seeds(const std::string& id, const Layout& layout);
std::string valueText(const std::string& id, const Layout& layout, const Key& key);

// The count of every value over all C(45,6) ascending combinations, keys in the
// order of the full-set files.
Distribution fullSetDistribution(const std::string& id, const Layout& layout);

std::vector<TableRow> statisticsTable(const std::string& id, const Layout& layout, const std::vector<Draw>& draws,
                                      const TableRequest& request);

} // namespace belvane::layoutref
