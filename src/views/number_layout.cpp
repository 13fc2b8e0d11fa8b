#include "views/number_layout.h"

#include <algorithm>
#include <cmath>
#include <fmt/format.h>
#include <functional>

#include "views/chart.h"

namespace belvane::views {
namespace {

int indexIn(const std::vector<int>& headings, int value)
{
    return static_cast<int>(std::find(headings.begin(), headings.end(), value) - headings.begin());
}

std::vector<int> distinctDescending(std::vector<int> values)
{
    std::sort(values.begin(), values.end(), std::greater<>());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

uint8_t channel(double v)
{
    return static_cast<uint8_t>(std::clamp(std::nearbyint(v), 0.0, 255.0));
}

// Band indexes 1-5, 11-15, ..., 91-95.
bool inBand(int index)
{
    return index >= 1 && index <= 95 && ((index - 1) / 5) % 2 == 0;
}

} // namespace

TShemaArray CountWindowNumbers(const model::TDrawsArray& draws, const DrawWindow& window)
{
    TShemaArray items;
    std::array<int, 46> position{};
    position.fill(-1);
    for (int i = window.Last; i >= window.First; --i) {
        const model::TDraw& draw = draws[static_cast<size_t>(i)];
        ForEachNumber(draw, [&](int n) {
            int& at = position[static_cast<size_t>(n)];
            if (at < 0) {
                at = static_cast<int>(items.size());
                items.push_back({static_cast<uint8_t>(n), 1, draw.Number});
            } else {
                ++items[static_cast<size_t>(at)].Count;
            }
        });
    }
    return items;
}

NumberLayout BuildNumberLayout(const TShemaArray& numbers, const std::vector<int>& nextDraw, bool gradient)
{
    NumberLayout layout;
    std::vector<int> counts, drawNumbers;
    for (const TShemaItem& item : numbers) {
        counts.push_back(item.Count);
        drawNumbers.push_back(item.LastDraw);
    }
    layout.Counts = distinctDescending(std::move(counts));
    layout.DrawNumbers = distinctDescending(std::move(drawNumbers));
    layout.Cells.assign(layout.Counts.size(), std::vector<LayoutCell>(layout.DrawNumbers.size()));
    for (const TShemaItem& item : numbers) {
        LayoutCell& cell = layout.Cells[static_cast<size_t>(indexIn(layout.Counts, item.Count))]
                                       [static_cast<size_t>(indexIn(layout.DrawNumbers, item.LastDraw))];
        const bool next = std::find(nextDraw.begin(), nextDraw.end(), item.Number) != nextDraw.end();
        if (!cell.Text.empty())
            cell.Text += ", ";
        cell.Text += next ? fmt::format("[{}]", item.Number) : std::to_string(item.Number);
        cell.Numbers.push_back(item.Number);
        cell.HasNextDraw |= next;
    }
    const int rowCount = static_cast<int>(layout.Counts.size()) + 1;
    const int columnCount = static_cast<int>(layout.DrawNumbers.size()) + 1;
    for (size_t r = 0; r < layout.Cells.size(); ++r)
        for (size_t c = 0; c < layout.Cells[r].size(); ++c) {
            LayoutCell& cell = layout.Cells[r][c];
            const int row = static_cast<int>(r) + 1, column = static_cast<int>(c) + 1;
            cell.Color = cell.HasNextDraw ? Lime
                         : gradient       ? LayoutGradientColor(row, column, rowCount, columnCount)
                                          : LayoutChequerColor(row, column);
        }
    return layout;
}

Rgb LayoutGradientColor(int row, int column, int rowCount, int columnCount)
{
    const double r = static_cast<double>(row) / std::max(1, rowCount);
    const double c = static_cast<double>(column) / std::max(1, columnCount);
    return {channel(255 - 155 * r), channel(255 - 155 * c), channel(100 + 155 * r)};
}

Rgb LayoutChequerColor(int row, int column)
{
    return inBand(row) != inBand(column) ? LayoutPink : LayoutGreen;
}

LayoutCompareList BuildCompareList(const model::TDrawsArray& draws, const DrawWindow& window)
{
    LayoutCompareList list;
    if (window.Empty())
        return list;
    list.Heading = fmt::format("{} - {}", draws[static_cast<size_t>(window.First)].Number,
                               draws[static_cast<size_t>(window.Last)].Number);
    for (const TShemaItem& item : CountWindowNumbers(draws, window)) {
        auto it = std::find_if(list.Items.begin(), list.Items.end(),
                               [&](const LayoutCompareItem& i) { return i.Count == item.Count; });
        if (it == list.Items.end()) {
            list.Items.push_back({item.Count, std::to_string(item.Number)});
        } else {
            it->Numbers += ", " + std::to_string(item.Number);
        }
    }
    return list;
}

} // namespace belvane::views
