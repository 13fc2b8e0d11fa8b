#include "app/draws_stat_table.h"

#include <cmath>
#include <fmt/format.h>

#include "stats/custom_stat.h"
#include "stats/stat_list.h"
#include "support/money.h"

namespace belvane::app {
namespace {

using stats::TStatDraw;
using stats::ValueTotals;

std::string signedText(long long v)
{
    return v > 0 ? "+" + std::to_string(v) : std::to_string(v);
}

struct RowBuilder {
    DrawsStatRow row;

    void set(int column, std::string text, std::optional<double> number)
    {
        row.Cells[static_cast<size_t>(column)] = std::move(text);
        row.Numbers[static_cast<size_t>(column)] = number;
    }
    void integer(int column, long long v) { set(column, std::to_string(v), static_cast<double>(v)); }
    void fixed(int column, long double v, int decimals)
    {
        set(column, fmt::format("{:.{}f}", static_cast<double>(v), decimals), static_cast<double>(v));
    }
    void none(int column) { set(column, std::string(NoValue), std::nullopt); }
};

DrawsStatRow makeRow(stats::TCustomStat& stat, const TStatDraw& v, const ValueTotals& totals, int windowCount,
                     bool prefetchUsed, const DrawsStatRequest& request, int last)
{
    using namespace std::string_literals;
    RowBuilder b;
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
        return b.row;
    }

    b.integer(StatColAgo, v.Ago);
    b.fixed(StatColAgoPercent, totals.MaxAgo != 0 ? static_cast<long double>(v.Ago) * 100 / totals.MaxAgo : 0, 2);
    b.fixed(StatColWeight, StatWeight(v, totals, prefetchUsed, request.Weights), 2);
    b.integer(StatColLastDraw, v.LastDraw);

    const long double n = windowCount;
    const long double count = v.Count; // above 0: the value occurred
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
    // Rounded exactly, halves to even.
    const long long waitStf = DivRoundHalfEven((int64_t{v.Count} + 1) * v.LastDraw, v.Count);
    const long long waitKrn =
        DivRoundHalfEven((int64_t{v.Count} + 2) * (int64_t{v.LastDraw} + 1), int64_t{v.Count} + 1);
    b.integer(StatColWaitStf, waitStf);
    b.integer(StatColWaitKrn, waitKrn);

    // When did the value come again after its last occurrence in the window?
    const int lastIndex = model::IndexOfNumber(*stat.Draws, v.LastDraw);
    const int fact = lastIndex >= 0 ? stat.FindNextDraw(v, lastIndex + 1, request.Sorted, last) : -1;
    if (fact < 0) {
        for (int c : {StatColFact, StatColDiffPrd, StatColDiffStf, StatColDiffKrn})
            b.none(c);
        return b.row;
    }
    b.integer(StatColFact, fact);
    if (waitPrd)
        b.set(StatColDiffPrd, signedText(*waitPrd - fact), static_cast<double>(*waitPrd - fact));
    else
        b.none(StatColDiffPrd);
    b.set(StatColDiffStf, signedText(waitStf - fact), static_cast<double>(waitStf - fact));
    b.set(StatColDiffKrn, signedText(waitKrn - fact), static_cast<double>(waitKrn - fact));
    return b.row;
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

DrawsStatChart makeChart(stats::TCustomStat& stat, stats::TStatDrawArray values, const PrefetchData* prefetch,
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
            const std::string label = stat.ValueToText(value);
            if (showTotalLine)
                chart.Total.push_back({index, scale ? scale->value(rec.Count) : 0.0, label});
            if (const TStatDraw* own = stats::FindKey(values, stats::KeyOf(value)))
                chart.Actual.push_back({index, static_cast<double>(own->Count), label});
        }
        return chart;
    }
    stats::SortStatDraws(values);
    int index = 0;
    for (const TStatDraw& v : values)
        chart.Actual.push_back({++index, static_cast<double>(v.Count), stat.ValueToText(v)});
    return chart;
}

} // namespace

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
        if (scale) {
            for (const stats::TStatCount& rec : request.Prefetch->Records) {
                for (TStatDraw& v : values)
                    if (v.V1 == rec.V1 && v.V2 == rec.V2 && v.V3 == rec.V3 && v.V4 == rec.V4)
                        v.Expected = scale->expected(rec.Count);
            }
        }
    }

    table.Rows.reserve(values.size());
    for (const TStatDraw& v : values)
        table.Rows.push_back(
            makeRow(*stat, v, table.Totals, table.Window.Count(), table.PrefetchUsed, request, table.Window.Last));
    table.Chart = makeChart(*stat, values, request.Prefetch, scale, request.ShowTotalLine);
    return table;
}

} // namespace belvane::app
