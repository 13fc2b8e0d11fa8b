#pragma once

// Every "Экспорт ... в Microsoft Excel" action of the main window: the export
// dialog on the list as the user sees it (its column widths, its selected
// rows), then the workbook written on the worker thread with the cancellable
// progress window, and the finished workbook opened in the desktop's
// application for such files.

#include <memory>

#include "support/export_parameters.h"
#include "support/table_source.h"

class QTableView;

namespace belvane::gui {

class PageHost;

// `source` reads the rows the view shows, in the view's order; it must stay
// valid until the operation is over (no other operation runs meanwhile).
void ExportViewToXlsx(PageHost& host, QTableView* view, std::shared_ptr<xlsx::ColumnListSource> source,
                      const xlsx::ExportCall& call);

// Whether a finished workbook is handed to the desktop (not on the
// offscreen and minimal platforms that tests and pictures use).
bool OpensFinishedWorkbooks();

} // namespace belvane::gui
