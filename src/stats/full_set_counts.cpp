#include "stats/full_set_counts.h"

#include <memory>

#include "model/full_set.h"
#include "stats/custom_stat.h"
#include "stats/key_counter.h"
#include "stats/stat_list.h"
#include "support/parallel.h"

namespace belvane::stats {
namespace {

// Combinations per chunk: small enough for steady progress, large enough that
// a chunk's combinations stay in cache while every method walks them.
constexpr size_t kChunk = 1 << 15;

} // namespace

std::vector<std::vector<TStatCount>> CountFullSetValues(const TStatList& list, std::span<const int> entries,
                                                        const std::function<bool(size_t, size_t)>& progress)
{
    const unsigned workers = WorkerCount();
    // One instance and one counter per method and worker: instances keep scratch state.
    std::vector<std::vector<std::unique_ptr<TCustomStat>>> stats(workers);
    std::vector<std::vector<KeyCounter>> counters(workers, std::vector<KeyCounter>(entries.size()));
    for (auto& perWorker : stats)
        for (int entry : entries)
            perWorker.push_back(list.CreateStat(entry));
    std::vector<std::vector<TComb>> buffers(workers, std::vector<TComb>(kChunk));

    const bool complete = ParallelChunks(
        static_cast<size_t>(model::FullSetSize), kChunk,
        [&](size_t begin, size_t end, unsigned worker) {
            const std::span<TComb> combs(buffers[worker].data(), end - begin);
            TComb c = model::CombinationAtRank(static_cast<int64_t>(begin));
            for (TComb& slot : combs) {
                slot = c;
                model::NextCombination(c);
            }
            KeyList keys;
            for (size_t m = 0; m < entries.size(); ++m) {
                const TCustomStat& stat = *stats[worker][m];
                KeyCounter& counter = counters[worker][m];
                for (const TComb& comb : combs) {
                    keys.clear();
                    stat.NumbersValues(comb, keys);
                    for (uint64_t key : keys)
                        counter.add(key);
                }
            }
        },
        progress);
    if (!complete)
        return {};

    std::vector<std::vector<TStatCount>> result(entries.size());
    for (size_t m = 0; m < entries.size(); ++m) {
        KeyCounter& total = counters[0][m];
        for (unsigned w = 1; w < workers; ++w)
            total.merge(counters[w][m]);
        for (const auto& [key, count] : total.sorted()) {
            TStatDraw d;
            SetKey(d, key);
            result[m].push_back({d.V1, d.V2, d.V3, d.V4, static_cast<int32_t>(count)});
        }
    }
    return result;
}

} // namespace belvane::stats
