#pragma once

// A plain, stand-alone computation of the draws statistics table for the sum
// methods (SUMS, SUM1..SUM3, SUMC, SUMV, SUMT, SUME, SUMP, S2T3) and the
// difference methods (DIFA, DIFM, DIFD, DIFO, DIFK, KDS2..KDS4). It shares no
// code with the statistics engine: it reads the draws CSV itself, computes each
// method's values straight from their definitions, accumulates the value
// records literally and formats every cell, so that the engine's table can be
// compared with it cell for cell.

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace belvane::sumdiff {

struct Draw {
    int number = 0;
    std::array<int, 6> balls{}; // in drawn order
};

// Lines "number;"dd/mm/yyyy";n1;...;n6;extra", oldest first.
std::vector<Draw> readDrawsCsv(const std::filesystem::path& path);

// A value key: the four 16-bit parts V1..V4.
using Key = std::array<int16_t, 4>;

// The methods covered, in registration order.
const std::vector<std::string>& methodIds();
// Whether the method has a full-set distribution (can be computed from six numbers alone).
bool hasFullSet(const std::string& id);

// The values one draw yields, in the order they are recorded, and whether each measures a gap.
struct DrawValue {
    Key key{};
    bool trackGap = true;
};
std::vector<DrawValue> drawValues(const std::string& id, const std::vector<Draw>& draws, int index, int last,
                                  bool sorted);
// The values of six numbers alone (methods with a full-set distribution).
std::vector<Key> numbersValues(const std::string& id, const std::array<int, 6>& numbers);
std::vector<Key> seeds(const std::string& id);
std::string valueText(const std::string& id, const Key& key);

// The count of every value over all C(45,6) ascending combinations, by key
// compared part by part as unsigned 16-bit numbers (the order of the full-set files).
struct UnsignedKeyLess {
    bool operator()(const Key& a, const Key& b) const;
};
using Distribution = std::map<Key, int64_t, UnsignedKeyLess>;
const Distribution& fullSetDistribution(const std::string& id);

struct TableRequest {
    int len = 1000;
    int offset = 0;
    bool sorted = false;
    bool fullSet = false;
};

using TableRow = std::array<std::string, 20>;
std::vector<TableRow> statisticsTable(const std::string& id, const std::vector<Draw>& draws,
                                      const TableRequest& request);

} // namespace belvane::sumdiff
