#include "gui/shredding_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "stats/config_data.h"
#include "stats/shredding_value.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::gui {

ShreddingDialog::ShreddingDialog(QWidget* parent, const app::ShreddingSettings& settings) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormShredding"));
    setWindowTitle(tr("Методы шинковки"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (size_t i = 0; i < edFormula_.size(); ++i) {
        const int slot = static_cast<int>(i) + 1;
        auto* label = new QLabel(tr("Формула %1:").arg(slot), this);
        QLineEdit* formula = edFormula_[i] = new QLineEdit(qs(settings.Formulas[i]), this);
        formula->setObjectName(QStringLiteral("edFormula%1").arg(slot));
        formula->setToolTip(tr("Используемая формула"));
        formula->setMinimumWidth(320);
        label->setBuddy(formula);
        QSpinBox* digits = edDigits_[i] = new QSpinBox(this);
        digits->setObjectName(QStringLiteral("edDigits%1").arg(slot));
        digits->setToolTip(tr("Количество используемых знаков после запятой"));
        digits->setRange(stats::MinFormulaDigits, stats::MaxFormulaDigits);
        digits->setValue(settings.Digits[i]);
        grid->addWidget(label, slot - 1, 0);
        grid->addWidget(formula, slot - 1, 1);
        grid->addWidget(digits, slot - 1, 2);
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    auto* info = new QLabel(tr("Используемые переменные:\n"
                               "n1, n2, n3, ..., nX - числа текущего тиража\n"
                               "p1, p2, p3, ..., pX - числа предыдущего тиража"),
                            this);
    info->setObjectName(QStringLiteral("lblInfo"));
    layout->addWidget(info);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ShreddingDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ShreddingDialog::reject);
}

app::ShreddingSettings ShreddingDialog::settings() const
{
    app::ShreddingSettings s;
    for (size_t i = 0; i < edFormula_.size(); ++i) {
        s.Formulas[i] = ss(edFormula_[i]->text());
        s.Digits[i] = edDigits_[i]->value();
    }
    return s;
}

void ShreddingDialog::accept()
{
    for (QLineEdit* formula : edFormula_) {
        if (const auto problem = stats::ShreddingFormulaProblem(ss(formula->text()))) {
            QMessageBox::critical(this, qs(support::Text(CaptionError)), messageText(*problem));
            formula->setFocus();
            formula->selectAll();
            return; // the dialog stays open
        }
    }
    QDialog::accept();
}

} // namespace belvane::gui
