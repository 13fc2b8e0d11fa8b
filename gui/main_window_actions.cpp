// The main window's action handlers: collect input in dialogs, then run the
// workspace's operation.

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <algorithm>
#include <fmt/format.h>

#include "app/draws_list.h"
#include "combs/clipboard_text.h"
#include "combs/list_file.h"
#include "combs/list_queries.h"
#include "gui/config_dialog.h"
#include "gui/details_dialog.h"
#include "gui/draw_dialog.h"
#include "gui/file_filters.h"
#include "gui/generate_dialog.h"
#include "gui/main_window.h"
#include "gui/qt_host.h"
#include "gui/qt_text.h"

namespace belvane::gui {
namespace {

// The rows of a view's selection, ascending, from its ranges (a selection of
// millions of rows is a few ranges, not millions of indexes).
template <class Row>
std::vector<Row> selectedRows(const QTableView* view)
{
    std::vector<Row> rows;
    for (const QItemSelectionRange& range : view->selectionModel()->selection())
        for (int r = range.top(); r <= range.bottom(); ++r)
            rows.push_back(static_cast<Row>(r));
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

} // namespace

std::vector<int> MainWindow::selectedDrawRows() const
{
    return selectedRows<int>(lvDraws_);
}

std::vector<size_t> MainWindow::selectedCombRows() const
{
    return selectedRows<size_t>(lvCombs_);
}

std::vector<int> MainWindow::selectedStatRows() const
{
    // Top to bottom as the table shows them, as the model numbers them.
    std::vector<int> rows;
    for (int viewRow : selectedRows<int>(lvDrawsStat_))
        rows.push_back(statSort_->mapToSource(statSort_->index(viewRow, 0)).row());
    return rows;
}

void MainWindow::selectStatRows(const std::vector<int>& modelRows)
{
    QItemSelection selection;
    for (int r : modelRows) {
        const QModelIndex index = statSort_->mapFromSource(statSort_->sourceModel()->index(r, 0));
        selection.select(index, index);
    }
    lvDrawsStat_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void MainWindow::drawsInfo()
{
    const auto rows = selectedDrawRows();
    if (rows.empty())
        return;
    const model::TDraw& draw = app::DrawAtRow(ws_->Draws(), rows.front());
    const model::TComb numbers = draw.Balls;
    DetailsDialog dialog(
        this, ws_->DrawDetails(rows.front()), [this, numbers](int columns) { return ws_->Card(numbers, columns); },
        ws_->Registry().Config().MatrixCols);
    dialog.exec();
}

void MainWindow::drawsAdd()
{
    DrawDialog dialog(this, ws_->NewDraw());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const model::TDraw draw = dialog.draw();
    run([this, draw] { ws_->AddDraw(draw); });
}

void MainWindow::drawsEdit()
{
    const auto rows = selectedDrawRows();
    if (rows.empty())
        return;
    const int index = model::IndexAtDistance(ws_->Draws(), rows.front());
    DrawDialog dialog(this, ws_->Draws()[static_cast<size_t>(index)]);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const model::TDraw draw = dialog.draw();
    run([this, index, draw] { ws_->ReplaceDraw(index, draw); });
}

void MainWindow::drawsDel()
{
    const auto rows = selectedDrawRows();
    run([this, rows] { ws_->DeleteDrawRows(rows); }, [this] { lvDraws_->clearSelection(); });
}

void MainWindow::drawsImport()
{
    const QString file =
        QFileDialog::getOpenFileName(this, action("DrawsImport")->text(), QString(), FileFilter(app::DrawsCsvFilter));
    if (file.isEmpty())
        return;
    run([this, path = ss(file)] {
        if (const auto r = ws_->ImportDraws(path); r && r->rejected > 0)
            ws_->host().showWarning(app::ImportSummaryText(*r));
    });
}

void MainWindow::drawsExport()
{
    QString file =
        QFileDialog::getSaveFileName(this, action("DrawsExport")->text(), QString(), FileFilter(app::DrawsCsvFilter));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        file += QStringLiteral(".csv");
    run([this, path = ss(file)] { ws_->ExportDraws(path); });
}

void MainWindow::combsGen()
{
    GenerateDialog dialog(this, ws_->SavedGenerateSettings());
    if (dialog.exec() != QDialog::Accepted)
        return;
    run([this, settings = dialog.settings(), save = dialog.saveAsDefault()] {
        ws_->NewCombinationList(settings, save);
    });
}

void MainWindow::combsOpen()
{
    const QString file =
        QFileDialog::getOpenFileName(this, action("CombsOpen")->text(), QString(), FileFilter(combs::ListFileFilter));
    if (file.isEmpty())
        return;
    run([this, path = ss(file)] {
        const int skipped = app::OpenList(ws_->host(), ws_->Combinations(), path);
        if (skipped > 0)
            ws_->host().showWarning(app::SkippedLinesText(skipped));
    });
}

void MainWindow::combsSave()
{
    QString file =
        QFileDialog::getSaveFileName(this, action("CombsSave")->text(), QString(), FileFilter(combs::ListFileFilter));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QStringLiteral(".lcv"), Qt::CaseInsensitive))
        file += QStringLiteral(".lcv");
    run([this, path = ss(file)] { app::SaveList(ws_->host(), ws_->Combinations(), path); });
}

void MainWindow::combsDelSelected()
{
    const auto rows = selectedCombRows();
    if (rows.empty())
        return;
    run([this, rows] { app::DeleteRows(ws_->host(), ws_->Combinations(), rows); },
        [this] { lvCombs_->clearSelection(); });
}

void MainWindow::combsCopy()
{
    auto rows = selectedCombRows();
    if (rows.empty())
        return;
    QApplication::clipboard()->setText(qs(combs::CopyText(ws_->Combinations().List.combs(), rows)));
}

void MainWindow::combsPaste()
{
    const std::string text = ss(QApplication::clipboard()->text());
    run([this, text] { app::PasteList(ws_->host(), ws_->Combinations(), text); });
}

void MainWindow::combsInfo()
{
    const auto rows = selectedCombRows();
    if (rows.empty())
        return;
    const model::TComb numbers = ws_->Combinations().List.combs()[rows.front()];
    DetailsDialog dialog(
        this, ws_->CombinationDetails(numbers), [this, numbers](int columns) { return ws_->Card(numbers, columns); },
        ws_->Registry().Config().MatrixCols);
    dialog.exec();
}

void MainWindow::combsFindInDraws()
{
    const auto rows = selectedCombRows();
    if (rows.empty())
        return;
    const model::TComb numbers = ws_->Combinations().List.combs()[rows.front()];
    app::StatusScope status(ws_->host(), "Поиск по архиву тиражей...");
    ws_->host().showInformation(combs::FindInDrawsMessage(ws_->Draws(), numbers));
}

void MainWindow::statFilter(bool remove)
{
    const auto rows = selectedStatRows();
    run([this, rows, remove] { ws_->FilterByStatRows(rows, remove); });
}

void MainWindow::filtersReset()
{
    run([this] { ws_->ResetFavorites(); }, [this] { refreshStatTypes(); });
}

void MainWindow::editConfig()
{
    ConfigDialog dialog(this, ws_->Registry().Config());
    if (dialog.exec() != QDialog::Accepted)
        return;
    run([this, edited = dialog.config()] { ws_->ApplyConfiguration(edited); }, [this] { refreshStatTypes(); });
}

} // namespace belvane::gui
