#include "stats/full_set_counts.h"

#include <memory>

#include "model/full_set.h"
#include "stats/custom_stat.h"
#include "stats/key_counter.h"
#include "stats/stat_list.h"
#include "support/parallel.h"

namespace belvane::stats {
namespace {

// Combinations per chunk: small enough that a chunk's combinations and each
// method's keys of them stay in the core's cache while every method walks
// them, large enough that a method is called rarely.
constexpr size_t kChunk = 1 << 10;

} // namespace

std::vector<std::vector<TStatCount>> CountFullSetValues(const TStatList& list, std::span<const int> entries,
                                                        const std::function<bool(size_t, size_t)>& progress)
{
    const unsigned workers = WorkerCount();
    // Per worker: one instance per method (instances keep scratch state), one
    // counter per method, the chunk's combinations and their keys.
    struct Worker {
        std::vector<std::unique_ptr<TCustomStat>> stats;
        std::vector<KeyCounter> counters;
        std::vector<TComb> combs = std::vector<TComb>(kChunk);
        KeyBuffer keys{kChunk};
    };
    std::vector<Worker> perWorker(workers);
    for (Worker& w : perWorker) {
        w.counters.resize(entries.size());
        for (int entry : entries)
            w.stats.push_back(list.CreateStat(entry));
    }

    const bool complete = ParallelChunks(
        static_cast<size_t>(model::FullSetSize), kChunk,
        [&](size_t begin, size_t end, unsigned worker) {
            Worker& w = perWorker[worker];
            const std::span<TComb> combs(w.combs.data(), end - begin);
            model::FillCombinations(static_cast<int64_t>(begin), combs);
            for (size_t m = 0; m < entries.size(); ++m) {
                w.keys.clear();
                w.stats[m]->ChunkNumbersValues(combs, w.keys);
                w.counters[m].addAll(w.keys.keys());
            }
        },
        progress);
    if (!complete)
        return {};

    std::vector<std::vector<TStatCount>> result(entries.size());
    for (size_t m = 0; m < entries.size(); ++m) {
        KeyCounter& total = perWorker[0].counters[m];
        for (unsigned w = 1; w < workers; ++w)
            total.merge(perWorker[w].counters[m]);
        for (const auto& [key, count] : total.sorted()) {
            TStatDraw d;
            SetKey(d, key);
            result[m].push_back({d.V1, d.V2, d.V3, d.V4, static_cast<int32_t>(count)});
        }
    }
    return result;
}

} // namespace belvane::stats
