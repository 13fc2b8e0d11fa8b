#include "reference/layout_stats_reference.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <stdexcept>

namespace belvane::layoutref {
namespace {

using Six = std::array<int, 6>;

// ---- where a number lies ------------------------------------------------------

int ceilDiv(int a, int b)
{
    return a / b + (a % b != 0 ? 1 : 0);
}

int columnOf(int n, const Layout& l)
{
    return (n - 1) % l.cols + 1;
}
int rowOf(int n, const Layout& l)
{
    return (n - 1) / l.cols + 1;
}
int rowCount(const Layout& l)
{
    return ceilDiv(45, l.cols);
}
int channelOf(int n, const Layout& l)
{
    return ceilDiv(n, l.channelSize);
}
int channelCount(const Layout& l)
{
    return ceilDiv(45, l.channelSize);
}
// Character n of the text; a missing character or one that is not a digit is segment 1.
int segmentOf(int n, const Layout& l)
{
    const size_t i = static_cast<size_t>(n - 1);
    if (i < l.segments.size() && l.segments[i] >= '0' && l.segments[i] <= '9')
        return l.segments[i] - '0';
    return 1;
}

// The family a method looks through: columns, rows, channels or segments.
enum class Side { Columns, Rows, Channels, Segments };

int groupOf(Side side, int n, const Layout& l)
{
    switch (side) {
    case Side::Columns:
        return columnOf(n, l);
    case Side::Rows:
        return rowOf(n, l);
    case Side::Channels:
        return channelOf(n, l);
    case Side::Segments:
        return segmentOf(n, l);
    }
    return 0;
}

// The groups in the order a method lists them: columns 1..C, rows 1..R,
// channels 1..N, segments in the order the table first uses them.
std::vector<int> groupsOf(Side side, const Layout& l)
{
    std::vector<int> groups;
    for (int n = 1; n <= 45; ++n) {
        const int g = groupOf(side, n, l);
        if (std::find(groups.begin(), groups.end(), g) == groups.end())
            groups.push_back(g);
    }
    return groups;
}

// ---- method IDs -----------------------------------------------------------------

bool startsWith(const std::string& s, const std::string& prefix)
{
    return s.rfind(prefix, 0) == 0;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// COL3, ROW12, CHN4, SGM0: the family prefix followed by a number.
bool isCountIn(const std::string& id, const std::string& prefix)
{
    return startsWith(id, prefix) && id.size() > prefix.size() && isDigit(id[prefix.size()]);
}

int paramOf(const std::string& id)
{
    return std::stoi(id.substr(3));
}

// KFM2 ... KGS4: the side, Mix or Seq, and k.
struct TupleId {
    bool tuple = false;
    Side side = Side::Columns;
    bool mix = true;
    int k = 0;
};

TupleId tupleOf(const std::string& id)
{
    TupleId t;
    if (id.size() != 4 || id[0] != 'K' || !isDigit(id[3]) || (id[2] != 'M' && id[2] != 'S'))
        return t;
    switch (id[1]) {
    case 'F':
        t.side = Side::Columns;
        break;
    case 'R':
        t.side = Side::Rows;
        break;
    case 'C':
        t.side = Side::Channels;
        break;
    case 'G':
        t.side = Side::Segments;
        break;
    default:
        return t;
    }
    t.tuple = true;
    t.mix = id[2] == 'M';
    t.k = id[3] - '0';
    return t;
}

Key partsKey(int a, int b = 0, int c = 0, int d = 0)
{
    return {static_cast<int16_t>(a), static_cast<int16_t>(b), static_cast<int16_t>(c), static_cast<int16_t>(d)};
}

// Neighbour pairs per group: for columns two numbers of one column whose rows
// differ by 1, for rows two numbers of one row whose columns differ by 1.
std::map<int, int> neighbourPairs(bool rows, const Six& n, const Layout& l)
{
    std::map<int, int> pairs;
    for (int i = 0; i < 6; ++i)
        for (int j = i + 1; j < 6; ++j) {
            const int a = n[static_cast<size_t>(i)];
            const int b = n[static_cast<size_t>(j)];
            if (!rows && columnOf(a, l) == columnOf(b, l) && std::abs(rowOf(a, l) - rowOf(b, l)) == 1)
                ++pairs[columnOf(a, l)];
            if (rows && rowOf(a, l) == rowOf(b, l) && std::abs(columnOf(a, l) - columnOf(b, l)) == 1)
                ++pairs[rowOf(a, l)];
        }
    return pairs;
}

std::string twoDigits(int v)
{
    return (v < 10 ? "0" : "") + std::to_string(v);
}

std::string channelText(int c, const Layout& l)
{
    return twoDigits(c) + " [" + std::to_string(l.channelSize * (c - 1) + 1) + "-" + std::to_string(c * l.channelSize) +
           "]";
}

} // namespace

std::vector<std::string> methodIds(const Layout& l)
{
    std::vector<std::string> ids{"CHAN", "CHNV", "CHNC", "COLS", "ROWS", "COLV", "ROWV", "COLN", "ROWN",
                                 "COLM", "ROWM", "COLA", "ROWA", "COLC", "ROWC", "SGMS", "SGMV", "SGMC"};
    for (const char* family : {"KC", "KF", "KR", "KG"})
        for (const char* rule : {"M", "S"})
            for (int k = 2; k <= 4; ++k)
                ids.push_back(std::string(family) + rule + std::to_string(k));
    for (int c = 1; c <= channelCount(l); ++c)
        ids.push_back("CHN" + std::to_string(c));
    for (int c = 1; c <= l.cols; ++c)
        ids.push_back("COL" + std::to_string(c));
    for (int r = 1; r <= rowCount(l); ++r)
        ids.push_back("ROW" + std::to_string(r));
    int lo = 9, hi = 1;
    for (int n = 1; n <= 45; ++n) {
        lo = std::min(lo, segmentOf(n, l));
        hi = std::max(hi, segmentOf(n, l));
    }
    for (int s = lo; s <= hi; ++s)
        ids.push_back("SGM" + std::to_string(s));
    return ids;
}

bool hasFullSet(const std::string& id)
{
    return !tupleOf(id).tuple;
}

std::vector<Key> numbersValues(const std::string& id, const Layout& l, const Six& n)
{
    std::vector<Key> out;
    const TupleId t = tupleOf(id);
    if (t.tuple) {
        std::array<int, 6> g{};
        for (size_t i = 0; i < 6; ++i)
            g[i] = groupOf(t.side, n[i], l);
        auto add = [&](const std::vector<int>& positions) {
            Key k{};
            for (size_t j = 0; j < positions.size(); ++j)
                k[j] = static_cast<int16_t>(g[static_cast<size_t>(positions[j])]);
            out.push_back(k);
        };
        if (!t.mix) {
            for (int i = 0; i + t.k <= 6; ++i) {
                std::vector<int> run;
                for (int j = 0; j < t.k; ++j)
                    run.push_back(i + j);
                add(run);
            }
            return out;
        }
        // Subsets of positions in lexicographic order: walk all 6-bit masks with k
        // bits in the order of their position lists.
        std::vector<std::vector<int>> subsets;
        for (int mask = 0; mask < 64; ++mask) {
            std::vector<int> s;
            for (int i = 0; i < 6; ++i)
                if (mask & (1 << i))
                    s.push_back(i);
            if (static_cast<int>(s.size()) == t.k)
                subsets.push_back(s);
        }
        std::sort(subsets.begin(), subsets.end());
        for (const auto& s : subsets)
            add(s);
        return out;
    }

    auto each = [&](Side side) {
        for (int x : n)
            out.push_back(partsKey(groupOf(side, x, l)));
    };
    auto counts = [&](Side side) {
        for (int g : groupsOf(side, l)) {
            int c = 0;
            for (int x : n)
                c += groupOf(side, x, l) == g;
            out.push_back(partsKey(g, c));
        }
    };
    auto occupied = [&](Side side) {
        std::set<int> s;
        for (int x : n)
            s.insert(groupOf(side, x, l));
        out.push_back(partsKey(static_cast<int>(s.size())));
    };
    auto countIn = [&](Side side, int g) {
        int c = 0;
        for (int x : n)
            c += groupOf(side, x, l) == g;
        out.push_back(partsKey(c));
    };
    auto mask = [&](Side side, int width) {
        uint64_t m = 0;
        for (int g = 1; g <= width; ++g) {
            bool occ = false;
            for (int x : n)
                occ = occ || groupOf(side, x, l) == g;
            m = m * 2 + (occ ? 1 : 0);
        }
        const uint32_t low = static_cast<uint32_t>(m);
        const uint32_t high = static_cast<uint32_t>(m >> 32);
        out.push_back({static_cast<int16_t>(low & 0xFFFF), static_cast<int16_t>(low >> 16),
                       static_cast<int16_t>(high & 0xFFFF), static_cast<int16_t>(high >> 16)});
    };

    if (id == "CHAN")
        each(Side::Channels);
    else if (id == "CHNV")
        counts(Side::Channels);
    else if (id == "CHNC")
        occupied(Side::Channels);
    else if (id == "COLS")
        each(Side::Columns);
    else if (id == "ROWS")
        each(Side::Rows);
    else if (id == "COLV")
        counts(Side::Columns);
    else if (id == "ROWV")
        counts(Side::Rows);
    else if (id == "COLN")
        occupied(Side::Columns);
    else if (id == "ROWN")
        occupied(Side::Rows);
    else if (id == "COLM")
        mask(Side::Columns, l.cols);
    else if (id == "ROWM")
        mask(Side::Rows, rowCount(l));
    else if (id == "COLA" || id == "ROWA") {
        for (const auto& [g, pairs] : neighbourPairs(id == "ROWA", n, l))
            out.push_back(partsKey(g, pairs + 1));
    } else if (id == "COLC" || id == "ROWC")
        out.push_back(partsKey(static_cast<int>(neighbourPairs(id == "ROWC", n, l).size())));
    else if (id == "SGMS")
        each(Side::Segments);
    else if (id == "SGMV")
        counts(Side::Segments);
    else if (id == "SGMC")
        occupied(Side::Segments);
    else if (isCountIn(id, "CHN"))
        countIn(Side::Channels, paramOf(id));
    else if (isCountIn(id, "COL"))
        countIn(Side::Columns, paramOf(id));
    else if (isCountIn(id, "ROW"))
        countIn(Side::Rows, paramOf(id));
    else if (isCountIn(id, "SGM"))
        countIn(Side::Segments, paramOf(id));
    else
        throw std::runtime_error("unknown method " + id);
    return out;
}

std::vector<Key> seeds(const std::string& id, const Layout& l)
{
    std::vector<Key> s;
    auto range = [&](int from, int to) {
        for (int v = from; v <= to; ++v)
            s.push_back(partsKey(v));
    };
    auto pairs = [&](int groups, int upTo) {
        for (int g = 1; g <= groups; ++g)
            for (int k = 0; k <= upTo; ++k)
                s.push_back(partsKey(g, k));
    };
    const int c = l.cols, r = rowCount(l), size = l.channelSize;
    if (id == "CHAN")
        range(1, channelCount(l));
    else if (id == "CHNV")
        pairs(channelCount(l), std::min(size, 6));
    else if (id == "CHNC")
        range(1, std::min(size, 6));
    else if (id == "COLS")
        range(1, c);
    else if (id == "ROWS")
        range(1, r);
    else if (id == "COLV")
        pairs(c, std::min(r, 6));
    else if (id == "ROWV")
        pairs(r, std::min(c, 6));
    else if (id == "COLN")
        range(1, std::min(c, 6));
    else if (id == "ROWN")
        range(1, std::min(r, 6));
    else if (id == "SGMS")
        for (int g : groupsOf(Side::Segments, l))
            s.push_back(partsKey(g));
    else if (isCountIn(id, "CHN"))
        range(1, size);
    else if (isCountIn(id, "COL"))
        range(1, r);
    else if (isCountIn(id, "ROW"))
        range(1, c);
    return s;
}

std::string valueText(const std::string& id, const Layout& l, const Key& key)
{
    const TupleId t = tupleOf(id);
    if (t.tuple) {
        std::string text = std::to_string(key[0]);
        for (int j = 1; j < t.k; ++j)
            text += ":" + std::to_string(key[static_cast<size_t>(j)]);
        return text;
    }
    if (id == "CHAN")
        return channelText(key[0], l);
    if (id == "CHNV")
        return channelText(key[0], l) + " x " + std::to_string(key[1]);
    if (id == "COLV" || id == "ROWV" || id == "COLA" || id == "ROWA" || id == "SGMV")
        return std::to_string(key[0]) + " x " + std::to_string(key[1]);
    if (id == "COLM" || id == "ROWM") {
        const uint64_t m = uint64_t{static_cast<uint16_t>(key[0])} | uint64_t{static_cast<uint16_t>(key[1])} << 16 |
                           uint64_t{static_cast<uint16_t>(key[2])} << 32 |
                           uint64_t{static_cast<uint16_t>(key[3])} << 48;
        const int width = id == "COLM" ? l.cols : rowCount(l);
        std::string bits;
        for (int b = 0; b < width; ++b)
            bits = ((m >> b) & 1 ? "1" : "0") + bits;
        std::string number = std::to_string(m);
        while (number.size() < 3)
            number = "0" + number;
        return bits + " (" + number + ")";
    }
    return std::to_string(key[0]);
}

Distribution fullSetDistribution(const std::string& id, const Layout& l)
{
    return reference::countOverFullSet([&](const Six& c) { return numbersValues(id, l, c); });
}

std::vector<TableRow> statisticsTable(const std::string& id, const Layout& l, const std::vector<Draw>& draws,
                                      const TableRequest& request)
{
    reference::TableInput input;
    input.seeds = seeds(id, l);
    // Every value of a draw measures a gap.
    input.valuesOf = [&](int index) {
        std::vector<reference::DrawValue> out;
        for (const Key& key :
             numbersValues(id, l, reference::ballsOf(draws[static_cast<size_t>(index)], request.sorted)))
            out.push_back({key});
        return out;
    };
    input.text = [&](const Key& key) { return valueText(id, l, key); };
    Distribution fullSet;
    if (request.fullSet && hasFullSet(id)) {
        fullSet = fullSetDistribution(id, l);
        input.fullSet = &fullSet;
    }
    return reference::buildTable(draws, input, request);
}

} // namespace belvane::layoutref
