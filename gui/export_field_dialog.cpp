#include "gui/export_field_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::gui {

ExportFieldDialog::ExportFieldDialog(QWidget* parent, const xlsx::ExportField& field) : QDialog(parent), field_(field)
{
    setObjectName(QStringLiteral("FormExpField"));
    setWindowTitle(tr("Свойства"));
    setMinimumWidth(360);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto* physical = new QLabel(qs(support::Text(field.PhysicalField)), this);
    physical->setObjectName(QStringLiteral("lblPhysicalField"));
    form->addRow(tr("Физическое поле:"), physical);
    edCaption_ = new QLineEdit(qs(field.Caption), this);
    edCaption_->setObjectName(QStringLiteral("edCaption"));
    form->addRow(tr("Наименование столбца:"), edCaption_);
    edAlignment_ = new QComboBox(this);
    edAlignment_->setObjectName(QStringLiteral("edAlignment"));
    for (std::string_view text : xlsx::AlignmentTexts)
        edAlignment_->addItem(qs(support::Text(text)));
    edAlignment_->setCurrentIndex(static_cast<int>(field.Align));
    form->addRow(tr("Выравнивание:"), edAlignment_);
    edWidth_ = new QDoubleSpinBox(this);
    edWidth_->setObjectName(QStringLiteral("edWidth"));
    edWidth_->setDecimals(2);
    edWidth_->setRange(0, xlsx::MaxColumnWidth);
    edWidth_->setValue(field.Width);
    form->addRow(tr("Ширина:"), edWidth_);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

xlsx::ExportField ExportFieldDialog::field() const
{
    xlsx::ExportField f = field_;
    f.Caption = ss(edCaption_->text());
    f.Align = static_cast<xlsx::Alignment>(edAlignment_->currentIndex());
    f.Width = edWidth_->value();
    return f;
}

void ExportFieldDialog::accept()
{
    const xlsx::ExportField f = field();
    auto problem = xlsx::ValidateFieldCaption(f.Caption);
    if (!problem)
        problem = xlsx::ValidateFieldWidth(f.Width);
    if (problem) {
        QMessageBox::critical(this, qs(support::Text(CaptionError)), messageText(*problem));
        edCaption_->setFocus();
        edCaption_->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace belvane::gui
