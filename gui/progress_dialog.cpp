#include "gui/progress_dialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::gui {

ProgressDialog::ProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("ProgressDialog"));
    setWindowTitle(qs(support::Text(ProgressWindowText)));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(qs(support::Text(ProgressWindowText)), this);
    gauge_ = new QProgressBar(this);
    gauge_->setMinimumWidth(360);
    cancel_ = new QPushButton(tr("Отмена"), this);
    cancel_->setObjectName(QStringLiteral("btnCancel"));
    layout->addWidget(text);
    layout->addWidget(gauge_);
    layout->addWidget(cancel_, 0, Qt::AlignHCenter);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        cancel_->setEnabled(false); // one press is enough: the operation stops at its next step
        emit cancelRequested();
    });
}

void ProgressDialog::start(qint64 maximum, bool cancellable)
{
    // QProgressBar counts in int: scale large maxima down.
    gauge_->setRange(0, 1000);
    gauge_->setValue(0);
    cancel_->setVisible(cancellable);
    cancel_->setEnabled(cancellable);
    (void)maximum;
    show();
}

void ProgressDialog::moveTo(qint64 position, qint64 maximum)
{
    gauge_->setValue(maximum > 0 ? static_cast<int>(position * 1000 / maximum) : 0);
}

} // namespace belvane::gui
