#include "gui/wait_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::gui {

WaitDialog::WaitDialog(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("WaitDialog"));
    setWindowTitle(qs(support::Text(ProgressWindowText)));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("lbWaitText"));
    text_->setMinimumWidth(360);
    text_->setAlignment(Qt::AlignCenter);
    cancel_ = new QPushButton(tr("Отмена"), this);
    cancel_->setObjectName(QStringLiteral("btnCancel"));
    layout->addWidget(text_);
    layout->addWidget(cancel_, 0, Qt::AlignHCenter);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        cancel_->setEnabled(false); // one press is enough: the operation stops at its next step
        emit cancelRequested();
    });
}

void WaitDialog::showText(const QString& text)
{
    text_->setText(text);
    if (!isVisible()) {
        cancel_->setEnabled(true);
        show();
    }
}

QString WaitDialog::text() const
{
    return text_->text();
}

void WaitDialog::reject()
{
    if (cancel_->isEnabled())
        cancel_->click();
}

} // namespace belvane::gui
