#pragma once

// The read-only tables of the main window: how they are made, which rows are
// selected, and their column widths.

#include <QString>
#include <vector>

class QAbstractItemModel;
class QTableView;
class QWidget;

namespace belvane::app {
class WindowStateFile;
}

namespace belvane::gui {

// A read-only table with rows of one text line, whole rows selected, the
// actions added to it as its context menu.
QTableView* MakeTable(QWidget* parent, const QString& name, QAbstractItemModel* model, bool multiSelect);

// The selected rows as the view numbers them, ascending (a selection of
// millions of rows is a few ranges, not millions of indexes).
std::vector<int> SelectedRows(const QTableView* view);
// Selects these rows (as the view numbers them), replacing the selection,
// without moving the current row or scrolling.
void SelectRows(QTableView* view, const std::vector<int>& rows);

std::vector<int> ColumnWidths(const QTableView* view);
// The design widths, each widened to its header's text.
void SetDefaultColumnWidths(QTableView* view, const std::vector<int>& defaults);
// The saved widths of the control's columns; the others keep theirs.
void RestoreColumnWidths(QTableView* view, const app::WindowStateFile& file, const char* control);

} // namespace belvane::gui
