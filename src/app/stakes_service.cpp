#include "app/stakes_service.h"

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/ratings_service.h"
#include "app/setting_keys.h"
#include "app/workspace.h"
#include "stakes/stake_access.h"
#include "stakes/stake_texts.h"
#include "support/error.h"
#include "support/host.h"
#include "support/random_index.h"
#include "support/translation.h"

namespace belvane::app {

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
    try {
        file_.Open(ws_.Files().stakes());
    } catch (const stakes::StakesFileLocked&) {
        host.showError(support::Text(ExclusiveAccessMessage));
        throw StartupFailure(support::Text(ExclusiveAccessMessage));
    } catch (const Error& e) {
        host.showError(support::Message("Ошибка чтения файла ставок!\r\r{}", e.what()));
        throw StartupFailure(e.what());
    }
    try {
        if (!file_.IsOlderVersion())
            return;
        host.showWarning(
            support::Text("Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки будут удалены!"));
    } catch (const Error& e) {
        host.showError(support::Message("Ошибка чтения файла ставок!\r\r{}", e.what()));
        throw StartupFailure(e.what());
    }
    // The old stakes stay readable beside the emptied file; without that copy
    // nothing is emptied.
    try {
        file_.CopyTo(ws_.Files().stakesCopy());
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
                                      static_cast<int32_t>(ws_.Combinations().Count()), prefill,
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
    const bool added = stakes::AddStake(ws_.Host(), file_, stake, drawsCount);
    if (added)
        Check();
    return added;
}

stakes::AddStakesResult StakesService::AddStakes(std::span<const size_t> rows, const stakes::MultiStakeRequest& request,
                                                 bool allRows)
{
    auto busy = ws_.Busy();
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
    if (result.Completed)
        Check();
    return result;
}

stakes::CheckResult StakesService::Check(size_t from, bool deferred)
{
    if (!file_.IsOpen() || file_.Empty())
        return {};
    auto busy = ws_.Busy();
    stakes::CheckOptions options;
    options.LogEnabled = LogEnabled();
    options.LogFolder = ws_.Files().folder();
    options.From = from;
    options.Deferred = deferred;
    return stakes::CheckStakes(ws_.Host(), file_, ws_.Archive().Draws(), ws_.Configuration().Data(),
                               ws_.Ratings().Ratings(), options);
}

void StakesService::FinishChecks()
{
    if (file_.IsOpen())
        stakes::FinishChecks(ws_.Host(), file_, ws_.Ratings().Ratings());
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
