#pragma once

// The "Карта" and "Схема" grids as spreadsheet export sources: the rows the
// views are built from, read cell by cell as the grids show them.

#include <string_view>
#include <vector>

#include "support/table_source.h"
#include "views/draw_card.h"
#include "views/number_layout.h"

namespace belvane::app {

inline constexpr std::string_view CardGridControl = "sgCard";
inline constexpr std::string_view LayoutGridControl = "sgLayout";
inline constexpr std::string_view CardExportTitle = "Карта";
inline constexpr std::string_view LayoutExportTitle = "Схема";
inline constexpr std::string_view CardDrawCaption = "Тираж";
inline constexpr std::string_view CardExtraCaption = "E";
inline constexpr std::string_view LayoutCountCaption = "Кол-во";

// The card: the draw number, a column per number 1..45 holding the number
// when the draw has it, the extra number.
class CardExportSource final : public xlsx::ColumnListSource {
public:
    explicit CardExportSource(std::vector<views::CardRow> rows);
    xlsx::SourceKind kind() const override { return xlsx::SourceKind::Grid; }
    int64_t rowCount() const override { return static_cast<int64_t>(rows_.size()); }
    void cellText(int64_t row, int column, std::string& out) const override;

private:
    std::vector<views::CardRow> rows_;
};

// The layout: the count of each row, then a column per draw number.
class LayoutExportSource final : public xlsx::ColumnListSource {
public:
    explicit LayoutExportSource(views::NumberLayout grid);
    xlsx::SourceKind kind() const override { return xlsx::SourceKind::Grid; }
    int64_t rowCount() const override { return static_cast<int64_t>(grid_.Counts.size()); }
    void cellText(int64_t row, int column, std::string& out) const override;

private:
    views::NumberLayout grid_;
};

} // namespace belvane::app
