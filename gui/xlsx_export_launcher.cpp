#include "gui/xlsx_export_launcher.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QUrl>
#include <algorithm>
#include <filesystem>
#include <map>
#include <string>

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

// The choices of the last export of each list that failed: the dialog shows
// them again rather than the stored or initial ones.
struct FailedExport {
    xlsx::ExportParameters Params;
    std::filesystem::path Target;
};
std::map<std::string, FailedExport>& FailedExports()
{
    static std::map<std::string, FailedExport> failed;
    return failed;
}

// Whether the choices still fit the source (its columns may have changed).
bool FitsSource(const xlsx::ExportParameters& params, const xlsx::TableSource& source)
{
    const std::vector<xlsx::ExportField> fields = xlsx::BuildExportFields(source);
    if (fields.size() != params.Fields.size())
        return false;
    for (const xlsx::ExportField& f : params.Fields)
        if (f.Id < 0 || f.Id >= static_cast<int>(fields.size()) ||
            fields[static_cast<size_t>(f.Id)].PhysicalField != f.PhysicalField)
            return false;
    return true;
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
    const std::string section = xlsx::ExportSectionName(call.Owner, call.Control);
    if (auto failed = FailedExports().find(section); failed != FailedExports().end()) {
        if (FitsSource(failed->second.Params, *source))
            dialog.restore(failed->second.Params, failed->second.Target);
        FailedExports().erase(failed);
    }
    if (dialog.exec() != QDialog::Accepted)
        return;

    auto result = std::make_shared<app::ExportResult>(app::ExportResult::Failed);
    host.run([&ws, source, result, params = dialog.parameters(), rows = dialog.rows(),
              target = dialog.target()] { *result = app::ExportToXlsx(ws.Host(), *source, params, rows, target); },
             [&ws, result, section, params = dialog.parameters(), target = dialog.target()] {
                 if (*result == app::ExportResult::Failed) {
                     FailedExports()[section] = {params, target};
                     return;
                 }
                 if (*result != app::ExportResult::Written)
                     return;
                 try {
                     xlsx::RememberExportFolder(ws.Files().config(), std::filesystem::absolute(target).parent_path());
                 } catch (const std::exception&) {
                     // Only the next proposal is lost; the workbook is written.
                 }
                 if (OpensFinishedWorkbooks())
                     QDesktopServices::openUrl(QUrl::fromLocalFile(qs(target.string())));
             });
}

} // namespace belvane::gui
