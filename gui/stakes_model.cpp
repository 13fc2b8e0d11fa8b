#include "gui/stakes_model.h"

#include <QTimer>
#include <algorithm>
#include <limits>

#include "app/stakes_service.h"
#include "gui/qt_text.h"
#include "stakes/stake_texts.h"
#include "support/error.h"
#include "support/host.h"
#include "support/translation.h"
#include "views/stake_colors.h"

namespace belvane::gui {

StakesModel::StakesModel(app::StakesService& stakes, Host& host, QObject* parent)
    : QAbstractTableModel(parent), stakes_(stakes), host_(host)
{
}

void StakesModel::reload()
{
    beginResetModel();
    frozen_ = false;
    window_.clear();
    window_.shrink_to_fit();
    // A view counts its rows in int.
    count_ = static_cast<int>(std::min<size_t>(stakes_.Count(), std::numeric_limits<int>::max()));
    readFailureShown_ = false;
    endResetModel();
}

void StakesModel::freeze(int first, int last)
{
    windowFirst_ = std::clamp(first, 0, count_);
    const int end = std::clamp(last + 1, windowFirst_, count_);
    window_.clear();
    window_.reserve(static_cast<size_t>(end - windowFirst_));
    for (int row = windowFirst_; row < end; ++row)
        window_.push_back(recordAt(row).value_or(stakes::StakeRecord{}));
    frozen_ = true;
}

std::optional<stakes::StakeRecord> StakesModel::recordAt(int row) const
{
    if (row < 0 || row >= count_)
        return std::nullopt;
    if (frozen_) {
        const int i = row - windowFirst_;
        if (i < 0 || i >= static_cast<int>(window_.size()))
            return std::nullopt;
        return window_[static_cast<size_t>(i)];
    }
    if (!stakes_.File().IsOpen())
        return std::nullopt; // the window is closing
    try {
        return stakes_.Record(static_cast<size_t>(row));
    } catch (const Error& e) {
        reportReadFailure(qs(e.what()));
        return std::nullopt;
    }
}

void StakesModel::reportReadFailure(const QString& message) const
{
    // Painting goes on; the message box opens once painting is over.
    if (readFailureShown_)
        return;
    readFailureShown_ = true;
    QTimer::singleShot(0, this, [this, text = ss(message)] { host_.showError(text); });
}

int StakesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count_;
}

int StakesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : stakes::StakeColumnCount;
}

QVariant StakesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
        break;
    case Qt::TextAlignmentRole:
        if (column == stakes::StakeColumnCount - 1)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        if (column == stakes::LastResultColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignCenter);
    default:
        return {};
    }
    const std::optional<stakes::StakeRecord> record = recordAt(index.row());
    if (!record)
        return {};
    if (role == Qt::DisplayRole)
        return qs(stakes::StakeCellText(*record, column));
    if (role == Qt::BackgroundRole) {
        if (const auto color = views::StakeRowColor(record->Kind))
            return qcolor(*color);
        return {};
    }
    if (column >= stakes::FirstResultColumn && column <= stakes::LastResultColumn)
        if (const auto color = views::StakeResultColor(*record))
            return qcolor(*color);
    return {};
}

QVariant StakesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < stakes::StakeColumnCount)
        return qs(support::Text(stakes::StakeColumnCaptions[static_cast<size_t>(section)]));
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace belvane::gui
