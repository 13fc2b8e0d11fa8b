#include "app/draws_stat_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>

#include "stats/custom_stat.h"
#include "stats/stat_list.h"
#include "support/money.h"
#include "support/translation.h"

namespace belvane::app {
namespace {

using stats::TStatDraw;
using stats::ValueTotals;

std::string signedText(long long v)
{
    return v > 0 ? "+" + std::to_string(v) : std::to_string(v);
}

// Cells are written in place from a small buffer: a table may have tens of
// thousands of rows of twenty cells.
struct RowBuilder {
    DrawsStatRow& row;

    void set(int column, std::string_view text, std::optional<double> number)
    {
        row.Cells[static_cast<size_t>(column)].assign(text);
        row.Numbers[static_cast<size_t>(column)] = number;
    }
    void integer(int column, long long v)
    {
        char buf[24];
        const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
        set(column, std::string_view(buf, static_cast<size_t>(end - buf)), static_cast<double>(v));
    }
    // "%.Nf" of the value in double precision.
    void fixed(int column, long double v, int decimals)
    {
        const auto d = static_cast<double>(v);
        char buf[400]; // the widest double printed in full
        const auto end = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::fixed, decimals).ptr;
        set(column, std::string_view(buf, static_cast<size_t>(end - buf)), d);
    }
    void none(int column) { set(column, NoValue, std::nullopt); }
};

// Fills a row in place: a table may have tens of thousands of rows of twenty cells.
void fillRow(DrawsStatRow& row, stats::TCustomStat& stat, const TStatDraw& v, const ValueTotals& totals,
             int windowCount, bool prefetchUsed, const DrawsStatRequest& request, int fact)
{
    RowBuilder b{row};
    b.row.Value = v;
    b.set(StatColValue, stat.ValueToText(v), std::nullopt);
    b.integer(StatColCount, v.Count);
    if (totals.Total != 0)
        b.fixed(StatColCountPercent, static_cast<long double>(v.Count) * 100 / totals.Total, 5);
    else
        b.none(StatColCountPercent);

    if (prefetchUsed) {
        b.integer(StatColExpected, v.Expected);
        b.integer(StatColDeviation, static_cast<long long>(v.Count) - v.Expected);
        const long double percent = v.Expected != 0 ? static_cast<long double>(v.Count - v.Expected) * 100 / v.Expected
                                                    : (v.Count != 0 ? 100 : 0);
        b.fixed(StatColDeviationPercent, percent, 5);
    } else {
        b.none(StatColExpected);
        b.none(StatColDeviation);
        b.none(StatColDeviationPercent);
    }

    if (v.Ago == 0) {
        for (int c = StatColAgo; c < DrawsStatColumnCount; ++c)
            b.none(c);
        return;
    }

    b.integer(StatColAgo, v.Ago);
    b.fixed(StatColAgoPercent, totals.MaxAgo != 0 ? static_cast<long double>(v.Ago) * 100 / totals.MaxAgo : 0, 2);
    b.fixed(StatColWeight, StatWeight(v, totals, prefetchUsed, request.Weights), 2);
    b.integer(StatColLastDraw, v.LastDraw);

    const long double n = windowCount;
    const long double count = v.Count;
    std::optional<long long> waitPrd;
    if (v.Count >= 2) {
        b.integer(StatColMinGap, v.MinGap);
        b.fixed(StatColPeriod, n / count, 4);
        b.integer(StatColMaxGap, v.MaxGap);
        waitPrd = DivRoundHalfEven(windowCount + int64_t{v.Count} * v.LastDraw, v.Count); // N / Count + LastDraw
        b.integer(StatColWaitPrd, *waitPrd);
    } else {
        for (int c : {StatColMinGap, StatColPeriod, StatColMaxGap, StatColWaitPrd})
            b.none(c);
    }
    // Rounded exactly, halves to even. A value can be shown at a draw without
    // being counted (the candidates of HCO3 the next draw missed): with Count 0
    // there is nothing to divide by.
    std::optional<long long> waitStf;
    if (v.Count != 0) {
        waitStf = DivRoundHalfEven((int64_t{v.Count} + 1) * v.LastDraw, v.Count);
        b.integer(StatColWaitStf, *waitStf);
    } else {
        b.none(StatColWaitStf);
    }
    const long long waitKrn =
        DivRoundHalfEven((int64_t{v.Count} + 2) * (int64_t{v.LastDraw} + 1), int64_t{v.Count} + 1);
    b.integer(StatColWaitKrn, waitKrn);

    if (fact < 0) {
        for (int c : {StatColFact, StatColDiffPrd, StatColDiffStf, StatColDiffKrn})
            b.none(c);
        return;
    }
    b.integer(StatColFact, fact);
    for (const auto& [column, wait] : {std::pair{StatColDiffPrd, waitPrd}, std::pair{StatColDiffStf, waitStf}}) {
        if (wait)
            b.set(column, signedText(*wait - fact), static_cast<double>(*wait - fact));
        else
            b.none(column);
    }
    b.set(StatColDiffKrn, signedText(waitKrn - fact), static_cast<double>(waitKrn - fact));
}

// "Факт" of every row that occurred: the number of the first draw after the
// value's last occurrence in the window (to the end of the archive) whose
// values include it; -1 when none does.
std::vector<int> nextOccurrences(stats::TCustomStat& stat, const stats::TStatDrawArray& values, bool sorted, int last)
{
    std::vector<int> fact(values.size(), -1);
    std::vector<int> from(values.size(), -1); // the index each row looks from
    for (size_t r = 0; r < values.size(); ++r)
        if (values[r].Ago != 0)
            if (const int lastIndex = model::IndexOfNumber(*stat.Draws, values[r].LastDraw); lastIndex >= 0)
                from[r] = lastIndex + 1;

    // A method that reads the reference draw or earlier draws may give a draw
    // other values depending on where the search starts: each row searches alone.
    if ((stat.Class().GetFlags() & (stats::FlagD | stats::FlagP)) != 0) {
        for (size_t r = 0; r < values.size(); ++r)
            if (from[r] >= 0)
                fact[r] = stat.FindNextDraw(values[r], from[r], sorted, last);
        return fact;
    }

    // Otherwise a draw's values are its own: one walk over the later draws
    // answers every row (a method with many values per draw has thousands).
    stats::KeyPositions rowOf;
    int start = std::numeric_limits<int>::max();
    size_t pending = 0;
    for (size_t r = 0; r < values.size(); ++r)
        if (from[r] >= 0) {
            rowOf.insert(stats::KeyOf(values[r]), static_cast<uint32_t>(r));
            start = std::min(start, from[r]);
            ++pending;
        }
    stats::TStatDrawArray found;
    stats::TLastValueArray lastValues;
    stats::GapWork work;
    const int high = static_cast<int>(stat.Draws->size()) - 1;
    for (int index = start; index <= high && pending > 0; ++index) {
        found.clear();
        lastValues.clear();
        stat.DrawValues(index, last, lastValues, work, found, sorted);
        for (const TStatDraw& v : found) {
            const uint32_t r = rowOf.find(stats::KeyOf(v));
            if (r != stats::KeyPositions::None && fact[r] < 0 && from[r] <= index) {
                fact[r] = v.LastDraw;
                --pending;
            }
        }
    }
    return fact;
}

// The factor that turns full-set counts into counts expected in the window,
// as an exact fraction: rounding a product that lands on a half must see the half.
struct Scale {
    int64_t Numerator = 0;
    int64_t Denominator = 1;

    int32_t expected(int32_t fullSetCount) const
    {
        return static_cast<int32_t>(DivRoundHalfEven(int64_t{fullSetCount} * Numerator, Denominator));
    }
    double value(int32_t fullSetCount) const
    {
        return static_cast<double>(fullSetCount) * static_cast<double>(Numerator) / static_cast<double>(Denominator);
    }
};

std::optional<Scale> fullSetScale(const PrefetchData& prefetch, const ValueTotals& totals)
{
    if (prefetch.Records.empty() || prefetch.MaxCount <= 0)
        return std::nullopt;
    if (prefetch.MinCount == prefetch.MaxCount) // every value equally frequent over the full set
        return Scale{int64_t{totals.MinCount} + totals.MaxCount, 2 * int64_t{prefetch.MaxCount}};
    return Scale{totals.MaxCount, prefetch.MaxCount};
}

// The chart's points; labels are the rows' value texts where the window has the value.
DrawsStatChart makeChart(stats::TCustomStat& stat, const stats::TStatDrawArray& values,
                         const std::vector<DrawsStatRow>& rows, const PrefetchData* prefetch,
                         std::optional<Scale> scale, bool showTotalLine)
{
    DrawsStatChart chart;
    if (values.size() < 2)
        return chart;
    if (prefetch != nullptr) {
        int index = 0;
        for (const stats::TStatCount& rec : prefetch->Records) {
            ++index;
            const TStatDraw value = stats::ToStatDraw(rec);
            const TStatDraw* own = stats::FindKey(values, stats::KeyOf(value));
            const std::string label = own != nullptr
                                          ? rows[static_cast<size_t>(own - values.data())].Cells[StatColValue]
                                          : stat.ValueToText(value);
            if (showTotalLine)
                chart.Total.push_back({index, scale ? scale->value(rec.Count) : 0.0, label});
            if (own != nullptr)
                chart.Actual.push_back({index, static_cast<double>(own->Count), label});
        }
        return chart;
    }
    // Without a full-set file: the counts in key order. The points are taken
    // from the rows in their order and then arranged, which keeps the walk
    // over the (large) rows sequential.
    std::vector<ChartPoint> points;
    points.reserve(values.size());
    std::vector<std::pair<uint64_t, size_t>> order;
    order.reserve(values.size());
    for (size_t i = 0; i < values.size(); ++i) {
        points.push_back({0, static_cast<double>(values[i].Count), rows[i].Cells[StatColValue]});
        order.emplace_back(stats::KeyOf(values[i]), i);
    }
    std::sort(order.begin(), order.end()); // keys are unique
    chart.Actual.reserve(points.size());
    int index = 0;
    for (const auto& [key, i] : order) {
        chart.Actual.push_back(std::move(points[i]));
        chart.Actual.back().Index = ++index;
    }
    return chart;
}

} // namespace

std::string DrawsStatCaption(int column)
{
    if (column < 0 || column >= DrawsStatColumnCount)
        return {};
    return support::Text(DrawsStatCaptions[static_cast<size_t>(column)]);
}

long double StatWeight(const TStatDraw& v, const ValueTotals& totals, bool prefetchUsed,
                       const stats::WeightCoefficients& w)
{
    const long double d = prefetchUsed ? static_cast<long double>(v.Count) - v.Expected : 0;
    long double c = v.Count;
    long double dev = d;
    long double a = v.Ago;
    if (w.UsePercents) {
        c = totals.Total != 0 ? static_cast<long double>(v.Count) * 100 / totals.Total : 0;
        dev = (prefetchUsed && v.Expected != 0) ? d * 100 / v.Expected : 0;
        a = totals.MaxAgo != 0 ? static_cast<long double>(v.Ago) * 100 / totals.MaxAgo : 0;
    }
    if (w.UseAbsValues) {
        c = std::fabs(c);
        dev = std::fabs(dev);
        a = std::fabs(a);
    }
    return w.Count * c + w.Deviation * dev + w.Level * a;
}

bool StatRowLess(const DrawsStatRow& a, int ia, const DrawsStatRow& b, int ib, int column)
{
    if (column == StatColValue)
        return ia < ib;
    const auto& x = a.Numbers[static_cast<size_t>(column)];
    const auto& y = b.Numbers[static_cast<size_t>(column)];
    if (!x || !y)
        return !x && y.has_value();
    return *x < *y;
}

std::vector<int> StatRowOrder(std::span<const DrawsStatRow> rows, int column, bool descending)
{
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    if (column < 0 || column >= DrawsStatColumnCount)
        return order;
    auto less = [&](int a, int b) {
        return StatRowLess(rows[static_cast<size_t>(a)], a, rows[static_cast<size_t>(b)], b, column);
    };
    if (descending)
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return less(b, a); });
    else
        std::stable_sort(order.begin(), order.end(), less);
    return order;
}

DrawsStatTable CalculateDrawsStat(const stats::TStatList& list, const DrawsStatRequest& request)
{
    DrawsStatTable table;
    const model::TDrawsArray& draws = list.Draws();
    if (draws.empty() || request.Entry < 0 || request.Entry >= list.MethodCount())
        return table;

    auto stat = list.CreateStat(request.Entry);
    table.Window = stats::DrawsWindow(static_cast<int>(draws.size()), request.Offset, request.Length);
    stats::TStatDrawArray values = stats::CalculateRange(*stat, table.Window, request.Sorted);
    table.Totals = stats::StatTotals(values);

    std::optional<Scale> scale;
    if (request.Prefetch != nullptr) {
        table.PrefetchUsed = true;
        scale = fullSetScale(*request.Prefetch, table.Totals);
        if (scale)
            for (const stats::TStatCount& rec : request.Prefetch->Records)
                if (TStatDraw* v = stats::FindKey(values, stats::KeyOf(stats::ToStatDraw(rec))))
                    v->Expected = scale->expected(rec.Count);
    }

    const std::vector<int> facts = request.FindFacts ? nextOccurrences(*stat, values, request.Sorted, table.Window.Last)
                                                     : std::vector<int>(values.size(), -1);
    table.Rows.reserve(values.size());
    for (size_t r = 0; r < values.size(); ++r)
        fillRow(table.Rows.emplace_back(), *stat, values[r], table.Totals, table.Window.Count(), table.PrefetchUsed,
                request, facts[r]);
    table.Chart = makeChart(*stat, values, table.Rows, request.Prefetch, scale, request.ShowTotalLine);
    return table;
}

} // namespace belvane::app
