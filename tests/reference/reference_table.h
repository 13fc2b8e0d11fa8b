#pragma once

// The draws statistics table worked out naively, shared by the stand-alone references of
// the method families. It shares no code with the statistics engine: a family gives the
// values every draw yields, the values seeded before any draw, how a value is written and,
// when asked for, the count of every value over the full set; this accumulates the value
// records with a literal rendering of the accumulation rules, rounds the integer cells on
// exact quotients (halves to even) and prints the "%.Nf" cells from double-precision
// values, so that the engine's table can be compared cell for cell.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace belvane::reference {

struct Draw {
    int number = 0;
    std::array<int, 6> balls{}; // in drawn order
    int extra = 0;
    std::string date;
};

// The six numbers as a method sees them: in drawn order, or ascending.
std::array<int, 6> ballsOf(const Draw& draw, bool sorted);

// A value key: the four 16-bit parts V1..V4.
using Key = std::array<int16_t, 4>;

// Keys compared part by part as unsigned 16-bit numbers (the order of the full-set files).
struct UnsignedKeyLess {
    bool operator()(const Key& a, const Key& b) const;
};
using Distribution = std::map<Key, int64_t, UnsignedKeyLess>;

// Calls visit(c) for every one of the C(45,6) combinations, ascending, in lexicographic order.
template <class Visit>
void forEachCombination(Visit&& visit)
{
    std::array<int, 6> c{};
    for (c[0] = 1; c[0] <= 40; ++c[0])
        for (c[1] = c[0] + 1; c[1] <= 41; ++c[1])
            for (c[2] = c[1] + 1; c[2] <= 42; ++c[2])
                for (c[3] = c[2] + 1; c[3] <= 43; ++c[3])
                    for (c[4] = c[3] + 1; c[4] <= 44; ++c[4])
                        for (c[5] = c[4] + 1; c[5] <= 45; ++c[5])
                            visit(static_cast<const std::array<int, 6>&>(c));
}

// The count of every key keysOf(c) yields over the full set, one per occurrence.
template <class KeysOf>
Distribution countOverFullSet(KeysOf&& keysOf)
{
    Distribution dist;
    forEachCombination([&](const std::array<int, 6>& c) {
        for (const Key& k : keysOf(c))
            ++dist[k];
    });
    return dist;
}

// Weight coefficients of the "Вес" column, written as decimal texts ("-1", "0.25"); the
// defaults are the ones a fresh configuration holds.
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

// The window: the last draw the table sees, the first one of the analysed range (array
// positions) and how many draws it spans.
struct Window {
    int first = 0;
    int last = -1;
    int size = 0;
};
Window windowOf(int drawCount, const TableRequest& request);

// One value a draw yields, whether it measures a gap, and what it adds to the value's
// count (a value may be shown at a draw without being counted there). A value that
// stands for an earlier draw (a series recorded when it ends) names that draw's number
// and age; otherwise they are those of the draw that yields it.
struct DrawValue {
    Key key{};
    bool trackGap = true;
    int count = 1;
    std::optional<int> lastDraw;
    std::optional<int> ago;
};

// What a method family tells the table about one method.
struct TableInput {
    std::vector<Key> seeds;
    // The values of the draw at an array position, in the order they are recorded; asked for
    // the draws of the window and for later ones (the "Факт" column).
    std::function<std::vector<DrawValue>(int index)> valuesOf;
    std::function<std::string(const Key&)> text;
    // The full-set distribution when the comparison is asked for and the method has one.
    const Distribution* fullSet = nullptr;
    // "Факт" of a value last seen at the draw numbered afterNumber, when it is not the
    // number of the first later draw whose values include it; -1 for none.
    std::function<int(const Key& key, int afterNumber)> nextOccurrence;
};

// The statistics table rows, one per value record in record order, every cell as shown.
std::vector<TableRow> buildTable(const std::vector<Draw>& draws, const TableInput& input, const TableRequest& request);

} // namespace belvane::reference
