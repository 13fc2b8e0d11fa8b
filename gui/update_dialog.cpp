#include "gui/update_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "support/translation.h"

namespace belvane::gui {

UpdateDialog::UpdateDialog(QWidget* parent, const app::UpdateOffer& offer) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormSelfUpdate"));
    setWindowTitle(qs(support::Text(app::UpdateFoundCaption)));
    auto* layout = new QVBoxLayout(this);
    auto* versions = new QFormLayout;
    running_ = new QLabel(qs(offer.Running.Text()), this);
    running_->setObjectName(QStringLiteral("lbRunningVersion"));
    new_ = new QLabel(qs(offer.Version.Text()), this);
    new_->setObjectName(QStringLiteral("lbNewVersion"));
    QFont bold = new_->font();
    bold.setBold(true);
    new_->setFont(bold);
    versions->addRow(tr("Текущая версия:"), running_);
    versions->addRow(tr("Новая версия:"), new_);
    layout->addLayout(versions);
    if (!offer.Description.empty()) {
        // The manifest's text is shown as it is, never interpreted as markup.
        auto* summary = new QLabel(this);
        summary->setTextFormat(Qt::PlainText);
        summary->setText(messageText(offer.Description));
        summary->setWordWrap(true);
        layout->addWidget(summary);
    }
    layout->addWidget(new QLabel(tr("Описание обновления:"), this));
    description_ = new QPlainTextEdit(this);
    description_->setObjectName(QStringLiteral("memDescription"));
    description_->setReadOnly(true);
    description_->setPlainText(messageText(offer.Details));
    layout->addWidget(description_, 1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Установить"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(480, 360);
}

QString UpdateDialog::runningText() const
{
    return running_->text();
}

QString UpdateDialog::newText() const
{
    return new_->text();
}

QString UpdateDialog::descriptionText() const
{
    return description_->toPlainText();
}

} // namespace belvane::gui
