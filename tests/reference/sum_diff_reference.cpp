#include "reference/sum_diff_reference.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <mutex>
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

// The sum of the draw at array position i; an all-zero draw outside the archive.
int sumAt(const std::vector<Draw>& draws, int i)
{
    return i < 0 || i >= static_cast<int>(draws.size()) ? 0 : sumOf(draws[static_cast<size_t>(i)].balls);
}

std::string twoDigits(int64_t v)
{
    return (v < 10 ? "0" : "") + std::to_string(v);
}

} // namespace

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
    const auto keys = numbersValues(id, reference::ballsOf(draws[static_cast<size_t>(index)], sorted));
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
    Distribution dist = reference::countOverFullSet([&](const Six& c) { return numbersValues(id, c); });
    return cache[id] = std::move(dist);
}

std::vector<TableRow> statisticsTable(const std::string& id, const std::vector<Draw>& draws,
                                      const TableRequest& request)
{
    const int last = reference::windowOf(static_cast<int>(draws.size()), request).last;
    reference::TableInput input;
    input.seeds = seeds(id);
    input.valuesOf = [&](int index) { return drawValues(id, draws, index, last, request.sorted); };
    input.text = [&](const Key& key) { return valueText(id, key); };
    if (request.fullSet && hasFullSet(id))
        input.fullSet = &fullSetDistribution(id);
    return reference::buildTable(draws, input, request);
}

} // namespace belvane::sumdiff
