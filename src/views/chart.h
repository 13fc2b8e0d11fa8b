#pragma once

// A chart as plain data: line or bar series of labelled points. The graph
// window, the views' charts and the command line's pictures all draw this.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "views/colors.h"

namespace belvane::views {

enum class SeriesKind { Line, Bar };

struct ChartPoint {
    double X = 0;
    double Y = 0;
    std::string Label;
};

struct ChartSeries {
    std::string Title;
    SeriesKind Kind = SeriesKind::Line;
    std::vector<ChartPoint> Points;
    std::optional<Rgb> Color;         // nullopt: the chart's own choice
    std::optional<Rgb> MarkerOutline; // nullopt: the series colour
    int Width = 2;
    int MarkerSize = 0; // 0: no point markers
    bool Marks = false; // value marks shown
    // The graph window's "Отображать метки на графиках" shows and hides these marks.
    bool MarksFollowToggle = false;
};

struct Chart {
    std::string Caption;
    std::vector<ChartSeries> Series;
    // X carries category labels (the points' labels) rather than a number scale.
    bool CategoryAxis = false;
    // Y counts whole things even where a series (a mean, an expectation) is fractional.
    bool WholeY = false;

    // The series with this title (letter case aside), or nullptr.
    ChartSeries* Find(std::string_view title);
    const ChartSeries* Find(std::string_view title) const;
};

// The graph window's one way in: finds the series by title or creates a line
// series of width 2 (markers 3x3 when `pointer`, value marks that follow the
// window's check box when `marks`, the colour unless nullopt), then appends
// (x, y) labelled with x as decimal text.
void AddPoint(Chart& chart, double x, std::string_view title, double y, bool pointer, bool marks,
              std::optional<Rgb> color);

// Whether two titles are the same, letter case aside (Cyrillic included).
bool SameTitle(std::string_view a, std::string_view b);

// Colours the charts use by name.
inline constexpr Rgb Green{0, 128, 0};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Maroon{128, 0, 0};
inline constexpr Rgb Magenta{255, 0, 255};
inline constexpr Rgb Lime{0, 255, 0};
inline constexpr Rgb Yellow{255, 255, 0};
inline constexpr Rgb Aqua{0, 255, 255};
inline constexpr Rgb Gray{128, 128, 128};

// The number as the chart labels it: integers without decimals.
std::string NumberLabel(double value);

} // namespace belvane::views
