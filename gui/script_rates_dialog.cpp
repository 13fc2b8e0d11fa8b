#include "gui/script_rates_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "exchange/exchange_text.h"
#include "gui/grid_model.h"
#include "gui/qt_text.h"
#include "gui/table_views.h"

namespace belvane::gui {

TFormScrRates::TFormScrRates(QWidget* parent, const QString& title, const std::vector<scenario::ScriptRate>& rates)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormScrRates"));
    setWindowTitle(tr("Оценки пользователей"));
    resize(760, 360);
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(title, this);
    caption->setObjectName(QStringLiteral("lbTitle"));
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    layout->addWidget(caption);

    std::vector<std::vector<GridCell>> rows;
    rows.reserve(rates.size());
    for (const scenario::ScriptRate& r : rates) {
        QString notes = messageText(r.Notes);
        notes.replace(QLatin1Char('\n'), QLatin1Char(' '));
        rows.push_back({{qs(r.Name), {}},
                        {r.Rate == scenario::HiddenRating ? tr("Скрытый") : QString::number(r.Rate), {}},
                        {qs(exchange::LocalDateTimeText(r.Created)), {}},
                        {qs(r.AppName), {}},
                        {qs(r.AppVersion), {}},
                        {notes, {}}});
    }
    model_ = new GridModel(this);
    model_->reset({tr("Пользователь"), tr("Оценка"), tr("Дата"), tr("Программа"), tr("Версия"), tr("Комментарий")},
                  std::move(rows));
    lvRates_ = MakeTable(this, QStringLiteral("lvRates"), model_, false);
    SetDefaultColumnWidths(lvRates_, {140, 60, 135, 110, 60, 200});
    layout->addWidget(lvRates_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFormScrRates::reject);
}

} // namespace belvane::gui
