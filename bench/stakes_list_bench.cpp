// Listing a stakes file of ten million records (3.1 GB), as "stakes list"
// prints it, in both forms. Target: the peak memory ("peak_rss_mb") stays
// what it is for a small file, whatever the file's size; the time is one
// (TSV) or two (text) reads of the file.

#include <benchmark/benchmark.h>
#include <filesystem>
#include <ostream>
#include <streambuf>
#include <sys/resource.h>
#include <unistd.h>

#include "app/stakes_listing.h"
#include "stakes/stake_access.h"
#include "stakes/stake_record.h"

namespace {

using namespace belvane;

constexpr size_t kRecords = 10000000;

// Counts what it is given and keeps none of it.
class CountingBuffer final : public std::streambuf {
public:
    uint64_t bytes = 0;

protected:
    std::streamsize xsputn(const char*, std::streamsize n) override
    {
        bytes += static_cast<uint64_t>(n);
        return n;
    }
    int_type overflow(int_type c) override
    {
        ++bytes;
        return traits_type::not_eof(c);
    }
};

double peakRssMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A separator before every thousand scenario stakes, half of them checked.
std::filesystem::path tenMillionStakes(const std::filesystem::path& folder)
{
    const auto path = folder / "Belvane_6x45.lsk";
    stakes::StakesFile file;
    file.Open(path);
    stakes::StakeAppender appender(file, 16384);
    for (size_t i = 0; i < kRecords; ++i) {
        if (i % 1000 == 0) {
            appender.AddSeparator();
            if (++i == kRecords)
                break;
        }
        const model::Ball first = static_cast<model::Ball>(1 + i % 40);
        stakes::StakeRecord stake = stakes::MakeStake(
            stakes::StakeKind::Scenario, static_cast<int32_t>(1000 + i % 97),
            {first, static_cast<model::Ball>(first + 1), static_cast<model::Ball>(first + 2),
             static_cast<model::Ball>(first + 3), static_cast<model::Ball>(first + 4),
             static_cast<model::Ball>(first + 5)},
            1000, "01." + std::to_string(i / 1000 % 1000) + ": @ FULL#ALL + NUMS:1#CLV:0", -2 * MoneyScale);
        appender.Add(stake);
    }
    appender.Flush();
    return path;
}

void listStakes(benchmark::State& state, text::TableFormat format)
{
    const auto folder =
        std::filesystem::temp_directory_path() / ("belvane_stakes_list_bench_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const auto path = tenMillionStakes(folder);
    const double before = peakRssMegabytes();
    uint64_t printed = 0;
    for (auto _ : state) {
        stakes::StakesFile file;
        file.OpenForReading(path);
        CountingBuffer sink;
        std::ostream out(&sink);
        app::PrintStakes(out, file, format);
        printed = sink.bytes;
    }
    std::filesystem::remove_all(folder);
    state.counters["peak_rss_mb"] = peakRssMegabytes();
    state.counters["peak_rss_before_mb"] = before;
    state.counters["printed_mb"] = static_cast<double>(printed) / (1024.0 * 1024.0);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kRecords));
}

void BM_ListTenMillionStakesTsv(benchmark::State& state)
{
    listStakes(state, text::TableFormat::Tsv);
}
BENCHMARK(BM_ListTenMillionStakesTsv)->Unit(benchmark::kSecond)->Iterations(1);

void BM_ListTenMillionStakesText(benchmark::State& state)
{
    listStakes(state, text::TableFormat::Text);
}
BENCHMARK(BM_ListTenMillionStakesText)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
