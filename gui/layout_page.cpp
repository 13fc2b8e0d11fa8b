#include "gui/layout_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/analysis_service.h"
#include "app/export_sources.h"
#include "app/setting_keys.h"
#include "app/view_export_sources.h"
#include "app/workspace.h"
#include "gui/action_registry.h"
#include "gui/grid_model.h"
#include "gui/kept_pane_size.h"
#include "gui/qt_text.h"
#include "gui/view_controls.h"
#include "gui/xlsx_export_launcher.h"

namespace belvane::gui {
namespace {

constexpr std::array<std::string_view, views::LayoutCompareCount> kCompareKeys = {
    app::key::LayoutCompareLen1, app::key::LayoutCompareLen2, app::key::LayoutCompareLen3, app::key::LayoutCompareLen4,
    app::key::LayoutCompareLen5};

} // namespace

LayoutPage::LayoutPage(PageHost& host)
    : AnalysisPage(host, QStringLiteral("tsLayout"), tr("Схема"), app::key::TabLayout, "ViewTabLayout")
{
    auto* layout = new QVBoxLayout(this);
    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(tr("Тиражей:"), this));
    edLayoutLen_ = SettingSpinBox(this, "edLayoutLen", ws_, app::key::LayoutLen);
    controls->addWidget(edLayoutLen_);
    controls->addStretch(1);
    layout->addLayout(controls);

    // The layout above, the five comparison lists side by side below it.
    auto* splitter = new QSplitter(Qt::Vertical, this);
    model_ = new GridModel(this);
    sgLayout_ = MakeCellGrid(splitter, QStringLiteral("sgLayout"), model_);
    comparePanel_ = new QWidget(splitter);
    comparePanel_->setObjectName(QStringLiteral("pnLayoutCompare"));
    auto* sideLayout = new QHBoxLayout(comparePanel_);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    for (size_t i = 0; i < kCompareKeys.size(); ++i) {
        auto* column = new QVBoxLayout;
        const std::string name = "edLayoutCmp" + std::to_string(i + 1);
        edLayoutCmp_[i] = SettingSpinBox(comparePanel_, name.c_str(), ws_, kCompareKeys[i]);
        column->addWidget(edLayoutCmp_[i]);
        auto* list = new QTreeWidget(comparePanel_);
        list->setObjectName(QStringLiteral("lvLayoutCmp%1").arg(i + 1));
        list->setRootIsDecorated(false);
        list->setHeaderLabels({tr("Кол-во"), QString()});
        list->setColumnWidth(0, 50);
        // The numbers are never cut short: a long line scrolls.
        list->header()->setStretchLastSection(false);
        column->addWidget(list, 1);
        sideLayout->addLayout(column, 1);
        lvLayoutCmp_[i] = list;
        connect(edLayoutCmp_[i], &QSpinBox::editingFinished, this, [this, i] {
            if (edLayoutCmp_[i]->value() != ws_.Settings().Get(kCompareKeys[i]))
                ws_.SetSetting(kCompareKeys[i], edLayoutCmp_[i]->value());
            rebuild(true);
        });
    }
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({330, 220});
    compareHeight_ = new KeptPaneSize(splitter, ws_.Settings().Get(app::key::LayoutCompareHeight));
    layout->addWidget(splitter, 1);

    connect(edLayoutLen_, &QSpinBox::editingFinished, this, [this] {
        if (edLayoutLen_->value() != ws_.Settings().Get(app::key::LayoutLen))
            ws_.SetSetting(app::key::LayoutLen, edLayoutLen_->value());
        rebuild(false);
    });
    connect(sgLayout_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { host_.updateActions(); });
    registerActions();
}

void LayoutPage::registerActions()
{
    ActionRegistry& actions = host_.actions();
    actions.add({"LayoutFilter_Include", tr("Оставить выделенные"), {}, {}, [this] { filter(false); }});
    actions.add({"LayoutFilter_Exclude", tr("Удалить выделенные"), {}, {}, [this] { filter(true); }});
    actions.add({"LayoutRefresh", tr("Обновить"), {}, tr("Обновить схему"), [this] { rebuild(true); }});
    actions.add({"LayoutGradient",
                 tr("Градиентная раскраска схемы"),
                 {},
                 {},
                 [this] {
                     ws_.SetSetting(app::key::LayoutGradient, ws_.Settings().Flag(app::key::LayoutGradient) ? 0 : 1);
                     rebuild(true);
                 },
                 [this] { return ws_.Settings().Flag(app::key::LayoutGradient); }});
    actions.add(
        {"LayoutXlsExport", tr("Экспорт схемы в Microsoft Excel"), {}, {}, [this] {
             auto source = std::make_shared<app::LayoutExportSource>(ws_.Analysis().Layout(edLayoutLen_->value()).Grid);
             ExportViewToXlsx(host_, sgLayout_, source, app::MainWindowExportCall(app::LayoutGridControl, ss(title())));
         }});
    sgLayout_->addActions({actions["LayoutFilter_Include"], actions["LayoutFilter_Exclude"], actions["LayoutRefresh"],
                           actions["LayoutGradient"], actions["LayoutXlsExport"]});
    host_.addToMenu(QStringLiteral("Вид"), {"LayoutGradient"});
}

void LayoutPage::fillSelection(app::ViewSelection& selection) const
{
    const GridSelection cells = SelectedCells(sgLayout_, *model_);
    selection.LayoutFirstColumn = cells.FirstColumn;
    selection.LayoutLastColumn = cells.LastColumn;
    selection.LayoutColumns = model_->columnCount();
}

void LayoutPage::saveState(app::WindowClosingState&)
{
    if (const auto height = compareHeight_->current())
        ws_.SetSetting(app::key::LayoutCompareHeight, *height);
}

void LayoutPage::rebuild(bool force)
{
    if (running())
        return;
    app::ViewInputs inputs = ws_.Analysis().Inputs(edLayoutLen_->value());
    inputs.Entry = ws_.Settings().Flag(app::key::LayoutGradient) ? 1 : 0;
    if (!force && built_ == inputs)
        return;
    built_ = inputs;
    const app::LayoutView view = ws_.Analysis().Layout(edLayoutLen_->value());
    QStringList headings{QString()};
    for (int d : view.Grid.DrawNumbers)
        headings << QString::number(d);
    std::vector<std::vector<GridCell>> rows;
    for (size_t r = 0; r < view.Grid.Counts.size(); ++r) {
        std::vector<GridCell> cells{{QString::number(view.Grid.Counts[r]), {}}};
        for (const views::LayoutCell& cell : view.Grid.Cells[r])
            cells.push_back({qs(cell.Text), qcolor(cell.Color)});
        rows.push_back(std::move(cells));
    }
    model_->reset(headings, std::move(rows));
    // Column 0 is 50 pixels wide, the others 40, each widened to its widest text + 10.
    sgLayout_->resizeColumnsToContents();
    for (int c = 0; c < model_->columnCount(); ++c)
        sgLayout_->setColumnWidth(c, std::max(c == 0 ? 50 : 40, sgLayout_->columnWidth(c) + 10));

    for (size_t i = 0; i < view.Compare.size(); ++i) {
        QTreeWidget* list = lvLayoutCmp_[i];
        list->clear();
        list->headerItem()->setText(1, qs(view.Compare[i].Heading));
        for (const views::LayoutCompareItem& item : view.Compare[i].Items)
            list->addTopLevelItem(new QTreeWidgetItem({QString::number(item.Count), qs(item.Numbers)}));
        list->resizeColumnToContents(1);
    }
}

void LayoutPage::filter(bool remove)
{
    const GridSelection cells = SelectedCells(sgLayout_, *model_);
    host_.run(
        [this, texts = cells.Texts, remove] { ws_.Analysis().FilterByCells(app::CellSource::Layout, texts, remove); });
}

} // namespace belvane::gui
