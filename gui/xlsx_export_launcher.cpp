#include "gui/xlsx_export_launcher.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QUrl>
#include <algorithm>

#include "app/workspace.h"
#include "app/xlsx_export_action.h"
#include "gui/page.h"
#include "gui/qt_text.h"
#include "gui/xlsx_export_dialog.h"

namespace belvane::gui {

namespace {

// The selected rows as ranges: a selection of millions of rows is a few ranges.
std::vector<xlsx::RowRange> SelectedRanges(const QTableView* view)
{
    std::vector<xlsx::RowRange> ranges;
    if (const QItemSelectionModel* model = view->selectionModel())
        for (const QItemSelectionRange& range : model->selection())
            ranges.push_back({range.top(), static_cast<int64_t>(range.bottom()) + 1});
    return ranges;
}

// The widths the user gave the columns on screen.
void TakeColumnWidths(const QTableView* view, xlsx::ColumnListSource& source)
{
    const int columns = std::min(view->horizontalHeader()->count(), source.columnCount());
    for (int c = 0; c < columns; ++c)
        if (!view->isColumnHidden(c))
            source.columns()[static_cast<size_t>(c)].PixelWidth = view->columnWidth(c);
}

} // namespace

bool OpensFinishedWorkbooks()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void ExportViewToXlsx(PageHost& host, QTableView* view, std::shared_ptr<xlsx::ColumnListSource> source,
                      const xlsx::ExportCall& call)
{
    TakeColumnWidths(view, *source);
    const QAbstractItemView::SelectionMode mode = view->selectionMode();
    const bool multiSelect = mode == QAbstractItemView::ExtendedSelection || mode == QAbstractItemView::MultiSelection;
    app::Workspace& ws = host.workspace();
    XlsxExportDialog dialog(view->window(), call, *source, SelectedRanges(view), multiSelect, ws.Files());
    if (dialog.exec() != QDialog::Accepted)
        return;

    auto result = std::make_shared<app::ExportResult>(app::ExportResult::Failed);
    host.run([&ws, source, result, params = dialog.parameters(), rows = dialog.rows(),
              target = dialog.target()] { *result = app::ExportToXlsx(ws.Host(), *source, params, rows, target); },
             [result, target = dialog.target()] {
                 if (*result == app::ExportResult::Written && OpensFinishedWorkbooks())
                     QDesktopServices::openUrl(QUrl::fromLocalFile(qs(target.string())));
             });
}

} // namespace belvane::gui
