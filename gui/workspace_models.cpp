#include "gui/workspace_models.h"

#include <QPainter>
#include <QPixmap>

#include "app/draws_list.h"
#include "app/workspace.h"
#include "gui/qt_text.h"
#include "model/layout.h"
#include "views/colors.h"

namespace belvane::gui {
namespace {

constexpr int kCombColumns = 8; // position, six numbers, sum

QColor numberColor(const app::Workspace& ws, int number)
{
    return qcolor(views::ChannelColor(model::ChannelOf(number, ws.Configuration().Data().ChannelSize)));
}

QIcon drawnIcon(const QColor& color, const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, 2.5));
    draw(p);
    return QIcon(pixmap);
}

} // namespace

QIcon KeepIcon()
{
    static const QIcon icon = drawnIcon(QColor(0, 140, 60), [](QPainter& p) {
        p.drawLine(3, 8, 13, 8);
        p.drawLine(8, 3, 8, 13);
    });
    return icon;
}

QIcon RemoveIcon()
{
    static const QIcon icon = drawnIcon(QColor(200, 30, 30), [](QPainter& p) { p.drawLine(3, 8, 13, 8); });
    return icon;
}

QIcon RollbackIcon()
{
    static const QIcon icon = drawnIcon(QColor(30, 90, 200), [](QPainter& p) {
        p.drawArc(3, 3, 10, 10, 90 * 16, 270 * 16);
        p.drawLine(8, 3, 5, 1);
        p.drawLine(8, 3, 5, 6);
    });
    return icon;
}

void WorkspaceModel::refresh()
{
    beginResetModel();
    endResetModel();
}

// ---- draws ----------------------------------------------------------------

int DrawsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(ws_.Archive().Draws().size());
}

int DrawsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : app::DrawsListColumnCount;
}

QVariant DrawsModel::data(const QModelIndex& index, int role) const
{
    if (frozen_ || !index.isValid() || index.row() >= static_cast<int>(ws_.Archive().Draws().size()))
        return {};
    const model::TDraw& draw = app::DrawAtRow(ws_.Archive().Draws(), index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return qs(app::DrawsListCell(draw, column, ws_.Archive().Sorted()));
    case Qt::TextAlignmentRole:
        return column == app::ColDate ? int(Qt::AlignCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (index.row() == ws_.Archive().Offset())
            return qcolor(views::OffsetRow);
        if (ws_.Settings().Flag("ColorDraws") && column >= app::ColBall1 && column <= app::ColBall6)
            return numberColor(
                ws_, model::ViewBalls(draw, ws_.Archive().Sorted())[static_cast<size_t>(column - app::ColBall1)]);
        return {};
    default:
        return {};
    }
}

QVariant DrawsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < app::DrawsListColumnCount)
        return qs(app::DrawsListCaptions[static_cast<size_t>(section)]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

// ---- combinations ------------------------------------------------------------

int CombsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(ws_.Combinations().Count());
}

int CombsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kCombColumns;
}

QVariant CombsModel::data(const QModelIndex& index, int role) const
{
    const auto combs = ws_.Combinations().Combs();
    if (frozen_ || !index.isValid() || static_cast<size_t>(index.row()) >= combs.size())
        return {};
    const model::TComb& c = combs[static_cast<size_t>(index.row())];
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
        if (column >= 1 && column <= model::BallCount && ws_.Settings().Flag("ColorCombs"))
            return numberColor(ws_, c[static_cast<size_t>(column - 1)]);
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

HistoryModel::HistoryModel(app::Workspace& ws, QObject* parent)
    : WorkspaceModel(ws, parent), keep_(KeepIcon()), remove_(RemoveIcon()), rollback_(RollbackIcon())
{
}

int HistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(ws_.Combinations().History().rows().size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const
{
    const auto& rows = ws_.Combinations().History().rows();
    if (frozen_ || !index.isValid() || static_cast<size_t>(index.row()) >= rows.size())
        return {};
    const combs::HistoryRow& row = rows[static_cast<size_t>(index.row())];
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
        return qs(combs::HistoryCaptions[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

// ---- statistics table -------------------------------------------------------------

int StatTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(ws_.Statistics().Table().Rows.size());
}

int StatTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : app::DrawsStatColumnCount;
}

QVariant StatTableModel::data(const QModelIndex& index, int role) const
{
    const auto& rows = ws_.Statistics().Table().Rows;
    if (frozen_ || !index.isValid() || static_cast<size_t>(index.row()) >= rows.size())
        return {};
    const app::DrawsStatRow& row = rows[static_cast<size_t>(index.row())];
    const auto column = static_cast<size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return qs(row.Cells[column]);
    case Qt::UserRole: // the sort key
        if (column == app::StatColValue)
            return index.row(); // values sort in the method's own order
        return row.Numbers[column] ? QVariant(*row.Numbers[column]) : QVariant(-1e300);
    case Qt::TextAlignmentRole:
        return column == app::StatColValue ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                           : int(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant StatTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < app::DrawsStatColumnCount)
        return qs(app::DrawsStatCaptions[static_cast<size_t>(section)]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace belvane::gui
