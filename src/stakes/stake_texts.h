#pragma once

// What the stakes page shows of a record: captions and cell texts.

#include <array>
#include <string>
#include <string_view>

#include "stakes/stake_record.h"
#include "support/translation.h"

namespace belvane::stakes {

inline constexpr int StakeColumnCount = 9;
inline constexpr std::array<std::string_view, StakeColumnCount> StakeColumnCaptions = {
    BELVANE_TEXT("№ тиража"),          BELVANE_TEXT("Вид ставки"), BELVANE_TEXT("Моя ставка"), BELVANE_TEXT("Выборка"),
    BELVANE_TEXT("Результаты тиража"), BELVANE_TEXT("Совпадений"), BELVANE_TEXT("Совпадения"), BELVANE_TEXT("Профит"),
    BELVANE_TEXT("Комментарий")};
inline constexpr std::array<int, StakeColumnCount> StakeColumnWidths = {60, 60, 120, 60, 120, 60, 60, 60, 1000};
// Columns whose numbers are drawn one by one, the matched ones bold blue.
inline constexpr int StakeNumbersColumn = 2;
inline constexpr int StakeDrawnColumn = 4;
// The matched numbers, joined with blanks.
inline constexpr int StakeMatchedColumn = 6;

// "Вручную", "Регуляр", "Сценарий", "Система"; empty for any other kind.
std::string StakeKindText(uint8_t kind);

// Columns drawn in the result colour (views::StakeResultColor).
inline constexpr int FirstResultColumn = 5;
inline constexpr int LastResultColumn = 7;

// The cell of a data row; separators show nothing, unchecked stakes nothing
// in the drawn numbers, matches and matched numbers.
std::string StakeCellText(const StakeRecord& record, int column);

// Rows of the grid: a header row and a row per record; two for an empty file.
size_t StakeGridRowCount(size_t records);

// "Ставок: %d", the status panel (separators included).
std::string StakesCountText(size_t records);

} // namespace belvane::stakes
