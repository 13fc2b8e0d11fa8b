#include "reference/number_stats_reference.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>
#include <stdexcept>

namespace belvane::reference {
namespace {

// ---------------------------------------------------------------------------------------
// Numbers as the table shows them.

// The cells the table rounds to integers ("round(...)") are decided on the exact value of
// the quotient, halves going to the even neighbour.
std::int64_t roundHalfEven(std::int64_t num, std::int64_t den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const bool negative = num < 0;
    const std::int64_t magnitude = negative ? -num : num;
    std::int64_t q = magnitude / den;
    const std::int64_t r2 = 2 * (magnitude % den);
    if (r2 > den || (r2 == den && q % 2 != 0))
        ++q;
    return negative ? -q : q;
}

// The "%.Nf" cells print a real number computed in double precision.
std::string fixed(double value, int digits)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", digits, value);
    return buf;
}

double quotient(std::int64_t num, std::int64_t den)
{
    return static_cast<double>(num) / static_cast<double>(den);
}

std::string signedDiff(std::int64_t diff)
{
    return diff > 0 ? "+" + std::to_string(diff) : std::to_string(diff);
}

// ---------------------------------------------------------------------------------------
// Value records and their accumulation, written out literally.

struct ValueRecord {
    int key = 0;
    int lastDraw = 0;
    int ago = 0;
    int prevDraw = 0;
    int minGap = 0;
    int maxGap = 0;
    std::int64_t count = 0;
    std::int64_t expected = 0;
};

void accumulate(std::vector<ValueRecord>& records, const ValueRecord& rec, bool trackGaps)
{
    for (auto& e : records) {
        if (e.key != rec.key)
            continue;
        e.count += rec.count;
        if (e.ago == 0 || (rec.ago > 0 && e.ago >= rec.ago)) {
            e.lastDraw = rec.lastDraw;
            e.ago = rec.ago;
        }
        if (trackGaps && rec.lastDraw > 0 && e.prevDraw > 0) {
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

std::array<int, 6> ballsAsUsed(const Draw& d, bool sorted)
{
    auto balls = d.balls;
    if (sorted)
        std::sort(balls.begin(), balls.end());
    return balls;
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
    std::array<int, 6> c{};
    for (c[0] = 1; c[0] <= 40; ++c[0])
        for (c[1] = c[0] + 1; c[1] <= 41; ++c[1])
            for (c[2] = c[1] + 1; c[2] <= 42; ++c[2])
                for (c[3] = c[2] + 1; c[3] <= 43; ++c[3])
                    for (c[4] = c[3] + 1; c[4] <= 44; ++c[4])
                        for (c[5] = c[4] + 1; c[5] <= 45; ++c[5]) {
                            values.clear();
                            appendValues(method, c, 0, values);
                            for (int v : values)
                                ++counts.at(static_cast<std::size_t>(v));
                        }
    std::map<int, std::int64_t> dist;
    for (int v = 0; v < 64; ++v)
        if (counts[static_cast<std::size_t>(v)] > 0)
            dist[v] = counts[static_cast<std::size_t>(v)];
    return cache[method.id] = std::move(dist);
}

std::vector<Draw> readDrawsCsv(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("reference: cannot open " + path.string());
    std::vector<Draw> draws;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        std::vector<std::string> fields;
        std::stringstream ss(line);
        std::string f;
        while (std::getline(ss, f, ';'))
            fields.push_back(f);
        if (fields.size() != 9)
            throw std::runtime_error("reference: bad CSV line " + line);
        Draw d;
        d.number = std::stoi(fields[0]);
        d.date = fields[1];
        d.date.erase(std::remove(d.date.begin(), d.date.end(), '"'), d.date.end());
        for (std::size_t i = 0; i < 6; ++i)
            d.balls[i] = std::stoi(fields[2 + i]);
        d.extra = std::stoi(fields[8]);
        draws.push_back(d);
    }
    return draws;
}

const TableRow& tableCaptions()
{
    static const TableRow captions{"Значение",    "Количество", "Кол-во в %",  "Норма",    "Отклонение",
                                   "Откл-ие в %", "Глубина",    "Глубина в %", "Вес",      "Посл. тираж",
                                   "Период min",  "Период",     "Период max",  "Ожд. ПРД", "Ожд. СТФ",
                                   "Ожд. КРН",    "Факт",       "+/- ПРД",     "+/- СТФ",  "+/- КРН"};
    return captions;
}

std::vector<TableRow> statisticsTable(const NumberMethod& method, const std::vector<Draw>& draws,
                                      const TableRequest& request)
{
    // The window: the last draw the table sees and the first one of the analysed range.
    const int drawCount = static_cast<int>(draws.size());
    const int last = drawCount - 1 - request.offset;
    const int first = std::max(0, last - request.len + 1);
    const int windowSize = last >= first ? last - first + 1 : 0;

    // Seed every value the method always shows, then feed the draws oldest first.
    std::vector<ValueRecord> records;
    for (int v : method.seeds)
        accumulate(records, ValueRecord{.key = v}, false);
    for (int index = first; index <= last; ++index) {
        const Draw& d = draws[static_cast<std::size_t>(index)];
        for (int v : method.values(ballsAsUsed(d, request.sorted), d.extra)) {
            ValueRecord rec;
            rec.key = v;
            rec.lastDraw = d.number;
            rec.prevDraw = d.number;
            rec.ago = last - index + 1;
            rec.count = 1;
            accumulate(records, rec, true);
        }
    }

    // Window totals.
    std::int64_t total = 0;
    std::int64_t minCount = records.empty() ? 0 : records.front().count;
    std::int64_t maxCount = minCount;
    int largestAgo = 0;
    for (const auto& r : records) {
        total += r.count;
        minCount = std::min(minCount, r.count);
        maxCount = std::max(maxCount, r.count);
        largestAgo = std::max(largestAgo, r.ago);
    }

    // Expected counts from the full set, scaled to the window.
    const bool withFullSet = request.fullSet && method.fullSet;
    if (withFullSet) {
        const auto& dist = fullSetDistribution(method);
        std::int64_t fileMin = dist.begin()->second;
        std::int64_t fileMax = fileMin;
        for (const auto& [key, n] : dist) {
            fileMin = std::min(fileMin, n);
            fileMax = std::max(fileMax, n);
        }
        // Expected = round(file count * scale), the scale being (min + max) / 2 / M when every
        // value is equally frequent over the full set, else max / M (window counts).
        for (const auto& [key, n] : dist)
            for (auto& r : records)
                if (r.key == key)
                    r.expected = fileMin == fileMax ? roundHalfEven(n * (minCount + maxCount), 2 * fileMax)
                                                    : roundHalfEven(n * maxCount, fileMax);
    }

    const double kCount = std::stod(request.weights.count);
    const double kDeviation = std::stod(request.weights.deviation);
    const double kLevel = std::stod(request.weights.level);

    // The draw number of the first draw after the given one (to the end of the archive)
    // that has the value, or -1.
    auto nextOccurrence = [&](int key, int afterNumber) {
        int start = -1;
        for (int i = 0; i < drawCount; ++i)
            if (draws[static_cast<std::size_t>(i)].number == afterNumber)
                start = i;
        if (start < 0)
            return -1;
        for (int i = start + 1; i < drawCount; ++i) {
            const Draw& d = draws[static_cast<std::size_t>(i)];
            const auto vals = method.values(ballsAsUsed(d, request.sorted), d.extra);
            if (std::find(vals.begin(), vals.end(), key) != vals.end())
                return d.number;
        }
        return -1;
    };

    std::vector<TableRow> rows;
    for (const auto& r : records) {
        TableRow row;
        row.fill("-");
        row[0] = method.text(r.key);
        row[1] = std::to_string(r.count);
        if (total != 0)
            row[2] = fixed(quotient(r.count * 100, total), 5);
        if (withFullSet) {
            row[3] = std::to_string(r.expected);
            row[4] = std::to_string(r.count - r.expected);
            row[5] = r.expected == 0 ? fixed(r.count != 0 ? 100 : 0, 5)
                                     : fixed(quotient((r.count - r.expected) * 100, r.expected), 5);
        }
        if (r.ago != 0) {
            row[6] = std::to_string(r.ago);
            row[7] = fixed(quotient(std::int64_t{r.ago} * 100, largestAgo), 2);

            const std::int64_t deviation = withFullSet ? r.count - r.expected : 0;
            double c = static_cast<double>(r.count);
            double dv = static_cast<double>(deviation);
            double a = r.ago;
            if (request.weights.usePercents) {
                c = total == 0 ? 0.0 : quotient(r.count * 100, total);
                dv = (!withFullSet || r.expected == 0) ? 0.0 : quotient(deviation * 100, r.expected);
                a = largestAgo == 0 ? 0.0 : quotient(std::int64_t{r.ago} * 100, largestAgo);
            }
            if (request.weights.useAbsValues) {
                c = std::fabs(c);
                dv = std::fabs(dv);
                a = std::fabs(a);
            }
            row[8] = fixed(kCount * c + kDeviation * dv + kLevel * a, 2);

            row[9] = std::to_string(r.lastDraw);
            bool haveDue = false;
            std::int64_t dueAverage = 0;
            if (r.count >= 2) {
                row[10] = std::to_string(r.minGap);
                row[11] = fixed(quotient(windowSize, r.count), 4);
                row[12] = std::to_string(r.maxGap);
                dueAverage = roundHalfEven(windowSize + std::int64_t{r.lastDraw} * r.count, r.count);
                row[13] = std::to_string(dueAverage);
                haveDue = true;
            }
            const std::int64_t dueStf = roundHalfEven((r.count + 1) * r.lastDraw, r.count);
            const std::int64_t dueKrn = roundHalfEven((r.count + 2) * (r.lastDraw + 1), r.count + 1);
            row[14] = std::to_string(dueStf);
            row[15] = std::to_string(dueKrn);

            const int fact = nextOccurrence(r.key, r.lastDraw);
            if (fact >= 0) {
                row[16] = std::to_string(fact);
                if (haveDue)
                    row[17] = signedDiff(dueAverage - fact);
                row[18] = signedDiff(dueStf - fact);
                row[19] = signedDiff(dueKrn - fact);
            }
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace belvane::reference
