#pragma once

// "Создание нового списка комбинаций": the generation mode, my numbers or the
// list file, and whether the choice becomes the default.

#include <QDialog>

#include "app/configuration_service.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

namespace belvane::gui {

class GenerateDialog : public QDialog {
    Q_OBJECT
public:
    GenerateDialog(QWidget* parent, const app::GenerateSettings& settings);

    app::GenerateSettings settings() const;
    bool saveAsDefault() const;

    QComboBox* modeBox() const { return mode_; }
    QLineEdit* parameterEdit() const { return parameter_; }

private:
    void updateControls();

    QComboBox* mode_;
    QLineEdit* parameter_;
    QToolButton* browse_;
    QCheckBox* saveDefault_;
};

} // namespace belvane::gui
