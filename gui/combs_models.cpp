#include "gui/combs_models.h"

#include <algorithm>

#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/setting_keys.h"
#include "app/workspace.h"
#include "gui/history_icons.h"
#include "gui/qt_text.h"
#include "model/layout.h"
#include "support/translation.h"
#include "views/colors.h"

namespace belvane::gui {
namespace {

constexpr int kCombColumns = 8; // position, six numbers, sum

} // namespace

// ---- combinations ------------------------------------------------------------

CombsModel::CombsModel(const app::Workspace& ws, QObject* parent) : QAbstractTableModel(parent), ws_(ws) {}

void CombsModel::reload()
{
    beginResetModel();
    frozen_ = false;
    window_.clear();
    window_.shrink_to_fit();
    colored_ = ws_.Settings().Flag(app::key::ColorCombs);
    channelSize_ = ws_.Configuration().Data().ChannelSize;
    endResetModel();
}

void CombsModel::freeze(int first, int last)
{
    const auto combs = ws_.Combinations().Combs();
    frozenCount_ = static_cast<int>(combs.size());
    windowFirst_ = std::clamp(first, 0, frozenCount_);
    const int end = std::clamp(last + 1, windowFirst_, frozenCount_);
    window_.assign(combs.begin() + windowFirst_, combs.begin() + end);
    frozen_ = true;
}

const model::TComb* CombsModel::combAt(int row) const
{
    if (frozen_) {
        const int i = row - windowFirst_;
        return i >= 0 && i < static_cast<int>(window_.size()) ? &window_[static_cast<size_t>(i)] : nullptr;
    }
    const auto combs = ws_.Combinations().Combs();
    return row >= 0 && static_cast<size_t>(row) < combs.size() ? &combs[static_cast<size_t>(row)] : nullptr;
}

int CombsModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return frozen_ ? frozenCount_ : static_cast<int>(ws_.Combinations().Count());
}

int CombsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kCombColumns;
}

QVariant CombsModel::data(const QModelIndex& index, int role) const
{
    const model::TComb* comb = index.isValid() ? combAt(index.row()) : nullptr;
    if (comb == nullptr)
        return {};
    const model::TComb& c = *comb;
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        if (column == 0)
            return index.row() + 1;
        if (column <= model::BallCount)
            return c[static_cast<size_t>(column - 1)];
        return c[0] + c[1] + c[2] + c[3] + c[4] + c[5];
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (colored_ && column >= 1 && column <= model::BallCount)
            return qcolor(views::ChannelColor(model::ChannelOf(c[static_cast<size_t>(column - 1)], channelSize_)));
        return {};
    default:
        return {};
    }
}

QVariant CombsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const captions[kCombColumns] = {"№", "1", "2", "3", "4", "5", "6", "S"};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kCombColumns)
        return QString::fromUtf8(captions[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

// ---- history -------------------------------------------------------------------

HistoryModel::HistoryModel(QObject* parent)
    : QAbstractTableModel(parent), keep_(KeepIcon()), remove_(RemoveIcon()), rollback_(RollbackIcon())
{
}

void HistoryModel::reload(const app::Workspace& ws)
{
    beginResetModel();
    rows_ = ws.Combinations().History().Rows();
    endResetModel();
}

int HistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || static_cast<size_t>(index.row()) >= rows_.size())
        return {};
    const combs::HistoryRow& row = rows_[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case 0:
            return qs(row.Caption);
        case 1:
            return qs(row.Values);
        default:
            return static_cast<qulonglong>(row.Count);
        }
    }
    if (role == Qt::DecorationRole && index.column() == 0)
        return row.Icon == combs::HistoryIcon::Keep     ? keep_
               : row.Icon == combs::HistoryIcon::Remove ? remove_
                                                        : rollback_;
    if (role == Qt::TextAlignmentRole && index.column() == 2)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && index.column() == 1)
        return qs(row.Values);
    return {};
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 3)
        return qs(support::Text(combs::HistoryCaptions[section]));
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace belvane::gui
