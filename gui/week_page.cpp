#include "gui/week_page.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "app/analysis_service.h"
#include "app/setting_keys.h"
#include "app/workspace.h"
#include "gui/action_registry.h"
#include "gui/grid_model.h"
#include "gui/kept_pane_size.h"
#include "gui/qt_text.h"
#include "gui/qt_translations.h"
#include "gui/view_controls.h"

namespace belvane::gui {
namespace {

// The short day names of the interface language, Monday first.
views::WeekdayNames dayNames()
{
    views::WeekdayNames names;
    for (int d = 1; d <= 7; ++d)
        names[static_cast<size_t>(d - 1)] = ss(ShortDayName(d));
    return names;
}

} // namespace

WeekPage::WeekPage(PageHost& host)
    : AnalysisPage(host, QStringLiteral("tsWeek"), tr("Неделя"), app::key::TabWeek, "ViewTabWeek")
{
    auto* layout = new QVBoxLayout(this);
    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(tr("Тиражей:"), this));
    edWeekLen_ = SettingSpinBox(this, "edWeekLen", ws_, app::key::WeekLen);
    controls->addWidget(edWeekLen_);
    controls->addStretch(1);
    layout->addLayout(controls);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    model_ = new GridModel(this);
    sgWeek_ = MakeCellGrid(splitter, QStringLiteral("sgWeek"), model_);
    sgWeek_->setSelectionBehavior(QAbstractItemView::SelectColumns);
    crtWeek_ = new QChartView(new QChart, splitter);
    crtWeek_->setObjectName(QStringLiteral("crtWeek"));
    crtWeek_->setRenderHint(QPainter::Antialiasing);
    splitter->setSizes({260, 300});
    chartHeight_ = new KeptPaneSize(splitter, ws_.Settings().Get(app::key::WeekHeight));
    layout->addWidget(splitter, 1);

    connect(edWeekLen_, &QSpinBox::editingFinished, this, [this] {
        if (edWeekLen_->value() != ws_.Settings().Get(app::key::WeekLen))
            ws_.SetSetting(app::key::WeekLen, edWeekLen_->value());
        rebuild(false);
    });
    connect(sgWeek_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { drawChart(); });
    connect(sgWeek_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { host_.updateActions(); });
    registerActions();
}

void WeekPage::registerActions()
{
    ActionRegistry& actions = host_.actions();
    actions.add({"WeekFilter_Include", tr("Оставить выделенные"), {}, {}, [this] { filter(false); }});
    actions.add({"WeekFilter_Exclude", tr("Удалить выделенные"), {}, {}, [this] { filter(true); }});
    actions.add(
        {"WeekRefresh", tr("Обновить"), {}, tr("Обновить статистику по дням недели"), [this] { rebuild(true); }});
    actions.add({"WeekChartMode",
                 tr("График по дням недели"),
                 {},
                 {},
                 [this] {
                     ws_.SetSetting(app::key::WeekChartMode, ws_.Settings().Get(app::key::WeekChartMode) == 1 ? 0 : 1);
                     drawChart();
                 },
                 [this] { return ws_.Settings().Get(app::key::WeekChartMode) == 1; }});
    actions.add({"WeekChartType",
                 tr("Линейный график"),
                 {},
                 {},
                 [this] {
                     ws_.SetSetting(app::key::WeekChartType, ws_.Settings().Flag(app::key::WeekChartType) ? 0 : 1);
                     drawChart();
                 },
                 [this] { return ws_.Settings().Flag(app::key::WeekChartType); }});
    sgWeek_->addActions({actions["WeekFilter_Include"], actions["WeekFilter_Exclude"], actions["WeekRefresh"],
                         actions["WeekChartMode"], actions["WeekChartType"]});
    host_.addToMenu(QStringLiteral("Вид"), {"WeekChartMode", "WeekChartType"});
}

void WeekPage::fillSelection(app::ViewSelection& selection) const
{
    const GridSelection cells = SelectedCells(sgWeek_, *model_);
    selection.WeekFirstColumn = cells.FirstColumn;
    selection.WeekLastColumn = cells.LastColumn;
}

void WeekPage::saveState(app::WindowClosingState&)
{
    if (const auto height = chartHeight_->current())
        ws_.SetSetting(app::key::WeekHeight, *height);
}

void WeekPage::rebuild(bool force)
{
    if (running())
        return;
    const app::ViewInputs inputs = ws_.Analysis().Inputs(edWeekLen_->value());
    if (!force && built_ == inputs)
        return;
    built_ = inputs;
    grid_ = ws_.Analysis().Week(edWeekLen_->value());
    const views::WeekdayNames names = dayNames();
    QStringList headings{QString()};
    for (int n = 1; n <= 45; ++n)
        headings << QString::number(n);
    std::vector<std::vector<GridCell>> rows;
    for (int d = 1; d <= 7; ++d) {
        std::vector<GridCell> cells{{qs(names[static_cast<size_t>(d - 1)]), {}}};
        for (int n = 1; n <= 45; ++n) {
            const int c = grid_.Counts[static_cast<size_t>(d)][static_cast<size_t>(n)];
            cells.push_back({c > 0 ? QString::number(c) : QString(),
                             c > 0 ? qcolor(views::WeekCellColor(c, grid_.Max)) : QColor()});
        }
        rows.push_back(std::move(cells));
    }
    const QModelIndex current = sgWeek_->currentIndex();
    model_->reset(headings, std::move(rows));
    if (current.isValid())
        sgWeek_->setCurrentIndex(model_->index(current.row(), current.column()));
    sgWeek_->setColumnWidth(0, 40);
    drawChart();
}

void WeekPage::drawChart()
{
    const QModelIndex current = sgWeek_->currentIndex();
    const int weekday = current.isValid() ? current.row() + 1 : 6;
    const int number = current.isValid() && current.column() > 0 ? current.column() : 1;
    const auto mode = ws_.Settings().Get(app::key::WeekChartMode) == 1 ? views::WeekChartMode::ByWeekday
                                                                       : views::WeekChartMode::ByNumber;
    ShowChart(crtWeek_,
              views::WeekChart(grid_, mode, ws_.Settings().Flag(app::key::WeekChartType), weekday, number, dayNames()),
              false);
}

void WeekPage::filter(bool remove)
{
    const GridSelection cells = SelectedCells(sgWeek_, *model_);
    host_.run([this, first = cells.FirstColumn, last = cells.LastColumn, remove] {
        ws_.Analysis().FilterByWeekColumns(first, last, remove);
    });
}

} // namespace belvane::gui
