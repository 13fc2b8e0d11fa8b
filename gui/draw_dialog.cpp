#include "gui/draw_dialog.h"

#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <limits>

#include "app/draw_input.h"
#include "gui/qt_text.h"
#include "gui/qt_translations.h"
#include "support/error.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::gui {

DrawDialog::DrawDialog(QWidget* parent, const model::TDraw& draw, bool showDate) : QDialog(parent), draw_(draw)
{
    setObjectName(QStringLiteral("FormDraw"));
    setWindowTitle(tr("Введите данные следующего тиража"));
    auto* form = new QFormLayout(this);

    number_ = new QSpinBox(this);
    number_->setObjectName(QStringLiteral("edDrawNumber"));
    number_->setRange(1, std::numeric_limits<int>::max());
    number_->setValue(std::max(draw.Number, 1));
    form->addRow(tr("Номер тиража:"), number_);

    numbers_ = new QLineEdit(this);
    numbers_->setObjectName(QStringLiteral("edDrawData"));
    numbers_->setToolTip(qs(support::Text(model::DrawTextHint)));
    numbers_->setPlaceholderText(QStringLiteral("1;2;3;4;5;6;7"));
    if (draw.Balls != model::TComb{})
        numbers_->setText(qs(model::DrawNumbersText(draw)));
    form->addRow(new QLabel(tr("Выпавшие числа, разделенные точкой с запятой или запятой:"), this));
    form->addRow(numbers_);

    date_ = new QDateTimeEdit(this);
    date_->setObjectName(QStringLiteral("edDrawDate"));
    date_->setDisplayFormat(QStringLiteral("dd/MM/yyyy HH:mm"));
    date_->setCalendarPopup(true);
    // The calendar's month and day names in the interface language.
    date_->setLocale(InterfaceLocale());
    QDateTime when = QDateTime::currentDateTime();
    try {
        if (const auto d = model::TextToDate(draw.dateText()))
            when = QDateTime(QDate(static_cast<int>(d->year()), static_cast<int>(static_cast<unsigned>(d->month())),
                                   static_cast<int>(static_cast<unsigned>(d->day()))),
                             QTime(0, 0));
    } catch (const Error&) {
        // An unreadable stored date shows today, as an empty one does.
    }
    date_->setDateTime(when);
    if (showDate) {
        form->addRow(tr("Дата и время тиража:"), date_);
    } else {
        date_->hide();
        setFixedHeight(200);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &DrawDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DrawDialog::reject);
    numbers_->setFocus();
}

void DrawDialog::accept()
{
    const bool withDate = !date_->isHidden();
    const QDate d = date_->date();
    const model::Date date{std::chrono::year(d.year()), std::chrono::month(static_cast<unsigned>(d.month())),
                           std::chrono::day(static_cast<unsigned>(d.day()))};
    try {
        model::TDraw built = app::MakeDrawFromInput(number_->value(), ss(numbers_->text()), date);
        if (!withDate)
            built.setDateText(draw_.dateText()); // no date shown: the stored one stays
        draw_ = built;
    } catch (const Error& e) {
        QMessageBox::critical(this, qs(support::Text(CaptionError)), messageText(e.what()));
        numbers_->setFocus();
        numbers_->selectAll();
        return; // the dialog stays open
    }
    QDialog::accept();
}

} // namespace belvane::gui
