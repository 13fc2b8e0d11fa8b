#pragma once

// "Удаление по условию" (TFormStakeFilter): which stakes to delete by their
// number of matches — a comparison and a value 0..6.

#include <QDialog>

#include "stakes/stake_dialogs.h"

class QComboBox;
class QSpinBox;

namespace belvane::gui {

class TFormStakeFilter : public QDialog {
    Q_OBJECT
public:
    // Opens on the choice made last time.
    TFormStakeFilter(QWidget* parent, const stakes::StakeFilterChoice& choice);

    stakes::StakeFilterChoice choice() const;

    QComboBox* conditionBox() const { return cbCondition_; }
    QSpinBox* valueEdit() const { return edValue_; }

private:
    QComboBox* cbCondition_;
    QSpinBox* edValue_;
};

} // namespace belvane::gui
