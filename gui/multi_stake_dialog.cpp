#include "gui/multi_stake_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "gui/qt_text.h"
#include "gui/stake_dialog_fields.h"
#include "stakes/stake_dialogs.h"
#include "support/translation.h"

namespace belvane::gui {

TFormMulti::TFormMulti(QWidget* parent, int drawNumber) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormMulti"));
    setWindowTitle(qs(support::Text(stakes::MultiStakeDialogCaption)));
    setMinimumWidth(420);
    auto* form = new QFormLayout(this);
    edDrawNumber_ = MakeDrawNumberEdit(this, drawNumber);
    form->addRow(tr("Номер тиража:"), edDrawNumber_);
    edDrawsCount_ = MakeDrawsCountEdit(this);
    form->addRow(tr("Кол-во тиражей:"), edDrawsCount_);
    edComment_ = MakeCommentEdit(this, std::string(stakes::ManualStakeComment));
    form->addRow(tr("Комментарий к ставке:"), edComment_);
    lbSummary_ = new QLabel(this);
    lbSummary_->setObjectName(QStringLiteral("lbSummary"));
    lbSummary_->hide(); // until the caller says what OK stakes
    form->addRow(lbSummary_);
    // A label only: typing in the count keeps its focus and cursor.
    connect(edDrawsCount_, &QSpinBox::valueChanged, this, [this](int draws) {
        if (!lbSummary_->isHidden())
            lbSummary_->setText(qs(stakes::MultiStakeSummary(combinations_, draws, cost_)));
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFormMulti::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFormMulti::reject);
    edComment_->setFocus();
    edComment_->selectAll();
}

void TFormMulti::setComment(const QString& comment)
{
    edComment_->setText(comment);
    edComment_->selectAll();
    // The layout widens the dialog; a screen's width is the limit.
    const int needed = edComment_->fontMetrics().horizontalAdvance(comment + QStringLiteral("    "));
    edComment_->setMinimumWidth(std::min(needed, 900));
}

void TFormMulti::setCombinations(size_t combinations, Money cost)
{
    combinations_ = combinations;
    cost_ = cost;
    lbSummary_->setText(qs(stakes::MultiStakeSummary(combinations_, edDrawsCount_->value(), cost_)));
    lbSummary_->show();
}

stakes::MultiStakeRequest TFormMulti::request() const
{
    stakes::MultiStakeRequest r;
    r.DrawNumber = edDrawNumber_->value();
    r.DrawsCount = edDrawsCount_->value();
    r.Comment = ss(edComment_->text());
    return r;
}

void TFormMulti::accept()
{
    if (const auto refusal =
            stakes::ValidateMultiStakeDialog(edDrawNumber_->value(), ss(edComment_->text()), edDrawsCount_->value())) {
        ShowRefusal(this, *refusal,
                    {{stakes::StakeDialogField::DrawNumber, edDrawNumber_},
                     {stakes::StakeDialogField::Comment, edComment_},
                     {stakes::StakeDialogField::DrawsCount, edDrawsCount_}});
        return;
    }
    QDialog::accept();
}

} // namespace belvane::gui
