#include "reference/layout_stats_reference.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
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

// ---- the statistics table ----------------------------------------------------------

struct Record {
    Key key{};
    int lastDraw = 0;
    int ago = 0;
    int prevDraw = 0;
    int minGap = 0;
    int maxGap = 0;
    int64_t count = 0;
    int64_t expected = 0;
};

void accumulate(std::vector<Record>& records, const Record& rec, bool trackGap)
{
    for (Record& e : records) {
        if (e.key != rec.key)
            continue;
        e.count += rec.count;
        if (e.ago == 0 || (rec.ago > 0 && e.ago >= rec.ago)) {
            e.lastDraw = rec.lastDraw;
            e.ago = rec.ago;
        }
        if (trackGap && rec.lastDraw > 0 && e.prevDraw > 0) {
            const int gap = std::abs(e.prevDraw - rec.lastDraw) & 0xFFFF;
            if (gap < e.minGap || e.minGap == 0)
                e.minGap = gap;
            if (gap > e.maxGap || e.maxGap == 0)
                e.maxGap = gap;
        }
        e.prevDraw = rec.lastDraw;
        return;
    }
    records.push_back(rec);
}

int64_t roundHalfEven(int64_t num, int64_t den)
{
    int64_t q = num / den;
    int64_t r = num % den;
    if (r < 0) {
        --q;
        r += den;
    }
    if (2 * r > den || (2 * r == den && q % 2 != 0))
        ++q;
    return q;
}

std::string fixed(long double v, int digits)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", digits, static_cast<double>(v));
    return buf;
}

std::string signedText(int64_t v)
{
    return v > 0 ? "+" + std::to_string(v) : std::to_string(v);
}

Six ballsOf(const Draw& d, bool sorted)
{
    Six b = d.balls;
    if (sorted)
        std::sort(b.begin(), b.end());
    return b;
}

} // namespace

bool UnsignedKeyLess::operator()(const Key& a, const Key& b) const
{
    for (size_t i = 0; i < 4; ++i)
        if (a[i] != b[i])
            return static_cast<uint16_t>(a[i]) < static_cast<uint16_t>(b[i]);
    return false;
}

std::vector<Draw> readDrawsCsv(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path.string());
    std::vector<Draw> draws;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        std::vector<std::string> fields;
        std::stringstream ss(line);
        for (std::string f; std::getline(ss, f, ';');)
            fields.push_back(f);
        if (fields.size() != 9)
            throw std::runtime_error("bad CSV line " + line);
        Draw d;
        d.number = std::stoi(fields[0]);
        for (size_t i = 0; i < 6; ++i)
            d.balls[i] = std::stoi(fields[2 + i]);
        draws.push_back(d);
    }
    return draws;
}

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
    Distribution dist;
    Six c{};
    for (c[0] = 1; c[0] <= 40; ++c[0])
        for (c[1] = c[0] + 1; c[1] <= 41; ++c[1])
            for (c[2] = c[1] + 1; c[2] <= 42; ++c[2])
                for (c[3] = c[2] + 1; c[3] <= 43; ++c[3])
                    for (c[4] = c[3] + 1; c[4] <= 44; ++c[4])
                        for (c[5] = c[4] + 1; c[5] <= 45; ++c[5])
                            for (const Key& k : numbersValues(id, l, c))
                                ++dist[k];
    return dist;
}

std::vector<TableRow> statisticsTable(const std::string& id, const Layout& l, const std::vector<Draw>& draws,
                                      const TableRequest& request)
{
    const int n = static_cast<int>(draws.size());
    const int last = n - 1 - request.offset;
    const int first = std::max(0, last - request.len + 1);
    const int windowSize = last >= first ? last - first + 1 : 0;

    // The values of every draw of the archive, each worked out once.
    std::vector<std::vector<Key>> keysOf(static_cast<size_t>(n));
    std::vector<bool> known(static_cast<size_t>(n), false);
    auto drawKeys = [&](int index) -> const std::vector<Key>& {
        const auto i = static_cast<size_t>(index);
        if (!known[i]) {
            keysOf[i] = numbersValues(id, l, ballsOf(draws[i], request.sorted));
            known[i] = true;
        }
        return keysOf[i];
    };

    std::vector<Record> records;
    for (const Key& k : seeds(id, l))
        accumulate(records, Record{.key = k}, false);
    for (int index = first; index <= last; ++index) {
        const Draw& d = draws[static_cast<size_t>(index)];
        for (const Key& key : drawKeys(index)) {
            Record rec;
            rec.key = key;
            rec.lastDraw = d.number;
            rec.prevDraw = d.number;
            rec.ago = last - index + 1;
            rec.count = 1;
            accumulate(records, rec, true); // every value of a draw measures a gap
        }
    }

    int64_t total = 0;
    int64_t minCount = records.empty() ? 0 : records.front().count;
    int64_t maxCount = minCount;
    int largestAgo = 0;
    for (const Record& r : records) {
        total += r.count;
        minCount = std::min(minCount, r.count);
        maxCount = std::max(maxCount, r.count);
        largestAgo = std::max(largestAgo, r.ago);
    }

    const bool withFullSet = request.fullSet && hasFullSet(id);
    if (withFullSet) {
        const Distribution dist = fullSetDistribution(id, l);
        int64_t fileMin = dist.begin()->second;
        int64_t fileMax = fileMin;
        for (const auto& [key, count] : dist) {
            fileMin = std::min(fileMin, count);
            fileMax = std::max(fileMax, count);
        }
        for (const auto& [key, count] : dist)
            for (Record& r : records)
                if (r.key == key)
                    r.expected = fileMin == fileMax ? roundHalfEven(count * (minCount + maxCount), 2 * fileMax)
                                                    : roundHalfEven(count * maxCount, fileMax);
    }

    // The weight coefficients a fresh configuration holds: count 0, deviation -1, level 1.
    const long double kCount = 0, kDeviation = -1, kLevel = 1;

    auto nextOccurrence = [&](const Key& key, int afterNumber) {
        int start = -1;
        for (int i = 0; i < n; ++i)
            if (draws[static_cast<size_t>(i)].number == afterNumber)
                start = i;
        if (start < 0)
            return -1;
        for (int i = start + 1; i < n; ++i)
            for (const Key& k : drawKeys(i))
                if (k == key)
                    return draws[static_cast<size_t>(i)].number;
        return -1;
    };

    std::vector<TableRow> rows;
    for (const Record& r : records) {
        TableRow row;
        row.fill("-");
        row[0] = valueText(id, l, r.key);
        row[1] = std::to_string(r.count);
        if (total != 0)
            row[2] = fixed(static_cast<long double>(r.count) * 100 / total, 5);
        if (withFullSet) {
            row[3] = std::to_string(r.expected);
            row[4] = std::to_string(r.count - r.expected);
            row[5] = r.expected != 0 ? fixed(static_cast<long double>(r.count - r.expected) * 100 / r.expected, 5)
                                     : fixed(r.count != 0 ? 100 : 0, 5);
        }
        if (r.ago == 0) {
            rows.push_back(row);
            continue;
        }
        row[6] = std::to_string(r.ago);
        row[7] = fixed(static_cast<long double>(r.ago) * 100 / largestAgo, 2);
        const long double deviation = withFullSet ? static_cast<long double>(r.count - r.expected) : 0;
        row[8] = fixed(kCount * r.count + kDeviation * deviation + kLevel * r.ago, 2);
        row[9] = std::to_string(r.lastDraw);
        int64_t duePrd = 0;
        if (r.count >= 2) {
            row[10] = std::to_string(r.minGap);
            row[11] = fixed(static_cast<long double>(windowSize) / r.count, 4);
            row[12] = std::to_string(r.maxGap);
            duePrd = roundHalfEven(windowSize + int64_t{r.lastDraw} * r.count, r.count);
            row[13] = std::to_string(duePrd);
        }
        const int64_t dueStf = roundHalfEven((r.count + 1) * r.lastDraw, r.count);
        const int64_t dueKrn = roundHalfEven((r.count + 2) * (int64_t{r.lastDraw} + 1), r.count + 1);
        row[14] = std::to_string(dueStf);
        row[15] = std::to_string(dueKrn);
        const int fact = nextOccurrence(r.key, r.lastDraw);
        if (fact >= 0) {
            row[16] = std::to_string(fact);
            if (r.count >= 2)
                row[17] = signedText(duePrd - fact);
            row[18] = signedText(dueStf - fact);
            row[19] = signedText(dueKrn - fact);
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace belvane::layoutref
