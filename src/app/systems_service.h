#pragma once

// Systems on this computer: the files of the folder "Systems", installing a
// file of position lines as the system of its number count, and the two
// system stakes — the whole system, or only its combinations that are in the
// combination list — mapped onto the numbers of the list.

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "app/view_selection.h"
#include "stakes/stake_ops.h"
#include "systems/system_file.h"
#include "systems/system_play.h"

namespace belvane::app {

class Workspace;

// "Системная игра для %d чисел [вся система]: %s" / "... [комбинации]: %s".
std::string SystemStakeComment(bool wholeSystem, int numbers, std::string_view title);

class SystemsService {
public:
    explicit SystemsService(Workspace& workspace) : ws_(workspace) {}

    std::filesystem::path Folder() const;
    std::vector<systems::LocalSystem> Local() const;
    // Installs a file of position lines; the failure is shown. Returns the installed system.
    std::optional<systems::InstalledSystem> Install(const std::filesystem::path& source, int block,
                                                    std::optional<int> id);

    // The stake actions, step 1 ("Подождите пожалуйста..."): the system for
    // the numbers of the combination list. None: the error box was shown.
    std::optional<systems::ListSystem> LoadForList();
    // Step 2: what the multi-stake dialog starts from.
    stakes::MultiStakeRequest StakeRequest(const systems::ListSystem& system, bool wholeSystem) const;
    // Step 3, the dialog's OK ("Создание ставок..."): a new block, then a
    // stake of kind 4 for every system combination (only those in the list
    // unless wholeSystem), each for the dialog's number of draws; then the check.
    stakes::AddStakesResult Stake(const systems::ListSystem& system, bool wholeSystem,
                                  const stakes::MultiStakeRequest& request);

    std::optional<bool> ActionEnabled(std::string_view action, const ViewSelection& selection) const;

private:
    Workspace& ws_;
};

} // namespace belvane::app
