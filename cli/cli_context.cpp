#include "cli/cli_context.h"

#include <fmt/format.h>

#include "app/archive_service.h"
#include "stats/stat_list.h"
#include "support/data_folder.h"
#include "support/error.h"

namespace belvane::cli {

app::DataFiles CliContext::dataFiles() const
{
    std::optional<std::filesystem::path> explicitDir;
    if (!dataDir.empty())
        explicitDir = dataDir;
    const auto folder = chooseDataFolder(currentDataFolderInputs(explicitDir));
    ensureFolder(folder);
    return app::DataFiles(folder);
}

WorkspaceSession::WorkspaceSession(CliContext& ctx)
    : workspace_(std::make_unique<app::Workspace>(ctx.host, ctx.dataFiles(), ctx.startup,
                                                  app::WorkspaceMode{.Interactive = false}))
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
