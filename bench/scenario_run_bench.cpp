// A back-test of a scenario on the real archive, as "Тест" with 100 offsets
// runs it (log off, stakes checked after every line): the full set filtered
// again at every offset.
//
// Targets: two number/sum filters with one variant each within 5 s; the
// second filter at 10 values (10 variants per offset) within 20 s.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "app/scenario_service.h"
#include "app/stakes_service.h"
#include "app/workspace.h"
#include "bench_data.h"
#include "model/draws_file.h"
#include "support/host.h"

namespace {

using namespace belvane;

class SilentHost final : public Host {
public:
    void showMessage(MessageKind, std::string_view, std::string_view text) override { last = text; }
    bool askYesNo(std::string_view, std::string_view, bool defaultYes) override { return defaultYes; }
    std::optional<int> askNumber(std::string_view, std::string_view, int value, int, int) override { return value; }
    std::string last;

protected:
    void showStatus(std::string_view) override {}
    void progressOpened(int64_t, bool) override {}
    void progressMoved(int64_t, int64_t) override {}
    void progressClosed() override {}
};

void backTest(benchmark::State& state, const std::string& line)
{
    const auto folder = std::filesystem::temp_directory_path() / ("belvane-bench-runner-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    model::WriteDrawsFile(app::DataFiles(folder).draws(), bench::BenchDraws());
    SilentHost host;
    {
        app::Workspace ws(host, app::DataFiles(folder), {}, app::WorkspaceMode{.Interactive = false});
        ws.Create();
        ws.Initialise();
        const std::vector<std::string> lines{line};
        app::ScenarioRunResult result;
        for (auto _ : state) {
            ws.Stakes().File().Truncate();
            result = ws.Scenario().Test(lines, 100, ws.Scenario().RunSettings());
        }
        if (result.Failed)
            state.SkipWithError(host.last.c_str());
        state.counters["stakes"] = result.Stakes;
        state.counters["rows"] = static_cast<double>(result.Comments.size());
        ws.Close();
    }
    std::filesystem::remove_all(folder);
}

void BM_BackTest100TwoFilters(benchmark::State& state)
{
    backTest(state, "FULL:0#FIRST|TMD1#NUMS:10#CMV:3#SF:1|TMF1#SUMS:50#LMV:1#SF:1| | | | | |");
}
BENCHMARK(BM_BackTest100TwoFilters)->Unit(benchmark::kSecond)->Iterations(1);

void BM_BackTest100SecondFilterTenValues(benchmark::State& state)
{
    backTest(state, "FULL:0#FIRST|TMD1#NUMS:10#CMV:3#SF:1|TMF1#SUMS:50#LMV:1-10;1#SF:1| | | | | |");
}
BENCHMARK(BM_BackTest100SecondFilterTenValues)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
