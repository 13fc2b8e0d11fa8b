#pragma once

// The statistics table (lvDrawsStat): 20 columns, sorted by the one rule
// the scenario runner sorts by too (app::StatRowLess: stable, "-" below every
// number). The model keeps its own copy of the rows, taken after each operation.

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <cstdint>
#include <vector>

#include "app/draws_stat_table.h"

namespace belvane::app {
class Workspace;
}

namespace belvane::gui {

class StatTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void reload(const app::Workspace& ws);
    // The registry entry whose values the rows hold (-1: none).
    int entry() const { return entry_; }
    // The value keys of these rows (as the model numbers them).
    std::vector<uint64_t> keysOfRows(const std::vector<int>& rows) const;

    // Whether row a comes before row b sorted ascending by the column.
    bool rowLess(int a, int b, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<app::DrawsStatRow> rows_;
    int entry_ = -1;
};

// The table's order on the page.
class StatSortModel final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

} // namespace belvane::gui
