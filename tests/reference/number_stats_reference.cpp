#include "reference/number_stats_reference.h"

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <stdexcept>

namespace belvane::reference {
namespace {

// ---------------------------------------------------------------------------------------
// The methods.

bool isPrime(int n)
{
    static const int primes[] = {1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43};
    return std::find(std::begin(primes), std::end(primes), n) != std::end(primes);
}

bool isEven(int n)
{
    return n % 2 == 0;
}
bool isSmall(int n)
{
    return n <= 22;
}

int countOf(const std::array<int, 6>& balls, bool (*test)(int))
{
    int c = 0;
    for (int n : balls)
        c += test(n) ? 1 : 0;
    return c;
}

int maskOf(const std::array<int, 6>& balls, bool (*bitSet)(int))
{
    int mask = 0;
    for (int n : balls)
        mask = mask * 2 + (bitSet(n) ? 1 : 0);
    return mask;
}

bool isOdd(int n)
{
    return n % 2 != 0;
}
bool isLarge(int n)
{
    return n >= 23;
}

void appendValues(const NumberMethod& m, const std::array<int, 6>& balls, int extra, std::vector<int>& out)
{
    const std::string& id = m.id;
    if (id == "NUMS") {
        out.insert(out.end(), balls.begin(), balls.end());
    } else if (id == "DIGS") {
        for (int n : balls)
            for (char c : std::to_string(n))
                out.push_back(c - '0');
    } else if (id == "EVEN") {
        out.push_back(countOf(balls, isEven));
    } else if (id == "EVNV") {
        out.push_back(maskOf(balls, isOdd));
    } else if (id == "SMAL") {
        out.push_back(countOf(balls, isSmall));
    } else if (id == "SMLV") {
        out.push_back(maskOf(balls, isLarge));
    } else if (id == "PRIM") {
        out.push_back(countOf(balls, isPrime));
    } else if (id == "PRMV") {
        out.push_back(maskOf(balls, isPrime));
    } else if (m.position > 0) {
        out.push_back(balls[static_cast<std::size_t>(m.position - 1)]);
    } else if (id == "POE1") {
        out.push_back(extra);
    } else {
        throw std::logic_error("reference: unknown method " + id);
    }
}

std::string maskText(int mask, const char* zero, const char* one)
{
    std::string letters;
    for (int bit = 5; bit >= 0; --bit)
        letters += (mask >> bit) & 1 ? one : zero;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", mask);
    return letters + " (" + digits + ")";
}

std::vector<int> range(int from, int to)
{
    std::vector<int> v;
    for (int i = from; i <= to; ++i)
        v.push_back(i);
    return v;
}

} // namespace

std::vector<int> NumberMethod::values(const std::array<int, 6>& balls, int extra) const
{
    std::vector<int> out;
    appendValues(*this, balls, extra, out);
    return out;
}

std::string NumberMethod::text(int value) const
{
    if (id == "EVEN" || id == "SMAL" || id == "PRIM")
        return std::to_string(value) + ":" + std::to_string(6 - value);
    if (id == "EVNV")
        return maskText(value, "Ч", "н");
    if (id == "SMLV")
        return maskText(value, "1", "2");
    if (id == "PRMV")
        return maskText(value, "С", "П");
    return std::to_string(value);
}

const std::vector<NumberMethod>& numberMethods()
{
    static const std::vector<NumberMethod> methods = [] {
        std::vector<NumberMethod> v{
            {"NUMS", range(1, 45)}, {"DIGS", {}}, {"EVEN", range(1, 6)}, {"EVNV", range(0, 63)},
            {"SMAL", range(1, 6)},  {"SMLV", {}}, {"PRIM", range(1, 6)}, {"PRMV", range(0, 63)},
        };
        for (int p = 1; p <= 6; ++p)
            v.push_back({"POS" + std::to_string(p), range(1, 45), true, p});
        v.push_back({"POE1", {}, false});
        return v;
    }();
    return methods;
}

const NumberMethod& numberMethod(const std::string& id)
{
    for (const auto& m : numberMethods())
        if (m.id == id)
            return m;
    throw std::invalid_argument("reference: no method " + id);
}

const std::map<int, std::int64_t>& fullSetDistribution(const NumberMethod& method)
{
    static std::mutex guard;
    static std::map<std::string, std::map<int, std::int64_t>> cache;
    const std::lock_guard lock(guard);
    if (auto it = cache.find(method.id); it != cache.end())
        return it->second;

    // Every value of these methods lies in 0..63, so a plain array does the counting.
    std::array<std::int64_t, 64> counts{};
    std::vector<int> values;
    forEachCombination([&](const std::array<int, 6>& c) {
        values.clear();
        appendValues(method, c, 0, values);
        for (int v : values)
            ++counts.at(static_cast<std::size_t>(v));
    });
    std::map<int, std::int64_t> dist;
    for (int v = 0; v < 64; ++v)
        if (counts[static_cast<std::size_t>(v)] > 0)
            dist[v] = counts[static_cast<std::size_t>(v)];
    return cache[method.id] = std::move(dist);
}

std::vector<TableRow> statisticsTable(const NumberMethod& method, const std::vector<Draw>& draws,
                                      const TableRequest& request)
{
    TableInput input;
    for (int v : method.seeds)
        input.seeds.push_back(Key{static_cast<int16_t>(v), 0, 0, 0});
    input.valuesOf = [&](int index) {
        const Draw& d = draws[static_cast<std::size_t>(index)];
        std::vector<DrawValue> out;
        for (int v : method.values(ballsOf(d, request.sorted), d.extra))
            out.push_back({Key{static_cast<int16_t>(v), 0, 0, 0}});
        return out;
    };
    input.text = [&](const Key& key) { return method.text(key[0]); };
    Distribution fullSet;
    if (request.fullSet && method.fullSet) {
        for (const auto& [value, n] : fullSetDistribution(method))
            fullSet[Key{static_cast<int16_t>(value), 0, 0, 0}] = n;
        input.fullSet = &fullSet;
    }
    return buildTable(draws, input, request);
}

} // namespace belvane::reference
