// Stakes in bulk: adding a million stakes for the combinations left by a
// filter, and checking a file of a million stakes after a draw arrives.
// Target: each well under 2 s (both include the final fsync).

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>
#include <unistd.h>

#include "bench_data.h"
#include "stakes/ratings.h"
#include "stakes/stake_access.h"
#include "stakes/stake_check.h"
#include "stakes/stake_ops.h"
#include "support/host.h"

namespace {

using namespace belvane;

constexpr size_t kStakes = 1000000;

class QuietHost final : public Host {
public:
    void showMessage(MessageKind, std::string_view, std::string_view text) override
    {
        fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    }
    bool askYesNo(std::string_view, std::string_view, bool defaultYes) override { return defaultYes; }
    std::optional<int> askNumber(std::string_view, std::string_view, int value, int, int) override { return value; }

protected:
    void showStatus(std::string_view) override {}
    void progressOpened(int64_t, bool) override {}
    void progressMoved(int64_t, int64_t) override {}
    void progressClosed() override {}
};

std::filesystem::path benchFolder()
{
    const auto folder = std::filesystem::temp_directory_path() / ("belvane_stakes_bench_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    return folder;
}

std::vector<model::TComb> randomCombs(size_t count)
{
    std::mt19937 rng(7);
    std::vector<model::TComb> combs(count);
    for (auto& c : combs) {
        uint64_t seen = 0;
        for (auto& n : c) {
            do
                n = static_cast<model::Ball>(1 + rng() % 45);
            while ((seen >> n & 1) != 0);
            seen |= uint64_t{1} << n;
        }
    }
    return combs;
}

stats::TConfigData config()
{
    stats::TConfigData c;
    c.Cost = 2 * MoneyScale;
    c.Profits = {{3, 10 * MoneyScale}, {4, 100 * MoneyScale}, {5, 5000 * MoneyScale}, {6, 1000000 * MoneyScale}};
    return c;
}

void BM_AddMillionStakes(benchmark::State& state)
{
    const auto folder = benchFolder();
    const auto combs = randomCombs(kStakes);
    QuietHost host;
    const stakes::MultiStakeRequest request{1000, 1, "Ставка \"вручную\"", static_cast<int32_t>(kStakes)};
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(folder / "Belvane_6x45.lsk");
        stakes::StakesFile file;
        file.Open(folder / "Belvane_6x45.lsk");
        state.ResumeTiming();
        const auto result = stakes::AddStakes(host, file, combs, request, config());
        file.Sync();
        if (!result.Completed)
            state.SkipWithError("stakes not added");
    }
    std::filesystem::remove_all(folder);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kStakes));
}
BENCHMARK(BM_AddMillionStakes)->Unit(benchmark::kMillisecond)->Iterations(3);

// A million stakes on the newest draws of the archive, one comment per
// thousand (a back-test's rating rows), all checked in one pass.
void BM_CheckMillionStakes(benchmark::State& state)
{
    const auto folder = benchFolder();
    const auto& draws = bench::BenchDraws();
    const auto combs = randomCombs(kStakes);
    const auto templatePath = folder / "template.lsk";
    {
        stakes::StakesFile file;
        file.Open(templatePath);
        stakes::StakeAppender appender(file);
        for (size_t i = 0; i < kStakes; ++i) {
            const int32_t draw = draws[draws.size() - 1 - i % 100].Number;
            appender.Add(stakes::MakeStake(stakes::StakeKind::Scenario, draw, combs[i], 1000,
                                           "Строка " + std::to_string(i / 1000) + " @ вариант", -2 * MoneyScale));
        }
        appender.Flush();
    }
    QuietHost host;
    const auto cfg = config();
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::copy_file(templatePath, folder / "Belvane_6x45.lsk",
                                   std::filesystem::copy_options::overwrite_existing);
        std::filesystem::remove(folder / "Belvane_6x45.lrt");
        stakes::StakesFile file;
        file.Open(folder / "Belvane_6x45.lsk");
        stakes::Ratings ratings(folder / "Belvane_6x45.lrt");
        state.ResumeTiming();
        const auto result = stakes::CheckStakes(host, file, draws, cfg, ratings);
        if (result.Checked != kStakes)
            state.SkipWithError("not every stake was checked");
    }
    std::filesystem::remove_all(folder);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kStakes));
}
BENCHMARK(BM_CheckMillionStakes)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
