#pragma once

// The working state of one running program — what the main window of the
// desktop program owns — and the operations the user runs on it. The desktop
// program, the command-line tool and the tests all drive a Workspace; the
// core talks to the person only through the Host.

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/comb_list_ops.h"
#include "app/data_files.h"
#include "app/draws_csv.h"
#include "app/draws_stat_table.h"
#include "app/proxy_settings.h"
#include "app/startup_options.h"
#include "app/window_settings.h"
#include "combs/comb_buffer.h"
#include "model/draws.h"
#include "stakes/hit_table.h"
#include "stakes/stakes_file.h"
#include "stats/stat_list.h"
#include "support/error.h"

namespace belvane::app {

class Host;

inline constexpr std::string_view ExclusiveAccessMessage =
    "Невозможно получить монопольный доступ к файлам данных!\r\rВозможные причины данной ошибки: \r\r1) Вы "
    "пытаетесь запустить вторую копию программы из одного и того же каталога. Корректная работа нескольких копий "
    "программы возможна только из разных каталогов.\r\r2) Для программы нет прав на запись в том каталоге, где она "
    "расположена. Например: в Windows 7 и выше по умолчанию запрещена запись в c:\\Program Files.\r\rПрограмма "
    "будет закрыта!";

// Start-up cannot go on; the reason has been shown.
class StartupFailure : public Error {
public:
    using Error::Error;
};

// What the front end hands over when the window closes.
struct WindowClosingState {
    std::optional<WindowPlacement> Placement;
    int PixelsPerInch = 96;
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    std::map<std::string, std::vector<int>> ColumnWidths; // by control name
};

// One row of the details window: "Свойство", "Значение".
struct DetailsRow {
    std::string Property;
    std::string Value;
};

struct CardCell {
    int Number = 0;      // 0: a cell past 45
    bool Marked = false; // one of the six numbers
    int Channel = 0;     // for its colour
};

class Workspace {
public:
    Workspace(Host& host, DataFiles files, StartupOptions options = {});
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;
    ~Workspace();

    // ---- life cycle ------------------------------------------------------
    // Stage one, quick: settings, configuration, proxy, the method registry.
    // Failures are shown and creation goes on.
    void Create();
    // Stage two, heavy: the lists, the stakes file (a folder another program
    // holds throws StartupFailure after the exclusive-access message), the
    // archive, the combination list, the first refresh.
    void Initialise();
    // The batch options after initialisation (loadonly, fullrecreate,
    // fullrefresh): returns true when the program should end now.
    bool RunBatchOptions();
    // Whether the window may close now: a running scenario is asked to stop first.
    bool CanClose();
    // Writes the on-close settings and what the front end hands over, closes the files.
    void Close(const WindowClosingState& state = {});

    Host& host() const { return host_; }
    const DataFiles& files() const { return files_; }
    const StartupOptions& options() const { return options_; }

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
    bool ScenarioRunning = false;
    bool ScenarioStopRequested = false;
    std::function<void()> StopScenario; // the scenario runner's stop action

    // ---- settings -----------------------------------------------------------
    MainWindowSettings& Settings() { return settings_; }
    const MainWindowSettings& Settings() const { return settings_; }
    stats::TStatList& Registry() { return registry_; }
    const stats::TStatList& Registry() const { return registry_; }
    ProxySettings& Proxy() { return proxy_; }
    int LanguageId() const { return languageId_; }
    // "Сохранение файла конфигурации..."; "Ошибка записи в файл конфигурации!".
    bool SaveConfiguration();
    // The configuration dialog's OK: stores and saves the record, rebuilds the
    // method lists keeping the choice, rebuilds the prefetch files of the
    // groups the change affects (when they are on) and refreshes every view.
    // Returns the mask of the affected groups.
    uint16_t ApplyConfiguration(const stats::TConfigData& edited);

    // ---- the draws archive --------------------------------------------------
    const model::TDrawsArray& Draws() const { return draws_; }
    int DrawsOffset() const { return offset_; }
    void SetDrawsOffset(int offset);
    bool SortedDraws() const { return settings_.Flag("SortedDraws"); }
    void ToggleSortedDraws();

    // Status panels 0, 1 and 2.
    std::string ArchivePanelText() const;
    std::string NextDrawPanelText() const;
    std::string OffsetDrawPanelText() const;
    // The number of the draw at the offset row, plus 1 (1 for an empty archive).
    int NextDrawNumber() const;

    int FindDrawIndex(int number) const { return model::IndexOfNumber(draws_, number); }
    // Throws Error("Запись со индексом %d в файле данных не найдена!").
    void DeleteDrawAt(int index);
    // The date of the draw at the list row plus days, as yyyymmdd (19780201 when there is none).
    int DrawDateAfter(int row, int days) const { return model::DrawDateShift(draws_, row, days); }

    // The record the draw dialog opens with for a new draw: the next number
    // after the newest draw, today's date.
    model::TDraw NewDraw() const;
    // Append / replace / delete, then save and refresh every view.
    bool AddDraw(const model::TDraw& draw);
    bool ReplaceDraw(int index, const model::TDraw& draw);
    // Asks first ("no" preselected); rows of the draws list (0 = newest).
    bool DeleteDrawRows(std::span<const int> rows);
    // Deletes the draws with these numbers without asking (the caller asked);
    // a number not in the archive throws Error and deletes nothing.
    bool DeleteDrawNumbers(std::span<const int> numbers);
    // Replaces the whole archive, saves it and refreshes every view.
    bool ReplaceArchive(model::TDrawsArray draws);

    bool LoadArchive();
    bool SaveArchive();
    std::optional<DrawsCsvImport> ImportDraws(const std::filesystem::path& csv);
    std::optional<int> ExportDraws(const std::filesystem::path& csv);

    // The details window: properties of a draw (list row) or of six numbers.
    std::vector<DetailsRow> DrawDetails(int row) const;
    std::vector<DetailsRow> CombinationDetails(const model::TComb& numbers) const;
    // The card of six numbers laid out in `columns` columns (1..45).
    std::vector<std::vector<CardCell>> Card(const model::TComb& numbers, int columns) const;

    // ---- the combination list -------------------------------------------------
    CombinationsState& Combinations() { return combs_; }
    const CombinationsState& Combinations() const { return combs_; }
    combs::CombinationBuffer& Buffer() { return buffer_; }
    std::string CombsPanelText() const; // panel 3
    GenerateSettings SavedGenerateSettings() const;
    // The new-list action: optionally stores the settings as the default,
    // saves the undo copy and generates.
    bool NewCombinationList(const GenerateSettings& settings, bool saveAsDefault);

    // ---- the statistics table --------------------------------------------------
    // The registry entries the type list offers, in display order.
    const std::vector<int>& StatTypes() const { return statTypes_; }
    std::string StatTypeText(int typeIndex) const;
    int StatTypeIndex() const { return statType_; }
    void SetStatTypeIndex(int typeIndex);
    // Entries with graphs, for the graph type list.
    const std::vector<int>& GraphTypes() const { return graphTypes_; }
    // "Все доступные статистики": asks first ("no" preselected); on yes every
    // method is listed again, the filter-list file saved and the type lists
    // rebuilt with the first item chosen. Returns whether it was done.
    bool ResetFavorites();
    // Refills the type lists (reload: the registry is rebuilt first, keeping
    // favourites and captions); keeps the previous choice when asked and possible.
    void RebuildTypeLists(bool reload, bool keepChoice);

    // A table request for a registry entry at the workspace's offset, sorted
    // flag and weights (any length; the table shows StatLength()).
    DrawsStatRequest StatRequest(int entry, int length) const;

    // Calculates the table of the chosen type; unless forced, nothing happens
    // when the archive, the offset, the length and the type are as last time.
    void CalculateStatistics(bool force);
    const DrawsStatTable& StatTable() const { return statTable_; }
    int StatLength() const { return settings_.Get("DrawsStatLen"); }
    void SetStatLength(int length);
    void TogglePrefetchs();
    void ToggleTotalLine();
    int BuildPrefetchFiles(bool force, uint16_t groupMask);
    // Keeps or removes the combinations having one of the values of the table rows.
    bool FilterByStatRows(std::span<const int> rows, bool remove);

    // ---- stakes -----------------------------------------------------------------
    stakes::StakesFile& Stakes() { return stakesFile_; }
    const stakes::HitTable& Hits() const { return hits_; }

private:
    void OpenStakesFile();
    void LoadConfigurationAndProxy();
    void FindHelpFile();

    Host& host_;
    DataFiles files_;
    StartupOptions options_;
    MainWindowSettings settings_;
    int languageId_ = 1049;
    ProxySettings proxy_;

    model::TDrawsArray draws_;
    int offset_ = 0;
    stats::TStatList registry_;
    CombinationsState combs_;
    combs::CombinationBuffer buffer_;
    stakes::StakesFile stakesFile_;
    stakes::HitTable hits_{};

    std::vector<int> statTypes_;
    std::vector<int> graphTypes_;
    int statType_ = -1;
    DrawsStatKey statKey_;
    DrawsStatTable statTable_;

    int busy_ = 0;
    std::map<int, RefreshListener> listeners_;
    int nextListener_ = 1;
    bool initialised_ = false;
    bool closed_ = false;
};

} // namespace belvane::app
