#include "cli/cli_context.h"

#include <algorithm>
#include <fmt/format.h>

#include "app/archive_service.h"
#include "cli/batch_arguments.h"
#include "stats/stat_list.h"
#include "support/data_folder.h"
#include "support/error.h"

namespace belvane::cli {

namespace {

std::filesystem::path chosenDataFolder(const std::string& dataDir)
{
    std::optional<std::filesystem::path> explicitDir;
    if (!dataDir.empty())
        explicitDir = dataDir;
    return chooseDataFolder(currentDataFolderInputs(explicitDir));
}

} // namespace

std::string OffsetRangeMessage(int offset, size_t draws)
{
    return fmt::format("{} {}: смещение должно быть от 0 до {} (тиражей в архиве: {})!", OffsetOption, offset,
                       draws > 0 ? draws - 1 : 0, draws);
}

app::DataFiles CliContext::dataFiles() const
{
    const auto folder = chosenDataFolder(dataDir);
    ensureFolder(folder);
    return app::DataFiles(folder);
}

app::DataFiles CliContext::existingDataFiles() const
{
    return app::DataFiles(chosenDataFolder(dataDir));
}

WorkspaceSession::WorkspaceSession(CliContext& ctx, Access access)
    : workspace_(std::make_unique<app::Workspace>(
          ctx.host, access == Access::Read ? ctx.existingDataFiles() : ctx.dataFiles(), ctx.startup,
          app::WorkspaceMode{.Interactive = false, .ReadOnly = access == Access::Read}))
{
    try {
        workspace_->Create();
        workspace_->Initialise();
    } catch (const app::StartupFailure&) {
        throw FailureShown{};
    }
    if (ctx.offset) {
        // The offset goes back at most to the oldest draw; one beyond it is
        // refused, not taken as the oldest.
        const size_t draws = workspace_->Archive().Draws().size();
        if (*ctx.offset < 0 || static_cast<size_t>(*ctx.offset) >= std::max<size_t>(draws, 1))
            throw UsageFailure{OffsetRangeMessage(*ctx.offset, draws)};
        workspace_->Archive().SetOffset(*ctx.offset);
    }
}

WorkspaceSession::~WorkspaceSession()
{
    workspace_->Close(); // a failure was shown, and the tool's exit code follows it
}

void WorkspaceSession::close()
{
    if (!workspace_->Close())
        throw FailureShown{};
}

int WorkspaceSession::entry(std::string_view id) const
{
    const int i = workspace_->Registry().FindMethod(id);
    if (i < 0)
        throw Error(fmt::format("Метод расчета статистики \"{}\" не найден!", id));
    return i;
}

int runBatch(CliContext& ctx)
{
    WorkspaceSession session(ctx);
    session->RunBatchOptions();
    return ctx.host.cancelled() || session->BatchFailed() ? ExitFailure : ExitOk;
}

} // namespace belvane::cli
