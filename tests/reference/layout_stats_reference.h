#pragma once

// A plain, stand-alone computation of the draws statistics table for the
// methods that look at the layout of the numbers: the channel methods (CHAN,
// CHNV, CHNC, KCM2..KCS4, CHN1..), the matrix methods (COLS .. ROWC,
// KFM2..KRS4, COL1.., ROW1..) and the segment methods (SGMS, SGMV, SGMC,
// KGM2..KGS4, SGM..). It shares no code with the statistics engine: it reads
// the draws CSV itself, works out columns, rows, channels and segments with
// its own arithmetic, evaluates every method straight from its definition,
// accumulates the value records literally and formats every cell.

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace belvane::layoutref {

struct Draw {
    int number = 0;
    std::array<int, 6> balls{}; // in drawn order
};

// Lines "number;"dd/mm/yyyy";n1;...;n6;extra", oldest first.
std::vector<Draw> readDrawsCsv(const std::filesystem::path& path);

// The game settings the methods depend on.
struct Layout {
    int cols = 5;         // MatrixCols
    int channelSize = 5;  // ChannelSize
    std::string segments; // MatrixSegments as written in the settings file
};

// A value key: the four 16-bit parts V1..V4.
using Key = std::array<int16_t, 4>;

// Every method of the three families the layout registers, in registration order.
std::vector<std::string> methodIds(const Layout& layout);
// Whether the method has a full-set distribution (flag N).
bool hasFullSet(const std::string& id);

std::vector<Key> numbersValues(const std::string& id, const Layout& layout, const std::array<int, 6>& numbers);
std::vector<Key> seeds(const std::string& id, const Layout& layout);
std::string valueText(const std::string& id, const Layout& layout, const Key& key);

// The count of every value over all C(45,6) ascending combinations, keys in the
// order of the full-set files (parts compared as unsigned 16-bit numbers).
struct UnsignedKeyLess {
    bool operator()(const Key& a, const Key& b) const;
};
using Distribution = std::map<Key, int64_t, UnsignedKeyLess>;
Distribution fullSetDistribution(const std::string& id, const Layout& layout);

struct TableRequest {
    int len = 1000;
    int offset = 0;
    bool sorted = false;
    bool fullSet = false;
};

using TableRow = std::array<std::string, 20>;
std::vector<TableRow> statisticsTable(const std::string& id, const Layout& layout, const std::vector<Draw>& draws,
                                      const TableRequest& request);

} // namespace belvane::layoutref
