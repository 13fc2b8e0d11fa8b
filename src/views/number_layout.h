#pragma once

// The "Схема" view: the numbers of a window laid out by how many draws hold
// them (rows) and the newest draw that holds them (columns), and the side
// lists that group the numbers of other windows by their counts.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/draws.h"
#include "views/colors.h"
#include "views/draw_window.h"

namespace belvane::views {

// One number seen in the window: how many of its draws hold it and the
// number of the newest of them.
struct TShemaItem {
    uint8_t Number = 0;
    int32_t Count = 0;
    int32_t LastDraw = 0;
};
using TShemaArray = std::vector<TShemaItem>;

// Walks the window from the newest draw to the oldest; numbers in the order first met.
TShemaArray CountWindowNumbers(const model::TDrawsArray& draws, const DrawWindow& window);

struct LayoutCell {
    std::vector<int> Numbers; // in the order of the working array
    std::string Text;         // joined by ", "; numbers of the next draw as "[n]"
    bool HasNextDraw = false;
    Rgb Color = White;
};

struct NumberLayout {
    std::vector<int> Counts;                    // row headings, descending
    std::vector<int> DrawNumbers;               // column headings, descending
    std::vector<std::vector<LayoutCell>> Cells; // [row][column] below and right of the headings
};

// Cells containing a number of `nextDraw` are lime; the others follow the
// gradient or, without it, the 5x5 chequer.
NumberLayout BuildNumberLayout(const TShemaArray& numbers, const std::vector<int>& nextDraw, bool gradient);

// Colours of a grid cell at (row, column) of a grid of rowCount x columnCount
// cells, headings included.
Rgb LayoutGradientColor(int row, int column, int rowCount, int columnCount);
Rgb LayoutChequerColor(int row, int column);

inline constexpr Rgb LayoutPink{255, 234, 234};
inline constexpr Rgb LayoutGreen{234, 255, 234};

// One side list: an item per distinct count in the order counts first occur.
struct LayoutCompareItem {
    int Count = 0;
    std::string Numbers; // joined by ", "
};
struct LayoutCompareList {
    std::string Heading; // "first - last" draw numbers of its window
    std::vector<LayoutCompareItem> Items;
};
LayoutCompareList BuildCompareList(const model::TDrawsArray& draws, const DrawWindow& window);

inline constexpr int LayoutCompareCount = 5;

} // namespace belvane::views
