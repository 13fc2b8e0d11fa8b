#include "gui/table_views.h"

#include <QHeaderView>
#include <QItemSelection>
#include <QTableView>
#include <algorithm>

#include "app/window_settings.h"

namespace belvane::gui {

QTableView* MakeTable(QWidget* parent, const QString& name, QAbstractItemModel* model, bool multiSelect)
{
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(false);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    return view;
}

std::vector<int> SelectedRows(const QTableView* view)
{
    std::vector<int> rows;
    for (const QItemSelectionRange& range : view->selectionModel()->selection())
        for (int r = range.top(); r <= range.bottom(); ++r)
            rows.push_back(r);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void SelectRows(QTableView* view, const std::vector<int>& rows)
{
    std::vector<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    QItemSelection selection;
    const QAbstractItemModel* model = view->model();
    const int last = model->columnCount() - 1;
    for (size_t i = 0; i < sorted.size();) {
        size_t j = i;
        while (j + 1 < sorted.size() && sorted[j + 1] <= sorted[j] + 1)
            ++j;
        selection.select(model->index(sorted[i], 0), model->index(sorted[j], last));
        i = j + 1;
    }
    view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

std::vector<int> ColumnWidths(const QTableView* view)
{
    std::vector<int> widths;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        widths.push_back(view->columnWidth(c));
    return widths;
}

void SetDefaultColumnWidths(QTableView* view, const std::vector<int>& defaults)
{
    const QHeaderView* header = view->horizontalHeader();
    for (int c = 0; c < static_cast<int>(defaults.size()) && c < view->model()->columnCount(); ++c)
        view->setColumnWidth(c, std::max(defaults[static_cast<size_t>(c)], header->sectionSizeHint(c)));
}

void RestoreColumnWidths(QTableView* view, const app::WindowStateFile& file, const char* control)
{
    const std::vector<int> widths = app::LoadColumnWidths(file, app::MainWindowSection, control, ColumnWidths(view));
    for (int c = 0; c < static_cast<int>(widths.size()) && c < view->model()->columnCount(); ++c)
        if (widths[static_cast<size_t>(c)] > 0)
            view->setColumnWidth(c, widths[static_cast<size_t>(c)]);
}

} // namespace belvane::gui
