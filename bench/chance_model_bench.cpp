// The comparison with random play for one rating row: the profit's exact tail
// sums over the multinomial spread of the stakes over the prize classes, so
// its cost grows with the row's stakes. Target: a row of a million stakes
// (the largest summed exactly) under half a second, a typical back-test row
// (a few thousand stakes) in well under a millisecond.

#include <benchmark/benchmark.h>

#include "stakes/chance_model.h"

namespace {

using namespace belvane;
using namespace belvane::stakes;

void BM_CompareWithChance(benchmark::State& state)
{
    const MatchMoney prizes = {0, 0, 0, 10 * MoneyScale, 100 * MoneyScale, 5000 * MoneyScale, 1'000'000 * MoneyScale};
    const Money cost = 2 * MoneyScale;
    const auto n = static_cast<int32_t>(state.range(0));
    // A row slightly above chance: the tail has to be summed, not cut short.
    RatingRecord row;
    row.Count = n;
    const MatchShares& p = MatchProbabilities();
    int32_t rest = n;
    for (size_t k = 1; k < p.size(); ++k) {
        row.MatchCounts[k] = static_cast<int32_t>(n * p[k] * (k >= 3 ? 1.1 : 1.0));
        rest -= row.MatchCounts[k];
    }
    row.MatchCounts[0] = rest;
    for (size_t k = 0; k < p.size(); ++k)
        row.Profit += row.MatchCounts[k] * (prizes[k] - cost);
    for (auto _ : state)
        benchmark::DoNotOptimize(CompareWithChance(row, prizes, cost));
}
BENCHMARK(BM_CompareWithChance)->Arg(1'500)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace
