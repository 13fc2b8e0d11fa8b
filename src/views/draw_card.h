#pragma once

// The "Карта" view: one row per draw of the whole archive, newest first, one
// column per number, and the extra number; cells coloured by runs and repeats
// or by channel.

#include <array>
#include <cstdint>
#include <vector>

#include "model/draws.h"
#include "views/colors.h"

namespace belvane::views {

inline constexpr int CardColumnCount = 47; // the draw number, 1..45, "E"
inline constexpr int CardExtraColumn = 46;

enum class CardCellClass : uint8_t {
    Plain,     // no colour of its own
    Channel,   // the channel colour of its column's number
    RunRepeat, // repeated from a neighbouring draw, beside a drawn neighbour number: yellow
    Repeat,    // repeated from a neighbouring draw alone: lime
    Run,       // not repeated, beside a drawn neighbour number: aqua
};

struct CardColoring {
    bool Channels = true;  // "ColorCard"
    bool Sequences = true; // "ColorCardSequences"
    int ChannelSize = 5;
};

struct CardRow {
    int32_t DrawNumber = 0;
    int Extra = 0;
    std::array<bool, 46> Filled{}; // index 1..45
    std::array<CardCellClass, 46> Classes{};
};

// The rows, newest draw first. Numbers outside 1..45 are left out. The
// neighbours of a number are the numbers beside it on 1..45 only (1 has no
// left one, 45 no right one); the neighbouring draws are the rows above and
// below that are draws.
std::vector<CardRow> BuildDrawCard(const model::TDrawsArray& draws, const CardColoring& coloring);

// The cell colour of a class at column `number`.
Rgb CardCellColor(CardCellClass cellClass, int number, int channelSize);

} // namespace belvane::views
