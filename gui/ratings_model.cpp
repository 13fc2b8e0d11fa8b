#include "gui/ratings_model.h"

#include <unordered_set>

#include "app/ratings_service.h"
#include "app/workspace.h"
#include "gui/qt_text.h"
#include "support/translation.h"

namespace belvane::gui {

void RatingsModel::reload(const app::Workspace& ws)
{
    beginResetModel();
    records_ = ws.Ratings().Ratings().records();
    chance_ = ws.Ratings().CompareWithChance();
    compared_ = stakes::RowsCompared(chance_);
    mode_ = ws.Ratings().Mode();
    hits_ = ws.Hits();
    endResetModel();
}

std::vector<std::string> RatingsModel::keysOfRows(const std::vector<int>& rows) const
{
    std::vector<std::string> keys;
    for (int r : rows)
        if (r >= 0 && static_cast<size_t>(r) < records_.size())
            keys.push_back(records_[static_cast<size_t>(r)].Key);
    return keys;
}

std::vector<int> RatingsModel::rowsOfKeys(const std::vector<std::string>& keys) const
{
    std::vector<int> rows;
    if (keys.empty())
        return rows;
    const std::unordered_set<std::string> wanted(keys.begin(), keys.end());
    for (size_t i = 0; i < records_.size(); ++i)
        if (wanted.contains(records_[i].Key))
            rows.push_back(static_cast<int>(i));
    return rows;
}

const stakes::RatingRecord* RatingsModel::record(int row) const
{
    return row >= 0 && static_cast<size_t>(row) < records_.size() ? &records_[static_cast<size_t>(row)] : nullptr;
}

const stakes::RowChance* RatingsModel::chance(int row) const
{
    return row >= 0 && static_cast<size_t>(row) < chance_.size() ? &chance_[static_cast<size_t>(row)] : nullptr;
}

int RatingsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int RatingsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RatingsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || static_cast<size_t>(index.row()) >= records_.size())
        return {};
    const auto row = static_cast<size_t>(index.row());
    const int chanceColumn = index.column() - stakes::RatingsColumnCount;
    if (role == Qt::DisplayRole) {
        if (chanceColumn >= 0)
            return row < chance_.size() ? qs(stakes::ChanceCellText(chance_[row], chanceColumn)) : QVariant();
        return qs(stakes::RatingCellText(records_[row], index.column(), mode_, hits_));
    }
    if (role == Qt::ToolTipRole && chanceColumn >= 0 && row < chance_.size() && chance_[row].Comparison.Stakes > 0)
        return qs(support::Message("Двусторонний p числа ставок с 3 и более совпадениями; с поправкой Холма на {} "
                                   "сравниваемых строк рейтинга",
                                   compared_));
    if (role == Qt::TextAlignmentRole)
        return index.column() == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && index.column() == 0)
        return qs(records_[static_cast<size_t>(index.row())].Key);
    return {};
}

QVariant RatingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount) {
        if (section >= stakes::RatingsColumnCount)
            return qs(
                support::Text(stakes::ChanceColumnCaptions[static_cast<size_t>(section - stakes::RatingsColumnCount)]));
        return qs(support::Text(stakes::RatingsColumnCaptions[static_cast<size_t>(section)]));
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace belvane::gui
