#pragma once

// The lists of the main window as spreadsheet export sources. Each reads the
// data it shows in place; the columns carry the list's captions, alignment
// and default widths, which the front end may replace by the widths on screen.

#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "app/draws_stat_table.h"
#include "model/draws.h"
#include "model/game.h"
#include "support/export_parameters.h"
#include "support/table_source.h"

namespace belvane::app {

// The names that key each list's stored export parameters, and the titles its
// export starts with.
inline constexpr std::string_view DrawsListControl = "lvDraws";
inline constexpr std::string_view CombListControl = "lvCombs";
inline constexpr std::string_view DrawsStatControl = "lvDrawsStat";
inline constexpr std::string_view DrawsExportTitle = "Архив тиражей";
inline constexpr std::string_view CombsExportTitle = "Комбинации";
inline constexpr std::string_view DrawsStatExportTitle = "Статистика";

// The export call of a list of the main window: its section, the title and a
// sheet of the same name, storing allowed.
xlsx::ExportCall MainWindowExportCall(std::string_view control, std::string_view title);

// The draws list, newest draw first.
class DrawsListSource final : public xlsx::ColumnListSource {
public:
    DrawsListSource(const model::TDrawsArray& draws, bool sorted);
    xlsx::SourceKind kind() const override { return xlsx::SourceKind::ListView; }
    int64_t rowCount() const override { return static_cast<int64_t>(draws_.size()); }
    void cellText(int64_t row, int column, std::string& out) const override;

private:
    const model::TDrawsArray& draws_;
    bool sorted_;
};

inline constexpr std::array<std::string_view, 8> CombListCaptions = {"№", "1", "2", "3", "4", "5", "6", "S"};

// The combination list: position from 1, the six numbers, their sum.
class CombListSource final : public xlsx::ColumnListSource {
public:
    explicit CombListSource(std::span<const model::TComb> combs);
    xlsx::SourceKind kind() const override { return xlsx::SourceKind::ListView; }
    int64_t rowCount() const override { return static_cast<int64_t>(combs_.size()); }
    void cellText(int64_t row, int column, std::string& out) const override;

private:
    std::span<const model::TComb> combs_;
};

// The statistics table in the order the user sees it: `order` lists the
// table's rows as shown (sorted by a column); empty means the table's own order.
class DrawsStatSource final : public xlsx::ColumnListSource {
public:
    explicit DrawsStatSource(const DrawsStatTable& table, std::vector<int> order = {});
    xlsx::SourceKind kind() const override { return xlsx::SourceKind::ListView; }
    int64_t rowCount() const override;
    void cellText(int64_t row, int column, std::string& out) const override;

private:
    const DrawsStatTable& table_;
    std::vector<int> order_;
};

} // namespace belvane::app
