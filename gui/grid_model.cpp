#include "gui/grid_model.h"

#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>

namespace belvane::gui {

void GridModel::reset(QStringList headings, std::vector<std::vector<GridCell>> rows)
{
    beginResetModel();
    headings_ = std::move(headings);
    rows_ = std::move(rows);
    endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

const GridCell& GridModel::cell(int row, int column) const
{
    static const GridCell kNone;
    if (row < 0 || row >= rowCount() || column < 0)
        return kNone;
    const auto& cells = rows_[static_cast<size_t>(row)];
    return static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)] : kNone;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    const GridCell& c = cell(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return c.Text;
    case Qt::BackgroundRole:
        return c.Background.isValid() ? QVariant(c.Background) : QVariant();
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < headings_.size())
        return headings_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

GridSelection SelectedCells(const QTableView* view, const GridModel& model)
{
    GridSelection selection;
    QModelIndexList indexes = view->selectionModel()->selectedIndexes();
    if (indexes.isEmpty())
        return selection;
    std::sort(indexes.begin(), indexes.end(), [](const QModelIndex& a, const QModelIndex& b) {
        return a.column() != b.column() ? a.column() < b.column() : a.row() < b.row();
    });
    selection.FirstColumn = indexes.front().column();
    selection.LastColumn = indexes.back().column();
    for (const QModelIndex& index : indexes)
        selection.Texts.push_back(model.cell(index.row(), index.column()).Text.toStdString());
    return selection;
}

} // namespace belvane::gui
