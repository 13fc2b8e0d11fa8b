#pragma once

// The scenario list (lvScript): one row per line, the comment, the options
// summary and the seven filters in canonical form; a separator shows empty
// cells. The model keeps its own copy of the texts, taken after each
// operation, so it never reads the workspace while one runs.

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <vector>

#include "scenario/script_line.h"

namespace belvane::app {
class Workspace;
}

namespace belvane::gui {

class ScriptModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Copies the rows from the workspace (no operation runs). Returns false,
    // and leaves the view alone, when every row reads as before.
    bool reload(const app::Workspace& ws);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    using Row = std::array<QString, scenario::ScriptColumnCount>;
    std::vector<Row> rows_;
};

} // namespace belvane::gui
