#pragma once

// The stakes of the running program: the stakes file, held open and locked
// for the whole run, making stakes by hand or from the combination list,
// checking them against the archive, deleting them and the stake logs.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/view_selection.h"
#include "stakes/stake_check.h"
#include "stakes/stake_dialogs.h"
#include "stakes/stake_ops.h"
#include "stakes/stakes_file.h"
#include "support/translation.h"

namespace belvane::app {

inline constexpr std::string_view InterruptedChangeMessage =
    BELVANE_TEXT("Работа программы была прервана во время изменения ставок: изменение отменено.\r\rУдалено "
                 "байт в конце файла ставок: {}, восстановлено записей: {}, восстановлено файлов: {}.");
inline constexpr std::string_view TornRecordMessage = BELVANE_TEXT(
    "Последняя запись файла ставок была записана не полностью и удалена ({} байт); остальные ставки сохранены.");
inline constexpr std::string_view DamagedJournalMessage =
    BELVANE_TEXT("{}\r\rНезавершенное изменение ставок не может быть отменено: файлы оставлены как есть, журнал "
                 "сохранен как \"{}\".");
inline constexpr std::string_view PendingChangeMessage =
    BELVANE_TEXT("Изменение ставок не было завершено: оно будет отменено при следующем запуске программы, "
                 "изменяющем данные. Показаны ставки вместе с этим изменением.");
inline constexpr std::string_view ChangeUndoneMessage =
    BELVANE_TEXT("Ставки, рейтинг и регулярные ставки возвращены к состоянию до операции, которая не была выполнена.");

class StakesService;
class Workspace;

// A change of the stakes for the length of a scope: the stakes file, the
// ratings, the regular stakes and the logs move together. Commit() keeps it;
// a change left without it (a failure) is undone, and one the program did not
// live to finish is undone at the next start. A change begun while one is
// going on joins it: the first one decides.
class StakesChange {
public:
    StakesChange(StakesChange&& other) noexcept;
    StakesChange(const StakesChange&) = delete;
    StakesChange& operator=(const StakesChange&) = delete;
    StakesChange& operator=(StakesChange&&) = delete;
    ~StakesChange();

    // Returns false when the change could not be made durable (shown; it is undone).
    bool Commit();

private:
    friend class StakesService;
    StakesChange(StakesService& service, bool outermost) : service_(&service), outermost_(outermost) {}

    StakesService* service_;
    bool outermost_;
    bool done_ = false;
};

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

    // At initialisation: opens and locks the file, undoes a change the
    // program did not live to finish, cuts off a record torn at the end, and
    // empties a file of an older version after its warning (keeping a copy).
    // Throws StartupFailure after the exclusive-access message when the
    // folder is held by another program.
    void Open();

    // Begins a change of the stakes, or joins the one going on; nullopt when
    // it cannot begin (the failure was shown and nothing changed).
    // `withArchive`: the draws file moves with the stakes (a draw that stakes
    // were checked against is edited or deleted); an undone change reads it again.
    std::optional<StakesChange> BeginChange(bool withArchive = false);
    bool ChangeActive() const { return file_.ChangeActive(); }
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
    // False when the file or the ratings could not be written (shown).
    bool FinishChecks();
    // The stakes checked against these draws go back to unchecked and out of
    // the ratings (the draws are about to change or go).
    stakes::UncheckResult UncheckDraws(std::span<const int32_t> drawNumbers);

    // Deleting; the front end asks DeleteRowsQuestion for the rows first.
    bool DeleteRecords(std::span<const size_t> indices);
    // "Удаление по условию"; the choice is remembered for the rest of the run.
    bool DeleteByMatches(const stakes::StakeFilterChoice& choice);
    // Before DeleteByMatches from the dialog: asks with the count ("no"
    // preselected); says so and returns false when no stake meets the condition.
    bool ConfirmDeleteByMatches(const stakes::StakeFilterChoice& choice);
    // Before DeleteLogs from the menu: asks with the count of files ("no"
    // preselected); with no logs DeleteLogs says so itself.
    bool ConfirmDeleteLogs();
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
    friend class StakesChange;
    void ToggleSetting(std::string_view key);
    // Undoes the change going on, shows what was put back, and reads the
    // ratings and regular stakes again.
    void undoChange();
    // Where the old stakes of a file of an older version are kept: the first free name.
    std::filesystem::path freeCopyPath() const;

    Workspace& ws_;
    stakes::StakesFile file_;
    stakes::StakeFilterChoice lastChoice_;
    bool archiveInChange_ = false;
    std::mt19937_64 random_;
};

} // namespace belvane::app
