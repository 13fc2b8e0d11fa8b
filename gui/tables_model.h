#pragma once

// The regular stakes list (lvTables): a row per regular stake with its five
// cells, copied from the workspace after each operation.

#include <QAbstractTableModel>
#include <array>
#include <string>
#include <vector>

#include "stakes/regular_rules.h"

namespace belvane::app {
class Workspace;
}

namespace belvane::gui {

class TablesModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Copies the rows from the workspace (no operation runs).
    void reload(const app::Workspace& ws);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<std::array<std::string, stakes::TablesColumnCount>> rows_;
};

} // namespace belvane::gui
