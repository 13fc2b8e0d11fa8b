#pragma once

// "Параметры proxy-сервера": no proxy, automatic search, or a server chosen
// by hand with its port, user name and password.

#include <QDialog>

#include "app/proxy_settings.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace belvane::gui {

class ProxyDialog : public QDialog {
    Q_OBJECT
public:
    ProxyDialog(QWidget* parent, const app::ProxySettings& settings);

    // The settings as entered (see app::EditedProxy).
    app::ProxySettings settings() const;

    QRadioButton* modeButton(int mode) const;
    QLineEdit* serverEdit() const { return edServer_; }
    QSpinBox* portBox() const { return edPort_; }
    QLineEdit* usernameEdit() const { return edUsername_; }
    QLineEdit* passwordEdit() const { return edPassword_; }

private:
    void updateControls();

    QRadioButton* none_;
    QRadioButton* automatic_;
    QRadioButton* manual_;
    QLineEdit* edServer_;
    QSpinBox* edPort_;
    QLineEdit* edUsername_;
    QLineEdit* edPassword_;
};

} // namespace belvane::gui
