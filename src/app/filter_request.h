#pragma once

// One filter step as every front end asks for it: the desktop program's
// "Оставить выделенные" / "Удалить выделенные" on rows of the statistics
// table, the command line's values typed as text, the views' plain numbers,
// and the scenario runner's rows chosen by rule. The combination service
// executes it (CombinationService::Filter).

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "combs/filter.h"

namespace belvane::stats {
class Matcher;
class TCustomStat;
class TStatList;
} // namespace belvane::stats

namespace belvane::app {

struct DrawsStatTable;

struct FilterRequest {
    int Entry = -1;      // the registry entry of the method
    int Offset = 0;      // the draws offset the statistics stand at
    int Length = 1000;   // draws in the statistics window
    bool Sorted = false; // draws read with their numbers ascending
    bool Remove = false; // remove the combinations having a value, else keep them

    // The selection, in one of three forms: rows of the method's table
    // (Table, when given, is that table; else it is calculated), the texts
    // of the rows' "Значение" column, or the values themselves.
    std::vector<int> Rows;
    const DrawsStatTable* Table = nullptr;
    std::vector<std::string> ValueTexts;
    std::optional<combs::FilterSelection> Values;
};

// The value records, history caption and values text the request selects,
// over the archive the registry reads. A value text that is no row of the
// table throws Error("Значение \"%s\" не найдено в таблице статистики метода %s!").
combs::FilterSelection ResolveFilterSelection(const stats::TStatList& registry, const FilterRequest& request);

// A request made ready to run over a list: the selection it resolves to and
// the test each combination takes, prepared once at the request's offset.
struct PreparedFilter {
    PreparedFilter();
    PreparedFilter(PreparedFilter&&) noexcept;
    PreparedFilter& operator=(PreparedFilter&&) noexcept;
    ~PreparedFilter();

    combs::FilterSelection Selection;
    std::unique_ptr<stats::TCustomStat> Method; // the test may read it: it lives as long
    std::unique_ptr<stats::Matcher> Test;       // none when the selection is empty
    bool KeepMatching = true;                   // keep the combinations whose test answers this
};

// Every front end's filter step up to the list: the desktop program's, the
// command line's and the scenario runner's. An entry no method has throws
// Error("Не выбран метод расчета статистики (cb: cbDrawsStatType)!"), a value
// text no row has the error of ResolveFilterSelection.
PreparedFilter PrepareFilter(const stats::TStatList& registry, const FilterRequest& request);

} // namespace belvane::app
