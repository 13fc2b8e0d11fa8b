#pragma once

// The end of a back-test: every line and variant it staked beside random
// play, and what the best of them is worth once the number of variants tried
// is taken into account. With a hold-out, the best is chosen on the older
// draws only and judged again on the newest ones, which played no part in
// the choice: the honest figure of what the choice is worth.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "stakes/chance_model.h"
#include "stakes/rating_record.h"
#include "stakes/stake_record.h"

namespace belvane::stats {
struct TConfigData;
}

namespace belvane::stakes {

struct BacktestRow {
    RatingRecord Chosen;  // the stakes the choice is made on (all of them without a hold-out)
    RatingRecord Holdout; // the stakes on the held-out newest draws
    ChanceComparison ChosenChance;
    ChanceComparison HoldoutChance;
    double AdjustedP = 1; // two-sided, Holm over the rows
    ChanceVerdict Verdict = ChanceVerdict::Same;
};

struct BacktestChance {
    std::vector<BacktestRow> Rows; // in the order of the comments given
    // The row with the smallest chance of its hits (one-sided), if any row has stakes.
    std::optional<size_t> Best;
    size_t Compared = 0; // rows with stakes: the variants the best was chosen from
    // Its one-sided p-value times the number of rows with stakes, at most 1:
    // the chance that the best of that many random variants does as well.
    double BestAdjustedP = 1;
    ChanceVerdict BestVerdict = ChanceVerdict::Same;
    // The control's random stakes, rated alike but no variant of the choice.
    std::optional<BacktestRow> Control;
    bool HasHoldout = false;
    int HoldoutOffsets = 0;
    size_t LeftOut = 0; // the run's stakes not compared: unchecked, or of more than six numbers
};

// The run's stakes grouped by comment, taken one at a time (a back-test may
// leave millions). Stakes for a draw numbered `holdoutFirstDraw` or later
// form the hold-out (made on the `holdoutOffsets` newest offsets).
class BacktestTally {
public:
    // `controlComment`: the comment of the control's stakes, if the run made any.
    BacktestTally(std::span<const std::string> comments, std::optional<int32_t> holdoutFirstDraw = {},
                  int holdoutOffsets = 0, std::string_view controlComment = {});
    void add(const StakeRecord& stake);
    // The comparison of everything added.
    BacktestChance finish(const stats::TConfigData& config) &&;

private:
    BacktestChance result_;
    std::optional<int32_t> holdoutFirstDraw_;
    std::unordered_map<std::string, size_t> rowOf_;
    std::string controlComment_;
    BacktestRow control_;
};

BacktestChance CompareBacktest(std::span<const StakeRecord> stakes, std::span<const std::string> comments,
                               const stats::TConfigData& config, std::optional<int32_t> holdoutFirstDraw = {},
                               int holdoutOffsets = 0);

// The summary as the run shows and logs it: a line per row, then the best
// row's verdict and, with a hold-out, its result there.
std::string BacktestChanceText(const BacktestChance& result);
// The best row's verdict (and its hold-out result) alone: the closing message.
std::string BacktestVerdictText(const BacktestChance& result);

} // namespace belvane::stakes
