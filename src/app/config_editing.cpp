#include "app/config_editing.h"

#include <algorithm>
#include <fmt/format.h>

#include "model/layout.h"
#include "stats/stat_class.h"
#include "support/money.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::app {

namespace {

// The first entry for a match count is the one stakes are paid by.
const stats::Prize* storedPrize(const std::vector<stats::Prize>& profits, int matches)
{
    auto it = std::find_if(profits.begin(), profits.end(), [&](const stats::Prize& p) { return p.Overlap == matches; });
    return it == profits.end() ? nullptr : &*it;
}

} // namespace

std::array<std::string, ProfitRowCount> ProfitRows(const stats::TConfigData& config)
{
    std::array<std::string, ProfitRowCount> rows;
    for (int k = 0; k < ProfitRowCount; ++k) {
        const stats::Prize* stored = storedPrize(config.Profits, k);
        rows[static_cast<size_t>(k)] = fmt::format("{}={}", k, FormatMoney(stored ? stored->Profit : 0, 2));
    }
    return rows;
}

std::vector<stats::Prize> ParseProfitRows(const std::vector<std::string>& rows)
{
    std::vector<stats::Prize> profits;
    for (const std::string& row : rows) {
        const size_t eq = row.find('=');
        const std::string_view key = std::string_view(row).substr(0, eq);
        const std::string_view value =
            eq == std::string::npos ? std::string_view() : std::string_view(row).substr(eq + 1);
        stats::Prize p;
        const int matches = text::toIntDef(key, 0);
        p.Overlap = static_cast<uint8_t>(matches >= 0 && matches <= 255 ? matches : 0);
        p.Profit = ParseMoney(value).value_or(0);
        profits.push_back(p);
    }
    return profits;
}

std::vector<stats::Prize> MergeProfitRows(const std::vector<stats::Prize>& stored, const std::vector<std::string>& rows)
{
    std::vector<stats::Prize> merged = stored;
    std::vector<stats::Prize> added;
    for (const stats::Prize& row : ParseProfitRows(rows)) {
        const stats::Prize* first = storedPrize(stored, row.Overlap);
        if (first == nullptr) {
            if (row.Profit != 0 && !storedPrize(added, row.Overlap))
                added.push_back(row);
            continue;
        }
        const Money shown = ParseMoney(FormatMoney(first->Profit, 2)).value_or(0);
        if (row.Profit != shown)
            merged[static_cast<size_t>(first - stored.data())].Profit = row.Profit;
    }
    std::sort(added.begin(), added.end(),
              [](const stats::Prize& a, const stats::Prize& b) { return a.Overlap < b.Overlap; });
    merged.insert(merged.end(), added.begin(), added.end());
    return merged;
}

std::optional<std::string> SegmentCellProblem(std::string_view cell)
{
    const std::string_view t = text::trim(cell);
    if (t.empty())
        return std::nullopt;
    const auto v = text::parseInt(t);
    if (v && *v >= 1 && *v <= 9)
        return std::nullopt;
    return support::Message("Некорректное значение: {}!\r\rУкажите любое число от 1 до 9", t);
}

int SegmentCellValue(std::string_view cell)
{
    return SegmentCellProblem(cell) || text::trim(cell).empty() ? 1 : text::toIntDef(cell, 1);
}

std::vector<std::vector<int>> SegmentGrid(int columns)
{
    columns = std::clamp(columns, stats::MinMatrixCols, stats::MaxMatrixCols);
    std::vector<std::vector<int>> grid(static_cast<size_t>(model::CeilDiv(model::MaxNumber, columns)),
                                       std::vector<int>(static_cast<size_t>(columns), 0));
    for (int n = model::MinNumber; n <= model::MaxNumber; ++n)
        grid[static_cast<size_t>((n - 1) / columns)][static_cast<size_t>((n - 1) % columns)] = n;
    return grid;
}

uint16_t AffectedGroups(const stats::TConfigData& before, const stats::TConfigData& after)
{
    uint16_t mask = 0;
    if (before.MatrixCols != after.MatrixCols)
        mask |= 1u << stats::GroupMatrix;
    if (before.ChannelSize != after.ChannelSize)
        mask |= 1u << stats::GroupChannels;
    if (!text::equalsIgnoreCase(model::MatrixSegmentsText(before.MatrixSegments),
                                model::MatrixSegmentsText(after.MatrixSegments)))
        mask |= 1u << stats::GroupSegments;
    return mask;
}

} // namespace belvane::app
