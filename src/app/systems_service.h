#pragma once

// Systems on this computer: the files of the folder "Systems", installing a
// file of position lines as the system of its number count, and the two
// system stakes — the whole system, or only its combinations that are in the
// combination list — mapped onto the numbers of the list.

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "app/view_selection.h"
#include "exchange/exchange_client.h"
#include "stakes/stake_ops.h"
#include "support/host.h"
#include "support/translation.h"
#include "systems/system_exchange.h"
#include "systems/system_file.h"
#include "systems/system_play.h"
#include "systems/wheel_bounds.h"
#include "systems/wheel_search.h"
#include "systems/wheel_verify.h"

namespace belvane::app {

class Workspace;

inline constexpr std::string_view SystemsUnavailableTitle = BELVANE_TEXT("Список систем не доступен!");
inline constexpr std::string_view SystemsLoadedStatus = BELVANE_TEXT("Загружена");

// "Вы действительно хотите удалить систему \"%s\"?"
std::string DeleteSystemQuestion(std::string_view title);

// The exchange client of the configuration (address, proxy, user, language);
// the host's request to stop ends its exchanges. Throws
// Error(NoServiceMessage) when no address is set. The author key goes with
// every request; one that changes something (`change`) makes the key first
// when there is none and fails when it cannot be written.
exchange::ExchangeClient MakeExchangeClient(Workspace& ws, bool change = false);

// One exchange's text on the status line and in the wait window, whose
// "Отмена" stops it, for the length of a scope.
class ExchangeScope {
public:
    ExchangeScope(Host& host, std::string_view text) : status_(host, text), wait_(host, text) {}

private:
    StatusScope status_;
    WaitScope wait_;
};

// The catalogue of the service as the systems page shows it.
struct SystemsCatalogue {
    std::vector<systems::tSystemData> Systems; // one placeholder row when unavailable
    bool Available = false;
    int Refreshed = 0; // local files downloaded again because their time differed
};

// "Системная игра для %d чисел [вся система]: %s" / "... [комбинации]: %s".
std::string SystemStakeComment(bool wholeSystem, int numbers, std::string_view title);

// "Создать систему": what the generator is asked.
struct WheelRequest {
    systems::WheelDesign Design;
    double Seconds = 60;
    uint64_t Seed = 1;
    std::optional<int64_t> Rounds; // instead of the time: reproduces a run exactly
};

// A generated system with its lower bound and its exact verification.
struct WheelOutcome {
    systems::GeneratedWheel Wheel;
    systems::WheelBound Bound;
    systems::GuaranteeTable Table;
    std::optional<systems::InstalledSystem> Installed;
};

class SystemsService {
public:
    explicit SystemsService(Workspace& workspace) : ws_(workspace) {}

    std::filesystem::path Folder() const;
    std::vector<systems::LocalSystem> Local() const;
    // Installs a file of position lines; the failure is shown. Returns the installed system.
    std::optional<systems::InstalledSystem> Install(const std::filesystem::path& source, int block,
                                                    std::optional<int> id);

    // "Создать систему" ("Создание системы для %d чисел..." with the per cent
    // done; "Отмена" stops it and keeps nothing): the system, verified, and
    // installed as the system of its count when asked. A failure is shown.
    std::optional<WheelOutcome> GenerateWheel(const WheelRequest& request, bool install);
    // "Установить": a generated system, shown first, as the system of its
    // count (replacing the one there was), its block the guarantee. A failure is shown.
    std::optional<systems::InstalledSystem> InstallWheel(const systems::WheelDesign& design,
                                                         std::span<const systems::SystemLine> lines);
    // The installed systems for that count of numbers (what installing replaces).
    std::vector<systems::LocalSystem> LocalFor(int numbers) const;
    // What to ask before "Установить" replaces the installed system of that
    // count; nullopt when there is none to replace.
    std::optional<std::string> WheelReplaceQuestion(int numbers) const;

    // The stake actions, step 1 ("Подождите пожалуйста..."): the system for
    // the numbers of the combination list. None: the error box was shown.
    std::optional<systems::ListSystem> LoadForList();
    // Step 2: what the multi-stake dialog starts from.
    stakes::MultiStakeRequest StakeRequest(const systems::ListSystem& system, bool wholeSystem) const;
    // The combinations step 3 stakes: the system's, only those in the list unless wholeSystem.
    std::vector<model::TComb> StakeCombinations(const systems::ListSystem& system, bool wholeSystem) const;
    // Step 3, the dialog's OK ("Создание ставок..."): a new block, then a
    // stake of kind 4 for every system combination (only those in the list
    // unless wholeSystem), each for the dialog's number of draws; then the check.
    stakes::AddStakesResult Stake(const systems::ListSystem& system, bool wholeSystem,
                                  const stakes::MultiStakeRequest& request);

    // ---- the catalogue of the exchange service -----------------------------------
    // SystemsRefresh ("Загрузка списка систем..."): the list; local files of
    // listed systems whose time differs from the created time are downloaded
    // again. A failure is shown and the list is one placeholder row.
    SystemsCatalogue ListOnline();
    // The local file of a listed system ("Загружена").
    std::optional<std::filesystem::path> LocalFile(const systems::tSystemData& system) const;
    bool IsOwn(const systems::tSystemData& system) const;
    // SystemsDownload: each system in turn ("Загрузка \"%s\"..."); each failure
    // is shown ("Ошибка загрузки системы #%d!"). Returns how many were saved.
    int DownloadOnline(std::span<const systems::tSystemData> chosen);
    // SystemsAdd: an empty system of the user's.
    systems::tSystemData NewSystem() const;
    // SystemsProp: the lines of a listed system; nothing when the fetch failed (shown).
    std::optional<std::string> FetchOnline(const systems::tSystemData& system);
    // The dialog's OK: publishes a new system (id 0 or less) or replaces the
    // user's own ("Сохранение \"%s\"..."); the answered id, nothing on a
    // failure (shown: the dialog's check, "Ошибка добавления системы!" or
    // "Ошибка изменения системы!").
    std::optional<int32_t> PublishOnline(const systems::tSystemData& system);
    // SystemsDel after the question: only the user's own ("Вы можете удалять
    // только свои системы!"); "Удаление \"%s\"..."; an answer of 0 deletes the local file.
    bool DeleteOnline(const systems::tSystemData& system);

    std::optional<bool> ActionEnabled(std::string_view action, const ViewSelection& selection) const;

private:
    Workspace& ws_;
};

} // namespace belvane::app
