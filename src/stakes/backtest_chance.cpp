#include "stakes/backtest_chance.h"

#include <algorithm>

#include <fmt/format.h>

#include "model/game.h"
#include "stakes/ratings_chance.h"
#include "stats/config_data.h"
#include "support/translation.h"

namespace belvane::stakes {

namespace {

void addStake(RatingRecord& row, const StakeRecord& stake)
{
    const int m = stake.validMatches();
    ++row.Count;
    row.MatchesSum += m;
    ++row.MatchCounts[static_cast<size_t>(m)];
    row.Profit += stake.Profit;
}

ChanceVerdict betterOrSame(double p)
{
    return p < SignificanceLevel ? ChanceVerdict::Better : ChanceVerdict::Same;
}

std::string rowLine(const RatingRecord& r, const ChanceComparison& c, std::optional<double> adjusted,
                    std::optional<ChanceVerdict> verdict)
{
    return fmt::format("{:>7} {:>5} {:>9.1f} {:>9} {:>9} {:>11.2f} {:>11.2f} {:>9}  {}{}\n", c.Stakes, c.Hits,
                       c.ExpectedHits, ProbabilityText(c.HitsP), adjusted ? ProbabilityText(*adjusted) : "", c.Profit,
                       c.ExpectedProfit, ProbabilityText(c.ProfitPUpper),
                       verdict ? VerdictText(*verdict) + ": " : std::string(), r.Key);
}

} // namespace

BacktestTally::BacktestTally(std::span<const std::string> comments, std::optional<int32_t> holdoutFirstDraw,
                             int holdoutOffsets, std::string_view controlComment)
    : holdoutFirstDraw_(holdoutFirstDraw), controlComment_(controlComment)
{
    result_.HasHoldout = holdoutFirstDraw.has_value();
    result_.HoldoutOffsets = holdoutOffsets;
    control_.Chosen.Key = controlComment_;
    control_.Holdout.Key = controlComment_;
    for (const std::string& comment : comments) {
        if (!controlComment_.empty() && comment == controlComment_)
            continue;
        rowOf_.emplace(comment, result_.Rows.size());
        BacktestRow& row = result_.Rows.emplace_back();
        row.Chosen.Key = comment;
        row.Holdout.Key = comment;
    }
}

void BacktestTally::add(const StakeRecord& stake)
{
    if (stake.isSeparator())
        return;
    BacktestRow* row = nullptr;
    if (!controlComment_.empty() && stake.Comment == controlComment_) {
        row = &control_;
    } else {
        auto it = rowOf_.find(stake.Comment);
        if (it == rowOf_.end())
            return;
        row = &result_.Rows[it->second];
    }
    // The law of chance is that of one combination per stake.
    if (stake.validMatches() < 0 || stake.numberCount() != static_cast<size_t>(model::BallCount)) {
        ++result_.LeftOut;
        return;
    }
    addStake(holdoutFirstDraw_ && stake.DrawNumber >= *holdoutFirstDraw_ ? row->Holdout : row->Chosen, stake);
}

BacktestChance BacktestTally::finish(const stats::TConfigData& config) &&
{
    BacktestChance result = std::move(result_);
    const MatchMoney prizes = PrizesOf(config);
    std::vector<double> tested;
    std::vector<size_t> testedRows;
    for (size_t i = 0; i < result.Rows.size(); ++i) {
        BacktestRow& row = result.Rows[i];
        row.ChosenChance = CompareWithChance(row.Chosen, prizes, config.Cost);
        row.HoldoutChance = CompareWithChance(row.Holdout, prizes, config.Cost);
        if (row.Chosen.Count > 0) {
            tested.push_back(row.ChosenChance.HitsP);
            testedRows.push_back(i);
        }
    }
    const std::vector<double> adjusted = HolmAdjust(tested);
    for (size_t j = 0; j < testedRows.size(); ++j) {
        BacktestRow& row = result.Rows[testedRows[j]];
        row.AdjustedP = adjusted[j];
        row.Verdict = Judge(row.ChosenChance, row.AdjustedP);
        if (!result.Best || row.ChosenChance.HitsPUpper < result.Rows[*result.Best].ChosenChance.HitsPUpper)
            result.Best = testedRows[j];
    }
    if (control_.Chosen.Count > 0 || control_.Holdout.Count > 0) {
        BacktestRow& c = result.Control.emplace(std::move(control_));
        c.ChosenChance = CompareWithChance(c.Chosen, prizes, config.Cost);
        c.HoldoutChance = CompareWithChance(c.Holdout, prizes, config.Cost);
        c.AdjustedP = c.ChosenChance.HitsP;
        c.Verdict = Judge(c.ChosenChance, c.AdjustedP);
    }
    result.Compared = testedRows.size();
    if (result.Best) {
        const double p = result.Rows[*result.Best].ChosenChance.HitsPUpper;
        result.BestAdjustedP = std::min(1.0, p * static_cast<double>(testedRows.size()));
        result.BestVerdict = betterOrSame(result.BestAdjustedP);
    }
    return result;
}

BacktestChance CompareBacktest(std::span<const StakeRecord> stakes, std::span<const std::string> comments,
                               const stats::TConfigData& config, std::optional<int32_t> holdoutFirstDraw,
                               int holdoutOffsets)
{
    BacktestTally tally(comments, holdoutFirstDraw, holdoutOffsets);
    for (const StakeRecord& stake : stakes)
        tally.add(stake);
    return std::move(tally).finish(config);
}

std::string BacktestChanceText(const BacktestChance& result)
{
    std::string text = support::Text("Сравнение со случайной игрой (ставки из шести чисел):") + "\n";
    text += fmt::format("{:>7} {:>5} {:>9} {:>9} {:>9} {:>11} {:>11} {:>9}  {}\n", support::Text("Ставок"), "3+",
                        support::Text("Ожид. 3+"), "p", support::Text("p с поправкой"), support::Text("Профит"),
                        support::Text("Ожид. профит"), support::Text("p профита"), support::Text("Вывод: комментарий"));
    for (const BacktestRow& row : result.Rows) {
        if (row.Chosen.Count <= 0)
            continue;
        text += rowLine(row.Chosen, row.ChosenChance, row.AdjustedP, row.Verdict);
    }
    if (result.Control && result.Control->Chosen.Count > 0) {
        text += support::Text("Контроль: случайные ставки из полного набора, столько же на каждом смещении:") + "\n";
        text += rowLine(result.Control->Chosen, result.Control->ChosenChance, std::nullopt, result.Control->Verdict);
    }
    if (result.LeftOut > 0)
        text += support::Message("Не сравнивались ставок (не проверены или больше шести чисел): {}\n", result.LeftOut);
    return text + BacktestVerdictText(result);
}

std::string BacktestVerdictText(const BacktestChance& result)
{
    if (!result.Best)
        return support::Text("Нет проверенных ставок для сравнения.") + "\n";
    std::string text;
    const BacktestRow& best = result.Rows[*result.Best];
    text += support::Message("Лучший вариант: {}\n", best.Chosen.Key);
    text += support::Message("{}, с поправкой на число вариантов ({}): {}: {} (уровень {} %)\n",
                             PValuePhrase(best.ChosenChance.HitsPUpper), result.Compared,
                             ProbabilityText(result.BestAdjustedP), VerdictText(result.BestVerdict),
                             static_cast<int>(SignificanceLevel * 100));
    if (result.HasHoldout) {
        const ChanceComparison& h = best.HoldoutChance;
        if (h.Stakes <= 0) {
            text += support::Message("На {} новейших смещениях у лучшего варианта нет проверенных ставок.\n",
                                     result.HoldoutOffsets);
        } else {
            text +=
                support::Message("На {} новейших смещениях (вне выборки выбора): ставок {}, с 3 и более "
                                 "совпадениями {} (ожидалось {:.1f}), {}, профит {:.2f} (ожидалось {:.2f}): {}\n",
                                 result.HoldoutOffsets, h.Stakes, h.Hits, h.ExpectedHits, PValuePhrase(h.HitsPUpper),
                                 h.Profit, h.ExpectedProfit, VerdictText(betterOrSame(h.HitsPUpper)));
        }
    }
    return text;
}

} // namespace belvane::stakes
