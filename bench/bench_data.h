#pragma once

// The archive benchmarks run on: the real one when ../shared/data holds it,
// else a synthetic one of the same size.

#include "model/draws.h"

namespace belvane::bench {

const model::TDrawsArray& BenchDraws();

} // namespace belvane::bench
