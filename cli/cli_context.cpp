#include "cli/cli_context.h"

#include <fmt/format.h>

#include "app/archive_service.h"
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
    if (ctx.offset)
        workspace_->Archive().SetOffset(*ctx.offset);
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
