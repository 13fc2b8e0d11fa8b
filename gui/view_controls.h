#pragma once

// Controls the analysis tabs share: a spin box over a setting's range, a
// chart view that takes plain chart data, and the grid a view selects cells in.

#include <QString>
#include <string_view>

#include "views/chart.h"

class QChartView;
class QSpinBox;
class QTableView;
class QWidget;

namespace belvane::app {
class Workspace;
}

namespace belvane::gui {

class GridModel;

// A spin box with the range of the setting `key`, showing its value; a
// finished edit stores it and calls `changed`.
QSpinBox* SettingSpinBox(QWidget* parent, const char* name, app::Workspace& ws, std::string_view key);

// Shows the chart in the view (the one shown before is freed).
void ShowChart(QChartView* view, const views::Chart& chart, bool marks);

// A grid of cells: any rectangle can be selected.
QTableView* MakeCellGrid(QWidget* parent, const QString& name, GridModel* model);

} // namespace belvane::gui
