#pragma once

// "Добавление мультиставки" (TFormMulti): the draw, the number of draws and
// the comment of the stakes made for many combinations at once.

#include <QDialog>

#include "stakes/stake_ops.h"

class QLabel;
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
    // How many combinations OK stakes and what one costs: the dialog says how
    // many stakes that makes and their sum, and follows the number of draws.
    void setCombinations(size_t combinations, Money cost);
    QLabel* summaryLabel() const { return lbSummary_; }

    void accept() override;

private:
    QSpinBox* edDrawNumber_;
    QSpinBox* edDrawsCount_;
    QLineEdit* edComment_;
    QLabel* lbSummary_;
    size_t combinations_ = 0;
    Money cost_ = 0;
};

} // namespace belvane::gui
