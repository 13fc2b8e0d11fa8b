#include "gui/proxy_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "support/translation.h"

namespace belvane::gui {

ProxyDialog::ProxyDialog(QWidget* parent, const app::ProxySettings& settings) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormProxy"));
    setWindowTitle(tr("Параметры proxy-сервера"));
    setMinimumWidth(420);
    auto* layout = new QVBoxLayout(this);

    none_ = new QRadioButton(qs(support::Text(app::ProxyNoneCaption)), this);
    none_->setObjectName(QStringLiteral("rbProxyNone"));
    automatic_ = new QRadioButton(qs(support::Text(app::ProxyAutomaticCaption)), this);
    automatic_->setObjectName(QStringLiteral("rbProxyAuto"));
    manual_ = new QRadioButton(qs(support::Text(app::ProxyManualCaption)), this);
    manual_->setObjectName(QStringLiteral("rbProxyManual"));
    layout->addWidget(none_);
    layout->addWidget(automatic_);
    layout->addWidget(manual_);

    auto* fields = new QFormLayout;
    fields->setContentsMargins(24, 0, 0, 0);
    edServer_ = new QLineEdit(qs(settings.Server), this);
    edServer_->setObjectName(QStringLiteral("edServer"));
    edPort_ = new QSpinBox(this);
    edPort_->setObjectName(QStringLiteral("edPort"));
    edPort_->setRange(1, 65535);
    edPort_->setValue(settings.Port >= 1 && settings.Port <= 65535 ? settings.Port : app::DefaultProxyPort);
    edUsername_ = new QLineEdit(qs(settings.Username), this);
    edUsername_->setObjectName(QStringLiteral("edUsername"));
    edPassword_ = new QLineEdit(qs(settings.Password), this);
    edPassword_->setObjectName(QStringLiteral("edPassword"));
    edPassword_->setEchoMode(QLineEdit::Password);
    fields->addRow(tr("Имя или адрес сервера:"), edServer_);
    fields->addRow(tr("Порт:"), edPort_);
    fields->addRow(tr("Имя пользователя:"), edUsername_);
    fields->addRow(tr("Пароль:"), edPassword_);
    layout->addLayout(fields);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (app::ProxyServerMissing(this->settings())) {
            QMessageBox::warning(this, windowTitle(), qs(support::Text(app::ProxyServerMissingMessage)));
            edServer_->setFocus();
            return;
        }
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // An unknown mode shows as no proxy.
    modeButton(settings.Mode)->setChecked(true);
    for (QRadioButton* button : {none_, automatic_, manual_})
        connect(button, &QRadioButton::toggled, this, [this] { updateControls(); });
    updateControls();
}

QRadioButton* ProxyDialog::modeButton(int mode) const
{
    switch (static_cast<app::ProxyMode>(mode)) {
    case app::ProxyMode::Automatic:
        return automatic_;
    case app::ProxyMode::Manual:
        return manual_;
    default:
        return none_;
    }
}

void ProxyDialog::updateControls()
{
    const bool manual = manual_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{edServer_, edPort_, edUsername_, edPassword_})
        w->setEnabled(manual);
}

app::ProxySettings ProxyDialog::settings() const
{
    const app::ProxyMode mode = automatic_->isChecked() ? app::ProxyMode::Automatic
                                : manual_->isChecked()  ? app::ProxyMode::Manual
                                                        : app::ProxyMode::None;
    return app::EditedProxy(static_cast<int>(mode), ss(edServer_->text().trimmed()), edPort_->value(),
                            ss(edUsername_->text()), ss(edPassword_->text()));
}

} // namespace belvane::gui
