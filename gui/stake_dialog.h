#pragma once

// "Добавление ставки" (TFormStake): one stake by hand — the draw, the six
// numbers (their sum shown as they are typed), the comment and for how many
// draws. OK is taken only when the core's rules accept the fields.

#include <QDialog>

#include "stakes/stake_record.h"

class QLineEdit;
class QSpinBox;

namespace belvane::gui {

class TFormStake : public QDialog {
    Q_OBJECT
public:
    // Opens on the prepared record (its draw, numbers and comment).
    TFormStake(QWidget* parent, const stakes::StakeRecord& prepared);

    // The prepared record with the typed draw, comment and numbers (valid after accept()).
    const stakes::StakeRecord& stake() const { return stake_; }
    int drawsCount() const;

    QSpinBox* drawNumberEdit() const { return edDrawNumber_; }
    QLineEdit* numbersEdit() const { return edStakeData_; }
    QLineEdit* sumEdit() const { return edStakeSum_; }
    QLineEdit* commentEdit() const { return edComment_; }
    QSpinBox* drawsCountEdit() const { return edDrawsCount_; }

    void accept() override;

private:
    QSpinBox* edDrawNumber_;
    QLineEdit* edStakeData_;
    QLineEdit* edStakeSum_;
    QLineEdit* edComment_;
    QSpinBox* edDrawsCount_;
    stakes::StakeRecord stake_;
};

} // namespace belvane::gui
