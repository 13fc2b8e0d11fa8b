#pragma once

// The stakes of the running program: the stakes file, held open and locked
// for the whole run, making stakes by hand or from the combination list,
// checking them against the archive, deleting them and the stake logs.

#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>

#include "app/view_selection.h"
#include "stakes/stake_check.h"
#include "stakes/stake_dialogs.h"
#include "stakes/stake_ops.h"
#include "stakes/stakes_file.h"

namespace belvane::app {

class Workspace;

class StakesService {
public:
    explicit StakesService(Workspace& workspace);

    stakes::StakesFile& File() { return file_; }
    const stakes::StakesFile& File() const { return file_; }
    size_t Count() const { return file_.IsOpen() ? file_.RecordCount() : 0; }
    // "Ставок: %d" (status panel 4).
    std::string PanelText() const;
    // Record `index` for the grid (through the one-record cache).
    stakes::StakeRecord Record(size_t index);

    // At initialisation: opens and locks the file, empties a file of an older
    // version after its warning. Throws StartupFailure after the exclusive-
    // access message when the folder is held by another program.
    void Open();
    // At shutdown ("Сохранение файла ставок...").
    bool Close();

    // The draw new stakes are for: the draw after the newest one at the offset.
    int32_t NextDrawNumber() const;
    // The record the stake dialog starts from, prefilled with a combination.
    stakes::StakeRecord PrepareManualStake(const std::optional<model::TComb>& prefill) const;
    // A uniformly drawn combination of the list (StakeAddRandom); nullopt for an empty list.
    std::optional<model::TComb> RandomCombination();

    // The stake dialog's OK: the stake for `drawsCount` draws, then the check.
    bool AddStake(const stakes::StakeRecord& stake, int drawsCount);
    // The multi-stake dialog's OK over these rows of the combination list
    // (every row when empty), then the check.
    stakes::AddStakesResult AddStakes(std::span<const size_t> rows, const stakes::MultiStakeRequest& request,
                                      bool allRows);

    // Checks every stake whose draw is in the archive (after stakes or draws
    // were added, and on "Проверить ставки"), from record `from` on.
    // `deferred`: one of many checks in a row, finished with FinishChecks.
    stakes::CheckResult Check(size_t from = 0, bool deferred = false);
    void FinishChecks();

    // Deleting; the front end asks DeleteRowsQuestion for the rows first.
    bool DeleteRecords(std::span<const size_t> indices);
    // "Удаление по условию"; the choice is remembered for the rest of the run.
    bool DeleteByMatches(const stakes::StakeFilterChoice& choice);
    const stakes::StakeFilterChoice& LastFilterChoice() const { return lastChoice_; }
    // "Удалить все ставки" (the front end asks DeleteRowsQuestion with Count()
    // first), then rebuilds the ratings.
    bool Clear();
    void DeleteLogs();

    bool LogEnabled() const;
    void ToggleLog();
    bool ScrollEnabled() const;
    void ToggleScroll();
    bool CheckOnLine() const;
    void ToggleCheckOnLine();

    std::optional<bool> ActionEnabled(std::string_view action, const ViewSelection& selection) const;

private:
    void ToggleSetting(std::string_view key);

    Workspace& ws_;
    stakes::StakesFile file_;
    stakes::StakeFilterChoice lastChoice_;
    std::mt19937_64 random_;
};

} // namespace belvane::app
