#pragma once

// What the game configuration dialog ("Параметры системы") checks and reads
// back, and which statistic groups a changed configuration affects.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "stats/config_data.h"

namespace belvane::app {

// The prize table always has seven rows, matches 0 to 6: "%d=%.2f" with the
// prize of the record's entry for that many matches (0 when there is none).
// The record may hold its entries in any order, so row k never takes the
// k-th entry.
inline constexpr int ProfitRowCount = 7;
std::array<std::string, ProfitRowCount> ProfitRows(const stats::TConfigData& config);

// One row per text "matches=prize": matches 0 when not a number, prize x 10000
// rounded (0 when not a number).
std::vector<stats::Prize> ParseProfitRows(const std::vector<std::string>& rows);

// The prize list after editing the rows: the stored entries keep their order
// and take the prize of their row; a row whose text still reads as the prize
// it was shown with keeps the stored value exactly (the dialog shows two
// decimals of four), so an unchanged table saves byte for byte as it was.
// Rows with a prize but no stored entry are added in match order.
std::vector<stats::Prize> MergeProfitRows(const std::vector<stats::Prize>& stored,
                                          const std::vector<std::string>& rows);

// A segment cell: empty is 1; anything but a number 1..9 is refused with the
// message the dialog shows (and the cell becomes "1").
std::optional<std::string> SegmentCellProblem(std::string_view text);
int SegmentCellValue(std::string_view text);

// The grid the segments are edited in: the numbers laid out row by row in
// `columns` columns; cells past 45 hold 0.
std::vector<std::vector<int>> SegmentGrid(int columns);

// Bit g set for every group whose methods depend on what changed: 4 (matrix)
// for the column count, 3 (channels) for the channel width, 5 (segments) for
// the segment table.
uint16_t AffectedGroups(const stats::TConfigData& before, const stats::TConfigData& after);

} // namespace belvane::app
