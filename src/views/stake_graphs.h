#pragma once

// The graphs of the stakes and the ratings: profit per draw, the matches or
// profit of chosen rating rows over the latest draws, and the distribution of
// matches against chance.

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "stakes/rating_record.h"
#include "stakes/stake_record.h"
#include "support/money.h"
#include "support/translation.h"
#include "views/chart.h"

namespace belvane::views {

inline constexpr std::string_view TooFewDrawsForGraph =
    BELVANE_TEXT("Для построения графиков необходимо, чтобы в выделенном диапазоне данных было более одного тиража!");

// The stake at a position of the stakes file (0 = first).
using StakeAt = std::function<stakes::StakeRecord(size_t index)>;

struct TProfitDraw {
    int32_t DrawNumber = 0;
    Money Profit = 0;
};
using TProfitDrawArray = std::vector<TProfitDraw>;

// The profit of every stake with a draw number of 0 or more, checked or not,
// summed per draw in the order draws first appear.
TProfitDrawArray ProfitPerDraw(size_t count, const StakeAt& at);

inline constexpr std::string_view DrawProfitTitle = BELVANE_TEXT("Суммарный профит ставок по тиражу");
inline constexpr std::string_view ProfitMeanTitle = BELVANE_TEXT("Среднее значение");
inline constexpr std::string_view RunningProfitTitle = BELVANE_TEXT("Накопленное значение");

// Per draw, in currency units: its sum (green), the mean of all draws (blue)
// and the running sum (red). Throws Error(TooFewDrawsForGraph) with no draw.
Chart ProfitPerDrawChart(const TProfitDrawArray& profits);

// The first stake of the window of the latest `draws` draws that checked
// stakes name; nullopt when those stakes name fewer than two draws.
std::optional<size_t> LatestDrawsStart(size_t count, const StakeAt& at, int draws = 100);

enum class StakeMeasure { Matches, Profit };

// From LatestDrawsStart on: one series per key (letter case aside, titled
// with the stake's comment as first met) of the checked stakes with that
// comment: x the draw number, y the matches or the profit in currency
// units. Throws Error(TooFewDrawsForGraph) with no key or too few draws.
Chart SelectedStakesChart(size_t count, const StakeAt& at, std::span<const std::string> keys, StakeMeasure measure);

inline constexpr std::string_view ChanceSeriesTitle = BELVANE_TEXT("Нормальные значения");

// "Нормальные значения" (grey): the expected count of k matches among N
// stakes, N the largest stake count of the rows; then one series per row
// with its counts by matches.
Chart MatchDistributionChart(std::span<const stakes::RatingRecord> rows);

} // namespace belvane::views
