#include "gui/stake_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "gui/qt_text.h"
#include "gui/stake_dialog_fields.h"
#include "model/comb_text.h"
#include "stakes/stake_access.h"
#include "stakes/stake_dialogs.h"
#include "support/translation.h"

namespace belvane::gui {

TFormStake::TFormStake(QWidget* parent, const stakes::StakeRecord& prepared) : QDialog(parent), stake_(prepared)
{
    setObjectName(QStringLiteral("TFormStake"));
    setWindowTitle(qs(support::Text(stakes::StakeDialogCaption)));
    setMinimumWidth(420);
    auto* form = new QFormLayout(this);

    edDrawNumber_ = MakeDrawNumberEdit(this, prepared.DrawNumber);
    form->addRow(tr("Номер тиража:"), edDrawNumber_);

    edStakeData_ = new QLineEdit(this);
    edStakeData_->setObjectName(QStringLiteral("edStakeData"));
    edStakeData_->setPlaceholderText(QStringLiteral("1;2;3;4;5;6"));
    const auto numbers = prepared.numbers();
    if (std::any_of(numbers.begin(), numbers.end(), [](model::Ball n) { return n != 0; }))
        edStakeData_->setText(qs(model::JoinNumbers(numbers, ";")));
    form->addRow(tr("Ставка:"), edStakeData_);

    edStakeSum_ = new QLineEdit(this);
    edStakeSum_->setObjectName(QStringLiteral("edStakeSum"));
    edStakeSum_->setReadOnly(true);
    edStakeSum_->setFocusPolicy(Qt::NoFocus);
    form->addRow(tr("Сумма:"), edStakeSum_);

    edComment_ = MakeCommentEdit(this, prepared.Comment);
    form->addRow(tr("Комментарий к ставке:"), edComment_);

    edDrawsCount_ = MakeDrawsCountEdit(this);
    form->addRow(tr("Кол-во тиражей:"), edDrawsCount_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFormStake::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFormStake::reject);

    auto showSum = [this] { edStakeSum_->setText(QString::number(stakes::StakeTextSum(ss(edStakeData_->text())))); };
    connect(edStakeData_, &QLineEdit::textChanged, this, showSum);
    showSum();
    edStakeData_->setFocus();
}

int TFormStake::drawsCount() const
{
    return edDrawsCount_->value();
}

void TFormStake::accept()
{
    const std::string numbers = ss(edStakeData_->text());
    const std::string comment = ss(edComment_->text());
    if (const auto refusal = stakes::ValidateStakeDialog(edDrawNumber_->value(), numbers, comment, drawsCount())) {
        ShowRefusal(this, *refusal,
                    {{stakes::StakeDialogField::DrawNumber, edDrawNumber_},
                     {stakes::StakeDialogField::Numbers, edStakeData_},
                     {stakes::StakeDialogField::Comment, edComment_},
                     {stakes::StakeDialogField::DrawsCount, edDrawsCount_}});
        return; // the dialog stays open
    }
    const model::TComb comb = *stakes::ParseStakeNumbers(numbers);
    stake_.DrawNumber = edDrawNumber_->value();
    stake_.Comment = comment;
    stake_.Count = model::BallCount;
    stake_.Numbers = {};
    std::copy(comb.begin(), comb.end(), stake_.Numbers.begin());
    QDialog::accept();
}

} // namespace belvane::gui
