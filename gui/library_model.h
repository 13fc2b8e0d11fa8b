#pragma once

// The online scenario library's list (lvOnlineScripts): the catalogue as it
// was last loaded under the chosen filter. The model keeps its own copy, so
// the table never reads the workspace.

#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

#include "scenario/library_exchange.h"

namespace belvane::gui {

class LibraryModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ColumnCount = 13;

    using QAbstractTableModel::QAbstractTableModel;

    void reset(std::vector<scenario::tScriptInfo> entries);
    // The row's entry; nullptr outside the list.
    const scenario::tScriptInfo* entry(int row) const;
    // The row of an entry; -1 when it is not listed.
    int rowOf(int32_t id) const;
    void setEntry(int row, scenario::tScriptInfo entry);
    // Appends a row; its index.
    int append(scenario::tScriptInfo entry);
    void remove(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<scenario::tScriptInfo> entries_;
};

} // namespace belvane::gui
