#include "reference/reference_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace belvane::reference {
namespace {

// ---------------------------------------------------------------------------------------
// Numbers as the table shows them.

// The cells the table rounds to integers ("round(...)") are decided on the exact value of
// the quotient, halves going to the even neighbour.
int64_t roundHalfEven(int64_t num, int64_t den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const bool negative = num < 0;
    const int64_t magnitude = negative ? -num : num;
    int64_t q = magnitude / den;
    const int64_t r2 = 2 * (magnitude % den);
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

double quotient(int64_t num, int64_t den)
{
    return static_cast<double>(num) / static_cast<double>(den);
}

std::string signedDiff(int64_t diff)
{
    return diff > 0 ? "+" + std::to_string(diff) : std::to_string(diff);
}

// ---------------------------------------------------------------------------------------
// Value records and their accumulation, written out literally.

struct ValueRecord {
    Key key{};
    int lastDraw = 0;
    int ago = 0;
    int prevDraw = 0;
    int minGap = 0;
    int maxGap = 0;
    int64_t count = 0;
    int64_t expected = 0;
};

void accumulate(std::vector<ValueRecord>& records, const ValueRecord& rec, bool trackGap)
{
    for (auto& e : records) {
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

} // namespace

std::array<int, 6> ballsOf(const Draw& draw, bool sorted)
{
    auto balls = draw.balls;
    if (sorted)
        std::sort(balls.begin(), balls.end());
    return balls;
}

bool UnsignedKeyLess::operator()(const Key& a, const Key& b) const
{
    for (size_t i = 0; i < 4; ++i)
        if (a[i] != b[i])
            return static_cast<uint16_t>(a[i]) < static_cast<uint16_t>(b[i]);
    return false;
}

const TableRow& tableCaptions()
{
    static const TableRow captions{"Значение",    "Количество", "Кол-во в %",  "Норма",    "Отклонение",
                                   "Откл-ие в %", "Глубина",    "Глубина в %", "Вес",      "Посл. тираж",
                                   "Период min",  "Период",     "Период max",  "Ожд. ПРД", "Ожд. СТФ",
                                   "Ожд. КРН",    "Факт",       "+/- ПРД",     "+/- СТФ",  "+/- КРН"};
    return captions;
}

Window windowOf(int drawCount, const TableRequest& request)
{
    // The offset stops at the oldest draw: it is the last one the statistics can stand at.
    const int offset = std::min(request.offset, std::max(drawCount - 1, 0));
    Window w;
    w.last = drawCount - 1 - offset;
    w.first = std::max(0, w.last - request.len + 1);
    w.size = w.last >= w.first ? w.last - w.first + 1 : 0;
    return w;
}

std::vector<TableRow> buildTable(const std::vector<Draw>& draws, const TableInput& input, const TableRequest& request)
{
    const int drawCount = static_cast<int>(draws.size());
    const Window window = windowOf(drawCount, request);
    const int last = window.last;

    // The values of every draw asked for, each worked out once.
    std::vector<std::vector<DrawValue>> valuesAt(draws.size());
    std::vector<bool> known(draws.size(), false);
    auto valuesOf = [&](int index) -> const std::vector<DrawValue>& {
        const auto i = static_cast<size_t>(index);
        if (!known[i]) {
            valuesAt[i] = input.valuesOf(index);
            known[i] = true;
        }
        return valuesAt[i];
    };

    // Seed every value the method always shows, then feed the draws oldest first.
    std::vector<ValueRecord> records;
    for (const Key& k : input.seeds)
        accumulate(records, ValueRecord{.key = k}, false);
    for (int index = window.first; index <= last; ++index) {
        const Draw& d = draws[static_cast<size_t>(index)];
        for (const DrawValue& v : valuesOf(index)) {
            ValueRecord rec;
            rec.key = v.key;
            rec.lastDraw = v.lastDraw.value_or(d.number);
            rec.prevDraw = rec.lastDraw;
            rec.ago = v.ago.value_or(last - index + 1);
            rec.count = v.count;
            accumulate(records, rec, v.trackGap);
        }
    }

    // Window totals.
    int64_t total = 0;
    int64_t minCount = records.empty() ? 0 : records.front().count;
    int64_t maxCount = minCount;
    int largestAgo = 0;
    for (const auto& r : records) {
        total += r.count;
        minCount = std::min(minCount, r.count);
        maxCount = std::max(maxCount, r.count);
        largestAgo = std::max(largestAgo, r.ago);
    }

    // Expected counts from the full set, scaled to the window.
    const bool withFullSet = input.fullSet != nullptr;
    if (withFullSet) {
        const Distribution& dist = *input.fullSet;
        int64_t fileMin = dist.begin()->second;
        int64_t fileMax = fileMin;
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
    auto nextOccurrence = [&](const Key& key, int afterNumber) {
        if (input.nextOccurrence)
            return input.nextOccurrence(key, afterNumber);
        int start = -1;
        for (int i = 0; i < drawCount; ++i)
            if (draws[static_cast<size_t>(i)].number == afterNumber)
                start = i;
        if (start < 0)
            return -1;
        for (int i = start + 1; i < drawCount; ++i)
            for (const DrawValue& v : valuesOf(i))
                if (v.key == key)
                    return draws[static_cast<size_t>(i)].number;
        return -1;
    };

    std::vector<TableRow> rows;
    for (const auto& r : records) {
        TableRow row;
        row.fill("-");
        row[0] = input.text(r.key);
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
            row[7] = fixed(quotient(int64_t{r.ago} * 100, largestAgo), 2);

            const int64_t deviation = withFullSet ? r.count - r.expected : 0;
            double c = static_cast<double>(r.count);
            double dv = static_cast<double>(deviation);
            double a = r.ago;
            if (request.weights.usePercents) {
                c = total == 0 ? 0.0 : quotient(r.count * 100, total);
                dv = (!withFullSet || r.expected == 0) ? 0.0 : quotient(deviation * 100, r.expected);
                a = largestAgo == 0 ? 0.0 : quotient(int64_t{r.ago} * 100, largestAgo);
            }
            if (request.weights.useAbsValues) {
                c = std::fabs(c);
                dv = std::fabs(dv);
                a = std::fabs(a);
            }
            row[8] = fixed(kCount * c + kDeviation * dv + kLevel * a, 2);

            row[9] = std::to_string(r.lastDraw);
            bool haveDue = false;
            int64_t dueAverage = 0;
            if (r.count >= 2) {
                row[10] = std::to_string(r.minGap);
                row[11] = fixed(quotient(window.size, r.count), 4);
                row[12] = std::to_string(r.maxGap);
                dueAverage = roundHalfEven(window.size + int64_t{r.lastDraw} * r.count, r.count);
                row[13] = std::to_string(dueAverage);
                haveDue = true;
            }
            // A value shown at its draw without being counted has no "СТФ" due: its
            // formula would divide by the count.
            const bool haveStf = r.count != 0;
            const int64_t dueStf = haveStf ? roundHalfEven((r.count + 1) * r.lastDraw, r.count) : 0;
            const int64_t dueKrn = roundHalfEven((r.count + 2) * (int64_t{r.lastDraw} + 1), r.count + 1);
            if (haveStf)
                row[14] = std::to_string(dueStf);
            row[15] = std::to_string(dueKrn);

            const int fact = nextOccurrence(r.key, r.lastDraw);
            if (fact >= 0) {
                row[16] = std::to_string(fact);
                if (haveDue)
                    row[17] = signedDiff(dueAverage - fact);
                if (haveStf)
                    row[18] = signedDiff(dueStf - fact);
                row[19] = signedDiff(dueKrn - fact);
            }
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace belvane::reference
