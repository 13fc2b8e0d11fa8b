#pragma once

// A synthetic archive for trying the program out: random draws, one a week.
// The draws are not real results of any lottery.

#include <cstdint>

#include "model/draws.h"

namespace belvane::app {

inline constexpr int DefaultDemoDrawCount = 520;
inline constexpr uint64_t DefaultDemoSeed = 645;

// `count` draws numbered from 1, every Saturday from 4 January 2003. The same
// count and seed always give the same draws.
model::TDrawsArray MakeDemoDraws(int count, uint64_t seed);

} // namespace belvane::app
