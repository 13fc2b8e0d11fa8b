#pragma once

// The worked example of a method's description, computed by the method itself
// so that it always says what the program does: the values of the newest draw
// of the archive, the values of one fixed combination taken as the draw that
// follows it, and whether a filter keeping the newest draw's values keeps that
// combination.

#include <optional>
#include <string>
#include <vector>

#include "model/draw.h"
#include "stats/stat_list.h"

namespace belvane::stats {

// How many draws an example follows when the caller names no window.
inline constexpr int DefaultExampleWindow = 1000;

// The combination every example shows.
inline constexpr model::TComb ExampleComb{3, 11, 18, 24, 32, 41};

struct MethodExample {
    model::TDraw Draw;                   // the newest draw (as the method reads it)
    std::vector<std::string> DrawValues; // its value texts, in the order recorded, each once
    model::TComb Comb = ExampleComb;
    std::vector<std::string> CombValues; // the combination's, as the draw after the newest
    bool KeptByDrawValues = false;       // a filter keeping DrawValues keeps the combination
};

// The example of registry entry `entry`; none for an empty archive or an entry
// outside the registry. sorted: the draws' numbers ascending, as the
// statistics table reads them; window: the table's length in draws, over which
// series and periods are followed up to the newest draw.
std::optional<MethodExample> ComputeMethodExample(const TStatList& registry, int entry, bool sorted,
                                                  int window = DefaultExampleWindow);

} // namespace belvane::stats
