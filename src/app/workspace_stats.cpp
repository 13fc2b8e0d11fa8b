// The statistics table of the workspace: the type lists, the calculation,
// prefetch files and the filters that take the table's rows.

#include <algorithm>

#include "app/config_editing.h"
#include "app/filter_ops.h"
#include "app/host.h"
#include "app/prefetch_files.h"
#include "app/registry_setup.h"
#include "app/workspace.h"
#include "stats/custom_stat.h"

namespace belvane::app {

std::string Workspace::StatTypeText(int typeIndex) const
{
    if (typeIndex < 0 || typeIndex >= static_cast<int>(statTypes_.size()))
        return {};
    return registry_.MethodText(statTypes_[static_cast<size_t>(typeIndex)], true);
}

void Workspace::SetStatTypeIndex(int typeIndex)
{
    statType_ = (typeIndex >= 0 && typeIndex < static_cast<int>(statTypes_.size())) ? typeIndex : -1;
}

void Workspace::RebuildTypeLists(bool reload, bool keepChoice)
{
    const int previous = statType_;
    if (reload) {
        // Favourites, options and captions survive the rebuild through the filter-list file.
        SaveFilterList(host_, registry_, files_, true, false);
        registry_.BuildMethods();
        registry_.SelectAll();
        LoadFilterList(host_, registry_, files_, true);
    }
    statTypes_.clear();
    graphTypes_.clear();
    for (int i = 0; i < registry_.MethodCount(); ++i) {
        if (!registry_.InDrawsStat(i) || !registry_.IsListed(i))
            continue;
        statTypes_.push_back(i);
        if (registry_.HasGraph(i))
            graphTypes_.push_back(i);
    }
    if (registry_.Ordered) {
        auto byText = [&](int a, int b) { return registry_.MethodText(a, true) < registry_.MethodText(b, true); };
        std::stable_sort(statTypes_.begin(), statTypes_.end(), byText);
        std::stable_sort(graphTypes_.begin(), graphTypes_.end(), byText);
    }
    const int wanted = keepChoice ? previous : 0;
    statType_ = (wanted >= 0 && wanted < static_cast<int>(statTypes_.size())) ? wanted : -1;
}

bool Workspace::ResetFavorites()
{
    if (!host_.confirm("Вы действительно хотите сбросить список избранных фильтров?", false))
        return false;
    auto busy = Busy();
    {
        StatusScope status(host_, "Подождите пожалуйста...");
        registry_.SelectAll();
        SaveFilterList(host_, registry_, files_, true, false);
        RebuildTypeLists(false, false);
    }
    RefreshAllViews(true);
    return true;
}

void Workspace::SetStatLength(int length)
{
    settings_.Set("DrawsStatLen", std::max(length, 1));
}

DrawsStatRequest Workspace::StatRequest(int entry, int length) const
{
    DrawsStatRequest request;
    request.Entry = entry;
    request.Offset = offset_;
    request.Length = length;
    request.Sorted = SortedDraws();
    request.Weights = registry_.Config().Weights;
    request.ShowTotalLine = settings_.Flag("ShowTotalLine");
    return request;
}

void Workspace::CalculateStatistics(bool force)
{
    const DrawsStatKey key{static_cast<int>(draws_.size()), offset_, StatLength(), statType_};
    if (!force && key == statKey_)
        return;
    statKey_ = key;
    statTable_ = {};
    if (statType_ < 0 || draws_.empty())
        return;

    auto busy = Busy();
    StatusScope status(host_, "Анализ тиражей и расчет статистики...");
    DrawsStatRequest request = StatRequest(statTypes_[static_cast<size_t>(statType_)], StatLength());
    std::optional<PrefetchData> prefetch;
    if (settings_.Flag("PrefetchsEnabled")) {
        prefetch = OpenPrefetch(host_, registry_, request.Entry, files_);
        if (prefetch)
            request.Prefetch = &*prefetch;
    }
    statTable_ = CalculateDrawsStat(registry_, request);
}

void Workspace::TogglePrefetchs()
{
    const bool on = !settings_.Flag("PrefetchsEnabled");
    settings_.Set("PrefetchsEnabled", on ? 1 : 0);
    if (on)
        BuildPrefetchFiles(false, 0);
    CalculateStatistics(true);
}

void Workspace::ToggleTotalLine()
{
    StatusScope status(host_, "Создание графиков...");
    settings_.Set("ShowTotalLine", settings_.Flag("ShowTotalLine") ? 0 : 1);
    CalculateStatistics(true);
}

uint16_t Workspace::ApplyConfiguration(const stats::TConfigData& edited)
{
    auto busy = Busy();
    const uint16_t affected = AffectedGroups(registry_.Config(), edited);
    // The weights' saved copy and the generator and shredding settings are not the dialog's.
    stats::TConfigData& config = registry_.Config();
    config.MatrixCols = edited.MatrixCols;
    config.ChannelSize = edited.ChannelSize;
    config.MatrixSegments = edited.MatrixSegments;
    config.Cost = edited.Cost;
    config.MaxStake = edited.MaxStake;
    config.Profits = edited.Profits;
    config.Weights = edited.Weights;
    registry_.SaveWeights();
    SaveConfiguration();
    RebuildTypeLists(true, true);
    if (affected != 0 && settings_.Flag("PrefetchsEnabled"))
        app::BuildPrefetchFiles(host_, registry_, files_, false, true, affected);
    RefreshAllViews(true);
    return affected;
}

int Workspace::BuildPrefetchFiles(bool force, uint16_t groupMask)
{
    auto busy = Busy();
    return app::BuildPrefetchFiles(host_, registry_, files_, force, settings_.Flag("PrefetchsEnabled"), groupMask);
}

bool Workspace::FilterByStatRows(std::span<const int> rows, bool remove)
{
    if (statType_ < 0 || rows.empty())
        return false;
    auto busy = Busy();
    std::vector<const DrawsStatRow*> selected;
    for (int r : rows)
        if (r >= 0 && r < static_cast<int>(statTable_.Rows.size()))
            selected.push_back(&statTable_.Rows[static_cast<size_t>(r)]);
    const int entry = statTypes_[static_cast<size_t>(statType_)];
    auto method = registry_.CreateStatFromList(entry, "cbDrawsStatType");
    return RunFilter(host_, combs_, *method, SelectionFromRows(registry_, entry, selected), remove,
                     static_cast<int>(draws_.size()), offset_, SortedDraws());
}

} // namespace belvane::app
