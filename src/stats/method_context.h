#pragma once

// What a statistic method reads besides its parameter: the archive and the
// game configuration. Both belong to the caller (the workspace, or a test)
// and must outlive every method created from the context.

#include "model/draws.h"

namespace belvane::stats {

struct TConfigData;

struct MethodContext {
    const model::TDrawsArray* Draws = nullptr;
    const TConfigData* Config = nullptr;
};

} // namespace belvane::stats
