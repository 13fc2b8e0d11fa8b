#pragma once

// The systems list (lvSystems): the catalogue as it was last loaded, with
// whether each system is on this computer and whether it is the user's own.
// The model keeps its own copy, so the table never reads the workspace.

#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

#include "systems/system_exchange.h"

namespace belvane::gui {

struct SystemRow {
    systems::tSystemData System;
    bool Loaded = false; // its file is in the folder "Systems"
    bool Own = false;
};

class SystemsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ColumnCount = 11;

    using QAbstractTableModel::QAbstractTableModel;

    void reset(std::vector<SystemRow> rows);
    const std::vector<SystemRow>& rows() const { return rows_; }
    // The row's system; nullptr outside the list.
    const SystemRow* row(int index) const;
    // The row of a listed system; -1 when it is not listed.
    int rowOf(int32_t id) const;
    void setRow(int index, SystemRow row);
    // Appends a row; its index.
    int append(SystemRow row);
    void remove(int index);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<SystemRow> rows_;
};

} // namespace belvane::gui
