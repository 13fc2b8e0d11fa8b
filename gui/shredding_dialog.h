#pragma once

// "Методы шинковки": the three shredding formulas and the number of decimal
// digits each keeps.

#include <QDialog>
#include <array>

#include "app/configuration_service.h"

class QLineEdit;
class QSpinBox;

namespace belvane::gui {

class ShreddingDialog : public QDialog {
    Q_OBJECT
public:
    ShreddingDialog(QWidget* parent, const app::ShreddingSettings& settings);

    // The formulas and digit counts as the fields hold them.
    app::ShreddingSettings settings() const;

    QLineEdit* formulaEdit(int slot) const { return edFormula_.at(static_cast<size_t>(slot - 1)); }
    QSpinBox* digitsEdit(int slot) const { return edDigits_.at(static_cast<size_t>(slot - 1)); }

    // Refuses a formula that does not read (the evaluator's message, the
    // field focused); otherwise closes with OK.
    void accept() override;

private:
    std::array<QLineEdit*, 3> edFormula_{};
    std::array<QSpinBox*, 3> edDigits_{};
};

} // namespace belvane::gui
