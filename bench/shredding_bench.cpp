// The shredding methods' prefetch files: one formula evaluated for all
// 8,145,060 combinations through the full-set counts, and the whole road of
// a missing file (count, write, read back) as the statistics table takes it.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "app/data_files.h"
#include "app/prefetch_files.h"
#include "bench_data.h"
#include "stats/full_set_counts.h"
#include "stats/stat_list.h"
#include "support/host.h"

namespace {

using namespace belvane;

bench::BenchRegistry& registry()
{
    return bench::DefaultRegistry();
}

// Target: under 1 s for SHR1 with the default formula.
void BM_ShreddingFullSetCounts(benchmark::State& state)
{
    auto& r = registry();
    const std::vector<int> entries{r.list.FindMethod("SHR1")};
    for (auto _ : state) {
        auto counts = stats::CountFullSetValues(r.list, entries);
        benchmark::DoNotOptimize(counts.data());
    }
    state.SetItemsProcessed(state.iterations() * model::FullSetSize);
}
BENCHMARK(BM_ShreddingFullSetCounts)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

class QuietHost final : public Host {
public:
    void showMessage(MessageKind, std::string_view, std::string_view text) override { lastMessage = text; }
    bool askYesNo(std::string_view, std::string_view, bool defaultYes) override { return defaultYes; }
    std::optional<int> askNumber(std::string_view, std::string_view, int value, int, int) override { return value; }
    std::string lastMessage;

protected:
    void showStatus(std::string_view) override {}
    void progressOpened(int64_t, bool) override {}
    void progressMoved(int64_t, int64_t) override {}
    void progressClosed() override {}
};

// The statistics table's road when the file of SHR1 is missing: built, written, read.
void BM_ShreddingPrefetchFile(benchmark::State& state)
{
    auto& r = registry();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("belvane-bench-" + std::to_string(::getpid()));
    const app::DataFiles files(folder);
    const int entry = r.list.FindMethod("SHR1");
    QuietHost host;
    for (auto _ : state) {
        std::filesystem::remove(files.prefetch("SHR1"));
        const auto data = app::OpenPrefetch(host, r.list, entry, files);
        if (!data) {
            state.SkipWithError(host.lastMessage.c_str());
            break;
        }
        benchmark::DoNotOptimize(data->Records.data());
    }
    std::filesystem::remove_all(folder);
    state.SetItemsProcessed(state.iterations() * model::FullSetSize);
}
BENCHMARK(BM_ShreddingPrefetchFile)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
