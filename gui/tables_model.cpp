#include "gui/tables_model.h"

#include "app/tables_service.h"
#include "app/workspace.h"
#include "gui/qt_text.h"
#include "support/translation.h"

namespace belvane::gui {
namespace {

constexpr int kStepColumn = 2;
constexpr int kStakesColumn = 4;

} // namespace

void TablesModel::reload(const app::Workspace& ws)
{
    beginResetModel();
    rows_.clear();
    const app::TablesService& tables = ws.Tables();
    rows_.reserve(tables.Count());
    for (size_t i = 0; i < tables.Count(); ++i)
        rows_.push_back(tables.RowTexts(i));
    endResetModel();
}

int TablesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TablesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : stakes::TablesColumnCount;
}

QVariant TablesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || static_cast<size_t>(index.row()) >= rows_.size() || index.column() < 0 ||
        index.column() >= stakes::TablesColumnCount)
        return {};
    const std::string& text = rows_[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
    if (role == Qt::DisplayRole)
        return qs(text);
    if (role == Qt::TextAlignmentRole)
        return index.column() == kStepColumn || index.column() == kStakesColumn ? int(Qt::AlignRight | Qt::AlignVCenter)
                                                                                : int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && index.column() == 0)
        return qs(text);
    return {};
}

QVariant TablesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < stakes::TablesColumnCount)
        return qs(support::Text(stakes::TablesColumnCaptions[static_cast<size_t>(section)]));
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace belvane::gui
