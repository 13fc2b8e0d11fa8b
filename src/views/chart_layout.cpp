#include "views/chart_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <fmt/format.h>

namespace belvane::views {
namespace {

bool isWhole(double v)
{
    return std::isfinite(v) && v == std::floor(v);
}

template <typename Value>
bool allWhole(const Chart& chart, Value value)
{
    for (const ChartSeries& s : chart.Series)
        for (const ChartPoint& p : s.Points)
            if (!isWhole(value(p)))
                return false;
    return true;
}

// Colours closer than this (summed over the channels) are taken for one.
constexpr int kAlike = 120;

int distance(const Rgb& a, const Rgb& b)
{
    return std::abs(a.R - b.R) + std::abs(a.G - b.G) + std::abs(a.B - b.B);
}

constexpr std::array<Rgb, 12> kPalette = {{
    {31, 119, 180},  // blue
    {255, 127, 14},  // orange
    {44, 160, 44},   // green
    {214, 39, 40},   // red
    {148, 103, 189}, // violet
    {140, 86, 75},   // brown
    {227, 119, 194}, // pink
    {23, 190, 207},  // cyan
    {188, 189, 34},  // olive
    {0, 0, 128},     // navy
    {0, 0, 0},       // black
    {255, 200, 0},   // amber
}};

bool overlaps(const LabelBox& a, const LabelBox& b)
{
    return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
           b.Top < a.Top + a.Height;
}

} // namespace

AxisScale ScaleAxis(double lo, double hi, bool whole, int ticks, bool niceEnds)
{
    if (!std::isfinite(lo) || !std::isfinite(hi))
        lo = hi = 0;
    if (hi < lo)
        std::swap(lo, hi);
    if (hi == lo)
        hi = lo + 1;
    const double raw = (hi - lo) / std::max(ticks, 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * power;
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= raw) {
            step = m * power;
            break;
        }
    if (whole)
        step = std::max(step, 1.0);
    AxisScale scale;
    scale.Step = step;
    scale.Decimals = whole || step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    if (niceEnds) {
        scale.Min = std::floor(lo / step + 1e-9) * step;
        scale.Max = std::ceil(hi / step - 1e-9) * step;
    } else {
        scale.Min = lo;
        scale.Max = hi;
    }
    return scale;
}

bool AllWholeX(const Chart& chart)
{
    return allWhole(chart, [](const ChartPoint& p) { return p.X; });
}

bool AllWholeY(const Chart& chart)
{
    return allWhole(chart, [](const ChartPoint& p) { return p.Y; });
}

std::string ValueText(double value)
{
    if (!std::isfinite(value))
        return {};
    if (isWhole(value))
        return fmt::format("{:.0f}", value);
    std::string text = fmt::format("{:.2f}", value);
    return text == "-0.00" ? "0.00" : text;
}

void SortPointsByX(Chart& chart)
{
    if (chart.CategoryAxis)
        return;
    for (ChartSeries& s : chart.Series)
        if (s.Kind == SeriesKind::Line)
            std::stable_sort(s.Points.begin(), s.Points.end(),
                             [](const ChartPoint& a, const ChartPoint& b) { return a.X < b.X; });
}

Rgb PaletteColor(size_t index)
{
    if (index < kPalette.size())
        return kPalette[index];
    // Beyond the palette: hues a golden angle apart, in three shades.
    const double hue = std::fmod(static_cast<double>(index) * 137.508, 360.0);
    const double value = 0.55 + 0.2 * static_cast<double>(index % 3);
    const double c = value * 0.85;
    const double x = c * (1 - std::fabs(std::fmod(hue / 60.0, 2.0) - 1));
    const double m = value - c;
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(hue / 60.0) % 6) {
    case 0:
        r = c, g = x;
        break;
    case 1:
        r = x, g = c;
        break;
    case 2:
        g = c, b = x;
        break;
    case 3:
        g = x, b = c;
        break;
    case 4:
        r = x, b = c;
        break;
    default:
        r = c, b = x;
        break;
    }
    auto byte = [m](double v) { return static_cast<uint8_t>(std::lround((v + m) * 255)); };
    return {byte(r), byte(g), byte(b)};
}

void GiveDistinctColors(Chart& chart)
{
    std::vector<Rgb> taken;
    for (const ChartSeries& s : chart.Series)
        if (s.Color)
            taken.push_back(*s.Color);
    size_t next = 0;
    for (ChartSeries& s : chart.Series) {
        if (s.Color)
            continue;
        Rgb color = PaletteColor(next++);
        // Skip palette colours like a fixed one; past the palette every hue is new.
        while (next <= kPalette.size() &&
               std::any_of(taken.begin(), taken.end(), [&](const Rgb& t) { return distance(t, color) < kAlike; }))
            color = PaletteColor(next++);
        s.Color = color;
        taken.push_back(color);
    }
}

std::vector<bool> PlaceLabels(const std::vector<LabelBox>& boxes, const std::vector<LabelBox>& obstacles)
{
    std::vector<bool> shown(boxes.size(), false);
    std::vector<LabelBox> placed;
    for (size_t i = 0; i < boxes.size(); ++i) {
        auto covers = [&](const LabelBox& p) { return overlaps(p, boxes[i]); };
        if (std::none_of(placed.begin(), placed.end(), covers) &&
            std::none_of(obstacles.begin(), obstacles.end(), covers)) {
            shown[i] = true;
            placed.push_back(boxes[i]);
        }
    }
    return shown;
}

double FittingFontSize(double size, double width, double spacing)
{
    constexpr double kRoom = 0.4; // the axis pads each text on both sides and cuts what is left over
    constexpr double kSmallest = 4;
    if (width <= 0 || spacing <= 0)
        return size;
    return std::clamp(std::floor(size * spacing * kRoom / width * 2) / 2, std::min(kSmallest, size), size);
}

} // namespace belvane::views
