#include "cli/cli_context.h"

#include "support/data_folder.h"

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

} // namespace belvane::cli
