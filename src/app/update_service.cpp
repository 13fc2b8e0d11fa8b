#include "app/update_service.h"

#include "app/configuration_service.h"
#include "app/proxy_settings.h"
#include "app/setting_keys.h"
#include "app/workspace.h"
#include "stats/stat_list.h"
#include "support/error.h"
#include "support/file_io.h"
#include "support/host.h"
#include "support/ini_document.h"
#include "support/text.h"
#include "support/translation.h"
#include "update/manifest.h"
#include "update/program_files.h"
#include "update/update_fetch.h"

namespace belvane::app {
namespace fs = std::filesystem;
namespace {

constexpr int kSearchSteps = 5;
constexpr int kInstallSteps = 5;
constexpr int kDownloadAttempts = 3;
constexpr uint64_t kMaxPackageSize = 256ull << 20;

fs::path runningProgramFolder()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
}

// Only a proxy the user set by hand: the automatic search is for the draws download.
http::RequestOptions requestOptions(Workspace& ws)
{
    http::RequestOptions o;
    const ProxySettings& configured = ws.Configuration().Proxy();
    if (configured.Mode == static_cast<int>(ProxyMode::Manual))
        o.Proxy = {configured.Server, configured.Port, configured.Username, configured.Password};
    o.Cancelled = [&host = ws.Host()] { return host.cancelled(); };
    return o;
}

void removeQuietly(const fs::path& p)
{
    std::error_code ec;
    fs::remove(p, ec);
}

} // namespace

std::string SearchFailedText(std::string_view reason)
{
    return support::Message("Ошибка поиска обновлений!\r\r{}", reason);
}

std::string InstallFailedText(std::string_view reason)
{
    return support::Message("Ошибка установки обновления!\r\r{}", reason);
}

std::string InstalledText(std::string_view version)
{
    return support::Message("Установка обновления \"{}\" успешно выполнена.\r\rДля завершения установки необходимо "
                            "перезапустить программу!",
                            version);
}

std::string SearchStatusText()
{
    return support::Text("Поиск доступных обновлений...");
}

std::string InstallStatusText(std::string_view version)
{
    return support::Message("Загрузка и установка обновления \"{}\"...", version);
}

std::string DownloadedOnlyText(std::string_view version, const fs::path& programFolder, const fs::path& package)
{
    return support::Message("Обновление \"{}\" загружено и проверено, но в папку программы \"{}\" запись запрещена, и "
                            "установить его программа не может.\r\rФайл обновления (архив tar): {}",
                            version, programFolder.string(), package.string());
}

UpdateService::UpdateService(Workspace& workspace)
    : ws_(workspace), programFolder_(runningProgramFolder()), key_(update::BuiltInPublicKey()),
      running_(update::RunningVersion())
{
}

update::WorkFolder UpdateService::Work() const
{
    return update::WorkFolder(ws_.Files().folder() / update::WorkFolderName);
}

std::string UpdateService::ManifestLocation() const
{
    const IniDocument ini = IniDocument::load(ws_.Files().config());
    const std::string value = ini.readString(UpdateSection, ManifestUrlKey);
    return std::string(text::trim(value));
}

UpdateCheckResult UpdateService::Check(const UpdateCheckOptions& options)
{
    Host& host = ws_.Host();
    UpdateCheckResult result;
    const update::WorkFolder work = Work();
    try {
        const std::string location = options.Manifest.empty() ? ManifestLocation() : options.Manifest;
        if (location.empty()) {
            result.Outcome = UpdateCheckOutcome::NoAddress;
            if (!options.Silent)
                host.showInformation(support::Text(NoManifestAddressMessage));
            return result;
        }
        StatusScope status(host, SearchStatusText());
        ProgressScope progress(host, kSearchSteps, true);
        work.ensure();
        removeQuietly(work.manifest());
        progress.step();
        const http::RequestOptions request = requestOptions(ws_);
        update::FetchToFile(location, work.manifest(), update::MaxManifestSize, request);
        progress.step();
        const update::UpdateManifest manifest =
            update::ReadManifest(files::readFile(work.manifest(), update::MaxManifestSize), running_, key_);
        progress.step();
        if (update::OffersUpdate(manifest, running_)) {
            UpdateOffer& offer = result.Offer;
            offer.Running = running_;
            offer.Version = manifest.Version;
            offer.Description = manifest.Description;
            offer.Package = update::ResolveLocation(location, manifest.DownloadUrl);
            offer.PackageSha256 = manifest.PackageSha256;
            offer.Files = manifest.Files;
            offer.Details = update::FetchDescription(location, ws_.Registry().LanguageCode, ws_.LanguageId(),
                                                     manifest.Version.Text(), work.root(), request);
            result.Outcome = UpdateCheckOutcome::Available;
        }
        progress.step();
    } catch (const std::exception& e) {
        result.Outcome = UpdateCheckOutcome::Failed;
        result.Failure = e.what();
    }
    removeQuietly(work.manifest());
    if (result.Outcome == UpdateCheckOutcome::Failed && !options.Silent)
        host.showError(SearchFailedText(result.Failure));
    if (result.Outcome == UpdateCheckOutcome::NoUpdate && !options.Silent)
        host.showInformation(support::Text(NoUpdatesMessage));
    return result;
}

std::string UpdateService::RefusedFile(const std::string& name, const std::vector<std::string>* declared) const
{
    if (std::string reason = update::RefusedInstall(name, {programFolder_, ws_.Files().folder()}, declared);
        !reason.empty())
        return reason;
    const fs::path target = programFolder_ / fs::path(name);
    const fs::path work = Work().root();
    const bool inWork = fs::weakly_canonical(target).native().starts_with(fs::weakly_canonical(work).native() + "/");
    // The language modules and help files an update ships are the program's
    // own (checked above); everything else of the data folder is not.
    const std::string extension = target.extension().string();
    const bool shippedKind = extension == ".lng" || extension == ".chm";
    if ((!shippedKind && ws_.Files().isOwnFile(target)) || inWork)
        return update::DamagedPackageText(support::Message("файл \"{}\" не является файлом программы", name));
    return {};
}

UpdateInstallResult UpdateService::Install(const UpdateOffer& offer)
{
    Host& host = ws_.Host();
    const std::string version = offer.Version.Text();
    const update::WorkFolder work = Work();
    UpdateInstallResult result;
    try {
        StatusScope status(host, InstallStatusText(version));
        ProgressScope progress(host, kInstallSteps, true);
        // A new download must not take the place of files an apply is still putting in place.
        if (const auto interrupted = update::InterruptedApply(work))
            throw Error(update::InterruptedApplyText(*interrupted));
        work.ensure();
        work.clearDownloads();
        progress.step();
        const fs::path package = work.package(version);
        const http::RequestOptions request = requestOptions(ws_);
        for (int attempt = 1;; ++attempt) {
            try {
                removeQuietly(package);
                update::FetchToFile(offer.Package, package, kMaxPackageSize, request);
                std::error_code ec;
                if (!fs::is_regular_file(package, ec))
                    throw Error(update::FileNotFoundText(package.string()));
                if (update::Sha256OfFile(package, kMaxPackageSize) != offer.PackageSha256)
                    throw Error(support::Text(ChecksumMismatchMessage));
                break;
            } catch (const http::TransferCancelled&) {
                throw;
            } catch (const Error&) {
                if (attempt >= kDownloadAttempts)
                    throw;
            }
        }
        progress.step();
        if (!update::FolderWritable(programFolder_)) {
            result.Outcome = UpdateInstallOutcome::DownloadedOnly;
            result.Package = package;
            host.showWarning(DownloadedOnlyText(version, programFolder_, package));
            return result;
        }
        progress.step();
        update::StagePackage(
            work, package, version, [this, &offer](const std::string& name) { return RefusedFile(name, &offer.Files); },
            {}, [&host] { return host.cancelled(); });
        progress.step();
        removeQuietly(package);
        progress.step();
        result.Outcome = UpdateInstallOutcome::Staged;
    } catch (const std::exception& e) {
        // Nothing half-done stays behind; the installed program is untouched.
        work.clearDownloads();
        result.Outcome = UpdateInstallOutcome::Failed;
        result.Failure = e.what();
        host.showError(InstallFailedText(result.Failure));
        return result;
    }
    host.showInformation(InstalledText(version));
    return result;
}

std::optional<std::string> UpdateService::StagedVersion() const
{
    return update::StagedVersion(Work());
}

bool UpdateService::ApplyStaged()
{
    try {
        update::ApplyStaged(Work(), programFolder_,
                            [this](const std::string& name) { return RefusedFile(name, nullptr); });
        return true;
    } catch (const std::exception& e) {
        ws_.Host().showError(InstallFailedText(e.what()));
        return false;
    }
}

bool UpdateService::RollBack()
{
    try {
        update::RollBack(Work(), programFolder_);
        return true;
    } catch (const std::exception& e) {
        ws_.Host().showError(InstallFailedText(e.what()));
        return false;
    }
}

int UpdateService::RemoveStaleTempFiles()
{
    std::error_code ec;
    if (!fs::is_directory(programFolder_, ec))
        return 0;
    return update::RemoveStaleTempFiles(Work(), programFolder_);
}

bool UpdateService::AutoUpdates() const
{
    return ws_.Settings().Flag(key::AutoUpdates);
}

bool UpdateService::SetAutoUpdates(bool on)
{
    return ws_.SetSetting(key::AutoUpdates, on ? 1 : 0);
}

std::optional<bool> UpdateService::ActionEnabled(std::string_view action, const ViewSelection&) const
{
    if (action == "CheckUpdate" || action == "AutoSelfUpdate")
        return true;
    return std::nullopt;
}

} // namespace belvane::app
