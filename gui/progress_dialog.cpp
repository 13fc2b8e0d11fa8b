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
    setModal(false);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(qs(support::Text(ProgressWindowText)), this);
    activity_ = new QLabel(this);
    activity_->setObjectName(QStringLiteral("lbActivity"));
    activity_->setWordWrap(true);
    activity_->hide();
    gauge_ = new QProgressBar(this);
    gauge_->setMinimumWidth(360);
    gauge_->setRange(0, 1000);
    cancel_ = new QPushButton(tr("Отмена"), this);
    cancel_->setObjectName(QStringLiteral("btnCancel"));
    cancel_->setFocusPolicy(Qt::NoFocus); // a click presses it; keys stay with the main window
    cancel_->setAutoDefault(false);
    layout->addWidget(text);
    layout->addWidget(activity_);
    layout->addWidget(gauge_);
    layout->addWidget(cancel_, 0, Qt::AlignHCenter);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        cancel_->setEnabled(false); // one press is enough: the operation stops at its next step
        emit cancelRequested();
    });
    showTimer_.setSingleShot(true);
    showTimer_.setInterval(ShowDelayMs);
    connect(&showTimer_, &QTimer::timeout, this, &ProgressDialog::showNow);
}

void ProgressDialog::start(qint64 maximum, bool cancellable)
{
    // QProgressBar counts in int: the gauge counts in thousandths.
    gauge_->setValue(0);
    cancel_->setVisible(cancellable);
    cancel_->setEnabled(cancellable);
    (void)maximum;
    active_ = true;
    if (!isVisible())
        showTimer_.start();
}

void ProgressDialog::moveTo(qint64 position, qint64 maximum)
{
    gauge_->setValue(maximum > 0 ? static_cast<int>(position * 1000 / maximum) : 0);
}

void ProgressDialog::finish()
{
    active_ = false;
    showTimer_.stop();
    hide();
}

void ProgressDialog::showNow()
{
    if (active_ && !isVisible())
        show();
}

void ProgressDialog::setActivity(const QString& text)
{
    activity_->setText(text);
    activity_->setVisible(!text.isEmpty());
}

QString ProgressDialog::activity() const
{
    return activity_->text();
}

int ProgressDialog::permille() const
{
    return gauge_->value();
}

void ProgressDialog::reject()
{
    if (cancel_->isVisible() && cancel_->isEnabled())
        cancel_->click();
}

} // namespace belvane::gui
