#pragma once

// A deliberately plain, stand-alone computation of the draws statistics table for the
// number methods (NUMS, DIGS, EVEN, EVNV, SMAL, SMLV, PRIM, PRMV, POS1..POS6, POE1).
// It shares no code with the statistics engine: it reads the draws CSV itself, evaluates
// each method with its own small rules, accumulates the value records with a literal
// rendering of the accumulation rules, rounds the integer cells on exact quotients (halves
// to even) and prints the "%.Nf" cells from double-precision values, so that the engine's
// table can be compared cell for cell.

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace belvane::reference {

struct Draw {
    int number = 0;
    std::array<int, 6> balls{}; // in drawn order
    int extra = 0;
    std::string date;
};

// Reads lines "number;"dd/mm/yyyy";n1;n2;n3;n4;n5;n6;extra" (CR LF or LF), oldest first.
std::vector<Draw> readDrawsCsv(const std::filesystem::path& path);

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

// Weight coefficients of the "Вес" column, written as decimal texts ("-1", "0.25").
struct Weights {
    std::string count = "0";
    std::string deviation = "-1";
    std::string level = "1";
    bool usePercents = false;
    bool useAbsValues = false;
};

struct TableRequest {
    int len = 1000;
    int offset = 0;
    bool sorted = false;
    bool fullSet = false; // compare with the full-set distribution (columns 3 to 5)
    Weights weights;
};

using TableRow = std::array<std::string, 20>;

// The column captions, in order.
const TableRow& tableCaptions();

// The statistics table rows, one per value record in record order, every cell as shown.
std::vector<TableRow> statisticsTable(const NumberMethod& method, const std::vector<Draw>& draws,
                                      const TableRequest& request);

} // namespace belvane::reference
