#include "app/view_export_sources.h"

#include <fmt/format.h>
#include <iterator>

namespace belvane::app {

namespace {

// The widths the grids give their columns on screen.
constexpr int CardDrawWidth = 50;
constexpr int CardNumberWidth = 24;
constexpr int LayoutCountWidth = 50;
constexpr int LayoutCellWidth = 80;

} // namespace

CardExportSource::CardExportSource(std::vector<views::CardRow> rows) : rows_(std::move(rows))
{
    columns_.push_back({std::string(CardDrawCaption), xlsx::Alignment::Left, CardDrawWidth});
    for (int n = 1; n < views::CardExtraColumn; ++n)
        columns_.push_back({std::to_string(n), xlsx::Alignment::Left, CardNumberWidth});
    columns_.push_back({std::string(CardExtraCaption), xlsx::Alignment::Left, CardNumberWidth});
}

void CardExportSource::cellText(int64_t row, int column, std::string& out) const
{
    const views::CardRow& r = rows_.at(static_cast<size_t>(row));
    if (column == 0)
        fmt::format_to(std::back_inserter(out), "{}", r.DrawNumber);
    else if (column == views::CardExtraColumn)
        fmt::format_to(std::back_inserter(out), "{}", r.Extra);
    else if (column > 0 && column < views::CardExtraColumn && r.Filled[static_cast<size_t>(column)])
        fmt::format_to(std::back_inserter(out), "{}", column);
}

LayoutExportSource::LayoutExportSource(views::NumberLayout grid) : grid_(std::move(grid))
{
    columns_.push_back({std::string(LayoutCountCaption), xlsx::Alignment::Left, LayoutCountWidth});
    for (int draw : grid_.DrawNumbers)
        columns_.push_back({std::to_string(draw), xlsx::Alignment::Left, LayoutCellWidth});
}

void LayoutExportSource::cellText(int64_t row, int column, std::string& out) const
{
    const auto r = static_cast<size_t>(row);
    if (column == 0) {
        fmt::format_to(std::back_inserter(out), "{}", grid_.Counts.at(r));
        return;
    }
    const auto& cells = grid_.Cells.at(r);
    if (column > 0 && static_cast<size_t>(column) <= cells.size())
        out += cells[static_cast<size_t>(column) - 1].Text;
}

} // namespace belvane::app
