#pragma once

// Downloading new draws from the lottery operator's site for the running
// program: the one operation every front end calls (the menu, F3, the
// start-up question, loadonly, the command line), and the start-up choice.
// The new draws go through the archive's save; the stakes are checked once
// at the end of every download, whether anything came or not; a proxy the
// automatic mode found or dropped is written to the configuration file.

#include <optional>
#include <string>
#include <string_view>

#include "app/draws_download.h"
#include "app/view_selection.h"

namespace belvane::app {

class Workspace;

// How often a download without a person to answer the retry question tries.
inline constexpr int BatchDownloadAttempts = 3;

// DownloadDrawsOnStart: 0 ask, 1 download without asking, 2 never.
enum class StartupDownload { Ask = 0, Always = 1, Never = 2 };

struct DrawsDownloadOptions {
    // The operator's site for this download; empty: [DOWNLOAD] SiteUrl of the
    // configuration file (or the default site).
    std::string SiteUrl;
    // Attempts before giving up without asking; 0: as many as the person asks for.
    int MaxAttempts = 0;
};

class DownloadService {
public:
    explicit DownloadService(Workspace& workspace) : ws_(workspace) {}

    // DrawsDownload: the wait window, the attempts, the new draws appended
    // and saved, the proxy remembered, the stakes checked. Everything the
    // person must see has been shown when it returns.
    DrawsDownloadResult DrawsDownload(const DrawsDownloadOptions& options = {});
    // Whether the download succeeded: the site answered and its new draws,
    // if any, were saved.
    static bool Succeeded(const DrawsDownloadResult& result);

    // The start-up choice (AutoDownload0..2) and whether start-up downloads
    // now by it (asking "Обновить список тиражей?..." in the asking mode).
    int StartupChoice() const;
    bool SetStartupChoice(int choice);
    bool StartupDownloadWanted();

    std::optional<bool> ActionEnabled(std::string_view action, const ViewSelection& selection) const;

private:
    Workspace& ws_;
};

} // namespace belvane::app
