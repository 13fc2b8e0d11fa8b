#pragma once

// "Данные тиража": the number, the seven numbers and the date of a draw.

#include <QDialog>

#include "model/draw.h"

class QDateTimeEdit;
class QLineEdit;
class QSpinBox;

namespace belvane::gui {

class DrawDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on the record; with showDate false the date and time fields are hidden.
    DrawDialog(QWidget* parent, const model::TDraw& draw, bool showDate = true);

    // The record built from the fields (valid after accept()).
    const model::TDraw& draw() const { return draw_; }

    QLineEdit* numbersEdit() const { return numbers_; }
    QSpinBox* numberEdit() const { return number_; }

    void accept() override;

private:
    QSpinBox* number_;
    QLineEdit* numbers_;
    QDateTimeEdit* date_;
    model::TDraw draw_;
};

} // namespace belvane::gui
