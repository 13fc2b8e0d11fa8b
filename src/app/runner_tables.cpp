#include "app/runner_tables.h"

#include <algorithm>

#include "app/statistics_service.h"
#include "app/workspace.h"
#include "stats/stat_list.h"

namespace belvane::app {
namespace {

// Tables kept per offset: enough for the filters of a line, few enough that
// methods with tens of thousands of values do not pile up.
constexpr size_t kKeptTables = 16;

} // namespace

const PrefetchData* RunnerTables::Prefetch(int entry)
{
    StatisticsService& statistics = ws_.Statistics();
    if (!statistics.PrefetchsEnabled())
        return nullptr;
    auto it = prefetch_.find(entry);
    if (it == prefetch_.end())
        it = prefetch_.emplace(entry, OpenPrefetch(ws_.Host(), ws_.Registry(), entry, ws_.Files())).first;
    return it->second ? &*it->second : nullptr;
}

std::shared_ptr<const DrawsStatTable> RunnerTables::Table(int entry, int length,
                                                          const stats::WeightCoefficients& weights)
{
    const Key key{entry, length, weights};
    const auto found = std::find_if(tables_.begin(), tables_.end(), [&](const auto& t) { return t.first == key; });
    if (found != tables_.end()) {
        auto table = found->second;
        tables_.erase(found);
        tables_.emplace_front(key, table);
        return table;
    }
    DrawsStatRequest request = ws_.Statistics().Request(entry, length);
    request.Weights = weights;
    request.FindFacts = false;
    request.ShowTotalLine = false;
    request.Prefetch = Prefetch(entry);
    auto table = std::make_shared<const DrawsStatTable>(CalculateDrawsStat(ws_.Registry(), request));
    tables_.emplace_front(key, table);
    if (tables_.size() > kKeptTables)
        tables_.pop_back();
    return table;
}

} // namespace belvane::app
