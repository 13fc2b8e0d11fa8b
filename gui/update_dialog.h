#pragma once

// "Найдена новая версия программы": the running and the new version and what
// the update changes; "Установить" starts the download and installation.

#include <QDialog>

#include "app/update_service.h"

class QLabel;
class QPlainTextEdit;

namespace belvane::gui {

class UpdateDialog : public QDialog {
    Q_OBJECT
public:
    UpdateDialog(QWidget* parent, const app::UpdateOffer& offer);

    QString runningText() const;
    QString newText() const;
    QString descriptionText() const;

private:
    QLabel* running_;
    QLabel* new_;
    QPlainTextEdit* description_;
};

} // namespace belvane::gui
