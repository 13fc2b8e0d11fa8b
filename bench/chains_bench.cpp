// The chain methods: their statistics tables, which read two or three draws
// per draw and search the later draws row by row for the "Факт" column, and
// the filter over the full set.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "app/draws_stat_table.h"
#include "bench_data.h"
#include "model/full_set.h"
#include "stats/custom_stat.h"
#include "stats/range_stats.h"
#include "stats/stat_list.h"

namespace {

using namespace belvane;

bench::BenchRegistry& registry()
{
    return bench::DefaultRegistry();
}

// SDV2 gives up to 36 values per draw. Target for SDV2 over 1000 draws: 20 ms.
const char* const kChainMethods[] = {"SDV2", "SCV2", "SDA2", "SDC2", "SDP3", "SC3C3", "SSV2"};

void BM_ChainTable(benchmark::State& state)
{
    auto& r = registry();
    app::DrawsStatRequest request;
    request.Entry = r.list.FindMethod(kChainMethods[state.range(0)]);
    request.Offset = static_cast<int>(state.range(1));
    request.Length = 1000;
    size_t rows = 0;
    for (auto _ : state) {
        auto table = app::CalculateDrawsStat(r.list, request);
        rows = table.Rows.size();
        benchmark::DoNotOptimize(table.Rows.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.SetLabel(std::string(kChainMethods[state.range(0)]) + " offset " + std::to_string(request.Offset));
}
BENCHMARK(BM_ChainTable)->ArgsProduct({{0, 1, 2, 3, 4, 5, 6}, {0, 100}})->Unit(benchmark::kMillisecond);

// The inside-channel filter over the full set, a selection of the table's
// first rows (values that are numbers, empty channels and counts).
void BM_ChainFilterFullSet(benchmark::State& state)
{
    auto& r = registry();
    const int entry = r.list.FindMethod(state.range(0) == 0 ? "SDA2" : "SDC2");
    auto stat = r.list.CreateStat(entry);
    const int last = static_cast<int>(r.draws.size()) - 1;
    const stats::TStatDrawArray values = stats::CalculateRange(*stat, {0, last}, false);
    const stats::TStatDrawArray selected(values.begin(), values.begin() + std::min<size_t>(values.size(), 8));
    const auto matcher = stat->PrepareMatches(selected, {last, false});
    std::vector<model::TComb> chunk(1 << 16);
    std::vector<model::TComb> kept(chunk.size());
    for (auto _ : state) {
        size_t total = 0;
        for (int64_t rank = 0; rank < model::FullSetSize; rank += static_cast<int64_t>(chunk.size())) {
            const auto n =
                static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(chunk.size()), model::FullSetSize - rank));
            model::FillCombinations(rank, {chunk.data(), n});
            total += matcher->filter({chunk.data(), n}, kept.data(), true);
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetLabel(r.list.Item(entry).ID());
}
BENCHMARK(BM_ChainFilterFullSet)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

} // namespace
