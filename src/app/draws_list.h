#pragma once

// What the draws list shows: newest draw first, one row per draw.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/draws.h"
#include "support/translation.h"

namespace belvane::app {

enum DrawsListColumn { ColNumber, ColBall1, ColBall6 = ColBall1 + 5, ColExtra, ColSum, ColDate, DrawsListColumnCount };

inline constexpr std::array<std::string_view, DrawsListColumnCount> DrawsListCaptions = {
    BELVANE_TEXT("Тираж"), "1", "2", "3", "4", "5", "6", "E", "S", BELVANE_TEXT("Дата тиража")};
// A column's caption in the interface language (the table itself heads exports).
std::string DrawsListCaption(int column);

// The draw shown at list row `row` (0 = the newest).
const model::TDraw& DrawAtRow(const model::TDrawsArray& draws, int row);

// The text of one cell; with `sorted` the six numbers are shown ascending.
std::string DrawsListCell(const model::TDraw& draw, int column, bool sorted);

// Status-bar texts.
std::string ArchiveCountText(size_t count);         // "Архив тиражей: %d"
std::string NextDrawNumberText(int64_t nextNumber); // "Следующий тираж: %d"

} // namespace belvane::app
