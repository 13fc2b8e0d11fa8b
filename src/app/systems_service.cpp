#include "app/systems_service.h"

#include <fmt/format.h>

#include "app/host.h"
#include "app/setting_keys.h"
#include "app/workspace.h"
#include "combs/comb_set.h"
#include "stakes/stake_access.h"
#include "support/error.h"

namespace belvane::app {

std::string SystemStakeComment(bool wholeSystem, int numbers, std::string_view title)
{
    return fmt::format("Системная игра для {} чисел [{}]: {}", numbers, wholeSystem ? "вся система" : "комбинации",
                       title);
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
        StatusScope status(ws_.Host(), systems::CollectingNumbersStatus);
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

stakes::AddStakesResult SystemsService::Stake(const systems::ListSystem& system, bool wholeSystem,
                                              const stakes::MultiStakeRequest& request)
{
    auto busy = ws_.Busy();
    const auto list = ws_.Combinations().Combs();
    std::vector<model::TComb> chosen;
    if (wholeSystem) {
        chosen = system.Combs;
    } else {
        const combs::CombinationSet inList(list);
        for (const model::TComb& c : system.Combs)
            if (inList.contains(c))
                chosen.push_back(c);
    }
    stakes::MultiStakeRequest stake = request;
    stake.Kind = stakes::StakeKind::System;
    stake.ListSize = static_cast<int32_t>(wholeSystem ? system.Combs.size() : list.size());
    stakes::StakesFile& file = ws_.Stakes().File();
    try {
        stakes::AppendSeparator(file);
    } catch (const Error& e) {
        ws_.Host().showError(e.what());
        return {};
    }
    const stakes::AddStakesResult result =
        stakes::AddStakes(ws_.Host(), file, chosen, stake, ws_.Configuration().Data());
    if (result.Completed)
        ws_.Stakes().Check();
    return result;
}

std::optional<bool> SystemsService::ActionEnabled(std::string_view action, const ViewSelection&) const
{
    if (action == "SystemStakeAll" || action == "SystemStakeFilter")
        return ws_.Settings().Flag(key::SystemsEnabled) && ws_.Combinations().Count() > 0 &&
               ws_.Stakes().File().IsOpen();
    return std::nullopt;
}

} // namespace belvane::app
