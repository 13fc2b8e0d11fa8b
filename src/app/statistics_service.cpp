#include "app/statistics_service.h"

#include <algorithm>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/filter_request.h"
#include "app/prefetch_files.h"
#include "app/setting_keys.h"
#include "app/workspace.h"
#include "model/draws_file.h"
#include "stats/method_description.h"
#include "stats/stat_list.h"
#include "support/error.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::app {

// ---- the method lists -------------------------------------------------------------

std::string StatisticsService::StatTypeText(int typeIndex) const
{
    if (typeIndex < 0 || typeIndex >= static_cast<int>(statTypes_.size()))
        return {};
    return ws_.Registry().MethodText(statTypes_[static_cast<size_t>(typeIndex)], true);
}

int StatisticsService::ChosenEntry() const
{
    return statType_ >= 0 ? statTypes_[static_cast<size_t>(statType_)] : -1;
}

void StatisticsService::SetStatTypeIndex(int typeIndex)
{
    statType_ = (typeIndex >= 0 && typeIndex < static_cast<int>(statTypes_.size())) ? typeIndex : -1;
}

void StatisticsService::RebuildTypeLists(bool reload, bool keepChoice)
{
    stats::TStatList& registry = ws_.Registry();
    const int previous = statType_;
    if (reload) {
        // Favourites, options and captions survive the rebuild through the filter-list file.
        SaveFilterList(true, false);
        registry.BuildMethods();
        registry.SelectAll();
        LoadFilterList(true);
    }
    statTypes_.clear();
    graphTypes_.clear();
    for (int i = 0; i < registry.MethodCount(); ++i) {
        if (!registry.InDrawsStat(i) || !registry.IsListed(i))
            continue;
        statTypes_.push_back(i);
        if (registry.HasGraph(i))
            graphTypes_.push_back(i);
    }
    if (registry.Ordered) {
        auto byText = [&](int a, int b) { return registry.MethodText(a, true) < registry.MethodText(b, true); };
        std::stable_sort(statTypes_.begin(), statTypes_.end(), byText);
        std::stable_sort(graphTypes_.begin(), graphTypes_.end(), byText);
    }
    const int wanted = keepChoice ? previous : 0;
    statType_ = (wanted >= 0 && wanted < static_cast<int>(statTypes_.size())) ? wanted : -1;
}

bool StatisticsService::ResetFavorites()
{
    if (!ws_.Host().confirm(support::Text("Вы действительно хотите сбросить список избранных фильтров?"), false))
        return false;
    auto busy = ws_.Busy();
    {
        StatusScope status(ws_.Host(), support::Text("Подождите пожалуйста..."));
        ws_.Registry().SelectAll();
        SaveFilterList(true, false);
        RebuildTypeLists(false, false);
    }
    ws_.RefreshAllViews(true);
    return true;
}

stats::FavoritesDraft StatisticsService::MakeFavoritesDraft() const
{
    return stats::FavoritesDraft(ws_.Registry());
}

bool StatisticsService::ApplyFavorites(const stats::FavoritesDraft& draft)
{
    auto busy = ws_.Busy();
    bool saved = false;
    {
        StatusScope status(ws_.Host(), support::Text("Подождите пожалуйста..."));
        draft.ApplyTo(ws_.Registry());
        saved = SaveFilterList(true, false);
        RebuildTypeLists(false, false);
    }
    ws_.RefreshAllViews(false);
    return saved;
}

bool StatisticsService::ImportFavoriteNames(stats::FavoritesDraft& draft, const std::filesystem::path& file)
{
    try {
        draft.ImportNames(file);
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка загрузки списка фильтров!\r\r{}", e.what()));
        return false;
    }
}

bool StatisticsService::ExportFavoriteNames(const stats::FavoritesDraft& draft, const std::filesystem::path& file)
{
    // The program's own ".flt" is written only by OK, with the options.
    if (const std::string refusal = ws_.Files().ownFileRefusal(file); !refusal.empty()) {
        ws_.Host().showError(refusal);
        return false;
    }
    try {
        draft.ExportNames(file);
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка сохранения списка фильтров!\r\r{}", e.what()));
        return false;
    }
}

std::string StatisticsService::MethodDescription(int entry) const
{
    return stats::MethodDescriptionPage(ws_.Registry(), entry, ws_.Archive().Sorted(), Length());
}

std::string StatisticsService::MethodDescriptionText(int entry) const
{
    return stats::MethodDescriptionText(ws_.Registry(), entry, ws_.Archive().Sorted(), Length());
}

std::string StatisticsService::MethodSummary(int entry) const
{
    return stats::MethodSummary(ws_.Registry(), entry);
}

std::string StatisticsService::MethodHelpURL(int entry) const
{
    const stats::TStatList& registry = ws_.Registry();
    if (entry < 0 || entry >= registry.MethodCount())
        return {};
    const stats::TStatMethod& m = registry.Item(entry);
    return m.StatClass->HelpURL(m.Param, registry.HelpFile);
}

bool StatisticsService::LoadFilterList(bool withOptions)
{
    try {
        ws_.Registry().LoadFilterList(ws_.Files().filterList(), withOptions);
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка загрузки списка фильтров!\r\r{}", e.what()));
        return false;
    }
}

bool StatisticsService::SaveFilterList(bool withOptions, bool allCaptions)
{
    try {
        ws_.Registry().SaveFilterList(ws_.Files().filterList(), withOptions, allCaptions);
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка сохранения списка фильтров!\r\r{}", e.what()));
        return false;
    }
}

// ---- the table ----------------------------------------------------------------------

int StatisticsService::Length() const
{
    return ws_.Settings().Get(key::DrawsStatLen);
}

void StatisticsService::SetLength(int length)
{
    ws_.SetSetting(key::DrawsStatLen, std::clamp(length, 1, static_cast<int>(model::MaxDrawsInFile)));
}

DrawsStatRequest StatisticsService::Request(int entry, int length) const
{
    DrawsStatRequest request;
    request.Entry = entry;
    request.Offset = ws_.Archive().Offset();
    request.Length = length;
    request.Sorted = ws_.Archive().Sorted();
    request.Weights = ws_.Configuration().Data().Weights;
    request.ShowTotalLine = ws_.Settings().Flag(key::ShowTotalLine);
    return request;
}

void StatisticsService::Calculate(bool force)
{
    const ArchiveService& archive = ws_.Archive();
    const DrawsStatKey key{archive.Revision(),
                           ws_.Configuration().Revision(),
                           static_cast<int>(archive.Draws().size()),
                           archive.Offset(),
                           Length(),
                           ChosenEntry(),
                           archive.Sorted()};
    if (!force && key == key_)
        return;
    key_ = key;
    table_ = {};
    if (statType_ < 0 || archive.Draws().empty())
        return;

    auto busy = ws_.Busy();
    StatusScope status(ws_.Host(), support::Text("Анализ тиражей и расчет статистики..."));
    DrawsStatRequest request = Request(ChosenEntry(), Length());
    std::optional<PrefetchData> prefetch;
    if (PrefetchsEnabled()) {
        prefetch = OpenPrefetch(ws_.Host(), ws_.Registry(), request.Entry, ws_.Files());
        if (prefetch)
            request.Prefetch = &*prefetch;
    }
    table_ = CalculateDrawsStat(ws_.Registry(), request);
}

bool StatisticsService::PrefetchsEnabled() const
{
    return ws_.Settings().Flag(key::PrefetchsEnabled);
}

void StatisticsService::TogglePrefetchs()
{
    const bool on = !PrefetchsEnabled();
    ws_.SetSetting(key::PrefetchsEnabled, on ? 1 : 0);
    if (on)
        BuildPrefetchFiles(false, 0);
    Calculate(true);
}

void StatisticsService::ToggleTotalLine()
{
    StatusScope status(ws_.Host(), support::Text("Создание графиков..."));
    ws_.SetSetting(key::ShowTotalLine, ws_.Settings().Flag(key::ShowTotalLine) ? 0 : 1);
    Calculate(true);
}

PrefetchBuildResult StatisticsService::BuildPrefetchFiles(bool force, uint16_t groupMask)
{
    auto busy = ws_.Busy();
    return app::BuildPrefetchFiles(ws_.Host(), ws_.Registry(), ws_.Files(), force, PrefetchsEnabled(), groupMask);
}

// ---- filtering -----------------------------------------------------------------------

bool StatisticsService::FilterByRows(std::span<const int> rows, bool remove)
{
    if (statType_ < 0 || rows.empty())
        return false;
    FilterRequest request;
    request.Entry = ChosenEntry();
    request.Offset = ws_.Archive().Offset();
    request.Length = Length();
    request.Sorted = ws_.Archive().Sorted();
    request.Remove = remove;
    request.Rows.assign(rows.begin(), rows.end());
    request.Table = &table_;
    return ws_.Combinations().Filter(request);
}

std::vector<int> StatisticsService::RowsOfKeys(std::span<const uint64_t> keys) const
{
    std::vector<int> rows;
    for (size_t r = 0; r < table_.Rows.size(); ++r)
        if (std::find(keys.begin(), keys.end(), stats::KeyOf(table_.Rows[r].Value)) != keys.end())
            rows.push_back(static_cast<int>(r));
    return rows;
}

std::vector<uint64_t> StatisticsService::KeysOfRows(std::span<const int> rows) const
{
    std::vector<uint64_t> keys;
    for (int r : rows)
        if (r >= 0 && r < static_cast<int>(table_.Rows.size()))
            keys.push_back(stats::KeyOf(table_.Rows[static_cast<size_t>(r)].Value));
    return keys;
}

std::optional<bool> StatisticsService::ActionEnabled(std::string_view action, const ViewSelection& selection) const
{
    const bool hasDraws = !ws_.Archive().Draws().empty();
    const bool hasCombs = ws_.Combinations().Count() > 0;
    if (action == "DrawsStatCalc")
        return hasDraws && statType_ >= 0;
    if (action == "DrawsStatePrefetchsEnabled" || action == "FiltersReset" || action == "FiltersManager")
        return true;
    if (action == "FiltersInfo")
        return statType_ >= 0;
    if (action == "DrawsStatExportToExcel")
        return !table_.Rows.empty();
    if (action == "DrawsStatShowTotalLine")
        return PrefetchsEnabled();
    if (action == "StatFilter_Include" || action == "StatFilter_Exclude")
        return hasCombs && selection.StatRows > 0;
    return std::nullopt;
}

} // namespace belvane::app
