#include "reference/sum_diff_reference.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>
#include <stdexcept>

namespace belvane::sumdiff {
namespace {

// ---- keys -----------------------------------------------------------------

// A 32-bit integer kept in two 16-bit parts, the low half first.
void putInt(Key& k, size_t at, int32_t v)
{
    const auto u = static_cast<uint32_t>(v);
    k[at] = static_cast<int16_t>(u & 0xFFFF);
    k[at + 1] = static_cast<int16_t>(u >> 16);
}

int32_t getInt(const Key& k, size_t at)
{
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint16_t>(k[at])) |
                                static_cast<uint32_t>(static_cast<uint16_t>(k[at + 1])) << 16);
}

Key intKey(int32_t low, int32_t high = 0)
{
    Key k{};
    putInt(k, 0, low);
    putInt(k, 2, high);
    return k;
}

Key partsKey(int a, int b = 0, int c = 0, int d = 0)
{
    return {static_cast<int16_t>(a), static_cast<int16_t>(b), static_cast<int16_t>(c), static_cast<int16_t>(d)};
}

// ---- the numbers a method looks at -------------------------------------------

using Six = std::array<int, 6>;

int sumOf(const Six& n)
{
    int s = 0;
    for (int x : n)
        s += x;
    return s;
}

bool isPrime(int n)
{
    static const int primes[] = {1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43};
    return std::find(std::begin(primes), std::end(primes), n) != std::end(primes);
}

std::array<int, 5> diffsOf(const Six& n)
{
    std::array<int, 5> d{};
    for (int i = 0; i < 5; ++i)
        d[static_cast<size_t>(i)] = std::abs(n[static_cast<size_t>(i + 1)] - n[static_cast<size_t>(i)]);
    return d;
}

// Difference -> how many of d1..d5 have it, in order of first appearance.
std::vector<std::pair<int, int>> tallyOf(const std::array<int, 5>& d)
{
    std::vector<std::pair<int, int>> tally;
    for (int x : d) {
        auto it = std::find_if(tally.begin(), tally.end(), [&](const auto& e) { return e.first == x; });
        if (it == tally.end())
            tally.emplace_back(x, 1);
        else
            ++it->second;
    }
    return tally;
}

struct SumRange {
    int low, high;
};

SumRange rangeOf(const std::string& id)
{
    if (id == "SUM1")
        return {93, 183};
    if (id == "SUM2")
        return {102, 174};
    return {110, 166};
}

bool isRange(const std::string& id)
{
    return id == "SUM1" || id == "SUM2" || id == "SUM3";
}

Six ballsOf(const Draw& d, bool sorted)
{
    Six b = d.balls;
    if (sorted)
        std::sort(b.begin(), b.end());
    return b;
}

// The sum of the draw at array position i; an all-zero draw outside the archive.
int sumAt(const std::vector<Draw>& draws, int i)
{
    return i < 0 || i >= static_cast<int>(draws.size()) ? 0 : sumOf(draws[static_cast<size_t>(i)].balls);
}

std::string twoDigits(int64_t v)
{
    return (v < 10 ? "0" : "") + std::to_string(v);
}

// ---- the statistics table --------------------------------------------------------

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

// num / den rounded to the nearest integer, halves to even (den > 0).
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

const std::vector<std::string>& methodIds()
{
    static const std::vector<std::string> ids{"SUMS", "SUM1", "SUM2", "SUM3", "SUMC", "SUMV", "SUMT", "SUME", "SUMP",
                                              "S2T3", "DIFA", "DIFM", "DIFD", "DIFO", "DIFK", "KDS2", "KDS3", "KDS4"};
    return ids;
}

bool hasFullSet(const std::string& id)
{
    return id != "SUMC" && id != "SUMV" && id != "SUMT" && id.rfind("KDS", 0) != 0;
}

std::vector<Key> numbersValues(const std::string& id, const Six& n)
{
    if (id == "SUMS")
        return {intKey(sumOf(n))};
    if (isRange(id)) {
        const SumRange r = rangeOf(id);
        return {partsKey(sumOf(n) >= r.low && sumOf(n) <= r.high ? 1 : 0)};
    }
    if (id == "SUME" || id == "SUMP") {
        int s = 0;
        for (int x : n)
            if (id == "SUME" ? x % 2 == 0 : isPrime(x))
                s += x;
        return {intKey(s)};
    }
    if (id == "S2T3") {
        int triples = 0;
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j)
                for (int k = j + 1; k < 6; ++k)
                    if (j != i && k != i && n[size_t(j)] + n[size_t(k)] == n[size_t(i)])
                        ++triples;
        return {partsKey(triples)};
    }
    const auto d = diffsOf(n);
    if (id == "DIFA") {
        std::vector<Key> keys;
        for (int x : d)
            keys.push_back(partsKey(x));
        return keys;
    }
    if (id == "DIFM")
        return {partsKey(*std::max_element(d.begin(), d.end()))};
    if (id == "DIFD")
        return {partsKey(*std::max_element(n.begin(), n.end()) - *std::min_element(n.begin(), n.end()))};
    if (id == "DIFO" || id == "DIFK") {
        const auto tally = tallyOf(d);
        if (id == "DIFK") {
            int most = 0;
            for (const auto& [diff, times] : tally)
                most = std::max(most, times);
            return {partsKey(most)};
        }
        std::vector<Key> keys;
        for (const auto& [diff, times] : tally)
            keys.push_back(partsKey(diff, times));
        return keys;
    }
    if (id == "KDS2" || id == "KDS3" || id == "KDS4") {
        const int k = id[3] - '0';
        std::vector<Key> keys;
        for (int w = 0; w + k <= 5; ++w) {
            Key key{};
            for (int i = 0; i < k; ++i)
                key[size_t(i)] = static_cast<int16_t>(d[size_t(w + i)]);
            keys.push_back(key);
        }
        return keys;
    }
    throw std::invalid_argument("unknown method " + id);
}

std::vector<DrawValue> drawValues(const std::string& id, const std::vector<Draw>& draws, int index, int last,
                                  bool sorted)
{
    const int cur = sumAt(draws, index);
    const int prev = sumAt(draws, index - 1);
    const int ref = sumAt(draws, last);
    if (id == "SUMC")
        return prev == ref ? std::vector<DrawValue>{{intKey(prev, cur)}} : std::vector<DrawValue>{};
    if (id == "SUMV")
        return ref >= prev - 23 && ref <= prev + 23 ? std::vector<DrawValue>{{intKey(cur - prev)}}
                                                    : std::vector<DrawValue>{};
    if (id == "SUMT")
        return prev == ref ? std::vector<DrawValue>{{intKey(cur > prev   ? 1
                                                            : cur < prev ? -1
                                                                         : 0)}}
                           : std::vector<DrawValue>{};

    std::vector<DrawValue> out;
    const auto keys = numbersValues(id, ballsOf(draws[static_cast<size_t>(index)], sorted));
    // Where one value may come several times in a draw, only the first value measures a gap.
    const bool firstOnly = id == "DIFA" || id.rfind("KDS", 0) == 0;
    for (size_t i = 0; i < keys.size(); ++i)
        out.push_back({keys[i], !firstOnly || i == 0});
    return out;
}

std::vector<Key> seeds(const std::string& id)
{
    std::vector<Key> s;
    if (id == "SUMS")
        for (int v = 21; v <= 255; ++v)
            s.push_back(intKey(v));
    if (isRange(id))
        s = {partsKey(0), partsKey(1)};
    if (id == "SUMT")
        s = {intKey(0), intKey(1), intKey(-1)};
    if (id == "DIFA" || id == "DIFM" || id == "DIFD")
        for (int v = 1; v <= 44; ++v)
            s.push_back(partsKey(v));
    if (id == "DIFK")
        for (int v = 1; v <= 5; ++v)
            s.push_back(partsKey(v));
    return s;
}

std::string valueText(const std::string& id, const Key& key)
{
    if (isRange(id)) {
        const SumRange r = rangeOf(id);
        return key[0] != 0 ? std::to_string(r.low) + "-" + std::to_string(r.high) : "Остальные";
    }
    if (id == "SUMC") {
        const int64_t a = getInt(key, 0);
        const int64_t b = getInt(key, 2);
        if (b < a)
            return "- " + twoDigits(a - b) + " : " + std::to_string(a) + " - " + std::to_string(a - b) + " = " +
                   std::to_string(b);
        return "+" + twoDigits(b - a) + " : " + std::to_string(a) + " + " + std::to_string(b - a) + " = " +
               std::to_string(b);
    }
    if (id == "SUMV") {
        const int64_t v = getInt(key, 0);
        return v < 0 ? "- " + twoDigits(-v) : "+" + twoDigits(v);
    }
    if (id == "SUMT") {
        const int32_t v = getInt(key, 0);
        return v == 0 ? "=" : v > 0 ? "+" : "-";
    }
    if (id == "SUMS" || id == "SUME" || id == "SUMP")
        return std::to_string(getInt(key, 0));
    if (id == "DIFO")
        return std::to_string(key[0]) + " x " + std::to_string(key[1]);
    if (id.rfind("KDS", 0) == 0) {
        std::string text = std::to_string(key[0]);
        for (int i = 1; i < id[3] - '0'; ++i)
            text += ":" + std::to_string(key[size_t(i)]);
        return text;
    }
    return std::to_string(key[0]);
}

const Distribution& fullSetDistribution(const std::string& id)
{
    static std::mutex guard;
    static std::map<std::string, Distribution> cache;
    const std::lock_guard lock(guard);
    if (auto it = cache.find(id); it != cache.end())
        return it->second;
    Distribution dist;
    Six c{};
    for (c[0] = 1; c[0] <= 40; ++c[0])
        for (c[1] = c[0] + 1; c[1] <= 41; ++c[1])
            for (c[2] = c[1] + 1; c[2] <= 42; ++c[2])
                for (c[3] = c[2] + 1; c[3] <= 43; ++c[3])
                    for (c[4] = c[3] + 1; c[4] <= 44; ++c[4])
                        for (c[5] = c[4] + 1; c[5] <= 45; ++c[5])
                            for (const Key& k : numbersValues(id, c))
                                ++dist[k];
    return cache[id] = std::move(dist);
}

std::vector<TableRow> statisticsTable(const std::string& id, const std::vector<Draw>& draws,
                                      const TableRequest& request)
{
    const int n = static_cast<int>(draws.size());
    const int last = n - 1 - request.offset;
    const int first = std::max(0, last - request.len + 1);
    const int windowSize = last >= first ? last - first + 1 : 0;

    std::vector<Record> records;
    for (const Key& k : seeds(id))
        accumulate(records, Record{.key = k}, false);
    for (int index = first; index <= last; ++index) {
        const Draw& d = draws[static_cast<size_t>(index)];
        for (const DrawValue& v : drawValues(id, draws, index, last, request.sorted)) {
            Record rec;
            rec.key = v.key;
            rec.lastDraw = d.number;
            rec.prevDraw = d.number;
            rec.ago = last - index + 1;
            rec.count = 1;
            accumulate(records, rec, v.trackGap);
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
        const Distribution& dist = fullSetDistribution(id);
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
            for (const DrawValue& v : drawValues(id, draws, i, last, request.sorted))
                if (v.key == key)
                    return draws[static_cast<size_t>(i)].number;
        return -1;
    };

    std::vector<TableRow> rows;
    for (const Record& r : records) {
        TableRow row;
        row.fill("-");
        row[0] = valueText(id, r.key);
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

} // namespace belvane::sumdiff
