// The loop users wait on: generating the full set, filtering it, and taking
// a filter back.

#include <benchmark/benchmark.h>

#include "bench_data.h"
#include "combs/comb_list.h"
#include "combs/filter.h"
#include "combs/generate.h"
#include "stats/custom_stat.h"
#include "stats/stat_list.h"

namespace {

using namespace belvane;

struct Setup {
    model::TDrawsArray draws = bench::BenchDraws();
    stats::TConfigData config;
    stats::TStatList list{{&draws, &config}};
    combs::CombinationList combs;
    combs::OperationHistory history;
    Setup()
    {
        list.BuildMethods();
        combs.reserveFullSet();
        combs::GenerateCombinations(combs.list(), combs::GenerateFull, {});
    }
};

Setup& setup()
{
    static Setup s;
    return s;
}

// Target: 20 ms.
void BM_GenerateFullSet(benchmark::State& state)
{
    combs::CombBuffer out(static_cast<size_t>(model::FullSetSize));
    for (auto _ : state)
        combs::GenerateCombinations(out, combs::GenerateFull, {});
    state.counters["combinations"] = static_cast<double>(out.size());
}
BENCHMARK(BM_GenerateFullSet)->Unit(benchmark::kMillisecond);

void BM_GenerateMyNumbers(benchmark::State& state)
{
    combs::CombBuffer out(static_cast<size_t>(model::FullSetSize));
    const auto mine = combs::ParseMyNumbers("1,5,9,13,17,21,25,29,33,37,41,45");
    for (auto _ : state)
        combs::GenerateCombinations(out, combs::GenerateAnyOf, mine);
}
BENCHMARK(BM_GenerateMyNumbers)->Unit(benchmark::kMillisecond);

// Filter the full set by a method (keep direction), then take it back.
// Targets: NUMS 30 ms, any number method 100 ms.
void BM_FilterFullSet(benchmark::State& state)
{
    static const char* const ids[] = {"NUMS", "DIGS", "EVEN", "EVNV", "SMAL", "SMLV", "PRIM", "PRMV", "POS3",
                                      "SUMS", "DIFO", "KDS4", "COLV", "COLA", "KFM2", "KFM4", "CHNV", "SGMV"};
    auto& s = setup();
    const char* id = ids[state.range(0)];
    const int entry = s.list.FindMethod(id);
    auto method = s.list.CreateStat(entry);
    stats::TStatDrawArray all;
    method->InitValues(0, all);
    combs::FilterSelection selection;
    selection.Values.assign(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(std::min<size_t>(3, all.size())));
    const int last = static_cast<int>(s.draws.size()) - 1;
    for (auto _ : state) {
        combs::ApplyFilter(s.combs, s.history, *method, selection, false, {last, false});
        state.PauseTiming();
        s.combs.restoreUndo();
        s.history.RemoveLast();
        state.ResumeTiming();
    }
    state.SetLabel(id);
}
BENCHMARK(BM_FilterFullSet)->DenseRange(0, 17)->Unit(benchmark::kMillisecond)->Iterations(20);

// The filter as the program runs it: the old list becomes the undo copy.
void BM_ReduceFullSetNums(benchmark::State& state)
{
    auto& s = setup();
    auto method = s.list.CreateStat(s.list.FindMethod("NUMS"));
    stats::TStatDrawArray selected(3);
    selected[0].V1 = 1;
    selected[1].V1 = 2;
    selected[2].V1 = 3;
    const auto matcher = method->PrepareMatches(selected, {0, false});
    const bool keep = state.range(0) == 0;
    for (auto _ : state) {
        s.combs.reduce([&](size_t, std::span<const model::TComb> chunk, model::TComb* out) {
            return matcher->filter(chunk, out, keep);
        });
        state.PauseTiming();
        s.combs.restoreUndo();
        state.ResumeTiming();
    }
    state.SetLabel(keep ? "keep 1,2,3" : "remove 1,2,3");
}
BENCHMARK(BM_ReduceFullSetNums)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20);

// Target: 10 ms.
void BM_UndoFullSet(benchmark::State& state)
{
    auto& s = setup();
    for (auto _ : state) {
        state.PauseTiming();
        s.combs.saveUndo();
        state.ResumeTiming();
        s.combs.restoreUndo();
    }
}
BENCHMARK(BM_UndoFullSet)->Unit(benchmark::kMicrosecond)->Iterations(50);

void BM_SaveUndoFullSet(benchmark::State& state)
{
    auto& s = setup();
    for (auto _ : state)
        s.combs.saveUndo();
    s.combs.dropUndo();
}
BENCHMARK(BM_SaveUndoFullSet)->Unit(benchmark::kMillisecond);

} // namespace
