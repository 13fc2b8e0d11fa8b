#pragma once

// The working state of one running program — what the main window of the
// desktop program owns. The workspace keeps the life cycle, the busy guard,
// the refresh signal, the host, the settings and the method registry; each
// subsystem is one service of it that owns its state and its operations.
// The desktop program, the command-line tool and the tests all drive a
// Workspace; the core talks to the person only through the Host.

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/data_files.h"
#include "app/startup_options.h"
#include "app/window_settings.h"
#include "stakes/hit_table.h"
#include "support/error.h"
#include "support/translation.h"

namespace belvane {
class Host;
}

namespace belvane::stats {
class TStatList;
}

namespace belvane::app {

// The services, each in its own header: a front end includes those it uses.
class AnalysisService;
class ArchiveService;
class CombinationService;
class ConfigurationService;
class DownloadService;
class LanguageService;
class LibraryService;
class RatingsService;
class ScenarioService;
class StakesService;
class StatisticsService;
class SystemsService;
class TablesService;
class UpdateService;
struct ViewSelection;

inline constexpr std::string_view ExclusiveAccessMessage = BELVANE_TEXT(
    "Невозможно получить монопольный доступ к файлам данных!\r\rВозможные причины данной ошибки: \r\r1) Вы "
    "пытаетесь запустить вторую копию программы с тем же каталогом данных. Корректная работа нескольких копий "
    "программы возможна только с разными каталогами данных (параметр --data-dir).\r\r2) Для программы нет прав на "
    "запись в каталоге данных. Например: каталоги, куда программа установлена (/usr, /opt), доступны для записи "
    "только администратору; укажите каталог данных в своем домашнем каталоге.\r\rПрограмма будет закрыта!");

// "Ошибка загрузки параметров программы!" / "Ошибка сохранения параметров
// программы!" with the reason: the window-state file could not be read or written.
std::string SettingsLoadErrorText(std::string_view reason);
std::string SettingsSaveErrorText(std::string_view reason);

// Start-up cannot go on; the reason has been shown.
class StartupFailure : public Error {
public:
    using Error::Error;
};

// How the front end uses the workspace.
struct WorkspaceMode {
    // The desktop program: the combination list is built at start-up and
    // reductions keep an undo copy. A one-shot command builds a list only
    // when it asks for one and filters it in place.
    bool Interactive = true;
    // A command that only reads: nothing in the data folder is written (a
    // full disk or a read-only folder can still be read), and other readers
    // may read beside it.
    bool ReadOnly = false;
};

// What the front end hands over when the window closes.
struct WindowClosingState {
    std::optional<WindowPlacement> Placement;
    int PixelsPerInch = 96;
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    std::map<std::string, std::vector<int>> ColumnWidths; // by control name
    std::map<std::string, ListSort> ListSorts;            // by control name (sortable lists)
};

// The status bar's panels before the status line: 0 archive, 1 next draw,
// 2 the draw above the offset row, 3 combinations, 4 stakes, 5 rating.
inline constexpr size_t StatusPanelCount = 6;

class Workspace {
public:
    Workspace(belvane::Host& host, DataFiles files, StartupOptions options = {}, WorkspaceMode mode = {});
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;
    ~Workspace();

    // ---- life cycle ------------------------------------------------------
    // Stage one, quick: settings, configuration, proxy, the method registry.
    // Failures are shown and creation goes on.
    void Create();
    // Stage two, heavy: the stakes file (a folder another program holds
    // throws StartupFailure after the exclusive-access message), the removal
    // of temporary files that killed saves left, the archive, the combination
    // list, the first refresh.
    void Initialise();
    // The batch options after initialisation (loadonly, fullrecreate,
    // fullrefresh): returns true when the program should end now.
    bool RunBatchOptions();
    // The loadonly download of RunBatchOptions failed (the program ends with an error).
    bool BatchFailed() const { return batchFailed_; }
    // Whether the window may close now: a running scenario is asked to stop
    // first ("Стоп" with its question); the window closes once it has ended.
    bool CanClose();
    // Writes the on-close settings and what the front end hands over, closes
    // the files. Returns false when a write failed (its message was shown).
    bool Close(const WindowClosingState& state = {});

    belvane::Host& Host() const { return host_; }
    const DataFiles& Files() const { return files_; }
    const StartupOptions& Options() const { return options_; }
    const WorkspaceMode& Mode() const { return mode_; }
    MainWindowSettings& Settings() { return settings_; }
    const MainWindowSettings& Settings() const { return settings_; }
    // The interface language in effect (a Windows locale identifier).
    int LanguageId() const;
    // Stores a setting of the window-state file. A failed write shows
    // "Ошибка сохранения параметров программы!" and the program goes on with
    // the value in memory; returns whether it was stored and written.
    bool SetSetting(std::string_view key, int value);

    // ---- the services --------------------------------------------------------
    ConfigurationService& Configuration() { return *configuration_; }
    const ConfigurationService& Configuration() const { return *configuration_; }
    ArchiveService& Archive() { return *archive_; }
    const ArchiveService& Archive() const { return *archive_; }
    StatisticsService& Statistics() { return *statistics_; }
    const StatisticsService& Statistics() const { return *statistics_; }
    CombinationService& Combinations() { return *combinations_; }
    const CombinationService& Combinations() const { return *combinations_; }
    ScenarioService& Scenario() { return *scenario_; }
    const ScenarioService& Scenario() const { return *scenario_; }
    StakesService& Stakes() { return *stakes_; }
    const StakesService& Stakes() const { return *stakes_; }
    DownloadService& Download() { return *download_; }
    RatingsService& Ratings() { return *ratings_; }
    const RatingsService& Ratings() const { return *ratings_; }
    TablesService& Tables() { return *tables_; }
    const TablesService& Tables() const { return *tables_; }
    SystemsService& Systems() { return *systems_; }
    const SystemsService& Systems() const { return *systems_; }
    LibraryService& Library() { return *library_; }
    const LibraryService& Library() const { return *library_; }
    AnalysisService& Analysis() { return *analysis_; }
    const AnalysisService& Analysis() const { return *analysis_; }
    UpdateService& Update() { return *update_; }
    const UpdateService& Update() const { return *update_; }
    LanguageService& Languages() { return *languages_; }
    const LanguageService& Languages() const { return *languages_; }
    // The statistic methods, reading the archive and the configuration.
    stats::TStatList& Registry() { return *registry_; }
    const stats::TStatList& Registry() const { return *registry_; }

    const stakes::HitTable& Hits() const { return hits_; }

    // Whether the named action may run now: never while an operation runs
    // (but for "ScriptStop", the one action of a running scenario), else as
    // the service that owns the action decides (actions no service
    // names, like "ExitProgram", are always enabled).
    bool ActionEnabled(std::string_view action, const ViewSelection& selection) const;

    // The texts of the status panels 0..5, as the services word them.
    std::array<std::string, StatusPanelCount> StatusPanelTexts() const;

    // ---- busy state: one long operation at a time ------------------------
    class BusyGuard {
    public:
        explicit BusyGuard(Workspace& w) : w_(&w) { ++w_->busy_; }
        BusyGuard(BusyGuard&& other) noexcept : w_(std::exchange(other.w_, nullptr)) {}
        BusyGuard(const BusyGuard&) = delete;
        BusyGuard& operator=(const BusyGuard&) = delete;
        BusyGuard& operator=(BusyGuard&&) = delete;
        ~BusyGuard()
        {
            if (w_)
                --w_->busy_;
        }

    private:
        Workspace* w_;
    };
    [[nodiscard]] BusyGuard Busy() { return BusyGuard(*this); }
    bool IsBusy() const { return busy_ > 0; }

    // ---- refreshing every view --------------------------------------------
    using RefreshListener = std::function<void(bool force)>;
    int OnRefresh(RefreshListener listener);
    void RemoveRefreshListener(int id);
    // Recalculates the statistics table and tells every view; skipped while
    // suppressed. A non-forced refresh leaves what has not changed.
    void RefreshAllViews(bool force);

    bool RefreshSuppressed = false;

private:
    belvane::Host& host_;
    DataFiles files_;
    StartupOptions options_;
    WorkspaceMode mode_;
    MainWindowSettings settings_;

    // Declared in the order they depend on each other.
    std::unique_ptr<ConfigurationService> configuration_;
    std::unique_ptr<ArchiveService> archive_;
    std::unique_ptr<stats::TStatList> registry_;
    std::unique_ptr<StatisticsService> statistics_;
    std::unique_ptr<CombinationService> combinations_;
    std::unique_ptr<ScenarioService> scenario_;
    std::unique_ptr<StakesService> stakes_;
    std::unique_ptr<RatingsService> ratings_;
    std::unique_ptr<TablesService> tables_;
    std::unique_ptr<DownloadService> download_;
    std::unique_ptr<SystemsService> systems_;
    std::unique_ptr<AnalysisService> analysis_;
    std::unique_ptr<LibraryService> library_;
    std::unique_ptr<UpdateService> update_;
    std::unique_ptr<LanguageService> languages_;
    stakes::HitTable hits_{};

    int busy_ = 0;
    std::map<int, RefreshListener> listeners_;
    int nextListener_ = 1;
    bool initialised_ = false;
    bool closed_ = false;
    bool batchFailed_ = false;
};

} // namespace belvane::app
