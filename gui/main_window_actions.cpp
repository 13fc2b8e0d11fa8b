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
    const model::TDraw& draw = app::DrawAtRow(ws_->Archive().Draws(), rows.front());
    const model::TComb numbers = draw.Balls;
    DetailsDialog dialog(
        this, ws_->Archive().DrawDetails(rows.front()),
        [this, numbers](int columns) { return ws_->Archive().Card(numbers, columns); },
        ws_->Configuration().Data().MatrixCols);
    dialog.exec();
}

void MainWindow::drawsAdd()
{
    DrawDialog dialog(this, ws_->Archive().NewDraw());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const model::TDraw draw = dialog.draw();
    run([this, draw] { ws_->Archive().AddDraw(draw); });
}

void MainWindow::drawsEdit()
{
    const auto rows = selectedDrawRows();
    if (rows.empty())
        return;
    const int index = model::IndexAtDistance(ws_->Archive().Draws(), rows.front());
    DrawDialog dialog(this, ws_->Archive().Draws()[static_cast<size_t>(index)]);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const model::TDraw draw = dialog.draw();
    run([this, index, draw] { ws_->Archive().ReplaceDraw(index, draw); });
}

void MainWindow::drawsDel()
{
    const auto rows = selectedDrawRows();
    run([this, rows] { ws_->Archive().DeleteDrawRows(rows); }, [this] { lvDraws_->clearSelection(); });
}

void MainWindow::drawsImport()
{
    const QString file =
        QFileDialog::getOpenFileName(this, action("DrawsImport")->text(), QString(), FileFilter(app::DrawsCsvFilter));
    if (file.isEmpty())
        return;
    run([this, path = ss(file)] {
        if (const auto r = ws_->Archive().Import(path); r && r->rejected > 0)
            ws_->Host().showWarning(app::ImportSummaryText(*r));
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
    run([this, path = ss(file)] { ws_->Archive().Export(path); });
}

void MainWindow::combsGen()
{
    GenerateDialog dialog(this, ws_->Configuration().SavedGenerateSettings());
    if (dialog.exec() != QDialog::Accepted)
        return;
    run([this, settings = dialog.settings(), save = dialog.saveAsDefault()] {
        ws_->Combinations().NewList(settings, save);
    });
}

void MainWindow::combsOpen()
{
    const QString file =
        QFileDialog::getOpenFileName(this, action("CombsOpen")->text(), QString(), FileFilter(combs::ListFileFilter));
    if (file.isEmpty())
        return;
    run([this, path = ss(file)] {
        const std::optional<int> skipped = ws_->Combinations().Open(path);
        if (skipped && *skipped > 0)
            ws_->Host().showWarning(app::SkippedLinesText(*skipped));
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
    run([this, path = ss(file)] { ws_->Combinations().Save(path); });
}

void MainWindow::combsDelSelected()
{
    const auto rows = selectedCombRows();
    if (rows.empty())
        return;
    run([this, rows] { ws_->Combinations().DeleteRows(rows); }, [this] { lvCombs_->clearSelection(); });
}

void MainWindow::combsCopy()
{
    auto rows = selectedCombRows();
    if (rows.empty())
        return;
    QApplication::clipboard()->setText(qs(ws_->Combinations().CopyText(rows)));
}

void MainWindow::combsPaste()
{
    const std::string text = ss(QApplication::clipboard()->text());
    run([this, text] { ws_->Combinations().Paste(text); });
}

void MainWindow::combsInfo()
{
    const auto rows = selectedCombRows();
    if (rows.empty())
        return;
    const model::TComb numbers = ws_->Combinations().Combs()[rows.front()];
    DetailsDialog dialog(
        this, ws_->Archive().CombinationDetails(numbers),
        [this, numbers](int columns) { return ws_->Archive().Card(numbers, columns); },
        ws_->Configuration().Data().MatrixCols);
    dialog.exec();
}

void MainWindow::combsFindInDraws()
{
    const auto rows = selectedCombRows();
    if (rows.empty())
        return;
    ws_->Host().showInformation(ws_->Combinations().FindInDrawsMessage(rows.front()));
}

void MainWindow::statFilter(bool remove)
{
    const auto rows = selectedStatRows();
    run([this, rows, remove] { ws_->Statistics().FilterByRows(rows, remove); });
}

void MainWindow::filtersReset()
{
    run([this] { ws_->Statistics().ResetFavorites(); }, [this] { refreshStatTypes(); });
}

void MainWindow::editConfig()
{
    ConfigDialog dialog(this, ws_->Configuration().Data());
    if (dialog.exec() != QDialog::Accepted)
        return;
    run([this, edited = dialog.config()] { ws_->Configuration().Apply(edited); }, [this] { refreshStatTypes(); });
}

} // namespace belvane::gui
