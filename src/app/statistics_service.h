#pragma once

// The statistics panel: the lists of methods the user picks from, the chosen
// method and window, the statistics table with its prefetch comparison, and
// filtering the combination list by rows of the table.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/draws_stat_table.h"
#include "app/prefetch_files.h"
#include "app/view_selection.h"
#include "stats/favorites_draft.h"

namespace belvane::app {

class Workspace;

class StatisticsService {
public:
    explicit StatisticsService(Workspace& workspace) : ws_(workspace) {}

    // ---- the method lists ---------------------------------------------------------
    // The registry entries the type list offers, in display order.
    const std::vector<int>& StatTypes() const { return statTypes_; }
    std::string StatTypeText(int typeIndex) const;
    int StatTypeIndex() const { return statType_; }
    // The registry entry of the chosen type; -1 when none is chosen.
    int ChosenEntry() const;
    void SetStatTypeIndex(int typeIndex);
    // Entries with graphs, for the graph type list.
    const std::vector<int>& GraphTypes() const { return graphTypes_; }
    // Refills the type lists (reload: the registry is rebuilt first, keeping
    // favourites and captions); keeps the previous choice when asked and possible.
    void RebuildTypeLists(bool reload, bool keepChoice);
    // "Все доступные статистики": asks first ("no" preselected); on yes every
    // method is listed again, the filter-list file saved and the type lists
    // rebuilt with the first item chosen. Returns whether it was done.
    bool ResetFavorites();

    // ---- the favourites manager -------------------------------------------------------
    // A working copy of the marks, captions and display options for the dialog.
    stats::FavoritesDraft MakeFavoritesDraft() const;
    // The dialog's OK: the draft goes into the registry, the filter-list file is
    // saved with the options, both type lists are rebuilt with their first item
    // chosen and every view is refreshed. False when the file could not be
    // written (the message was shown); the registry holds the draft even then.
    bool ApplyFavorites(const stats::FavoritesDraft& draft);
    // Names import and export between the draft and a filter-list file of the
    // user's; the registry is not touched. False after a failure (shown).
    bool ImportFavoriteNames(stats::FavoritesDraft& draft, const std::filesystem::path& file);
    bool ExportFavoriteNames(const stats::FavoritesDraft& draft, const std::filesystem::path& file);
    // The description page of a registry entry (FiltersInfo shows the chosen
    // type's): rich text with the example on the archive read as the table reads it.
    std::string MethodDescription(int entry) const;
    // The same description in plain text.
    std::string MethodDescriptionText(int entry) const;
    // The first sentence of the description, for a tool tip.
    std::string MethodSummary(int entry) const;
    // The page of the configured help file for the entry; empty when no help
    // file is configured or it does not exist (the built-in description is shown then).
    std::string MethodHelpURL(int entry) const;

    // The filter-list file (".flt"): favourites, display options, caption
    // overrides ("Ошибка загрузки списка фильтров!" / "Ошибка сохранения списка фильтров!").
    bool LoadFilterList(bool withOptions);
    bool SaveFilterList(bool withOptions, bool allCaptions);

    // ---- the table -------------------------------------------------------------------
    int Length() const;
    void SetLength(int length);
    // A table request for a registry entry at the archive's offset, sorted
    // flag and weights (any length; the table shows Length()).
    DrawsStatRequest Request(int entry, int length) const;
    // Calculates the table of the chosen type; unless forced, nothing happens
    // when the archive, the configuration, the offset, the length and the type
    // are as last time.
    void Calculate(bool force);
    const DrawsStatTable& Table() const { return table_; }
    // Forgets the table's key, so the next refresh recalculates it.
    void Invalidate() { key_ = {}; }

    bool PrefetchsEnabled() const;
    void TogglePrefetchs();
    void ToggleTotalLine();
    // Builds the missing prefetch files (all with force; those of the groups
    // in the mask even when present). Returns how many were written and how many failed.
    PrefetchBuildResult BuildPrefetchFiles(bool force, uint16_t groupMask);

    // ---- filtering ---------------------------------------------------------------------
    // Keeps or removes the combinations having one of the values of these table rows.
    bool FilterByRows(std::span<const int> rows, bool remove);
    // The rows of the table whose values have these keys (for keeping a
    // selection across a recalculation), in table order.
    std::vector<int> RowsOfKeys(std::span<const uint64_t> keys) const;
    std::vector<uint64_t> KeysOfRows(std::span<const int> rows) const;

    std::optional<bool> ActionEnabled(std::string_view action, const ViewSelection& selection) const;

private:
    Workspace& ws_;
    std::vector<int> statTypes_;
    std::vector<int> graphTypes_;
    int statType_ = -1;
    DrawsStatKey key_;
    DrawsStatTable table_;
};

} // namespace belvane::app
