// The shredding value over the full set: a user formula evaluated 8,145,060
// times, as counting one shredding method's distribution does.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <vector>

#include "model/full_set.h"
#include "stats/shredding_value.h"
#include "support/parallel.h"

namespace {

using namespace belvane;

constexpr const char* kDefaultFormula = "(n1+n2+n3)/(n4+n5+n6)";

// Target: under 1 s for the whole set with the default formula.
void BM_ShreddingFullSet(benchmark::State& state)
{
    const stats::ShreddingFormula formula(kDefaultFormula, 2);
    for (auto _ : state) {
        std::array<int64_t, 100> counts{};
        model::TComb c = model::FirstCombination;
        do
            ++counts[static_cast<size_t>(formula.value(c))];
        while (model::NextCombination(c));
        benchmark::DoNotOptimize(counts.data());
    }
    state.SetItemsProcessed(state.iterations() * model::FullSetSize);
}
BENCHMARK(BM_ShreddingFullSet)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same in chunks on every core, as the full-set counts run.
void BM_ShreddingFullSetParallel(benchmark::State& state)
{
    const stats::ShreddingFormula formula(kDefaultFormula, 2);
    for (auto _ : state) {
        std::vector<std::array<int64_t, 100>> counts(WorkerCount());
        ParallelChunks(static_cast<size_t>(model::FullSetSize), size_t{1} << 15,
                       [&](size_t begin, size_t end, unsigned worker) {
                           model::TComb c = model::CombinationAtRank(static_cast<int64_t>(begin));
                           for (size_t i = begin; i < end; ++i, model::NextCombination(c))
                               ++counts[worker][static_cast<size_t>(formula.value(c))];
                       });
        benchmark::DoNotOptimize(counts.data());
    }
    state.SetItemsProcessed(state.iterations() * model::FullSetSize);
}
BENCHMARK(BM_ShreddingFullSetParallel)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The same formula read from text for every combination: what the compiled
// form saves, and what a formula whose variables are glued to their
// neighbours costs.
void BM_ShreddingSubstituted(benchmark::State& state)
{
    const stats::ShreddingFormula formula("(n1+n2+n3)/(n4+n5+n6) + 0n1", 2); // "0n1" keeps the text form
    constexpr int64_t kSample = 100'000;
    for (auto _ : state) {
        int64_t sum = 0;
        model::TComb c = model::FirstCombination;
        for (int64_t i = 0; i < kSample && model::NextCombination(c); ++i)
            sum += formula.value(c);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kSample);
}
BENCHMARK(BM_ShreddingSubstituted)->Unit(benchmark::kMillisecond);

} // namespace
