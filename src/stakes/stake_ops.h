#pragma once

// The stakes operations the front ends call. Each shows its status text, its
// questions and its failure messages through the host and reports what it
// did; checking the stakes afterwards (CheckStakes) and refreshing the grid
// are the caller's next step where the operation says so.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "model/game.h"
#include "stakes/ratings.h"
#include "stakes/stake_dialogs.h"
#include "stakes/stakes_file.h"
#include "stats/config_data.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::stakes {

inline constexpr std::string_view DeleteStakesStatus = BELVANE_TEXT("Удаление ставок...");
inline constexpr std::string_view NoStakeLogsMessage = BELVANE_TEXT("Файлы журналов не найдены!");
inline constexpr std::string_view FindStakeLogsStatus = BELVANE_TEXT("Поиск файлов журналов...");

// The stake dialog's OK: the stake for `drawsCount` draws (status "Создание
// ставки..."). Then check the stakes and scroll to the end.
bool AddStake(Host& host, StakesFile& file, const StakeRecord& stake, int drawsCount);

// The multi-stake dialog's OK: one stake per combination, in order.
struct MultiStakeRequest {
    int32_t DrawNumber = 1;
    int DrawsCount = 1;
    std::string Comment;
    int32_t ListSize = 0;
    StakeKind Kind = StakeKind::Manual;
};
struct AddStakesResult {
    size_t Stakes = 0;      // combinations staked (after a failure: at most the records written)
    size_t Records = 0;     // records written, separators included
    bool Completed = false; // every combination staked: check the stakes and scroll
    bool Cancelled = false;
};
// Buffered, with progress and cancel: what was added before a cancel or a
// failure stays in the file.
AddStakesResult AddStakes(Host& host, StakesFile& file, std::span<const model::TComb> combs,
                          const MultiStakeRequest& request, const stats::TConfigData& config);

// "Удалить ставку": the records at the given indices (0-based); the front end
// asks DeleteRowsQuestion first. Then check the stakes.
bool DeleteStakes(Host& host, StakesFile& file, std::span<const size_t> indices);
// "Удаление по условию": every stake (not separators) whose matches meet the
// condition; unchecked stakes have matches -1. Returns whether the file changed.
bool DeleteStakesByMatches(Host& host, StakesFile& file, const StakeFilterChoice& choice);
// How many stakes DeleteStakesByMatches would delete. Throws Error when the file cannot be read.
size_t CountStakesByMatches(StakesFile& file, const StakeFilterChoice& choice);
// The questions before the deletions, "no" preselected.
// "Удалить ставки, удовлетворяющие условию (всего будет удалено %d ставок)?"
std::string DeleteByMatchesQuestion(size_t stakes);
// "Удалить журналы ставок (всего будет удалено %d файлов)?"
std::string DeleteStakeLogsQuestion(size_t files);
inline constexpr std::string_view NoStakesMeetMessage = BELVANE_TEXT("Нет ставок, удовлетворяющих условию.");
// "Удалить все ставки": the front end asks DeleteRowsQuestion with the
// count first. Empties the file, then rebuilds the ratings (which asks its
// own question).
bool ClearStakes(Host& host, StakesFile& file, Ratings& ratings);

// "Удалить журналы ставок" in `folder`.
void DeleteStakeLogs(Host& host, const std::filesystem::path& folder);

} // namespace belvane::stakes
