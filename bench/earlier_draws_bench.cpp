// The methods that read earlier draws (repeats, series, periods): the
// statistics table over 1000 draws, "Факт" column included, and a filter of
// the full set. Targets on this machine: the slowest table 20 ms, a filter
// 100 ms.

#include <benchmark/benchmark.h>

#include "app/draws_stat_table.h"
#include "bench_data.h"
#include "combs/comb_list.h"
#include "combs/filter.h"
#include "combs/generate.h"
#include "stats/custom_stat.h"
#include "stats/range_stats.h"
#include "stats/stat_list.h"

namespace {

using namespace belvane;

const char* const kIds[] = {"RPV2", "RPV3", "PRL2", "PRV2O1", "PRV2O2", "PRV2O3", "PRV+1", "PRV-1", "PRV+2", "PRV-2",
                            "RPC2", "RPC3", "PRB2", "RPO1",   "PRC2O2", "PRC2O3", "PRC+1", "PRC-1", "PRC+2", "PRC-2",
                            "GRPV", "GRPP", "GRCV", "GRCP",   "GRSV",   "GRSP",   "PRDV",  "PRDC",  "PRDG"};

struct Setup {
    model::TDrawsArray draws = bench::BenchDraws();
    stats::TConfigData config;
    stats::TStatList list{{&draws, &config}};
    combs::CombinationList combs;
    combs::OperationHistory history;

    Setup()
    {
        // Channels of four and ten segments, so that the segment members follow more than one value.
        config.ChannelSize = 4;
        config.MatrixSegments = model::ParseMatrixSegments("0123456789012345678901234567890123456789");
        list.BuildMethods();
    }
    void fillFullSet()
    {
        if (combs.count() > 0)
            return;
        combs.reserveFullSet();
        combs::GenerateCombinations(combs.list(), combs::GenerateFull, {});
    }
};

Setup& setup()
{
    static Setup s;
    return s;
}

void BM_EarlierDrawsTable(benchmark::State& state)
{
    auto& s = setup();
    const char* id = kIds[state.range(0)];
    app::DrawsStatRequest request;
    request.Entry = s.list.FindMethod(id);
    request.Offset = static_cast<int>(state.range(1));
    request.Length = 1000;
    size_t rows = 0;
    for (auto _ : state) {
        auto table = app::CalculateDrawsStat(s.list, request);
        rows = table.Rows.size();
        benchmark::DoNotOptimize(table.Rows.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.SetLabel(std::string(id) + " offset " + std::to_string(request.Offset));
}
BENCHMARK(BM_EarlierDrawsTable)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 28, 1), {0, 100}})
    ->Unit(benchmark::kMillisecond);

// Keep a third of the table's rows, then take the filter back.
void BM_EarlierDrawsFilterFullSet(benchmark::State& state)
{
    auto& s = setup();
    s.fillFullSet();
    const char* id = kIds[state.range(0)];
    auto method = s.list.CreateStat(s.list.FindMethod(id));
    const int last = static_cast<int>(s.draws.size()) - 1;
    const auto rows = stats::CalculateRange(*method, stats::DrawsWindow(last + 1, 0, 1000), false);
    combs::FilterSelection selection;
    for (size_t r = 0; r < rows.size(); r += 3)
        selection.Values.push_back(rows[r]);
    size_t kept = 0;
    for (auto _ : state) {
        combs::ApplyFilter(s.combs, s.history, *method, selection, false, {last, false});
        kept = s.combs.count();
        state.PauseTiming();
        s.combs.restoreUndo();
        s.history.RemoveLast();
        state.ResumeTiming();
    }
    state.counters["kept"] = static_cast<double>(kept);
    state.SetLabel(id);
}
BENCHMARK(BM_EarlierDrawsFilterFullSet)
    ->Arg(0)
    ->Arg(1)
    ->Arg(10)
    ->Arg(11)
    ->Arg(20)
    ->Arg(23)
    ->Arg(26)
    ->Arg(27)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

} // namespace
