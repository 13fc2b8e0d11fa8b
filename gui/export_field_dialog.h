#pragma once

// "Свойства" of one exported field: the header text, the alignment and the
// column width. A caption the stored parameters could not keep is refused.

#include <QDialog>

#include "support/export_fields.h"

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;

namespace belvane::gui {

class ExportFieldDialog final : public QDialog {
    Q_OBJECT
public:
    ExportFieldDialog(QWidget* parent, const xlsx::ExportField& field);

    // The field with the edited values (valid once the dialog was accepted).
    xlsx::ExportField field() const;

    QLineEdit* captionEdit() const { return edCaption_; }
    QComboBox* alignmentBox() const { return edAlignment_; }
    QDoubleSpinBox* widthEdit() const { return edWidth_; }

public slots:
    void accept() override;

private:
    xlsx::ExportField field_;
    QLineEdit* edCaption_;
    QComboBox* edAlignment_;
    QDoubleSpinBox* edWidth_;
};

} // namespace belvane::gui
