#include "stakes/ratings_texts.h"

#include <fmt/format.h>

#include "support/delimited_text.h"
#include "support/translation.h"

namespace belvane::stakes {
namespace {

// count * p(k) in exact integers: count * hits / C(45, 6), rounded.
int64_t expectedCount(int32_t count, const HitTableEntry& hit)
{
    return DivRoundHalfEven(int64_t{count} * hit.Count, model::FullSetSize);
}

// "%.3f%%", without the sign of a value that rounds to zero.
std::string percentText(long double value)
{
    std::string text = fmt::format("{:.3f}%", static_cast<double>(value));
    if (text.starts_with('-') && text.find_first_of("123456789") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string efficiencyText(const RatingRecord& r, int k, EfficiencyMode mode, const HitTable& hits)
{
    if (r.Count <= 0)
        return {};
    const HitTableEntry& hit = hits[static_cast<size_t>(k)];
    const long double observed = r.MatchCounts[static_cast<size_t>(k)];
    switch (mode) {
    case EfficiencyMode::Expected:
        return fmt::format("{}", expectedCount(r.Count, hit));
    case EfficiencyMode::Absolute:
        return percentText(observed * 100 / r.Count - hit.Share * 100);
    case EfficiencyMode::Relative:
        if (hit.Count == 0)
            return {};
        return percentText(observed * 100 * model::FullSetSize / (static_cast<long double>(r.Count) * hit.Count));
    }
    return {};
}

std::string averageText(const RatingRecord& r)
{
    return r.Count > 0 ? fmt::format("{:.3f}", static_cast<double>(r.MatchesSum) / r.Count) : std::string();
}

std::string averageProfitText(const RatingRecord& r)
{
    return r.Count > 0 ? FormatMoney(DivRoundHalfEven(r.Profit, r.Count)) : std::string();
}

} // namespace

EfficiencyMode EfficiencyModeFromSetting(int value)
{
    return value >= 0 && value <= 2 ? static_cast<EfficiencyMode>(value) : DefaultEfficiencyMode;
}

std::string RatingCellText(const RatingRecord& r, int column, EfficiencyMode mode, const HitTable& hits)
{
    if (!r.IsValid())
        return column == 0 ? std::string(BadRatingCaption) : std::string();
    switch (column) {
    case 0:
        return r.Key;
    case 1:
        return fmt::format("{}", r.Count);
    case 2:
        return fmt::format("{}", r.MatchesSum);
    case 3:
        return averageText(r);
    case 4:
        return FormatMoney(r.Profit);
    case 5:
        return averageProfitText(r);
    default:
        break;
    }
    if (column >= 6 && column < FirstEfficiencyColumn)
        return fmt::format("{}", r.MatchCounts[static_cast<size_t>(column - 6)]);
    if (column >= FirstEfficiencyColumn && column < RatingsColumnCount)
        return efficiencyText(r, column - FirstEfficiencyColumn, mode, hits);
    return {};
}

std::array<std::string, RatingsColumnCount> RatingRowTexts(const RatingRecord& record, EfficiencyMode mode,
                                                           const HitTable& hits)
{
    std::array<std::string, RatingsColumnCount> row;
    for (int c = 0; c < RatingsColumnCount; ++c)
        row[static_cast<size_t>(c)] = RatingCellText(record, c, mode, hits);
    return row;
}

std::string RatingsCountText(size_t count)
{
    return support::Message("Рейтинг: {}", count);
}

std::string RatingsCsvText(const TRatingsArray& records)
{
    std::string out;
    for (int c = 0; c < RatingsExportColumnCount; ++c) {
        if (c > 0)
            out += ';';
        out += quoteField(RatingsColumnCaptions[static_cast<size_t>(c)], '"');
    }
    out += "\r\n";
    for (const RatingRecord& r : records) {
        out += quoteField(r.Key, '"');
        fmt::format_to(std::back_inserter(out), ";{};{};{};{};{}", r.Count, r.MatchesSum, averageText(r),
                       FormatMoney(r.Profit), averageProfitText(r));
        for (int32_t c : r.MatchCounts)
            fmt::format_to(std::back_inserter(out), ";{}", c);
        out += "\r\n";
    }
    return out;
}

} // namespace belvane::stakes
