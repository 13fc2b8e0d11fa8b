#include "app/stakes_service.h"

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/ratings_service.h"
#include "app/setting_keys.h"
#include "app/workspace.h"
#include "app/tables_service.h"
#include "stakes/stake_access.h"
#include "stakes/stake_log.h"
#include "stakes/stake_texts.h"
#include "support/error.h"
#include "support/host.h"
#include "support/random_index.h"
#include "support/translation.h"

namespace belvane::app {
namespace {

// How many copies of older stakes files may lie beside the stakes file.
constexpr int kMaxOldCopies = 1000;

} // namespace

// ---- a change of the stakes ---------------------------------------------------------------

StakesChange::StakesChange(StakesChange&& other) noexcept
    : service_(other.service_), outermost_(other.outermost_), done_(std::exchange(other.done_, true))
{
}

StakesChange::~StakesChange()
{
    if (outermost_ && !done_)
        service_->undoChange();
}

bool StakesChange::Commit()
{
    if (!outermost_ || done_)
        return true;
    try {
        service_->file_.CommitChange();
        service_->archiveInChange_ = false;
        done_ = true;
        return true;
    } catch (const Error& e) {
        service_->ws_.Host().showError(support::Message("Ошибка записи в файл ставок!\r\r{}", e.what()));
        done_ = true;
        service_->undoChange();
        return false;
    }
}

std::optional<StakesChange> StakesService::BeginChange(bool withArchive)
{
    if (file_.ChangeActive())
        return StakesChange(*this, false);
    try {
        std::vector<std::filesystem::path> logs;
        for (int matches = 0; matches <= static_cast<int>(stakes::StakeNumbersCapacity); ++matches)
            logs.push_back(stakes::StakeLogPath(ws_.Files().folder(), matches));
        std::vector<std::filesystem::path> replaced{ws_.Files().ratings(), ws_.Files().tables()};
        if (withArchive)
            replaced.push_back(ws_.Files().draws());
        file_.BeginChange(replaced, logs);
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка записи в файл ставок!\r\r{}", e.what()));
        return std::nullopt;
    }
    archiveInChange_ = withArchive;
    return StakesChange(*this, true);
}

void StakesService::undoChange()
{
    Host& host = ws_.Host();
    try {
        const stakes::ChangeUndone undone = file_.UndoChange();
        if (undone.DroppedBytes > 0 || undone.RestoredRecords > 0 || undone.RestoredFiles > 0)
            host.showWarning(support::Text(ChangeUndoneMessage));
    } catch (const Error& e) {
        // The journal stays: the next start undoes the change.
        host.showError(support::Message("Ошибка восстановления файла ставок!\r\r{}", e.what()));
    }
    ws_.Ratings().Load();
    ws_.Tables().Load();
    if (std::exchange(archiveInChange_, false)) {
        ws_.Archive().Load();
        ws_.RefreshAllViews(false);
    }
}

std::filesystem::path StakesService::freeCopyPath() const
{
    const std::filesystem::path first = ws_.Files().stakesCopy();
    std::error_code ec;
    if (!std::filesystem::exists(first, ec))
        return first;
    for (int n = 2; n <= kMaxOldCopies; ++n) {
        std::filesystem::path next = first;
        next += "." + std::to_string(n);
        if (!std::filesystem::exists(next, ec))
            return next;
    }
    throw Error(support::Message("Нет свободного имени для копии файла ставок ({})!", first.filename().string()));
}

// ---- the service ----------------------------------------------------------------------------

StakesService::StakesService(Workspace& workspace) : ws_(workspace), random_(std::random_device{}()) {}

std::string StakesService::PanelText() const
{
    return stakes::StakesCountText(Count());
}

stakes::StakeRecord StakesService::Record(size_t index)
{
    return file_.Read(index);
}

void StakesService::Open()
{
    Host& host = ws_.Host();
    StatusScope status(host, support::Text("Загрузка файла ставок..."));
    const bool readOnly = ws_.Mode().ReadOnly;
    try {
        if (readOnly)
            file_.OpenForReading(ws_.Files().stakes());
        else
            file_.Open(ws_.Files().stakes());
    } catch (const stakes::StakesFileLocked&) {
        host.showError(support::Text(ExclusiveAccessMessage));
        throw StartupFailure(support::Text(ExclusiveAccessMessage));
    } catch (const Error& e) {
        host.showError(support::Message("Ошибка чтения файла ставок!\r\r{}", e.what()));
        throw StartupFailure(e.what());
    }
    if (readOnly && file_.ChangePending()) {
        // A reading command writes nothing, but for putting right a change
        // the program did not live to finish: then it shows what was written
        // for good. Where it cannot write, the next program that can does it.
        try {
            file_.Close();
            file_.Open(ws_.Files().stakes());
        } catch (const Error&) {
            try {
                file_.OpenForReading(ws_.Files().stakes());
            } catch (const Error& e) {
                host.showError(support::Message("Ошибка чтения файла ставок!\r\r{}", e.what()));
                throw StartupFailure(e.what());
            }
            host.showWarning(support::Text(PendingChangeMessage));
            return;
        }
    } else if (readOnly) {
        return;
    }
    // A change the program did not live to finish is undone before anything reads the stakes.
    try {
        if (file_.ChangePending()) {
            try {
                const stakes::ChangeUndone undone = file_.UndoChange();
                host.showWarning(support::Message(InterruptedChangeMessage, undone.DroppedBytes, undone.RestoredRecords,
                                                  undone.RestoredFiles));
            } catch (const stakes::JournalDamaged& e) {
                // Nothing can be undone from it: the files stay as they are,
                // the journal is kept for a look, and a torn record is cut below.
                const std::filesystem::path aside = file_.SetAsideChange();
                host.showWarning(support::Message(DamagedJournalMessage, e.what(), aside.filename().string()));
            }
        } else {
            file_.RemoveChangeLeftovers();
        }
    } catch (const Error& e) {
        host.showError(support::Message("Ошибка восстановления файла ставок!\r\r{}", e.what()));
        throw StartupFailure(e.what());
    }
    try {
        // The end of an append that the program did not live to finish (or
        // that a full disk cut short): the whole records before it are the stakes.
        if (const uint64_t torn = file_.TornTailBytes(); torn > 0) {
            file_.CutTornTail();
            host.showWarning(support::Message(TornRecordMessage, torn));
        }
        if (!file_.IsOlderVersion())
            return;
        host.showWarning(
            support::Text("Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки будут удалены!"));
    } catch (const Error& e) {
        host.showError(support::Message("Ошибка чтения файла ставок!\r\r{}", e.what()));
        throw StartupFailure(e.what());
    }
    // The old stakes stay readable beside the emptied file, under a name no
    // earlier copy has; without that copy nothing is emptied.
    try {
        file_.CopyTo(freeCopyPath());
        file_.Truncate();
    } catch (const Error& e) {
        host.showError(support::Message("Ошибка записи в файл ставок!\r\r{}", e.what()));
        throw StartupFailure(e.what());
    }
}

bool StakesService::Close()
{
    StatusScope status(ws_.Host(), support::Text("Сохранение файла ставок..."));
    try {
        file_.Close();
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка записи в файл ставок!\r\r{}", e.what()));
        return false;
    }
}

int32_t StakesService::NextDrawNumber() const
{
    return stakes::NextStakeDrawNumber(ws_.Archive().Draws(), ws_.Archive().Offset());
}

stakes::StakeRecord StakesService::PrepareManualStake(const std::optional<model::TComb>& prefill) const
{
    return stakes::PrepareManualStake(ws_.Archive().Draws(), ws_.Archive().Offset(),
                                      static_cast<int32_t>(ws_.Combinations().ListSize()), prefill,
                                      ws_.Configuration().Data());
}

std::optional<model::TComb> StakesService::RandomCombination()
{
    const auto combs = ws_.Combinations().Combs();
    if (combs.empty())
        return std::nullopt;
    return combs[UniformIndex(random_, combs.size())];
}

bool StakesService::AddStake(const stakes::StakeRecord& stake, int drawsCount)
{
    auto busy = ws_.Busy();
    auto change = BeginChange();
    if (!change)
        return false;
    if (!stakes::AddStake(ws_.Host(), file_, stake, drawsCount) || Check().Failed)
        return false; // undone whole
    return change->Commit();
}

stakes::AddStakesResult StakesService::AddStakes(std::span<const size_t> rows, const stakes::MultiStakeRequest& request,
                                                 bool allRows)
{
    auto busy = ws_.Busy();
    auto change = BeginChange();
    if (!change)
        return {};
    const auto combs = ws_.Combinations().Combs();
    stakes::AddStakesResult result;
    if (allRows) {
        result = stakes::AddStakes(ws_.Host(), file_, combs, request, ws_.Configuration().Data());
    } else {
        std::vector<model::TComb> chosen;
        chosen.reserve(rows.size());
        for (size_t r : rows)
            if (r < combs.size())
                chosen.push_back(combs[r]);
        result = stakes::AddStakes(ws_.Host(), file_, chosen, request, ws_.Configuration().Data());
    }
    // A cancel keeps what was added before it; a failure undoes every stake of the request.
    if ((!result.Completed && !result.Cancelled) || (result.Completed && Check().Failed) || !change->Commit()) {
        result.Stakes = 0;
        result.Records = 0;
        result.Completed = false;
    }
    return result;
}

stakes::CheckResult StakesService::Check(size_t from, bool deferred)
{
    if (!file_.IsOpen() || file_.Empty())
        return {};
    auto busy = ws_.Busy();
    auto change = BeginChange();
    if (!change)
        return {.Failed = true};
    stakes::CheckOptions options;
    options.LogEnabled = LogEnabled();
    options.LogFolder = ws_.Files().folder();
    options.From = from;
    options.Deferred = deferred;
    stakes::CheckResult result = stakes::CheckStakes(ws_.Host(), file_, ws_.Archive().Draws(),
                                                     ws_.Configuration().Data(), ws_.Ratings().Ratings(), options);
    if (!result.Failed && !change->Commit())
        result.Failed = true;
    return result;
}

bool StakesService::FinishChecks()
{
    return !file_.IsOpen() || stakes::FinishChecks(ws_.Host(), file_, ws_.Ratings().Ratings());
}

stakes::UncheckResult StakesService::UncheckDraws(std::span<const int32_t> drawNumbers)
{
    if (!file_.IsOpen() || file_.Empty() || drawNumbers.empty())
        return {};
    auto busy = ws_.Busy();
    auto change = BeginChange();
    if (!change)
        return {.Failed = true};
    stakes::UncheckResult result =
        stakes::UncheckStakes(ws_.Host(), file_, drawNumbers, ws_.Configuration().Data(), ws_.Ratings().Ratings());
    if (!result.Failed && !change->Commit())
        result.Failed = true;
    return result;
}

bool StakesService::DeleteRecords(std::span<const size_t> indices)
{
    auto busy = ws_.Busy();
    const bool deleted = stakes::DeleteStakes(ws_.Host(), file_, indices);
    if (deleted)
        Check();
    return deleted;
}

bool StakesService::DeleteByMatches(const stakes::StakeFilterChoice& choice)
{
    auto busy = ws_.Busy();
    lastChoice_ = choice;
    const bool deleted = stakes::DeleteStakesByMatches(ws_.Host(), file_, choice);
    if (deleted)
        Check();
    return deleted;
}

bool StakesService::ConfirmDeleteByMatches(const stakes::StakeFilterChoice& choice)
{
    lastChoice_ = choice; // offered again even when the answer is no
    size_t count = 0;
    try {
        count = stakes::CountStakesByMatches(file_, choice);
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка чтения файла ставок!\r\r{}", e.what()));
        return false;
    }
    if (count == 0) {
        ws_.Host().showInformation(support::Text(stakes::NoStakesMeetMessage));
        return false;
    }
    return ws_.Host().askYesNo(support::Text(CaptionCaution), stakes::DeleteByMatchesQuestion(count), false);
}

bool StakesService::ConfirmDeleteLogs()
{
    const size_t logs = stakes::FindStakeLogs(ws_.Files().folder()).size();
    return logs == 0 ||
           ws_.Host().askYesNo(support::Text(CaptionCaution), stakes::DeleteStakeLogsQuestion(logs), false);
}

bool StakesService::Clear()
{
    auto busy = ws_.Busy();
    return stakes::ClearStakes(ws_.Host(), file_, ws_.Ratings().Ratings());
}

void StakesService::DeleteLogs()
{
    stakes::DeleteStakeLogs(ws_.Host(), ws_.Files().folder());
}

bool StakesService::LogEnabled() const
{
    return ws_.Settings().Flag(key::StakesLogEnabled);
}

void StakesService::ToggleLog()
{
    ToggleSetting(key::StakesLogEnabled);
}

bool StakesService::ScrollEnabled() const
{
    return ws_.Settings().Flag(key::StakesScrollEnabled);
}

void StakesService::ToggleScroll()
{
    ToggleSetting(key::StakesScrollEnabled);
}

bool StakesService::CheckOnLine() const
{
    return ws_.Settings().Flag(key::StakesCheckOnLine);
}

void StakesService::ToggleCheckOnLine()
{
    ToggleSetting(key::StakesCheckOnLine);
}

void StakesService::ToggleSetting(std::string_view key)
{
    ws_.SetSetting(key, ws_.Settings().Flag(key) ? 0 : 1);
}

std::optional<bool> StakesService::ActionEnabled(std::string_view action, const ViewSelection& selection) const
{
    const bool open = file_.IsOpen();
    const bool any = open && !file_.Empty();
    const bool hasCombs = ws_.Combinations().Count() > 0;
    if (action == "StakeAdd")
        return open;
    if (action == "StakeAddRandom" || action == "StakeAddAll")
        return open && hasCombs;
    if (action == "StakeAddSelected")
        return open && hasCombs && selection.CombRows > 0;
    if (action == "StakeDel")
        return any && selection.StakeRows > 0;
    if (action == "StakeFilter" || action == "StakeClear" || action == "StakesCheckManual" ||
        action == "StakesXlsExport")
        return any;
    if (action == "LogStakes" || action == "LogStakesDelete" || action == "StakesScroll" || action == "StakesCheckLine")
        return true;
    return std::nullopt;
}

} // namespace belvane::app
