#pragma once

// The sums of the archive's draws against the sums of every combination, and
// the three ranges of sums whose share of combinations is above 1/3, 1/2 and
// 2/3 of the way from the rarest to the commonest sum.

#include <array>
#include <string>

#include "model/draws.h"
#include "stats/stat_values.h"
#include "support/translation.h"
#include "views/chart.h"

namespace belvane::views {

struct SumRange {
    int Threshold = 0; // combinations a sum needs to be in the range
    int Low = 0;       // 0: never reached
    int High = 0;
};

struct SumDistribution {
    stats::TStatSimpleArray Theoretical; // (sum, combinations), ascending by sum
    stats::TStatSimpleArray Actual;      // (sum, draws), ascending by sum
    int MaxTheoretical = 0;
    int MinTheoretical = 0;
    int MaxActual = 0;
    std::array<SumRange, 3> Ranges;
};

SumDistribution BuildSumDistribution(const model::TDrawsArray& draws);

inline constexpr std::string_view SumDistributionCaption =
    BELVANE_TEXT("Распределение сумм тиражей и всех возможных комбинаций");
inline constexpr std::string_view ActualSumsTitle = BELVANE_TEXT("Фактическое распределение сумм (по тиражам)");
inline constexpr std::string_view TheoreticalSumsTitle =
    BELVANE_TEXT("Теоретическое распределение сумм (по комбинациям)");

// "Диапазон %d (от %s и выше по оси Y) - суммы %d-%d" of range k (1..3).
std::string SumRangeTitle(int k, const SumRange& range);

// The draws' sums (red, markers and marks), the combinations' sums scaled to
// the draws' largest count (maroon), and the three ranges as flat lines
// (green, blue, magenta).
Chart SumDistributionChart(const SumDistribution& distribution);

} // namespace belvane::views
