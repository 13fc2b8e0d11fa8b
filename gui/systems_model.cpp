#include "gui/systems_model.h"

#include <array>

#include "app/systems_service.h"
#include "exchange/exchange_text.h"
#include "gui/exchange_icons.h"
#include "gui/qt_text.h"
#include "support/translation.h"

namespace belvane::gui {
namespace {

const std::array<const char*, SystemsModel::ColumnCount> kHeadings = {
    QT_TRANSLATE_NOOP("belvane::gui::SystemsModel", "Название"),
    QT_TRANSLATE_NOOP("belvane::gui::SystemsModel", "Автор"),
    QT_TRANSLATE_NOOP("belvane::gui::SystemsModel", "Числа"),
    QT_TRANSLATE_NOOP("belvane::gui::SystemsModel", "Блок"),
    QT_TRANSLATE_NOOP("belvane::gui::SystemsModel", "Комбинаций"),
    QT_TRANSLATE_NOOP("belvane::gui::SystemsModel", "Дата создания"),
    QT_TRANSLATE_NOOP("belvane::gui::SystemsModel", "Статус"),
    QT_TRANSLATE_NOOP("belvane::gui::SystemsModel", "Загрузок"),
    QT_TRANSLATE_NOOP("belvane::gui::SystemsModel", "Последняя"),
    QT_TRANSLATE_NOOP("belvane::gui::SystemsModel", "Комментарии"),
    QT_TRANSLATE_NOOP("belvane::gui::SystemsModel", "Ссылка")};

// A cell holds one line: the breaks of a description become blanks.
QString oneLine(const std::string& text)
{
    QString s = qs(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s;
}

QString cellText(const SystemRow& row, int column)
{
    const systems::tSystemData& s = row.System;
    const bool placeholder = s.Id <= 0; // "Список систем не доступен!" and nothing else
    switch (column) {
    case 0:
        return oneLine(s.Title);
    case 1:
        return oneLine(s.Author);
    case 2:
        return placeholder ? QString() : QStringLiteral("%1").arg(s.Numbers, 2, 10, QLatin1Char('0'));
    case 3:
        return placeholder ? QString() : QString::number(s.Block);
    case 4:
        return placeholder ? QString() : QString::number(s.CombCount);
    case 5:
        return qs(exchange::LocalDateTimeText(s.Created));
    case 6:
        return row.Loaded ? qs(support::Text(app::SystemsLoadedStatus)) : QString();
    case 7:
        return placeholder ? QString() : QString::number(s.Downloads);
    case 8:
        return qs(exchange::LocalDateTimeText(s.LastDownload));
    case 9:
        return oneLine(s.Description);
    case 10:
        return oneLine(s.Url);
    default:
        return {};
    }
}

} // namespace

void SystemsModel::reset(std::vector<SystemRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

const SystemRow* SystemsModel::row(int index) const
{
    return index >= 0 && static_cast<size_t>(index) < rows_.size() ? &rows_[static_cast<size_t>(index)] : nullptr;
}

int SystemsModel::rowOf(int32_t id) const
{
    if (id <= 0)
        return -1;
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].System.Id == id)
            return static_cast<int>(i);
    return -1;
}

void SystemsModel::setRow(int index, SystemRow row)
{
    if (this->row(index) == nullptr)
        return;
    rows_[static_cast<size_t>(index)] = std::move(row);
    emit dataChanged(this->index(index, 0), this->index(index, ColumnCount - 1));
}

int SystemsModel::append(SystemRow row)
{
    const int at = static_cast<int>(rows_.size());
    beginInsertRows({}, at, at);
    rows_.push_back(std::move(row));
    endInsertRows();
    return at;
}

void SystemsModel::remove(int index)
{
    if (row(index) == nullptr)
        return;
    beginRemoveRows({}, index, index);
    rows_.erase(rows_.begin() + index);
    endRemoveRows();
}

int SystemsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SystemsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SystemsModel::data(const QModelIndex& index, int role) const
{
    const SystemRow* r = row(index.row());
    if (r == nullptr)
        return {};
    if (role == Qt::DisplayRole)
        return cellText(*r, index.column());
    if (role == Qt::DecorationRole && index.column() == 0 && r->System.Id > 0)
        return SystemRowIcon(r->Loaded, r->Own);
    if (role == Qt::ToolTipRole && index.column() == 0 && r->System.Id > 0)
        return r->Own ? (r->Loaded ? tr("Загружена на компьютер, своя система")
                                   : tr("Не загружена на компьютер, своя система"))
                      : (r->Loaded ? tr("Загружена на компьютер") : tr("Не загружена на компьютер"));
    if (role == Qt::TextAlignmentRole && index.column() >= 2 && index.column() <= 4)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant SystemsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return tr(kHeadings[static_cast<size_t>(section)]);
}

} // namespace belvane::gui
