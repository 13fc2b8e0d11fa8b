// Spreadsheet export of a long combination list: rows streamed from the list
// into the workbook file, the sheet never held in memory.

#include <benchmark/benchmark.h>
#include <filesystem>

#include "app/export_sources.h"
#include "model/full_set.h"
#include "support/xlsx_export.h"

namespace {

using namespace belvane;

class QuietProgress final : public xlsx::ExportProgress {
public:
    void stage(std::string_view) override {}
    void start(int64_t) override {}
    void advance(int64_t) override {}
    bool cancelled() const override { return false; }
};

// Target: 100,000 rows of 8 columns in 1.5 s; the time goes to the library's XML
// writer and to deflate (a sheet at the row limit takes ten times as long).
void BM_XlsxExportCombinations(benchmark::State& state)
{
    const auto rows = static_cast<size_t>(state.range(0));
    std::vector<model::TComb> combs;
    combs.reserve(rows);
    model::TComb c = model::FirstCombination;
    for (size_t i = 0; i < rows; ++i, model::NextCombination(c))
        combs.push_back(c);
    const app::CombListSource source(combs);
    xlsx::ExportParameters params = xlsx::InitialParameters(app::MainWindowExportCall("lvCombs", "Комбинации"), source);
    const auto target = std::filesystem::temp_directory_path() / "belvane_bench_combs.xlsx";
    QuietProgress progress;
    for (auto _ : state)
        xlsx::WriteXlsx(target, params, source, xlsx::AllRows(source.rowCount()), "", progress);
    std::filesystem::remove(target);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * rows));
}
BENCHMARK(BM_XlsxExportCombinations)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace
