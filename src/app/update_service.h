#pragma once

// Updates of the program itself for the running program: the search (a
// signed manifest from the address in the configuration, or one given for
// this search), the download and verification of the package, its staging
// in the update work folder, and the replacement of the program's files when
// the program restarts. Every failure is shown and leaves the installed
// program as it was; nothing the manifest names or the package holds is run.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/view_selection.h"
#include "update/program_version.h"
#include "update/signature.h"
#include "update/staged_update.h"
#include "support/translation.h"

namespace belvane::app {

class Workspace;

// Where the manifest is: section UPDATE of the configuration file. Empty
// (the default): the program never asks anybody for updates.
inline constexpr std::string_view UpdateSection = "UPDATE";
inline constexpr std::string_view ManifestUrlKey = "ManifestUrl";

inline constexpr std::string_view NoUpdatesMessage = BELVANE_TEXT("Обновлений не найдено!");
inline constexpr std::string_view NoManifestAddressMessage =
    BELVANE_TEXT("Адрес файла описания обновлений не задан (ключ ManifestUrl раздела UPDATE файла Belvane_6x45.ini).");
inline constexpr std::string_view ChecksumMismatchMessage =
    BELVANE_TEXT("Неверная контрольная сумма скачанного файла.");
inline constexpr std::string_view UpdateFoundCaption = BELVANE_TEXT("Найдена новая версия программы");

std::string SearchFailedText(std::string_view reason);  // "Ошибка поиска обновлений!\r\r%s"
std::string InstallFailedText(std::string_view reason); // "Ошибка установки обновления!\r\r%s"
std::string InstalledText(std::string_view version); // "Установка обновления \"%s\" успешно выполнена..."
std::string SearchStatusText();                      // "Поиск доступных обновлений..."
std::string InstallStatusText(std::string_view version); // "Загрузка и установка обновления \"%s\"..."
// The package is verified but the program's folder cannot be written.
std::string DownloadedOnlyText(std::string_view version, const std::filesystem::path& programFolder,
                               const std::filesystem::path& package);

struct UpdateCheckOptions {
    std::string Manifest; // an address or a file path for this search; empty: the configuration's
    // Shows neither "Обновлений не найдено!" nor a failure (the search at start-up).
    bool Silent = false;
};

// What the search found: the running and the offered version, the short
// description and the description text of the update window.
struct UpdateOffer {
    update::ProgramVersion Running;
    update::ProgramVersion Version;
    std::string Description;
    std::string Details;
    std::string Package; // the package's address or path
    std::string PackageSha256;
    std::vector<std::string> Files; // what the manifest says the package installs
};

enum class UpdateCheckOutcome { NoAddress, NoUpdate, Available, Failed };

struct UpdateCheckResult {
    UpdateCheckOutcome Outcome = UpdateCheckOutcome::NoUpdate;
    UpdateOffer Offer;   // Available
    std::string Failure; // Failed
};

enum class UpdateInstallOutcome {
    Staged,         // installed when the program restarts
    DownloadedOnly, // verified, but the program's folder is not writable
    Failed,
};

struct UpdateInstallResult {
    UpdateInstallOutcome Outcome = UpdateInstallOutcome::Failed;
    std::filesystem::path Package; // DownloadedOnly: where the verified package is
    std::string Failure;
};

class UpdateService {
public:
    explicit UpdateService(Workspace& workspace);

    // CheckUpdate: the search, with the progress window. Shows
    // "Обновлений не найдено!" and failures unless silent; an offer is for
    // the front end to show.
    UpdateCheckResult Check(const UpdateCheckOptions& options = {});
    // The update window's confirmation: downloads the package (three
    // attempts), checks its SHA-256, unpacks it into the work folder and
    // says that the restart will install it. Shows its outcome.
    UpdateInstallResult Install(const UpdateOffer& offer);

    // The version staged for the restart, if any.
    std::optional<std::string> StagedVersion() const;
    // The restart: puts the staged files in place of the program's. False
    // after a failure (shown; the program's files are as they were).
    bool ApplyStaged();
    // Puts back the files the last update replaced.
    bool RollBack();
    // At start-up: removes the temporary copies that a killed apply or
    // rollback left in the program's folder. Returns how many.
    int RemoveStaleTempFiles();

    // AutoUpdates (AutoSelfUpdate): the silent search at start-up.
    bool AutoUpdates() const;
    bool SetAutoUpdates(bool on);

    // The manifest's address of the configuration file ([UPDATE] ManifestUrl).
    std::string ManifestLocation() const;

    // The folder whose files an update replaces: the running program's.
    const std::filesystem::path& ProgramFolder() const { return programFolder_; }
    void SetProgramFolder(std::filesystem::path folder) { programFolder_ = std::move(folder); }
    update::WorkFolder Work() const;
    // The key manifests must be signed with, and the version updates are
    // compared with (the built-in ones unless set otherwise).
    void SetPublicKey(const update::PublicKey& key) { key_ = key; }
    void SetRunningVersion(const update::ProgramVersion& version) { running_ = version; }
    const update::ProgramVersion& Running() const { return running_; }

    std::optional<bool> ActionEnabled(std::string_view action, const ViewSelection& selection) const;

private:
    // Why a file of the package may not be installed, or empty: not named
    // by the manifest (declared; nullptr once it is gone), not a program
    // file, or one in the data folder.
    std::string RefusedFile(const std::string& name, const std::vector<std::string>* declared) const;

    Workspace& ws_;
    std::filesystem::path programFolder_;
    update::PublicKey key_;
    update::ProgramVersion running_;
};

} // namespace belvane::app
