#include "gui/draws_model.h"

#include "app/archive_service.h"
#include "app/configuration_service.h"
#include "app/draws_list.h"
#include "app/setting_keys.h"
#include "app/workspace.h"
#include "gui/qt_text.h"
#include "model/layout.h"
#include "support/translation.h"
#include "views/colors.h"

namespace belvane::gui {

void DrawsModel::reload(const app::Workspace& ws)
{
    beginResetModel();
    draws_ = ws.Archive().Draws();
    offset_ = ws.Archive().Offset();
    sorted_ = ws.Archive().Sorted();
    colored_ = ws.Settings().Flag(app::key::ColorDraws);
    channelSize_ = ws.Configuration().Data().ChannelSize;
    endResetModel();
}

const model::TDraw* DrawsModel::drawAt(int row) const
{
    if (row < 0 || row >= static_cast<int>(draws_.size()))
        return nullptr;
    return &app::DrawAtRow(draws_, row);
}

int DrawsModel::rowOfNumber(int number) const
{
    const int index = model::IndexOfNumber(draws_, number);
    return index < 0 ? -1 : static_cast<int>(draws_.size()) - 1 - index;
}

int DrawsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(draws_.size());
}

int DrawsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : app::DrawsListColumnCount;
}

QVariant DrawsModel::data(const QModelIndex& index, int role) const
{
    const model::TDraw* draw = index.isValid() ? drawAt(index.row()) : nullptr;
    if (draw == nullptr)
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return qs(app::DrawsListCell(*draw, column, sorted_));
    case Qt::TextAlignmentRole:
        return column == app::ColDate ? int(Qt::AlignCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (index.row() == offset_)
            return qcolor(views::OffsetRow);
        if (colored_ && column >= app::ColBall1 && column <= app::ColBall6) {
            const int number = model::ViewBalls(*draw, sorted_)[static_cast<size_t>(column - app::ColBall1)];
            return qcolor(views::ChannelColor(model::ChannelOf(number, channelSize_)));
        }
        return {};
    default:
        return {};
    }
}

QVariant DrawsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < app::DrawsListColumnCount)
        return qs(support::Text(app::DrawsListCaptions[static_cast<size_t>(section)]));
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace belvane::gui
