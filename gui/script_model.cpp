#include "gui/script_model.h"

#include "app/scenario_service.h"
#include "app/workspace.h"
#include "gui/qt_text.h"
#include "support/translation.h"

namespace belvane::gui {

bool ScriptModel::reload(const app::Workspace& ws)
{
    const app::ScenarioService& scenario = ws.Scenario();
    std::vector<Row> rows(static_cast<size_t>(scenario.Count()));
    for (int i = 0; i < scenario.Count(); ++i) {
        const auto texts = scenario.RowTexts(i);
        for (size_t c = 0; c < texts.size(); ++c)
            rows[static_cast<size_t>(i)][c] = qs(texts[c]);
    }
    if (rows == rows_)
        return false;
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
    return true;
}

int ScriptModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ScriptModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : scenario::ScriptColumnCount;
}

QVariant ScriptModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || static_cast<size_t>(index.row()) >= rows_.size() || index.column() < 0 ||
        index.column() >= scenario::ScriptColumnCount)
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        const QString& text = rows_[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
        if (role == Qt::ToolTipRole && text.isEmpty())
            return {};
        return text;
    }
    return {};
}

QVariant ScriptModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < scenario::ScriptColumnCount)
        return qs(support::Text(scenario::ScriptColumnCaptions[static_cast<size_t>(section)]));
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace belvane::gui
