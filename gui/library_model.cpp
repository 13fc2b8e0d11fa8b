#include "gui/library_model.h"

#include <QLocale>
#include <array>

#include "exchange/exchange_text.h"
#include "gui/exchange_icons.h"
#include "gui/qt_text.h"

namespace belvane::gui {
namespace {

const std::array<const char*, LibraryModel::ColumnCount> kHeadings = {
    QT_TRANSLATE_NOOP("belvane::gui::LibraryModel", "Тип"),
    QT_TRANSLATE_NOOP("belvane::gui::LibraryModel", "Название"),
    QT_TRANSLATE_NOOP("belvane::gui::LibraryModel", "Автор"),
    QT_TRANSLATE_NOOP("belvane::gui::LibraryModel", "Программа"),
    QT_TRANSLATE_NOOP("belvane::gui::LibraryModel", "Версия"),
    QT_TRANSLATE_NOOP("belvane::gui::LibraryModel", "Язык"),
    QT_TRANSLATE_NOOP("belvane::gui::LibraryModel", "Создан"),
    QT_TRANSLATE_NOOP("belvane::gui::LibraryModel", "Рейтинг"),
    QT_TRANSLATE_NOOP("belvane::gui::LibraryModel", "Оценок"),
    QT_TRANSLATE_NOOP("belvane::gui::LibraryModel", "Ваша оценка"),
    QT_TRANSLATE_NOOP("belvane::gui::LibraryModel", "Загрузок"),
    QT_TRANSLATE_NOOP("belvane::gui::LibraryModel", "Последняя"),
    QT_TRANSLATE_NOOP("belvane::gui::LibraryModel", "Комментарии")};

constexpr int kFirstNumberColumn = 7;
constexpr int kLastNumberColumn = 10;

QString oneLine(const std::string& text)
{
    QString s = qs(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s;
}

QString cellText(const scenario::tScriptInfo& e, int column)
{
    switch (column) {
    case 0:
        return e.Own ? LibraryModel::tr("Мой") : LibraryModel::tr("Общий");
    case 1:
        return oneLine(e.Title);
    case 2:
        return oneLine(e.AuthorName);
    case 3:
        return e.Universal ? LibraryModel::tr("Универсальный") : oneLine(e.AppName);
    case 4:
        return oneLine(e.AppVersion);
    case 5:
        return qs(scenario::LanguageName(e.Lcid));
    case 6:
        return qs(exchange::LocalDateTimeText(e.Created));
    case 7:
        return QLocale().toString(e.RatingAvg, 'f', 3);
    case 8:
        return QString::number(e.RatingCount);
    case 9:
        return e.YourRating == scenario::HiddenRating ? LibraryModel::tr("Скрытый")
               : e.YourRating == 0                    ? QString()
                                                      : QString::number(e.YourRating);
    case 10:
        return QString::number(e.Downloads);
    case 11:
        return qs(exchange::LocalDateTimeText(e.LastDownload));
    case 12:
        return oneLine(e.Description);
    default:
        return {};
    }
}

} // namespace

void LibraryModel::reset(std::vector<scenario::tScriptInfo> entries)
{
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

const scenario::tScriptInfo* LibraryModel::entry(int row) const
{
    return row >= 0 && static_cast<size_t>(row) < entries_.size() ? &entries_[static_cast<size_t>(row)] : nullptr;
}

int LibraryModel::rowOf(int32_t id) const
{
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].Id == id)
            return static_cast<int>(i);
    return -1;
}

void LibraryModel::setEntry(int row, scenario::tScriptInfo entry)
{
    if (this->entry(row) == nullptr)
        return;
    entries_[static_cast<size_t>(row)] = std::move(entry);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

int LibraryModel::append(scenario::tScriptInfo entry)
{
    const int at = static_cast<int>(entries_.size());
    beginInsertRows({}, at, at);
    entries_.push_back(std::move(entry));
    endInsertRows();
    return at;
}

void LibraryModel::remove(int row)
{
    if (entry(row) == nullptr)
        return;
    beginRemoveRows({}, row, row);
    entries_.erase(entries_.begin() + row);
    endRemoveRows();
}

int LibraryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int LibraryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LibraryModel::data(const QModelIndex& index, int role) const
{
    const scenario::tScriptInfo* e = entry(index.row());
    if (e == nullptr)
        return {};
    if (role == Qt::DisplayRole)
        return cellText(*e, index.column());
    if (role == Qt::DecorationRole && index.column() == 0)
        return ScriptRowIcon(e->Public);
    if (role == Qt::ToolTipRole && index.column() == 0)
        return e->Public ? tr("Сценарий виден всем пользователям") : tr("Сценарий виден только автору");
    if (role == Qt::TextAlignmentRole && index.column() >= kFirstNumberColumn && index.column() <= kLastNumberColumn)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant LibraryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return tr(kHeadings[static_cast<size_t>(section)]);
}

} // namespace belvane::gui
