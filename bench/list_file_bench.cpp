// List files of millions of lines: the list `filter` keeps of the full set
// when asked for any of 1, 2, 3 (2,899,274 lines, 49.8 MB), written and read
// back.
//
// Before (whole text built in one string, read whole, line by line through
// find_first_of and from_chars), in the `filter` command on this 2-core
// machine: writing 0.17 s of formatting + 0.19 s write + 0.13 s fsync,
// peak 101 MB; `filter --in` of the list 1.28 s, peak 78 MB.
// After: BM_SaveListFile and BM_LoadListFile below; targets: parsing the
// list in at most 120 ms.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "combs/comb_list.h"
#include "combs/generate.h"
#include "combs/list_file.h"

namespace {

using namespace belvane;

struct ListOfAnyOf123 {
    combs::CombBuffer combs;
    std::filesystem::path file;
    ListOfAnyOf123()
    {
        std::array<bool, 256> mine{};
        mine[1] = mine[2] = mine[3] = true;
        combs::GenerateCombinations(combs, combs::GenerateAnyOf, mine);
        file = std::filesystem::temp_directory_path() / ("belvane-bench-" + std::to_string(::getpid()) + ".lcv");
        combs::SaveListFile(file, combs.view());
    }
    ~ListOfAnyOf123()
    {
        std::error_code ec;
        std::filesystem::remove(file, ec);
    }
};

ListOfAnyOf123& list()
{
    static ListOfAnyOf123 l;
    return l;
}

// Formatting, writing in 1 MB pieces, fsync and rename.
void BM_SaveListFile(benchmark::State& state)
{
    auto& l = list();
    for (auto _ : state)
        combs::SaveListFile(l.file, l.combs.view());
    state.counters["lines"] = static_cast<double>(l.combs.size());
}
BENCHMARK(BM_SaveListFile)->Unit(benchmark::kMillisecond)->Iterations(5)->MeasureProcessCPUTime()->UseRealTime();

// Target: 120 ms (the file is in the page cache, as right after it was written).
void BM_LoadListFile(benchmark::State& state)
{
    auto& l = list();
    combs::CombBuffer out;
    for (auto _ : state) {
        const auto r = combs::LoadListFile(l.file, out);
        benchmark::DoNotOptimize(r.Loaded);
    }
    state.counters["lines"] = static_cast<double>(out.size());
}
BENCHMARK(BM_LoadListFile)->Unit(benchmark::kMillisecond)->Iterations(10)->MeasureProcessCPUTime()->UseRealTime();

// The text alone, as the clipboard takes it.
void BM_ListFileText(benchmark::State& state)
{
    auto& l = list();
    for (auto _ : state) {
        const std::string text = combs::ListFileText(l.combs.view());
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_ListFileText)->Unit(benchmark::kMillisecond)->Iterations(5)->MeasureProcessCPUTime()->UseRealTime();

} // namespace
