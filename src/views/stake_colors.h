#pragma once

// The colours of the stakes page: a row's background by the kind of stake,
// the drawn numbers of a stake, and the result of a checked stake.

#include <cstdint>
#include <optional>

#include "stakes/stake_record.h"
#include "views/colors.h"

namespace belvane::views {

// The background of a row that is not selected; nullopt for the window colour (separators).
std::optional<Rgb> StakeRowColor(uint8_t kind);

// Numbers of the stake that were drawn (bold, in this colour).
inline constexpr Rgb MatchedNumberColor{0, 0, 255};

// The matches, matched numbers and profit of a checked stake: green when it
// made a profit, red otherwise; nullopt (the text colour) when unchecked.
std::optional<Rgb> StakeResultColor(const stakes::StakeRecord& record);

} // namespace belvane::views
