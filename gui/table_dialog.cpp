#include "gui/table_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "model/comb_text.h"
#include "stakes/regular_rules.h"
#include "stakes/stake_dialogs.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::gui {

TFormTable::TFormTable(QWidget* parent, const stakes::RegularStake& prepared, size_t combinations,
                       std::vector<std::string> comments)
    : QDialog(parent), combinations_(combinations), comments_(std::move(comments))
{
    setObjectName(QStringLiteral("TFormTable"));
    setWindowTitle(qs(support::Text(stakes::TableDialogCaption)));
    setMinimumWidth(460);
    auto* layout = new QVBoxLayout(this);

    auto* form = new QFormLayout;
    edComment_ = new QLineEdit(qs(prepared.Comment), this);
    edComment_->setObjectName(QStringLiteral("edComment"));
    edComment_->setMaxLength(static_cast<int>(stakes::RegularCommentCapacity));
    form->addRow(tr("Комментарий к ставке:"), edComment_);
    layout->addLayout(form);

    rbUseMyComb_ = new QRadioButton(tr("Использовать постоянную стартовую комбинацию:"), this);
    rbUseMyComb_->setObjectName(QStringLiteral("rbUseMyComb"));
    layout->addWidget(rbUseMyComb_);
    edCombStart_ = new QLineEdit(this);
    edCombStart_->setObjectName(QStringLiteral("edCombStart"));
    edCombStart_->setPlaceholderText(QStringLiteral("1;2;3;4;5;6"));
    if (combinations_ > 1)
        edCombStart_->setText(qs(support::Text(stakes::SelectedCombsText)));
    else if (prepared.Start != model::TComb{})
        edCombStart_->setText(qs(model::CombToListText(prepared.Start)));
    layout->addWidget(edCombStart_);
    rbUseLastDraw_ = new QRadioButton(tr("Использовать данные предыдущего тиража"), this);
    rbUseLastDraw_->setObjectName(QStringLiteral("rbUseLastDraw"));
    layout->addWidget(rbUseLastDraw_);
    (prepared.Base == stakes::RegularBase::LastDraw ? rbUseLastDraw_ : rbUseMyComb_)->setChecked(true);

    auto* stepForm = new QFormLayout;
    edStep_ = new QSpinBox(this);
    edStep_->setObjectName(QStringLiteral("edStep"));
    edStep_->setRange(stakes::MinRegularStep, stakes::MaxRegularStep);
    edStep_->setValue(prepared.Step);
    stepForm->addRow(tr("Шаг:"), edStep_);
    layout->addLayout(stepForm);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFormTable::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFormTable::reject);
    connect(rbUseMyComb_, &QRadioButton::toggled, this, &TFormTable::enableStart);
    enableStart();
    edComment_->setFocus();
    edComment_->selectAll();
}

void TFormTable::enableStart()
{
    edCombStart_->setEnabled(stakes::RegularStartEditable(rbUseLastDraw_->isChecked(), combinations_));
}

void TFormTable::accept()
{
    stakes::RegularDialogInput input;
    input.Comment = ss(edComment_->text());
    input.UseLastDraw = rbUseLastDraw_->isChecked();
    input.Combinations = combinations_;
    input.StartText = ss(edCombStart_->text());
    input.Step = edStep_->value();
    if (const auto refusal = stakes::ValidateRegularDialog(input, comments_)) {
        QMessageBox::critical(this, qs(support::Text(CaptionError)), messageText(refusal->Message));
        QWidget* field = refusal->Focus == stakes::RegularDialogField::Start  ? static_cast<QWidget*>(edCombStart_)
                         : refusal->Focus == stakes::RegularDialogField::Step ? static_cast<QWidget*>(edStep_)
                                                                              : static_cast<QWidget*>(edComment_);
        field->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            edit->selectAll();
        return; // the dialog stays open
    }
    request_.Comment = input.Comment;
    request_.Base = input.UseLastDraw ? stakes::RegularBase::LastDraw : stakes::RegularBase::Combination;
    request_.Step = input.Step;
    request_.Start.reset();
    // The typed start counts where it could be typed; the one combination
    // concerned is also the start of a stake on the previous draw.
    if (combinations_ == 1 || stakes::RegularStartEditable(input.UseLastDraw, combinations_))
        request_.Start = stakes::ParseStakeNumbers(input.StartText);
    QDialog::accept();
}

} // namespace belvane::gui
