#include "gui/stat_table_model.h"

#include "app/statistics_service.h"
#include "app/workspace.h"
#include "gui/qt_text.h"
#include "support/translation.h"

namespace belvane::gui {

void StatTableModel::reload(const app::Workspace& ws)
{
    beginResetModel();
    rows_ = ws.Statistics().Table().Rows;
    entry_ = ws.Statistics().ChosenEntry();
    endResetModel();
}

std::vector<uint64_t> StatTableModel::keysOfRows(const std::vector<int>& rows) const
{
    std::vector<uint64_t> keys;
    for (int r : rows)
        if (r >= 0 && static_cast<size_t>(r) < rows_.size())
            keys.push_back(stats::KeyOf(rows_[static_cast<size_t>(r)].Value));
    return keys;
}

int StatTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int StatTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : app::DrawsStatColumnCount;
}

QVariant StatTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || static_cast<size_t>(index.row()) >= rows_.size())
        return {};
    const app::DrawsStatRow& row = rows_[static_cast<size_t>(index.row())];
    const auto column = static_cast<size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return qs(row.Cells[column]);
    case Qt::TextAlignmentRole:
        return column == app::StatColValue ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                           : int(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool StatTableModel::rowLess(int a, int b, int column) const
{
    return app::StatRowLess(rows_[static_cast<size_t>(a)], a, rows_[static_cast<size_t>(b)], b, column);
}

bool StatSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const auto* model = static_cast<const StatTableModel*>(sourceModel());
    return model->rowLess(left.row(), right.row(), left.column());
}

QVariant StatTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < app::DrawsStatColumnCount)
        return qs(support::Text(app::DrawsStatCaptions[static_cast<size_t>(section)]));
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace belvane::gui
