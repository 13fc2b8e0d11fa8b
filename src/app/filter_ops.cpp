#include "app/filter_ops.h"

#include "app/host.h"
#include "stats/custom_stat.h"
#include "stats/stat_list.h"
#include "support/error.h"

namespace belvane::app {
namespace {

bool applySaved(Host& host, CombinationsState& state, stats::TCustomStat& method,
                const combs::FilterSelection& selection, bool remove, int drawCount, int offset, bool sorted)
{
    StatusScope status(host, "Фильтрация комбинаций...");
    try {
        const bool complete = combs::ApplyFilter(state.List, state.History, method, selection, remove,
                                                 combs::FilterLastIndex(drawCount, offset), sorted,
                                                 [&](size_t, size_t) { return !host.cancelled(); });
        if (!complete) {
            state.List.RestoreUndo();
            state.History.RemoveLast();
        }
        return complete;
    } catch (const Error& e) {
        host.showError(e.what());
        return false;
    }
}

} // namespace

combs::FilterSelection SelectionFromRows(const stats::TStatList& list, int entry,
                                         std::span<const DrawsStatRow* const> rows)
{
    combs::FilterSelection s;
    s.Caption = list.MethodText(entry, true);
    std::vector<std::string> texts;
    for (const DrawsStatRow* row : rows) {
        s.Values.push_back(row->Value);
        texts.push_back(row->Cells[StatColValue]);
    }
    s.ValuesText = combs::JoinValueTexts(texts);
    return s;
}

bool RunFilter(Host& host, CombinationsState& state, stats::TCustomStat& method,
               const combs::FilterSelection& selection, bool remove, int drawCount, int offset, bool sorted)
{
    if (selection.Values.empty())
        return false;
    state.List.SaveUndo();
    return applySaved(host, state, method, selection, remove, drawCount, offset, sorted);
}

bool RunNumbersFilter(Host& host, CombinationsState& state, const stats::TStatList& list,
                      const std::function<combs::FilterSelection()>& collect, bool remove, int drawCount, int offset,
                      bool sorted)
{
    state.List.SaveUndo();
    combs::FilterSelection selection;
    try {
        selection = collect();
    } catch (const Error& e) {
        host.showError(e.what());
        return false;
    }
    const int nums = list.FindMethod("NUMS");
    auto method = list.CreateStat(nums);
    return applySaved(host, state, *method, selection, remove, drawCount, offset, sorted);
}

} // namespace belvane::app
