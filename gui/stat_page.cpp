#include "gui/stat_page.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/export_sources.h"
#include "app/setting_keys.h"
#include "app/statistics_service.h"
#include "app/workspace.h"
#include "gui/action_registry.h"
#include "gui/deferred_input.h"
#include "gui/filters_manager_dialog.h"
#include "gui/history_icons.h"
#include "gui/method_info_window.h"
#include "gui/qt_text.h"
#include "gui/stat_chart.h"
#include "gui/stat_table_model.h"
#include "gui/table_views.h"
#include "gui/xlsx_export_launcher.h"
#include "support/translation.h"

namespace belvane::gui {

StatPage::StatPage(PageHost& host) : Page(host, QStringLiteral("tsDrawsStat"), tr("Статистика"), Side::Right)
{
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    cbDrawsStatType_ = new QComboBox(this);
    cbDrawsStatType_->setObjectName(QStringLiteral("cbDrawsStatType"));
    cbDrawsStatType_->setToolTip(tr("Вид расчета статистики"));
    cbDrawsStatType_->setStatusTip(cbDrawsStatType_->toolTip());
    cbDrawsStatType_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbDrawsStatType_->setMinimumContentsLength(40);
    cbDrawsStatType_->installEventFilter(this);
    row->addWidget(cbDrawsStatType_, 1);
    edDrawsStatLen_ = new QSpinBox(this);
    edDrawsStatLen_->setObjectName(QStringLiteral("edDrawsStatLen"));
    edDrawsStatLen_->setToolTip(tr("Количество тиражей, использующихся для расчета статистики"));
    edDrawsStatLen_->setStatusTip(edDrawsStatLen_->toolTip());
    edDrawsStatLen_->setRange(1, 1'000'000);
    edDrawsStatLen_->setValue(ws_.Statistics().Length());
    row->addWidget(edDrawsStatLen_);
    auto* calc = new QToolButton(this);
    calc->setObjectName(QStringLiteral("btnDrawsStatCalc"));
    calc->setFocusPolicy(Qt::NoFocus); // it is disabled while an operation runs: it never holds the focus
    row->addWidget(calc);
    layout->addLayout(row);

    splitter_ = new QSplitter(Qt::Vertical, this);
    model_ = new StatTableModel(this);
    sorted_ = new StatSortModel(this);
    sorted_->setSourceModel(model_);
    lvDrawsStat_ = MakeTable(splitter_, QStringLiteral("lvDrawsStat"), sorted_, true);
    lvDrawsStat_->setSortingEnabled(true);
    lvDrawsStat_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    lvDrawsStat_->horizontalHeader()->setStretchLastSection(false);
    SetDefaultColumnWidths(lvDrawsStat_,
                           {130, 80, 80, 80, 80, 80, 70, 80, 70, 80, 70, 70, 70, 70, 70, 70, 60, 60, 60, 60});
    crtDrawsStat_ = new StatChart(splitter_);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 2);
    const int chart = ws_.Settings().Get(app::key::DrawsStatHeight);
    splitter_->setSizes({400, chart > 0 ? chart : 260});
    layout->addWidget(splitter_);

    // A type chosen with the arrow keys applies after a pause, so browsing the
    // list costs one calculation; Enter applies at once.
    typeInput_ = new DeferredInput(
        this, [this] { return host_.isRunning(); },
        [this] {
            const int index = cbDrawsStatType_->currentIndex();
            if (index == ws_.Statistics().StatTypeIndex())
                return;
            host_.run([this, index] {
                ws_.Statistics().SetStatTypeIndex(index);
                ws_.Statistics().Calculate(false);
            });
        });
    connect(cbDrawsStatType_, &QComboBox::currentIndexChanged, this, [this] {
        showTypeSummary();
        if (!updating_)
            typeInput_->touch();
    });
    lengthInput_ = new DeferredInput(
        this, [this] { return host_.isRunning(); },
        [this] {
            const int length = edDrawsStatLen_->value();
            if (length == ws_.Statistics().Length())
                return;
            host_.run([this, length] {
                ws_.Statistics().SetLength(length);
                ws_.Statistics().Calculate(false);
            });
        });
    connect(edDrawsStatLen_, &QSpinBox::editingFinished, this, [this] {
        lengthInput_->touch();
        lengthInput_->flush();
    });
    connect(lvDrawsStat_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { host_.updateActions(); });

    registerActions();
    calc->setDefaultAction(host_.actions()["DrawsStatCalc"]);
    calc->setToolButtonStyle(Qt::ToolButtonTextOnly);
    refreshTypeList();
}

void StatPage::registerActions()
{
    ActionRegistry& actions = host_.actions();
    // F5 belongs to "Обновить рейтинг".
    actions.add({"DrawsStatCalc", tr("Обновить"), {}, tr("Пересчитать статистику по выбранным параметрам"), [this] {
                     host_.run([this] { ws_.Statistics().Calculate(true); });
                 }});
    actions.add({"DrawsStatePrefetchsEnabled",
                 tr("Использовать сравнение с полным набором комбинаций"),
                 {},
                 {},
                 [this] { host_.run([this] { ws_.Statistics().TogglePrefetchs(); }); },
                 [this] { return ws_.Statistics().PrefetchsEnabled(); }});
    actions.add({"DrawsStatShowTotalLine",
                 tr("График идеального распределения"),
                 {},
                 {},
                 [this] { host_.run([this] { ws_.Statistics().ToggleTotalLine(); }); },
                 [this] { return ws_.Settings().Flag(app::key::ShowTotalLine); }});
    actions.add({"StatFilter_Include", tr("Оставить выделенные"), QKeySequence(Qt::Key_F7),
                 tr("Оставить комбинации со значениями выделенных строк"), [this] {
                     host_.run([this, rows = selectedStatRows()] { ws_.Statistics().FilterByRows(rows, false); });
                 }});
    actions.add({"StatFilter_Exclude", tr("Удалить выделенные"), QKeySequence(Qt::CTRL | Qt::Key_F7),
                 tr("Удалить комбинации со значениями выделенных строк"), [this] {
                     host_.run([this, rows = selectedStatRows()] { ws_.Statistics().FilterByRows(rows, true); });
                 }});
    actions.add({"FiltersManager",
                 tr("Избранные статистики"),
                 {},
                 tr("Выбор избранных методов расчета статистики и их названий"),
                 [this] { filtersManager(); }});
    actions.add({"FiltersInfo", tr("Описание статистики"), QKeySequence(Qt::Key_F8),
                 tr("Описание выбранного метода расчета статистики"), [this] { filtersInfo(); }});
    actions.add({"FiltersReset",
                 tr("Все доступные статистики"),
                 {},
                 tr("Показывать в списке все доступные статистики"),
                 [this] { host_.run([this] { ws_.Statistics().ResetFavorites(); }); }});

    actions["DrawsStatCalc"]->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    actions["StatFilter_Include"]->setIcon(KeepIcon());
    actions["StatFilter_Exclude"]->setIcon(RemoveIcon());

    actions.add(
        {"DrawsStatExportToExcel", tr("Экспорт статистики в Microsoft Excel"), {}, {}, [this] { statXlsExport(); }});
    host_.addToMenu(QStringLiteral("Статистика"),
                    {"DrawsStatCalc", "StatFilter_Include", "StatFilter_Exclude", nullptr, "DrawsStatePrefetchsEnabled",
                     "DrawsStatShowTotalLine", nullptr, "FiltersManager", "FiltersReset", "FiltersInfo", nullptr,
                     "DrawsStatExportToExcel"});
    host_.addToToolBar({nullptr, "DrawsStatCalc", "StatFilter_Include", "StatFilter_Exclude"});
    lvDrawsStat_->addActions({actions["StatFilter_Include"], actions["StatFilter_Exclude"], actions["DrawsStatCalc"],
                              actions["DrawsStatExportToExcel"]});
}

bool StatPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cbDrawsStatType_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            typeInput_->flush();
    }
    return Page::eventFilter(watched, event);
}

void StatPage::fillSelection(app::ViewSelection& selection) const
{
    selection.StatRows = SelectedRows(lvDrawsStat_).size();
}

void StatPage::restoreState(const app::WindowStateFile& file)
{
    RestoreColumnWidths(lvDrawsStat_, file, "lvDrawsStat");
    if (const auto sort = app::LoadListSort(file, app::MainWindowSection, "lvDrawsStat"); sort && sort->Column >= 0)
        lvDrawsStat_->sortByColumn(sort->Column, sort->Direction ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void StatPage::saveState(app::WindowClosingState& state)
{
    ws_.SetSetting(app::key::DrawsStatHeight, splitter_->sizes().value(1));
    ws_.SetSetting(app::key::DrawsStatLen, edDrawsStatLen_->value());
    state.ColumnWidths["lvDrawsStat"] = ColumnWidths(lvDrawsStat_);
    const QHeaderView* header = lvDrawsStat_->horizontalHeader();
    state.ListSorts["lvDrawsStat"] = {header->sortIndicatorSection(),
                                      header->sortIndicatorOrder() == Qt::DescendingOrder ? 1 : 0};
}

std::vector<int> StatPage::selectedStatRows() const
{
    std::vector<int> rows;
    for (int viewRow : SelectedRows(lvDrawsStat_))
        rows.push_back(sorted_->mapToSource(sorted_->index(viewRow, 0)).row());
    return rows;
}

void StatPage::selectStatRows(const std::vector<int>& modelRows)
{
    std::vector<int> viewRows;
    for (int r : modelRows)
        if (const QModelIndex index = sorted_->mapFromSource(model_->index(r, 0)); index.isValid())
            viewRows.push_back(index.row());
    SelectRows(lvDrawsStat_, viewRows);
}

void StatPage::refreshTypeList()
{
    const app::StatisticsService& stats = ws_.Statistics();
    QStringList texts;
    for (int i = 0; i < static_cast<int>(stats.StatTypes().size()); ++i)
        texts << qs(stats.StatTypeText(i));
    updating_ = true;
    QStringList shown;
    for (int i = 0; i < cbDrawsStatType_->count(); ++i)
        shown << cbDrawsStatType_->itemText(i);
    if (shown != texts) {
        cbDrawsStatType_->clear();
        cbDrawsStatType_->addItems(texts);
    }
    // Each method says in one sentence what it computes, in the list and on the box.
    for (int i = 0; i < cbDrawsStatType_->count() && i < static_cast<int>(stats.StatTypes().size()); ++i)
        cbDrawsStatType_->setItemData(i, qs(stats.MethodSummary(stats.StatTypes()[static_cast<size_t>(i)])),
                                      Qt::ToolTipRole);
    if (!typeInput_->pending())
        cbDrawsStatType_->setCurrentIndex(stats.StatTypeIndex());
    updating_ = false;
    showTypeSummary();
}

void StatPage::showTypeSummary()
{
    const QString summary = cbDrawsStatType_->itemData(cbDrawsStatType_->currentIndex(), Qt::ToolTipRole).toString();
    cbDrawsStatType_->setToolTip(summary.isEmpty() ? tr("Вид расчета статистики") : summary);
}

void StatPage::refresh()
{
    refreshTypeList();
    if (!edDrawsStatLen_->hasFocus())
        edDrawsStatLen_->setValue(ws_.Statistics().Length());

    // The selection follows its values while the method stays the same.
    const int entry = model_->entry();
    const std::vector<uint64_t> keys = model_->keysOfRows(selectedStatRows());
    model_->reload(ws_);
    if (model_->entry() == entry && !keys.empty())
        selectStatRows(ws_.Statistics().RowsOfKeys(keys));

    crtDrawsStat_->display(ws_.Statistics().Table().Chart);
    // An open description follows the chosen type.
    if (info_ != nullptr && info_->isVisible() && ws_.Statistics().ChosenEntry() >= 0)
        info_->showPage(qs(ws_.Statistics().MethodDescription(ws_.Statistics().ChosenEntry())));
    const bool prefetch = ws_.Statistics().PrefetchsEnabled();
    for (int c = app::StatColExpected; c <= app::StatColDeviationPercent; ++c)
        lvDrawsStat_->setColumnHidden(c, !prefetch);
}

void StatPage::filtersManager()
{
    TFormFiltersManager dialog(this, ws_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    host_.run([this, draft = dialog.draft()] { ws_.Statistics().ApplyFavorites(draft); });
}

void StatPage::filtersInfo()
{
    const int entry = ws_.Statistics().ChosenEntry();
    if (entry < 0)
        return;
    // A configured help file answers with its own page in the system's viewer.
    if (TFormFiltersInfo::openHelpPage(qs(ws_.Statistics().MethodHelpURL(entry))))
        return;
    if (info_ == nullptr) {
        info_ = new TFormFiltersInfo(window(), ws_.Settings().LoadFailed() ? nullptr : &ws_.Settings().File());
        info_->setAttribute(Qt::WA_DeleteOnClose);
    }
    info_->showPage(qs(ws_.Statistics().MethodDescription(entry)));
    info_->show();
    info_->raise();
    info_->activateWindow();
}

void StatPage::statXlsExport()
{
    // The rows in the order the list is sorted on screen.
    std::vector<int> order;
    for (int r = 0; r < sorted_->rowCount(); ++r)
        order.push_back(sorted_->mapToSource(sorted_->index(r, 0)).row());
    auto source = std::make_shared<app::DrawsStatSource>(ws_.Statistics().Table(), std::move(order));
    ExportViewToXlsx(host_, lvDrawsStat_, source,
                     app::MainWindowExportCall(app::DrawsStatControl, support::Text(app::DrawsStatExportTitle)));
}

} // namespace belvane::gui
