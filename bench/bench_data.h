#pragma once

// The archive benchmarks run on: the real one when ../shared/data holds it,
// else a synthetic one of the same size.

#include "model/draws.h"
#include "stats/stat_list.h"

namespace belvane::bench {

const model::TDrawsArray& BenchDraws();

// The method registry over the bench archive with the default configuration,
// built once per process.
struct BenchRegistry {
    model::TDrawsArray draws = BenchDraws();
    stats::TConfigData config;
    stats::TStatList list{{&draws, &config}};
    BenchRegistry() { list.BuildMethods(); }
};

BenchRegistry& DefaultRegistry();

} // namespace belvane::bench
