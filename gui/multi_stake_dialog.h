#pragma once

// "Добавление мультиставки" (TFormMulti): the draw, the number of draws and
// the comment of the stakes made for many combinations at once.

#include <QDialog>

#include "stakes/stake_ops.h"

class QLineEdit;
class QSpinBox;

namespace belvane::gui {

class TFormMulti : public QDialog {
    Q_OBJECT
public:
    TFormMulti(QWidget* parent, int drawNumber);

    // The draw, the number of draws and the comment (valid after accept()).
    stakes::MultiStakeRequest request() const;

    QSpinBox* drawNumberEdit() const { return edDrawNumber_; }
    QSpinBox* drawsCountEdit() const { return edDrawsCount_; }
    QLineEdit* commentEdit() const { return edComment_; }
    // A comment of the caller's (a system game's); the dialog widens to show it whole.
    void setComment(const QString& comment);

    void accept() override;

private:
    QSpinBox* edDrawNumber_;
    QSpinBox* edDrawsCount_;
    QLineEdit* edComment_;
};

} // namespace belvane::gui
