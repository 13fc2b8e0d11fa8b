#include "stakes/ratings_chance.h"

#include <algorithm>

#include <fmt/format.h>

#include "stats/config_data.h"

namespace belvane::stakes {

MatchMoney PrizesOf(const stats::TConfigData& config)
{
    MatchMoney prizes{};
    for (int k = 0; k < MatchSlots; ++k) {
        // The first entry for a match count is the one a stake check pays.
        auto it = std::find_if(config.Profits.begin(), config.Profits.end(),
                               [&](const stats::Prize& p) { return p.Overlap == k; });
        if (it != config.Profits.end())
            prizes[static_cast<size_t>(k)] = std::max<Money>(it->Profit, 0);
    }
    return prizes;
}

std::vector<RowChance> CompareRowsWithChance(const TRatingsArray& rows, const stats::TConfigData& config,
                                             ProfitTail profit)
{
    const MatchMoney prizes = PrizesOf(config);
    std::vector<RowChance> result(rows.size());
    std::vector<double> tested;
    std::vector<size_t> testedRows;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].IsValid() || rows[i].Count <= 0)
            continue;
        result[i].Comparison = CompareWithChance(rows[i], prizes, config.Cost, profit);
        tested.push_back(result[i].Comparison.HitsP);
        testedRows.push_back(i);
    }
    const std::vector<double> adjusted = HolmAdjust(tested);
    for (size_t j = 0; j < testedRows.size(); ++j) {
        RowChance& row = result[testedRows[j]];
        row.AdjustedP = adjusted[j];
        row.Verdict = Judge(row.Comparison, row.AdjustedP);
    }
    return result;
}

size_t RowsCompared(const std::vector<RowChance>& rows)
{
    return static_cast<size_t>(
        std::count_if(rows.begin(), rows.end(), [](const RowChance& r) { return r.Comparison.Stakes > 0; }));
}

RowChance WithProfitTail(const RowChance& listed, const RatingRecord& record, const stats::TConfigData& config)
{
    RowChance shown = listed;
    shown.Comparison = CompareWithChance(record, PrizesOf(config), config.Cost, ProfitTail::Compute);
    return shown;
}

std::string ProbabilityText(double p)
{
    if (p < 0.0001)
        return "< 0.0001";
    return fmt::format("{:.4f}", p);
}

std::string PValuePhrase(double p)
{
    return p < 0.0001 ? "p < 0.0001" : "p = " + ProbabilityText(p);
}

std::string VerdictText(ChanceVerdict verdict)
{
    return support::Text(VerdictTexts[static_cast<size_t>(verdict)]);
}

std::string ChanceReportText(const RatingRecord& record, const RowChance& row, size_t rowsCompared)
{
    const ChanceComparison& c = row.Comparison;
    std::string text = support::Message("Строка рейтинга: {}\n", record.Key);
    text += support::Message("Ставок: {}\n", c.Stakes);
    if (c.Stakes <= 0)
        return text;
    text += fmt::format("{:<12}{:>12}{:>12}{:>12}\n", support::Text("Совпадений"), support::Text("Было"),
                        support::Text("Ожидалось"), support::Text("Ст. откл."));
    for (size_t k = 0; k < c.Expected.size(); ++k)
        text += fmt::format("{:<12}{:>12}{:>12.2f}{:>12.2f}\n", k, record.MatchCounts[k], c.Expected[k], c.StdDev[k]);
    text += support::Message("Ставок с 3 и более совпадениями: {} (ожидалось {:.2f} ± {:.2f})\n", c.Hits,
                             c.ExpectedHits, c.StdDevHits);
    text += support::Message("p (не меньше): {}\n", ProbabilityText(c.HitsPUpper));
    text += support::Message("p (не больше): {}\n", ProbabilityText(c.HitsPLower));
    text += support::Message("p двусторонний: {}\n", ProbabilityText(c.HitsP));
    text += support::Message("p с поправкой Холма на {} сравниваемых строк: {}\n", rowsCompared,
                             ProbabilityText(row.AdjustedP));
    text +=
        support::Message("Профит: {:.2f} (ожидалось {:.2f} ± {:.2f})\n", c.Profit, c.ExpectedProfit, c.StdDevProfit);
    text += support::Message("p (профит не меньше): {} ({})\n", ProbabilityText(c.ProfitPUpper),
                             c.ProfitExact ? support::Text("точное распределение")
                                           : support::Text("нормальное приближение"));
    text += support::Message("Вывод: {} (уровень {} %)\n", VerdictText(row.Verdict),
                             static_cast<int>(SignificanceLevel * 100));
    return text;
}

std::string ChanceCellText(const RowChance& row, int column)
{
    if (row.Comparison.Stakes <= 0)
        return {};
    switch (column) {
    case 0:
        return fmt::format("{:.2f}", row.Comparison.ExpectedHits);
    case 1:
        return ProbabilityText(row.Comparison.HitsP);
    case 2:
        return ProbabilityText(row.AdjustedP);
    case 3:
        return VerdictText(row.Verdict);
    default:
        return {};
    }
}

} // namespace belvane::stakes
