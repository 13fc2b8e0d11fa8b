#pragma once

// The ratings beside random play: for every row, how many stakes with three
// or more matches chance gives, how likely the row's count is under chance,
// that likelihood adjusted for the number of rows compared at once, and the
// verdict. Rows are compared together: the more rows, the stronger a row's
// result must be before it counts as better (or worse) than random play.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "stakes/chance_model.h"
#include "stakes/rating_record.h"
#include "support/translation.h"

namespace belvane::stats {
struct TConfigData;
}

namespace belvane::stakes {

inline constexpr int ChanceColumnCount = 4;
inline constexpr std::array<std::string_view, ChanceColumnCount> ChanceColumnCaptions = {
    BELVANE_TEXT("Ожид. 3+"), BELVANE_TEXT("p"), BELVANE_TEXT("p с поправкой"),
    BELVANE_TEXT("Сравнение со случайной игрой")};

inline constexpr std::array<std::string_view, 3> VerdictTexts = {BELVANE_TEXT("не отличается от случайной игры"),
                                                                 BELVANE_TEXT("лучше случайной игры"),
                                                                 BELVANE_TEXT("хуже случайной игры")};

struct RowChance {
    ChanceComparison Comparison;
    double AdjustedP = 1; // Holm over every row with stakes
    ChanceVerdict Verdict = ChanceVerdict::Same;
};

// The prize for each match count from the configuration's prize table (0
// where it has none).
MatchMoney PrizesOf(const stats::TConfigData& config);

// Every row in order. The profit's exact tail costs time on large rows: ask
// for it only where it is shown.
std::vector<RowChance> CompareRowsWithChance(const TRatingsArray& rows, const stats::TConfigData& config,
                                             ProfitTail profit = ProfitTail::Skip);

// How many rows the adjustment compared (those with stakes).
size_t RowsCompared(const std::vector<RowChance>& rows);

// A listed row (from CompareRowsWithChance) with its profit's exact tail too,
// for the one row shown in full.
RowChance WithProfitTail(const RowChance& listed, const RatingRecord& record, const stats::TConfigData& config);

// A probability as the tables show it: four decimals, "< 0.0001" below that.
std::string ProbabilityText(double p);
// The same in a sentence: "p = 0.0123", "p < 0.0001".
std::string PValuePhrase(double p);

std::string VerdictText(ChanceVerdict verdict); // translated
// The whole comparison of one row, a line per figure: the counts per match
// class beside what chance gives, the hits with their tails, the profit with
// its tail (and whether it is exact), the adjustment and the verdict.
// `rowsCompared` is how many rows the adjustment took into account.
std::string ChanceReportText(const RatingRecord& record, const RowChance& row, size_t rowsCompared);

// One cell of the chance columns (column 0..ChanceColumnCount-1); empty for
// a row without stakes.
std::string ChanceCellText(const RowChance& row, int column);

} // namespace belvane::stakes
