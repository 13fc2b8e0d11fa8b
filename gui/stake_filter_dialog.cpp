#include "gui/stake_filter_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "support/translation.h"

namespace belvane::gui {

TFormStakeFilter::TFormStakeFilter(QWidget* parent, const stakes::StakeFilterChoice& choice) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormStakeFilter"));
    setWindowTitle(qs(support::Text(stakes::StakeFilterDialogCaption)));
    setMinimumWidth(300); // the caption stays whole in a title bar
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(qs(support::Text(stakes::StakeFilterDialogLabel)), this));
    auto* row = new QHBoxLayout;
    cbCondition_ = new QComboBox(this);
    cbCondition_->setObjectName(QStringLiteral("cbCondition"));
    for (std::string_view caption : stakes::MatchConditionCaptions)
        cbCondition_->addItem(qs(support::Text(caption)));
    cbCondition_->setCurrentIndex(static_cast<int>(choice.Condition));
    row->addWidget(cbCondition_, 1);
    edValue_ = new QSpinBox(this);
    edValue_->setObjectName(QStringLiteral("edValue"));
    edValue_->setRange(0, stakes::MaxConditionValue);
    edValue_->setValue(choice.Value);
    row->addWidget(edValue_);
    layout->addLayout(row);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

stakes::StakeFilterChoice TFormStakeFilter::choice() const
{
    return {static_cast<stakes::MatchCondition>(cbCondition_->currentIndex()), edValue_->value()};
}

} // namespace belvane::gui
