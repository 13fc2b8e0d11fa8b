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
// prize of the record's entry at that position (0 when there is none).
inline constexpr int ProfitRowCount = 7;
std::array<std::string, ProfitRowCount> ProfitRows(const stats::TConfigData& config);

// One row per text "matches=prize": matches 0 when not a number, prize x 10000
// rounded (0 when not a number).
std::vector<stats::Prize> ParseProfitRows(const std::vector<std::string>& rows);

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
