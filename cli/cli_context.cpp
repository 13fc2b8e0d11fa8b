#include "cli/cli_context.h"

#include <fmt/format.h>

#include "app/draws_archive.h"
#include "app/registry_setup.h"
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

model::TDrawsArray loadArchive(CliContext& ctx, const app::DataFiles& files)
{
    model::TDrawsArray draws;
    if (!app::LoadDraws(ctx.host, files.draws(), draws))
        throw FailureShown{};
    return draws;
}

StatsSession::StatsSession(CliContext& ctx) : files(ctx.dataFiles()), draws(loadArchive(ctx, files)), list(&draws)
{
    app::SetUpRegistry(ctx.host, list, files);
}

int StatsSession::entry(std::string_view id) const
{
    const int i = list.FindMethod(id);
    if (i < 0)
        throw Error(fmt::format("Метод расчета статистики \"{}\" не найден!", id));
    return i;
}

} // namespace belvane::cli
