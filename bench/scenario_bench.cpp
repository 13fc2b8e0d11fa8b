// Walking the variants of a scenario line: the runner takes them one at a
// time, so producing the next one must cost next to nothing beside a filter.

#include <benchmark/benchmark.h>

#include "scenario/filter_variants.h"
#include "scenario/script_line.h"
#include "stats/stat_list.h"

namespace {

using namespace belvane;

// Target: under 1 µs per variant, memory independent of the count.
void BM_NextVariant(benchmark::State& state)
{
    model::TDrawsArray draws;
    stats::TConfigData config;
    stats::TStatList list{{&draws, &config}};
    list.BuildMethods();
    const auto fields = scenario::SplitScriptLine("FULL:0#RAND|TMF1#NUMS:10-1000;10#LMV:1-100;1#SF:1|"
                                                  "BSD6#SUMS:50,100#LDV:1-5;1#SZ:1|TSD1#CHAN:100#LNO:#SF:1| | | | |");
    const auto items = scenario::ParseLineFilters(list, fields);
    scenario::FilterVariants variants(list, items);
    scenario::TFilterRec rec;
    for (auto _ : state) {
        if (!variants.Next(rec)) {
            variants.Rewind();
            variants.Next(rec);
        }
        benchmark::DoNotOptimize(rec);
    }
    state.counters["variants"] = variants.Count();
}
BENCHMARK(BM_NextVariant);

} // namespace
