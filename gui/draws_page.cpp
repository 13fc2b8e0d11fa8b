#include "gui/draws_page.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "app/archive_service.h"
#include "app/configuration_service.h"
#include "app/download_service.h"
#include "app/draws_csv.h"
#include "app/export_sources.h"
#include "app/setting_keys.h"
#include "app/workspace.h"
#include "gui/action_registry.h"
#include "gui/deferred_input.h"
#include "gui/details_dialog.h"
#include "gui/draw_dialog.h"
#include "gui/draws_model.h"
#include "gui/file_filters.h"
#include "gui/proxy_dialog.h"
#include "gui/qt_text.h"
#include "gui/table_views.h"
#include "gui/xlsx_export_launcher.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::gui {

DrawsPage::DrawsPage(PageHost& host) : Page(host, QStringLiteral("tsDraws"), tr("Архив тиражей"), Side::Left)
{
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Смещение назад:"), this));
    edDrawsOffset_ = new QSpinBox(this);
    edDrawsOffset_->setObjectName(QStringLiteral("edDrawsOffset"));
    edDrawsOffset_->setToolTip(tr("Смещение относительно последнего загруженного номера тиража"));
    edDrawsOffset_->setStatusTip(edDrawsOffset_->toolTip());
    edDrawsOffset_->setMinimumWidth(90);
    row->addWidget(edDrawsOffset_);
    row->addStretch();
    layout->addLayout(row);
    model_ = new DrawsModel(this);
    lvDraws_ = MakeTable(this, QStringLiteral("lvDraws"), model_, true);
    SetDefaultColumnWidths(lvDraws_, {60, 36, 36, 36, 36, 36, 36, 36, 44, 90});
    layout->addWidget(lvDraws_);

    offsetInput_ = new DeferredInput(
        this, [this] { return host_.isRunning(); },
        [this] {
            const int offset = edDrawsOffset_->value();
            if (offset != ws_.Archive().Offset())
                host_.run([this, offset] { ws_.Archive().SetOffset(offset); });
        });
    connect(edDrawsOffset_, &QSpinBox::valueChanged, this, [this] {
        if (!updating_)
            offsetInput_->touch();
    });
    connect(edDrawsOffset_, &QSpinBox::editingFinished, offsetInput_, &DeferredInput::flush);
    connect(lvDraws_, &QTableView::doubleClicked, this, [this] {
        if (QAction* info = host_.actions()["DrawsInfo"]; info->isEnabled())
            info->trigger();
    });
    connect(lvDraws_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { host_.updateActions(); });
    registerActions();
}

void DrawsPage::registerActions()
{
    ActionRegistry& actions = host_.actions();
    actions.add({"DrawsInfo", tr("Сведения о тираже"), {}, {}, [this] { drawsInfo(); }});
    actions.add({"DrawsAdd", tr("Добавить"), {}, tr("Добавить новый тираж в архив"), [this] { drawsAdd(); }});
    actions.add({"DrawsEdit", tr("Изменить"), {}, tr("Изменить выделенный тираж"), [this] { drawsEdit(); }});
    actions.add({"DrawsDel", tr("Удалить"), {}, tr("Удалить выделенные тиражи из архива"), [this] { drawsDel(); }});
    actions.add({"DrawsSorted",
                 tr("Упорядочить MIN->MAX"),
                 {},
                 tr("Показывать числа тиражей по возрастанию"),
                 [this] { host_.run([this] { ws_.Archive().ToggleSorted(); }); },
                 [this] { return ws_.Archive().Sorted(); }});
    actions.add({"DrawsImport", tr("Импорт из CSV-файла"), {}, {}, [this] { drawsImport(); }});
    actions.add({"DrawsExport", tr("Экспорт в CSV-файл"), {}, {}, [this] { drawsExport(); }});
    actions.add(
        {"DrawsXlsExport", tr("Экспорт в Microsoft Excel"), {}, tr("Экспорт архива тиражей в Microsoft Excel"), [this] {
             drawsXlsExport();
         }});
    actions.add({"ViewColorDraws",
                 tr("Каналы цветом в списке тиражей"),
                 {},
                 {},
                 [this] {
                     ws_.SetSetting(app::key::ColorDraws, ws_.Settings().Flag(app::key::ColorDraws) ? 0 : 1);
                     refresh();
                     host_.updateActions();
                 },
                 [this] { return ws_.Settings().Flag(app::key::ColorDraws); }});

    actions["DrawsAdd"]->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    actions["DrawsImport"]->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    actions["DrawsDel"]->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));

    registerDownloadActions();
    host_.addToMenu(QStringLiteral("Файл"), {"DrawsImport", "DrawsExport", "DrawsXlsExport"});
    host_.addToMenu(QStringLiteral("Тиражи"), {"DrawsDownload", nullptr, "DrawsInfo", "DrawsAdd", "DrawsEdit",
                                               "DrawsDel", nullptr, "DrawsSorted"});
    host_.addToMenu(QStringLiteral("Вид"), {"ViewColorDraws"});
    host_.addToToolBar({"DrawsAdd", "DrawsImport"});
    lvDraws_->addActions({actions["DrawsInfo"], actions["DrawsAdd"], actions["DrawsEdit"], actions["DrawsDel"],
                          actions["DrawsXlsExport"]});
}

void DrawsPage::registerDownloadActions()
{
    ActionRegistry& actions = host_.actions();
    actions.add({"DrawsDownload", tr("Загрузка"), QKeySequence(Qt::Key_F3),
                 tr("Загрузка архива тиражей с сайта лотереи"), [this] { drawsDownload(); }});
    actions["DrawsDownload"]->setIcon(style()->standardIcon(QStyle::SP_DriveNetIcon));
    actions.add({"EditProxy", tr("Параметры proxy-сервера"), {}, {}, [this] { editProxy(); }});

    // "Автозагрузка при запуске программы": three radio items, one per DownloadDrawsOnStart.
    auto* startup = new QMenu(tr("Автозагрузка при запуске программы"), this);
    startup->setObjectName(QStringLiteral("menuAutoDownload"));
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    const char* const names[] = {"AutoDownload0", "AutoDownload1", "AutoDownload2"};
    const QString captions[] = {tr("По запросу (по умолчанию)"), tr("Автоматически"), tr("Отключено")};
    for (int choice = 0; choice < 3; ++choice) {
        QAction* item = actions.add({names[choice],
                                     captions[choice],
                                     {},
                                     {},
                                     [this, choice] {
                                         ws_.Download().SetStartupChoice(choice);
                                         host_.updateActions();
                                     },
                                     [this, choice] { return ws_.Download().StartupChoice() == choice; }});
        group->addAction(item);
        startup->addAction(item);
    }
    QAction* submenu = actions.add({"AutoDownload", startup->title(), {}, {}, {}});
    submenu->setMenu(startup);
    host_.addToMenu(QStringLiteral("Настройки"), {"EditProxy", "AutoDownload", nullptr});
    host_.addToToolBar({"DrawsDownload"});
}

void DrawsPage::fillSelection(app::ViewSelection& selection) const
{
    selection.DrawRows = SelectedRows(lvDraws_).size();
}

void DrawsPage::restoreState(const app::WindowStateFile& file)
{
    RestoreColumnWidths(lvDraws_, file, "lvDraws");
}

void DrawsPage::saveState(app::WindowClosingState& state)
{
    state.ColumnWidths["lvDraws"] = ColumnWidths(lvDraws_);
}

std::vector<int> DrawsPage::selectedNumbers() const
{
    std::vector<int> numbers;
    for (int row : SelectedRows(lvDraws_))
        if (const model::TDraw* draw = model_->drawAt(row))
            numbers.push_back(draw->Number);
    return numbers;
}

void DrawsPage::refresh()
{
    // The selection and the current row follow their draws, by number.
    const std::vector<int> selected = selectedNumbers();
    const model::TDraw* current = model_->drawAt(lvDraws_->currentIndex().row());
    const int currentNumber = current ? current->Number : -1;
    const int oldOffset = model_->offset();
    const int oldCount = model_->rowCount();

    model_->reload(ws_);
    std::vector<int> rows;
    for (int number : selected)
        if (const int row = model_->rowOfNumber(number); row >= 0)
            rows.push_back(row);
    if (const int row = model_->rowOfNumber(currentNumber); row >= 0) {
        // Where the user scrolled stays: bringing the current row back does not scroll to it.
        const bool autoScroll = lvDraws_->hasAutoScroll();
        lvDraws_->setAutoScroll(false);
        lvDraws_->selectionModel()->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::NoUpdate);
        lvDraws_->setAutoScroll(autoScroll);
    }
    SelectRows(lvDraws_, rows);

    updating_ = true;
    edDrawsOffset_->setRange(0, std::max(model_->rowCount() - 1, 0));
    if (!offsetInput_->pending())
        edDrawsOffset_->setValue(ws_.Archive().Offset());
    updating_ = false;
    if (model_->offset() != oldOffset || model_->rowCount() != oldCount)
        lvDraws_->scrollTo(model_->index(model_->offset(), 0));
}

// ---- the actions ---------------------------------------------------------------

void DrawsPage::drawsInfo()
{
    const auto rows = SelectedRows(lvDraws_);
    const model::TDraw* draw = rows.empty() ? nullptr : model_->drawAt(rows.front());
    if (draw == nullptr)
        return;
    const model::TComb numbers = draw->Balls;
    DetailsDialog dialog(
        this, ws_.Archive().DrawDetails(rows.front()),
        [this, numbers](int columns) { return ws_.Archive().Card(numbers, columns); },
        ws_.Configuration().Data().MatrixCols);
    dialog.exec();
}

void DrawsPage::drawsAdd()
{
    DrawDialog dialog(this, ws_.Archive().NewDraw());
    if (dialog.exec() != QDialog::Accepted)
        return;
    host_.run([this, draw = dialog.draw()] { ws_.Archive().AddDraw(draw); });
}

void DrawsPage::drawsEdit()
{
    const auto rows = SelectedRows(lvDraws_);
    const model::TDraw* draw = rows.empty() ? nullptr : model_->drawAt(rows.front());
    if (draw == nullptr)
        return;
    const int index = ws_.Archive().FindDrawIndex(draw->Number);
    DrawDialog dialog(this, *draw);
    if (dialog.exec() != QDialog::Accepted)
        return;
    host_.run([this, index, edited = dialog.draw()] { ws_.Archive().ReplaceDraw(index, edited); });
}

void DrawsPage::drawsDel()
{
    // The question is asked while the list shows the rows it names.
    const std::vector<int> numbers = selectedNumbers();
    if (numbers.empty() || !ws_.Host().askYesNo(CaptionCaution, DeleteRowsQuestion(numbers.size()), false))
        return;
    host_.run([this, numbers] { ws_.Archive().DeleteDrawNumbers(numbers); });
}

void DrawsPage::drawsImport()
{
    const QString file = QFileDialog::getOpenFileName(this, host_.actions()["DrawsImport"]->text(), QString(),
                                                      FileFilter(app::DrawsCsvFilter));
    if (file.isEmpty())
        return;
    host_.run([this, path = ss(file)] {
        // What was added, as the command line reports it; a warning when lines were no draws.
        const auto r = ws_.Archive().Import(path);
        if (!r)
            return;
        if (r->rejected > 0)
            ws_.Host().showWarning(app::ImportSummaryText(*r));
        else
            ws_.Host().showInformation(app::ImportSummaryText(*r));
    });
}

void DrawsPage::drawsDownload()
{
    host_.run([this] { ws_.Download().DrawsDownload(); });
}

void DrawsPage::downloadAtStartup()
{
    if (ws_.Download().StartupDownloadWanted())
        drawsDownload();
}

void DrawsPage::editProxy()
{
    ProxyDialog dialog(this, ws_.Configuration().Proxy());
    if (dialog.exec() != QDialog::Accepted)
        return;
    host_.run([this, edited = dialog.settings()] { ws_.Configuration().ApplyProxy(edited); });
}

void DrawsPage::drawsExport()
{
    QString file = QFileDialog::getSaveFileName(this, host_.actions()["DrawsExport"]->text(), QString(),
                                                FileFilter(app::DrawsCsvFilter));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        file += QStringLiteral(".csv");
    host_.run([this, path = ss(file)] { ws_.Archive().Export(path); });
}

void DrawsPage::drawsXlsExport()
{
    auto source = std::make_shared<app::DrawsListSource>(ws_.Archive().Draws(), ws_.Archive().Sorted());
    ExportViewToXlsx(host_, lvDraws_, source,
                     app::MainWindowExportCall(app::DrawsListControl, support::Text(app::DrawsExportTitle)));
}

} // namespace belvane::gui
