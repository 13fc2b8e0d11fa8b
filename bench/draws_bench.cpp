// The archive's own paths: decoding the draws file, importing a CSV, finding
// draws by number. They run at start-up and on every import.

#include <benchmark/benchmark.h>
#include <filesystem>

#include "app/demo_archive.h"
#include "app/draws_csv.h"
#include "model/draws_file.h"

namespace {

using namespace belvane;

const model::TDrawsArray& demoDraws()
{
    static const model::TDrawsArray draws = app::MakeDemoDraws(5000, 1);
    return draws;
}

void BM_DrawsFileRoundTrip(benchmark::State& state)
{
    const auto path = std::filesystem::temp_directory_path() / "belvane_bench_draws.ldr";
    model::WriteDrawsFile(path, demoDraws());
    for (auto _ : state) {
        auto content = model::ReadDrawsFile(path);
        benchmark::DoNotOptimize(content.draws.data());
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(demoDraws().size()));
}
BENCHMARK(BM_DrawsFileRoundTrip);

void BM_AppendDrawsFromCsv(benchmark::State& state)
{
    const std::string csv = app::DrawsToCsv(demoDraws());
    for (auto _ : state) {
        model::TDrawsArray draws;
        auto result = app::AppendDrawsFromCsv(csv, draws);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(demoDraws().size()));
}
BENCHMARK(BM_AppendDrawsFromCsv);

void BM_IndexOfNumber(benchmark::State& state)
{
    const auto& draws = demoDraws();
    int n = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model::IndexOfNumber(draws, n));
        n = n % static_cast<int>(draws.size()) + 1;
    }
}
BENCHMARK(BM_IndexOfNumber);

} // namespace
