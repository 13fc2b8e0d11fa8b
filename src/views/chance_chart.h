#pragma once

// One rating row beside random play: for each match count 0..6, the stakes
// that had it (bars), the stakes chance gives and that plus two standard
// deviations (lines): a bar above the red line is rare under random play.

#include <string_view>

#include "stakes/chance_model.h"
#include "stakes/rating_record.h"
#include "support/translation.h"
#include "views/chart.h"

namespace belvane::views {

inline constexpr std::string_view ObservedSeriesTitle = BELVANE_TEXT("Было");
inline constexpr std::string_view ExpectedSeriesTitle = BELVANE_TEXT("Случайная игра");
inline constexpr std::string_view ChanceBandTitle = BELVANE_TEXT("+2 ст. откл.");
inline constexpr std::string_view ChanceChartCaption = BELVANE_TEXT("Совпадения строки и случайная игра");

Chart ChanceComparisonChart(const stakes::RatingRecord& row, const stakes::ChanceComparison& chance);

} // namespace belvane::views
