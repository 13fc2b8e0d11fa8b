#include "gui/view_controls.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QSpinBox>
#include <QTableView>

#include "app/window_settings.h"
#include "app/workspace.h"
#include "frontend/qt_chart.h"
#include "gui/grid_model.h"
#include "gui/table_views.h"

namespace belvane::gui {

QSpinBox* SettingSpinBox(QWidget* parent, const char* name, app::Workspace& ws, std::string_view key)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    if (const app::SettingKey* setting = app::FindMainWindowKey(key))
        box->setRange(setting->Min, setting->Max);
    box->setValue(ws.Settings().Get(key));
    return box;
}

void ShowChart(QChartView* view, const views::Chart& chart, bool marks)
{
    QChart* old = view->chart();
    view->setChart(chart::MakeQChart(chart, marks));
    delete old;
}

QTableView* MakeCellGrid(QWidget* parent, const QString& name, GridModel* model)
{
    QTableView* view = MakeTable(parent, name, model, true);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    view->horizontalHeader()->setStretchLastSection(false);
    view->horizontalHeader()->setDefaultSectionSize(32);
    view->horizontalHeader()->setMinimumSectionSize(20);
    return view;
}

} // namespace belvane::gui
