#include "app/export_sources.h"

#include <fmt/format.h>
#include <iterator>

#include "app/draws_list.h"
#include "app/window_settings.h"
#include "support/sheet_layout.h"

namespace belvane::app {

namespace {

using xlsx::Alignment;

// The widths the main window gives these lists until the user changes them.
constexpr std::array<int, DrawsListColumnCount> DrawsListWidths = {60, 36, 36, 36, 36, 36, 36, 36, 44, 90};
constexpr std::array<int, CombListCaptions.size()> CombListWidths = {80, 36, 36, 36, 36, 36, 36, 44};
constexpr std::array<int, DrawsStatColumnCount> DrawsStatWidths = {130, 80, 80, 80, 80, 80, 70, 80, 70, 80,
                                                                   70,  70, 70, 70, 70, 70, 60, 60, 60, 60};

template <size_t N>
std::vector<xlsx::SourceColumn> Columns(const std::array<std::string_view, N>& captions,
                                        const std::array<int, N>& widths, auto alignmentOf)
{
    std::vector<xlsx::SourceColumn> columns;
    for (size_t i = 0; i < N; ++i)
        columns.push_back({std::string(captions[i]), alignmentOf(i), widths[i]});
    return columns;
}

} // namespace

xlsx::ExportCall MainWindowExportCall(std::string_view control, std::string_view title)
{
    xlsx::ExportCall call;
    call.Owner = MainWindowSection;
    call.Control = control;
    call.Title = title;
    call.SheetName = xlsx::SheetNameFromTitle(title);
    return call;
}

DrawsListSource::DrawsListSource(const model::TDrawsArray& draws, bool sorted) : draws_(draws), sorted_(sorted)
{
    columns_ = Columns(DrawsListCaptions, DrawsListWidths,
                       [](size_t i) { return i == ColDate ? Alignment::Center : Alignment::Right; });
}

void DrawsListSource::cellText(int64_t row, int column, std::string& out) const
{
    out += DrawsListCell(DrawAtRow(draws_, static_cast<int>(row)), column, sorted_);
}

CombListSource::CombListSource(std::span<const model::TComb> combs) : combs_(combs)
{
    columns_ = Columns(CombListCaptions, CombListWidths, [](size_t) { return Alignment::Right; });
}

void CombListSource::cellText(int64_t row, int column, std::string& out) const
{
    const model::TComb& c = combs_[static_cast<size_t>(row)];
    int value = 0;
    if (column == 0)
        value = static_cast<int>(row + 1);
    else if (column <= model::BallCount)
        value = c[static_cast<size_t>(column - 1)];
    else
        value = c[0] + c[1] + c[2] + c[3] + c[4] + c[5];
    fmt::format_to(std::back_inserter(out), "{}", value);
}

DrawsStatSource::DrawsStatSource(const DrawsStatTable& table, std::vector<int> order)
    : table_(table), order_(std::move(order))
{
    columns_ = Columns(DrawsStatCaptions, DrawsStatWidths,
                       [](size_t i) { return i == StatColValue ? Alignment::Left : Alignment::Right; });
}

int64_t DrawsStatSource::rowCount() const
{
    return static_cast<int64_t>(order_.empty() ? table_.Rows.size() : order_.size());
}

void DrawsStatSource::cellText(int64_t row, int column, std::string& out) const
{
    const size_t index =
        order_.empty() ? static_cast<size_t>(row) : static_cast<size_t>(order_[static_cast<size_t>(row)]);
    out += table_.Rows.at(index).Cells.at(static_cast<size_t>(column));
}

} // namespace belvane::app
