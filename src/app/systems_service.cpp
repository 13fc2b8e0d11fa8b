#include "app/systems_service.h"

#include <fmt/format.h>

#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/setting_keys.h"
#include "app/stakes_service.h"
#include "app/workspace.h"
#include "combs/comb_set.h"
#include "stakes/stake_access.h"
#include "support/error.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::app {

std::string SystemStakeComment(bool wholeSystem, int numbers, std::string_view title)
{
    return fmt::format("Системная игра для {} чисел [{}]: {}", numbers, wholeSystem ? "вся система" : "комбинации",
                       title);
}

std::string DeleteSystemQuestion(std::string_view title)
{
    return support::Message("Вы действительно хотите удалить систему \"{}\"?", title);
}

exchange::ExchangeClient MakeExchangeClient(Workspace& ws, bool change)
{
    ConfigurationService& configuration = ws.Configuration();
    const OnlineSettings& online = configuration.Online();
    exchange::ExchangeIdentity who;
    who.UserName = online.UserName;
    who.UserMail = online.UserMail;
    who.Lcid = ws.LanguageId();
    if (change) {
        who.AuthorKey = configuration.EnsureAuthorKey();
    } else {
        // A list or a download works without a key (a folder that cannot be written).
        try {
            who.AuthorKey = configuration.EnsureAuthorKey();
        } catch (const Error&) {
        }
    }
    // Only a proxy the user set by hand: the automatic search is for the draws download.
    http::ProxySettings proxy;
    const ProxySettings& configured = configuration.Proxy();
    if (configured.Mode == static_cast<int>(ProxyMode::Manual))
        proxy = {configured.Server, configured.Port, configured.Username, configured.Password};
    exchange::ExchangeClient client(online.ServiceUrl, std::move(who), std::move(proxy));
    client.SetCancelHook([&host = ws.Host()] { return host.cancelled(); });
    return client;
}

SystemsCatalogue SystemsService::ListOnline()
{
    SystemsCatalogue catalogue;
    try {
        ExchangeScope status(ws_.Host(), support::Text("Загрузка списка систем..."));
        catalogue.Systems = systems::ListSystems(MakeExchangeClient(ws_));
        catalogue.Available = true;
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка загрузки списка систем!\r\r{}", e.what()));
        systems::tSystemData placeholder;
        placeholder.Title = support::Text(SystemsUnavailableTitle);

        catalogue.Systems = {placeholder};
        return catalogue;
    }
    std::vector<systems::tSystemData> stale;
    for (const systems::tSystemData& s : catalogue.Systems)
        if (const auto file = LocalFile(s); file && systems::FileTimeDiffers(*file, s.Created))
            stale.push_back(s);
    catalogue.Refreshed = DownloadOnline(stale);
    return catalogue;
}

std::optional<std::filesystem::path> SystemsService::LocalFile(const systems::tSystemData& system) const
{
    return systems::LocalSystemFile(Folder(), system);
}

bool SystemsService::IsOwn(const systems::tSystemData& system) const
{
    return system.OwnedBy(ws_.Configuration().Online().UserMail);
}

int SystemsService::DownloadOnline(std::span<const systems::tSystemData> chosen)
{
    int saved = 0;
    for (const systems::tSystemData& s : chosen) {
        if (ws_.Host().cancelled())
            break; // "Отмена" stops the systems still to come as well
        try {
            ExchangeScope status(ws_.Host(), support::Message("Загрузка \"{}\"...", s.Title));
            if (!s.Downloadable())
                throw Error(support::Message("Система #{} описана сервисом некорректно!", s.Id));
            const std::string combs = systems::FetchSystemCombs(MakeExchangeClient(ws_), s.Id);
            const systems::FetchedSystemFile file = systems::SaveFetchedSystem(Folder(), s, combs);
            ++saved;
            if (!file.BlockMet) // kept, for the user to judge, but flagged
                ws_.Host().showWarning(
                    systems::BlockNotMetMessage(file.Path.filename().string(), s.Block, file.Verified));
        } catch (const systems::SystemSaveFailed& e) {
            ws_.Host().showError(e.what()); // fetched, but not kept
        } catch (const Error& e) {
            ws_.Host().showError(support::Message("Ошибка загрузки системы #{}!\r\r{}", s.Id, e.what()));
        }
    }
    return saved;
}

systems::tSystemData SystemsService::NewSystem() const
{
    systems::tSystemData s;
    s.Author = ws_.Configuration().Online().UserName;
    s.AuthorMail = ws_.Configuration().Online().UserMail;
    return s;
}

std::optional<std::string> SystemsService::FetchOnline(const systems::tSystemData& system)
{
    try {
        ExchangeScope status(ws_.Host(), support::Message("Загрузка \"{}\"...", system.Title));
        return systems::FetchSystemCombs(MakeExchangeClient(ws_), system.Id);
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка загрузки системы #{}!\r\r{}", system.Id, e.what()));
        return std::nullopt;
    }
}

std::optional<int32_t> SystemsService::PublishOnline(const systems::tSystemData& system)
{
    const bool added = system.Id <= 0;
    if (const auto problem = systems::CheckSystemData(system)) {
        ws_.Host().showError(problem->Message);
        return std::nullopt;
    }
    if (!added && !IsOwn(system)) {
        ws_.Host().showError(support::Text("Вы можете изменять только свои системы!"));
        return std::nullopt;
    }
    try {
        ExchangeScope status(ws_.Host(), support::Message("Сохранение \"{}\"...", system.Title));
        // What is published is what the dialog keeps: the lines normalised, the counts from them.
        systems::tSystemData sent = system;
        const systems::NormalizedCombs combs = systems::NormalizeSystemCombs(system.Combs);
        sent.Combs = combs.Text;
        sent.CombCount = combs.CombCount;
        if (added)
            sent.Id = -1;
        if (sent.AuthorMail.empty())
            sent.AuthorMail = ws_.Configuration().Online().UserMail;
        return systems::PutSystem(MakeExchangeClient(ws_, true), sent, false);
    } catch (const Error& e) {
        ws_.Host().showError(fmt::format("{}\r\r{}",
                                         added ? support::Text("Ошибка добавления системы!")
                                               : support::Text("Ошибка изменения системы!"),
                                         e.what()));

        return std::nullopt;
    }
}

bool SystemsService::DeleteOnline(const systems::tSystemData& system)
{
    if (!IsOwn(system)) {
        ws_.Host().showError(support::Text("Вы можете удалять только свои системы!"));
        return false;
    }
    try {
        ExchangeScope status(ws_.Host(), support::Message("Удаление \"{}\"...", system.Title));
        const int32_t answer = systems::PutSystem(MakeExchangeClient(ws_, true), system, true);
        if (answer == 0) {
            if (const auto file = LocalFile(system)) {
                std::error_code ec;
                systems::RemoveSystemFile(*file, ec);
            }
        }
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка удаления системы!\r\r{}", e.what()));
        return false;
    }
}

std::filesystem::path SystemsService::Folder() const
{
    return ws_.Files().systemsFolder();
}

std::vector<systems::LocalSystem> SystemsService::Local() const
{
    return systems::LocalSystems(Folder());
}

std::optional<systems::InstalledSystem> SystemsService::Install(const std::filesystem::path& source, int block,
                                                                std::optional<int> id)
{
    try {
        return systems::InstallSystem(Folder(), source, block, id);
    } catch (const Error& e) {
        ws_.Host().showError(e.what());
        return std::nullopt;
    }
}

std::optional<systems::ListSystem> SystemsService::LoadForList()
{
    systems::ListSystem system;
    {
        StatusScope status(ws_.Host(), support::Text(systems::CollectingNumbersStatus));
        system = systems::LoadSystemForList(Folder(), ws_.Combinations().Combs());
    }
    if (system.Found())
        return system;
    // A missing system gets the hint where systems come from; a bad file its own message.
    ws_.Host().showError(system.File.empty() ? system.Failure + std::string(systems::SystemDownloadHint)
                                             : system.Failure);
    return std::nullopt;
}

stakes::MultiStakeRequest SystemsService::StakeRequest(const systems::ListSystem& system, bool wholeSystem) const
{
    stakes::MultiStakeRequest request;
    request.DrawNumber = ws_.Stakes().NextDrawNumber();
    request.DrawsCount = 1;
    request.Comment = SystemStakeComment(wholeSystem, static_cast<int>(system.Numbers.size()), system.Title());
    request.Kind = stakes::StakeKind::System;
    return request;
}

std::vector<model::TComb> SystemsService::StakeCombinations(const systems::ListSystem& system, bool wholeSystem) const
{
    if (wholeSystem)
        return system.Combs;
    std::vector<model::TComb> chosen;
    const combs::CombinationSet inList(ws_.Combinations().Combs());
    for (const model::TComb& c : system.Combs)
        if (inList.contains(c))
            chosen.push_back(c);
    return chosen;
}

stakes::AddStakesResult SystemsService::Stake(const systems::ListSystem& system, bool wholeSystem,
                                              const stakes::MultiStakeRequest& request)
{
    auto busy = ws_.Busy();
    const auto list = ws_.Combinations().Combs();
    const std::vector<model::TComb> chosen = StakeCombinations(system, wholeSystem);
    stakes::MultiStakeRequest stake = request;
    stake.Kind = stakes::StakeKind::System;
    stake.ListSize = static_cast<int32_t>(wholeSystem ? system.Combs.size() : list.size());
    stakes::StakesFile& file = ws_.Stakes().File();
    auto change = ws_.Stakes().BeginChange();
    if (!change)
        return {};
    try {
        stakes::AppendSeparator(file);
    } catch (const Error& e) {
        ws_.Host().showError(e.what());
        return {};
    }
    stakes::AddStakesResult result = stakes::AddStakes(ws_.Host(), file, chosen, stake, ws_.Configuration().Data());
    // A cancel keeps what was added before it; a failure undoes the system's stakes whole.
    if ((!result.Completed && !result.Cancelled) || (result.Completed && ws_.Stakes().Check().Failed) ||
        !change->Commit())
        return {};
    return result;
}

std::optional<bool> SystemsService::ActionEnabled(std::string_view action, const ViewSelection& selection) const
{
    if (action == "SystemsOn")
        return true;
    // The catalogue's actions need the page; those on rows need its selection.
    if (action == "SystemsRefresh" || action == "SystemsAdd" || action == "SystemsCreate")
        return ws_.Settings().Flag(key::SystemsEnabled);
    if (action == "SystemsDownload" || action == "SystemsProp")
        return ws_.Settings().Flag(key::SystemsEnabled) && selection.SystemRows > 0;
    if (action == "SystemsDel")
        return ws_.Settings().Flag(key::SystemsEnabled) && selection.SystemRows > 0 && selection.SystemCurrentOwn;
    if (action == "SystemStakeAll" || action == "SystemStakeFilter")
        return ws_.Settings().Flag(key::SystemsEnabled) && ws_.Combinations().Count() > 0 &&
               ws_.Stakes().File().IsOpen();
    return std::nullopt;
}

} // namespace belvane::app
