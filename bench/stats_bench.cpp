// The statistics engine's hot paths: one statistics table per method, the
// full-set counts behind the prefetch files, and the filter test.

#include <benchmark/benchmark.h>

#include "app/draws_stat_table.h"
#include "bench_data.h"
#include "model/full_set.h"
#include "stats/custom_stat.h"
#include "stats/full_set_counts.h"
#include "stats/stat_list.h"

namespace {

using namespace belvane;

bench::BenchRegistry& registry()
{
    return bench::DefaultRegistry();
}

const char* const kNumberMethods[] = {"NUMS", "DIGS", "EVEN", "EVNV", "SMAL", "SMLV", "PRIM", "PRMV", "POS1", "POE1"};

// Target: under 5 ms per table.
void BM_StatsTable(benchmark::State& state)
{
    auto& r = registry();
    app::DrawsStatRequest request;
    request.Entry = r.list.FindMethod(kNumberMethods[state.range(0)]);
    request.Offset = 0;
    request.Length = 1000;
    for (auto _ : state) {
        auto table = app::CalculateDrawsStat(r.list, request);
        benchmark::DoNotOptimize(table.Rows.data());
    }
    state.SetLabel(kNumberMethods[state.range(0)]);
}
BENCHMARK(BM_StatsTable)->DenseRange(0, 9)->Unit(benchmark::kMillisecond);

// Methods with many distinct values per draw: every pair, triple or quadruple
// of the numbers (KNM4 makes about 15 new values per draw). Target for KNM4
// over 1000 draws: 20 ms.
const char* const kManyValueMethods[] = {"KNM2", "KNM3", "KNM4", "KFM4"};

void BM_StatsTableManyValues(benchmark::State& state)
{
    auto& r = registry();
    app::DrawsStatRequest request;
    request.Entry = r.list.FindMethod(kManyValueMethods[state.range(0)]);
    request.Offset = static_cast<int>(state.range(1));
    request.Length = 1000;
    size_t rows = 0;
    for (auto _ : state) {
        auto table = app::CalculateDrawsStat(r.list, request);
        rows = table.Rows.size();
        benchmark::DoNotOptimize(table.Rows.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.SetLabel(std::string(kManyValueMethods[state.range(0)]) + " offset " + std::to_string(request.Offset));
}
BENCHMARK(BM_StatsTableManyValues)->ArgsProduct({{0, 1, 2, 3}, {0, 100}})->Unit(benchmark::kMillisecond);

// Target: under 0.5 s per simple prefetch file.
// Every file in one pass (what `prefetch --force` counts), user CPU of three
// passes on this 2-core machine under the other sessions' load: before (one
// virtual call and one hash-table add per combination and method, the full
// set stepped through memory) 24.7-42.7 s; after (ChunkNumbersValues into a
// KeyBuffer, array counters, FillCombinations) 14.6-19.3 s. The whole
// `belvane-cli prefetch --force` on the real archive, interleaved runs:
// 22.2 s / 11.6 s before, 10.1 s / 5.1 s after (wall; user 11.4 / 10.4 s
// before, 6.6 / 6.4 s after), the 68 files byte for byte the same.
void BM_FullSetCountsNumberFamily(benchmark::State& state)
{
    auto& r = registry();
    std::vector<int> entries;
    for (int i = 0; i < r.list.MethodCount(); ++i)
        if (r.list.CanPrefetch(i))
            entries.push_back(i);
    for (auto _ : state) {
        auto counts = stats::CountFullSetValues(r.list, entries);
        benchmark::DoNotOptimize(counts.data());
    }
    state.counters["files"] = static_cast<double>(entries.size());
    state.SetLabel(std::to_string(entries.size()) + " files in one pass");
}
BENCHMARK(BM_FullSetCountsNumberFamily)->Unit(benchmark::kMillisecond)->Iterations(3);

// One method at a time, to see which families the pass spends its time on.
void BM_FullSetCountsByMethod(benchmark::State& state)
{
    auto& r = registry();
    std::vector<int> entries;
    for (int i = 0; i < r.list.MethodCount(); ++i)
        if (r.list.CanPrefetch(i))
            entries.push_back(i);
    const auto n = static_cast<size_t>(state.range(0));
    if (n >= entries.size()) {
        state.SkipWithError("no such method");
        return;
    }
    const std::vector<int> one{entries[n]};
    for (auto _ : state) {
        auto counts = stats::CountFullSetValues(r.list, one);
        benchmark::DoNotOptimize(counts.data());
    }
    state.SetLabel(r.list.Item(entries[n]).ID());
}
BENCHMARK(BM_FullSetCountsByMethod)
    ->DenseRange(0, 67)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->MeasureProcessCPUTime();

void BM_FullSetCountsOneMethod(benchmark::State& state)
{
    auto& r = registry();
    const std::vector<int> entries{r.list.FindMethod("NUMS")};
    for (auto _ : state) {
        auto counts = stats::CountFullSetValues(r.list, entries);
        benchmark::DoNotOptimize(counts.data());
    }
}
BENCHMARK(BM_FullSetCountsOneMethod)->Unit(benchmark::kMillisecond)->Iterations(3);

stats::TStatDrawArray selection()
{
    stats::TStatDrawArray selected(3);
    selected[0].V1 = 7;
    selected[1].V1 = 19;
    selected[2].V1 = 33;
    return selected;
}

void BM_MatchesPrepared(benchmark::State& state)
{
    auto stat = registry().list.CreateStat(registry().list.FindMethod("NUMS"));
    const auto matcher = stat->PrepareMatches(selection(), {0, false});
    model::TComb c = model::FirstCombination;
    for (auto _ : state) {
        benchmark::DoNotOptimize(matcher->matches(c));
        if (!model::NextCombination(c))
            c = model::FirstCombination;
    }
}
BENCHMARK(BM_MatchesPrepared);

void BM_MatchesUnprepared(benchmark::State& state)
{
    auto stat = registry().list.CreateStat(registry().list.FindMethod("NUMS"));
    const auto selected = selection();
    model::TComb c = model::FirstCombination;
    for (auto _ : state) {
        benchmark::DoNotOptimize(stat->Matches(c, selected, false, false, 0));
        if (!model::NextCombination(c))
            c = model::FirstCombination;
    }
}
BENCHMARK(BM_MatchesUnprepared);

} // namespace
