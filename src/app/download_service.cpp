#include "app/download_service.h"

#include <algorithm>

#include "app/archive_service.h"
#include "app/configuration_service.h"
#include "app/setting_keys.h"
#include "app/stakes_service.h"
#include "app/workspace.h"
#include "support/host.h"

namespace belvane::app {

DrawsDownloadResult DownloadService::DrawsDownload(const DrawsDownloadOptions& options)
{
    auto busy = ws_.Busy();
    ConfigurationService& configuration = ws_.Configuration();
    DrawsDownloadRequest request;
    request.Settings = configuration.Download();
    if (!options.SiteUrl.empty())
        request.Settings.SiteUrl = options.SiteUrl;
    request.MaxAttempts = std::max(options.MaxAttempts, 0);

    DrawsDownloadHooks hooks;
    hooks.AppendAndSave = [this](const model::TDrawsArray& newDraws) {
        return ws_.Archive().AppendDownloaded(newDraws);
    };
    // The archive's save leaves the stakes to this one check, so that it runs
    // exactly once per download, also when nothing new came.
    // A "Отмена" of the wait window stopped the download, not this check.
    hooks.CheckStakes = [this] {
        ws_.Host().clearCancel();
        ws_.Stakes().Check();
    };
    hooks.SaveProxy = [&configuration](ProxySettings&) { configuration.SaveProxy(false); };

    HttpDrawsSource source(ws_.Host());
    return DownloadDraws(ws_.Host(), source, request, ws_.Archive().Draws(), configuration.Proxy(), hooks);
}

bool DownloadService::Succeeded(const DrawsDownloadResult& result)
{
    return result.Outcome == DownloadOutcome::Downloaded && (result.NewDraws.empty() || result.Saved);
}

int DownloadService::StartupChoice() const
{
    return ws_.Settings().Get(key::DownloadDrawsOnStart);
}

bool DownloadService::SetStartupChoice(int choice)
{
    choice = std::clamp(choice, static_cast<int>(StartupDownload::Ask), static_cast<int>(StartupDownload::Never));
    return ws_.SetSetting(key::DownloadDrawsOnStart, choice);
}

bool DownloadService::StartupDownloadWanted()
{
    return DownloadAtStartup(ws_.Host(), StartupChoice());
}

std::optional<bool> DownloadService::ActionEnabled(std::string_view action, const ViewSelection&) const
{
    if (action == "DrawsDownload" || action == "EditProxy" || action.starts_with("AutoDownload"))
        return true;
    return std::nullopt;
}

} // namespace belvane::app
