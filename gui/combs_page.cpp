#include "gui/combs_page.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/export_sources.h"
#include "app/setting_keys.h"
#include "app/workspace.h"
#include "combs/list_file.h"
#include "gui/action_registry.h"
#include "gui/combs_models.h"
#include "gui/deferred_input.h"
#include "gui/details_dialog.h"
#include "gui/file_filters.h"
#include "gui/generate_dialog.h"
#include "gui/qt_text.h"
#include "gui/table_views.h"
#include "gui/xlsx_export_launcher.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::gui {

CombsPage::CombsPage(PageHost& host) : Page(host, QStringLiteral("tsCombs"), tr("Комбинации"), Side::Left)
{
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Исключить последних тиражей:"), this));
    edCombsExclude_ = new QSpinBox(this);
    edCombsExclude_->setObjectName(QStringLiteral("edCombsExclude"));
    edCombsExclude_->setRange(0, 100000);
    edCombsExclude_->setValue(ws_.Settings().Get(app::key::DrawsExclude));
    row->addWidget(edCombsExclude_);
    row->addStretch();
    layout->addLayout(row);

    splitter_ = new QSplitter(Qt::Vertical, this);
    combsModel_ = new CombsModel(ws_, this);
    historyModel_ = new HistoryModel(this);
    lvCombs_ = MakeTable(splitter_, QStringLiteral("lvCombs"), combsModel_, true);
    lvFilters_ = MakeTable(splitter_, QStringLiteral("lvFilters"), historyModel_, false);
    lvFilters_->horizontalHeader()->setStretchLastSection(false);
    lvFilters_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    lvCombs_->horizontalHeader()->setStretchLastSection(false);
    SetDefaultColumnWidths(lvCombs_, {80, 36, 36, 36, 36, 36, 36, 44});
    SetDefaultColumnWidths(lvFilters_, {240, 150, 80});
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 1);
    const int filters = ws_.Settings().Get(app::key::FiltersHeight);
    splitter_->setSizes({500, filters > 0 ? filters : 150});
    layout->addWidget(splitter_);

    // The count of latest draws is a setting the enable rule of CombsDelExists reads.
    excludeInput_ = new DeferredInput(
        this, [this] { return host_.isRunning(); },
        [this] {
            ws_.SetSetting(app::key::DrawsExclude, edCombsExclude_->value());
            host_.updateActions();
        });
    connect(edCombsExclude_, &QSpinBox::valueChanged, this, [this] {
        excludeInput_->touch();
        excludeInput_->flush(); // at once unless an operation runs
    });
    connect(edCombsExclude_, &QSpinBox::editingFinished, this, [this] {
        if (QAction* a = host_.actions()["CombsDelExists"]; a->isEnabled() && edCombsExclude_->hasFocus())
            a->trigger();
    });
    connect(lvCombs_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { host_.updateActions(); });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] { host_.updateActions(); });
    registerActions();
}

void CombsPage::registerActions()
{
    ActionRegistry& actions = host_.actions();
    auto run = [this](std::function<void()> op) { return [this, op] { host_.run(op); }; };
    actions.add({"CombsGen", tr("Генерировать"), QKeySequence(Qt::Key_F2), tr("Создать новый список комбинаций"),
                 [this] { combsGen(); }});
    actions.add({"CombsOpen", tr("Открыть"), QKeySequence(Qt::CTRL | Qt::Key_O),
                 tr("Загрузить список комбинаций из файла"), [this] { combsOpen(); }});
    actions.add({"CombsSave", tr("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S),
                 tr("Сохранить список комбинаций в файл"), [this] { combsSave(); }});
    actions.add({"CombsUndo", tr("Отменить"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                 tr("Отменить последнюю операцию над списком комбинаций"), run([this] { ws_.Combinations().Undo(); })});
    actions.add({"CombsDelExists", tr("Исключить тиражи"), QKeySequence(Qt::CTRL | Qt::Key_E),
                 tr("Удалить из списка комбинации последних тиражей"), [this] {
                     const int n = edCombsExclude_->value();
                     host_.run([this, n] { ws_.Combinations().ExcludeLatestDraws(n); });
                 }});
    actions.add({"CombsDelSelected", tr("Удалить выделенные"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
                 tr("Удалить выделенные комбинации из списка"), [this] { combsDelSelected(); }});
    actions.add({"CombsCopy", tr("Копировать в буфер"), QKeySequence(Qt::CTRL | Qt::Key_C),
                 tr("Копировать выделенные комбинации в буфер обмена"), [this] { combsCopy(); }});
    actions.add({"CombsPaste", tr("Вставить из буфера"), QKeySequence(Qt::CTRL | Qt::Key_V),
                 tr("Заменить список комбинациями из буфера обмена"), [this] { combsPaste(); }});
    actions.add({"CombsSelectAll", tr("Выделить все"), QKeySequence(Qt::CTRL | Qt::Key_A), {}, [this] {
                     lvCombs_->selectAll();
                 }});
    actions.add({"CombsInfo", tr("Сведения о комбинации"), {}, {}, [this] { combsInfo(); }});
    actions.add({"CombsCheckNums",
                 tr("Количество уникальных номеров"),
                 {},
                 tr("Подсчитать числа, которые встречаются в списке комбинаций"),
                 [this] { ws_.Host().showInformation(ws_.Combinations().DistinctNumbersMessage()); }});
    actions.add({"CombsFindInDraws", tr("Проверить по архиву тиражей"), QKeySequence(Qt::CTRL | Qt::Key_F),
                 tr("Найти выделенную комбинацию в архиве тиражей"), [this] { combsFindInDraws(); }});
    actions.add({"ViewColorCombs",
                 tr("Каналы цветом в списке комбинаций"),
                 {},
                 {},
                 [this] {
                     ws_.SetSetting(app::key::ColorCombs, ws_.Settings().Flag(app::key::ColorCombs) ? 0 : 1);
                     refresh();
                     host_.updateActions();
                 },
                 [this] { return ws_.Settings().Flag(app::key::ColorCombs); }});
    // Shortcuts that text fields use too act only on their own list.
    for (const char* name : {"CombsCopy", "CombsPaste", "CombsSelectAll", "CombsDelSelected"})
        actions[name]->setShortcutContext(Qt::WidgetWithChildrenShortcut);

    const std::pair<const char*, QStyle::StandardPixmap> icons[] = {{"CombsGen", QStyle::SP_BrowserReload},
                                                                    {"CombsOpen", QStyle::SP_DialogOpenButton},
                                                                    {"CombsSave", QStyle::SP_DialogSaveButton},
                                                                    {"CombsUndo", QStyle::SP_ArrowBack}};
    for (const auto& [name, pixmap] : icons)
        actions[name]->setIcon(style()->standardIcon(pixmap));

    actions.add({"CombsXlsExport",
                 tr("Экспорт в Microsoft Excel"),
                 {},
                 tr("Экспорт списка комбинаций в Microsoft Excel"),
                 [this] { combsXlsExport(); }});
    host_.addToMenu(QStringLiteral("Комбинации"),
                    {"CombsGen", "CombsOpen", "CombsSave", "CombsXlsExport", nullptr, "CombsUndo", "CombsDelExists",
                     "CombsDelSelected", nullptr, "CombsCopy", "CombsPaste", "CombsSelectAll", nullptr, "CombsInfo",
                     "CombsCheckNums", "CombsFindInDraws"});
    host_.addToMenu(QStringLiteral("Вид"), {"ViewColorCombs"});
    host_.addToToolBar({nullptr, "CombsGen", "CombsOpen", "CombsSave", "CombsUndo"});
    lvCombs_->addActions({actions["CombsInfo"], actions["CombsFindInDraws"], actions["CombsCopy"],
                          actions["CombsPaste"], actions["CombsSelectAll"], actions["CombsDelSelected"],
                          actions["CombsUndo"], actions["CombsXlsExport"]});
}

void CombsPage::fillSelection(app::ViewSelection& selection) const
{
    selection.CombRows = lvCombs_->selectionModel()->hasSelection() ? 1 : 0;
    const QClipboard* clipboard = QApplication::clipboard();
    selection.ClipboardHasText = clipboard && !clipboard->text().isEmpty();
}

void CombsPage::restoreState(const app::WindowStateFile& file)
{
    RestoreColumnWidths(lvCombs_, file, "lvCombs");
    RestoreColumnWidths(lvFilters_, file, "lvFilters");
}

void CombsPage::saveState(app::WindowClosingState& state)
{
    ws_.SetSetting(app::key::FiltersHeight, splitter_->sizes().value(1));
    state.ColumnWidths["lvCombs"] = ColumnWidths(lvCombs_);
    state.ColumnWidths["lvFilters"] = ColumnWidths(lvFilters_);
}

void CombsPage::operationStarting()
{
    const int first = std::max(lvCombs_->rowAt(0), 0);
    int last = lvCombs_->rowAt(lvCombs_->viewport()->height() - 1);
    if (last < 0)
        last = first + 200;
    combsModel_->freeze(first - FrozenMargin, last + FrozenMargin);
}

void CombsPage::refresh()
{
    combsModel_->reload();
    historyModel_->reload(ws_);
}

std::vector<size_t> CombsPage::selectedCombRows() const
{
    std::vector<size_t> rows;
    for (int r : SelectedRows(lvCombs_))
        rows.push_back(static_cast<size_t>(r));
    return rows;
}

// ---- the actions ---------------------------------------------------------------

void CombsPage::combsGen()
{
    GenerateDialog dialog(this, ws_.Configuration().SavedGenerateSettings());
    if (dialog.exec() != QDialog::Accepted)
        return;
    host_.run([this, settings = dialog.settings(), save = dialog.saveAsDefault()] {
        ws_.Combinations().NewList(settings, save);
    });
}

void CombsPage::combsOpen()
{
    const QString file = QFileDialog::getOpenFileName(this, host_.actions()["CombsOpen"]->text(), QString(),
                                                      FileFilter(combs::ListFileFilter));
    if (file.isEmpty())
        return;
    host_.run([this, path = ss(file)] {
        const std::optional<int> skipped = ws_.Combinations().Open(path);
        if (skipped && *skipped > 0)
            ws_.Host().showWarning(app::SkippedLinesText(*skipped));
    });
}

void CombsPage::combsSave()
{
    QString file = QFileDialog::getSaveFileName(this, host_.actions()["CombsSave"]->text(), QString(),
                                                FileFilter(combs::ListFileFilter));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QStringLiteral(".lcv"), Qt::CaseInsensitive))
        file += QStringLiteral(".lcv");
    host_.run([this, path = ss(file)] { ws_.Combinations().Save(path); });
}

void CombsPage::combsDelSelected()
{
    const auto rows = selectedCombRows();
    if (rows.empty())
        return;
    host_.run([this, rows] { ws_.Combinations().DeleteRows(rows); }, [this] { lvCombs_->clearSelection(); });
}

void CombsPage::combsCopy()
{
    const auto rows = selectedCombRows();
    if (!rows.empty())
        QApplication::clipboard()->setText(qs(ws_.Combinations().CopyText(rows)));
}

void CombsPage::combsPaste()
{
    host_.run([this, text = ss(QApplication::clipboard()->text())] { ws_.Combinations().Paste(text); });
}

void CombsPage::combsInfo()
{
    const auto rows = SelectedRows(lvCombs_);
    const model::TComb* comb = rows.empty() ? nullptr : combsModel_->combAt(rows.front());
    if (comb == nullptr)
        return;
    const model::TComb numbers = *comb;
    DetailsDialog dialog(
        this, ws_.Archive().CombinationDetails(numbers),
        [this, numbers](int columns) { return ws_.Archive().Card(numbers, columns); },
        ws_.Configuration().Data().MatrixCols);
    dialog.exec();
}

void CombsPage::combsFindInDraws()
{
    const auto rows = selectedCombRows();
    if (!rows.empty())
        ws_.Host().showInformation(ws_.Combinations().FindInDrawsMessage(rows.front()));
}

void CombsPage::combsXlsExport()
{
    auto source = std::make_shared<app::CombListSource>(ws_.Combinations().Combs());
    ExportViewToXlsx(host_, lvCombs_, source,
                     app::MainWindowExportCall(app::CombListControl, support::Text(app::CombsExportTitle)));
}

} // namespace belvane::gui
