#pragma once

// How a regular stake moves on: every number shifted by the step around the
// 45-number circle, from the last combination staked or from the newest draw.

#include <optional>
#include <string_view>

#include "model/draws.h"
#include "stakes/regular_table.h"
#include "support/translation.h"

namespace belvane::stakes {

inline constexpr std::string_view EmptyArchiveBaseMessage =
    BELVANE_TEXT("Архив тиражей пуст: ставку по данным предыдущего тиража сделать невозможно!");

// n + step, brought back into 1..45 (step -45..45; 0 leaves n as it is).
int ShiftNumber(int n, int step);
// Every number shifted, the result ascending.
model::TComb ShiftComb(const model::TComb& comb, int step);

// The newest draw visible at the offset, its numbers ascending; nothing when
// the archive holds no draw there.
std::optional<model::TComb> NewestVisibleNumbers(const model::TDrawsArray& draws, int offset);

// The combination the regular stake stakes next at the offset: its base
// shifted by its step. Throws Error(EmptyArchiveBaseMessage) when the base is
// the newest draw and there is none.
model::TComb NextRegularComb(const RegularStake& regular, const model::TDrawsArray& draws, int offset);

// The stake was made: the combination becomes the current one and the count
// grows by one (it stops at its largest value).
void AdvanceRegular(RegularStake& regular, const model::TComb& staked);

} // namespace belvane::stakes
