#pragma once

// The game configuration of the running program ("Belvane_6x45.ini"): the
// layouts, the money side of stakes, the weights, the generator settings,
// the shredding formulas and the proxy. The statistics registry reads it;
// every change raises its revision, so views computed from it know they are stale.

#include <array>
#include <cstdint>
#include <string>

#include "app/download_settings.h"
#include "app/online_settings.h"
#include "app/proxy_settings.h"
#include "stats/config_data.h"

namespace belvane::app {

class Workspace;

// The three shredding formulas and their digit counts, slot 1 first.
struct ShreddingSettings {
    std::array<std::string, 3> Formulas;
    std::array<int, 3> Digits{};

    friend bool operator==(const ShreddingSettings&, const ShreddingSettings&) = default;
};

struct ShreddingApplyResult {
    unsigned ChangedSlots = 0; // bit k-1 for slot k
    bool Ok = true;            // false when a write or a delete failed (each shown)
};

struct GenerateSettings {
    int Mode = 0;
    std::string Parameters; // my numbers, or the list file of mode 4
};

class ConfigurationService {
public:
    explicit ConfigurationService(Workspace& workspace) : ws_(workspace) {}

    const stats::TConfigData& Data() const { return data_; }
    // For changes that bypass the dialog (a scenario's weights): the caller
    // raises the revision with Touch() when values change.
    stats::TConfigData& MutableData() { return data_; }
    void Touch() { ++revision_; }
    uint64_t Revision() const { return revision_; }

    // Where the draws download goes ([DOWNLOAD] SiteUrl, [PROXY] ProxyListUrl).
    const DownloadSettings& Download() const { return download_; }
    ProxySettings& Proxy() { return proxy_; }
    // The exchange service and the user ([ONLINE] ServiceUrl, UserName, UserMail).
    const OnlineSettings& Online() const { return online_; }
    // The author key ([ONLINE] AuthorKey); the first call that finds none
    // makes one and writes it. Throws Error when it cannot be written.
    const std::string& EnsureAuthorKey();
    // For this run only (the command line's --service).
    void SetServiceUrl(std::string url) { online_.ServiceUrl = std::move(url); }
    const ProxySettings& Proxy() const { return proxy_; }
    // Writes section PROXY (with the status text "Сохранение файла
    // конфигурации..." when asked; "Ошибка записи в файл конфигурации!" on
    // failure, the settings then stay marked unsaved).
    bool SaveProxy(bool showStatus);
    // The proxy dialog's OK (see EditedProxy): stores the settings and writes them.
    bool ApplyProxy(const ProxySettings& edited);

    // Reads every group and the proxy ("Загрузка файла конфигурации...";
    // "Ошибка чтения файла конфигурации!" once on failure: what was read stays).
    bool Load();
    // Writes the layout, stakes and weights groups ("Сохранение файла
    // конфигурации..."; "Ошибка записи в файл конфигурации!" on failure).
    bool Save();

    // The configuration dialog's OK: stores and saves the record, rebuilds the
    // method lists keeping the choice, rebuilds the prefetch files of the
    // groups the change affects (when they are on) and refreshes every view.
    // Returns the mask of the affected groups.
    uint16_t Apply(const stats::TConfigData& edited);

    ShreddingSettings Shredding() const;
    // The shredding formulas dialog's OK: stores the formulas (digit counts
    // brought into 1..4), saves them, rebuilds the method lists keeping the
    // choice, deletes the prefetch files of the slots that changed and, when
    // prefetch files are on, builds the group's files again, then
    // recalculates every view. The formulas apply even when a write fails.
    ShreddingApplyResult ApplyShredding(const ShreddingSettings& edited);

    GenerateSettings SavedGenerateSettings() const;
    // Stores the generator settings as the default and writes them.
    bool SaveGenerateSettings(const GenerateSettings& settings);

private:
    Workspace& ws_;
    stats::TConfigData data_;
    DownloadSettings download_;
    ProxySettings proxy_;
    OnlineSettings online_;
    uint64_t revision_ = 0;
};

} // namespace belvane::app
