// The one-shot `filter` command in process: a fresh list buffer (its pages
// touched for the first time, as in a new process), the full set generated
// into it, kept where it has 1, 2 or 3 (NUMS), and saved as a list file with
// fsync. What the whole command adds is start-up (about 5 ms: the archive,
// the settings, the registry) and the process exit.
//
// belvane-cli filter --method NUMS --keep --value 1 --value 2 --value 3 on the
// real archive, this 2-core machine under the other sessions' load (8-10):
//   before: 0.66-0.93 s wall, 0.20-0.33 s CPU, 101 MB peak (the full set,
//           and the whole 55 MB text in one string, fsync of the settings)
//   after:  0.27-0.47 s wall, 0.09-0.13 s CPU, 53.6 MB peak
// where the rest of the wall time is the disk: fsync of the 49.8 MB list and
// the replacement of the previous one.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "bench_data.h"
#include "combs/comb_list.h"
#include "combs/filter.h"
#include "combs/generate.h"
#include "combs/history.h"
#include "combs/list_file.h"
#include "stats/custom_stat.h"
#include "stats/stat_list.h"

namespace {

using namespace belvane;

void BM_FilterCommandAnyOf123(benchmark::State& state)
{
    const model::TDrawsArray& draws = bench::BenchDraws();
    stats::TConfigData config;
    stats::TStatList registry{{&draws, &config}};
    registry.BuildMethods();
    const auto file =
        std::filesystem::temp_directory_path() / ("belvane-bench-filter-" + std::to_string(::getpid()) + ".lcv");
    size_t kept = 0;
    for (auto _ : state) {
        combs::CombinationList list(false); // no undo copy, as on the command line
        combs::OperationHistory history;
        list.reserveFullSet();
        combs::GenerateCombinations(list.list(), combs::GenerateFull, {});
        auto method = registry.CreateStat(registry.FindMethod("NUMS"));
        combs::FilterSelection selection;
        selection.Values.resize(3);
        for (int16_t v = 1; v <= 3; ++v)
            selection.Values[static_cast<size_t>(v - 1)].V1 = v;
        combs::ApplyFilter(list, history, *method, selection, false, {static_cast<int>(draws.size()) - 1, false});
        combs::SaveListFile(file, list.combs());
        kept = list.count();
    }
    std::error_code ec;
    std::filesystem::remove(file, ec);
    state.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK(BM_FilterCommandAnyOf123)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace
