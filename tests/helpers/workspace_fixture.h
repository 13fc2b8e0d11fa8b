#pragma once

// A workspace on a folder of its own, created and initialised as a front end
// would, with a recording host.

#include <filesystem>
#include <memory>

#include "app/workspace.h"
#include "helpers/recording_host.h"
#include "helpers/temp_dir.h"
#include "model/draws_file.h"

namespace belvane::testing {

struct StartedWorkspace {
    RecordingHost host;
    std::unique_ptr<app::Workspace> ws;

    // Interactive: as the desktop program (the full set is the first list, reductions keep undo).
    explicit StartedWorkspace(const std::filesystem::path& folder, app::StartupOptions options = {},
                              app::WorkspaceMode mode = {})
        : ws(std::make_unique<app::Workspace>(host, app::DataFiles(folder), options, mode))
    {
        ws->Create();
        ws->Initialise();
    }

    app::Workspace* operator->() { return ws.get(); }
    app::Workspace& operator*() { return *ws; }
};

// A folder holding an archive and nothing else.
inline void writeArchiveFile(const std::filesystem::path& folder, const model::TDrawsArray& draws)
{
    model::WriteDrawsFile(app::DataFiles(folder).draws(), draws);
}

} // namespace belvane::testing
