#pragma once

// "Добавление регулярной ставки" (TFormTable): the comment, where the numbers
// come from (a constant start combination, or the previous draw) and the
// step. OK is taken only when the core's rules accept the fields.

#include <QDialog>
#include <string>
#include <vector>

#include "app/tables_service.h"
#include "stakes/regular_table.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace belvane::gui {

class TFormTable : public QDialog {
    Q_OBJECT
public:
    // Opens on the prepared record for `combinations` selected rows of the
    // combination list; `comments` are those of the regular stakes there are.
    TFormTable(QWidget* parent, const stakes::RegularStake& prepared, size_t combinations,
               std::vector<std::string> comments);

    // What the dialog's OK hands over (valid after accept()).
    const app::RegularAddRequest& request() const { return request_; }

    QLineEdit* commentEdit() const { return edComment_; }
    QRadioButton* useMyCombButton() const { return rbUseMyComb_; }
    QRadioButton* useLastDrawButton() const { return rbUseLastDraw_; }
    QLineEdit* startEdit() const { return edCombStart_; }
    QSpinBox* stepEdit() const { return edStep_; }

    void accept() override;

private:
    void enableStart();

    QLineEdit* edComment_;
    QRadioButton* rbUseMyComb_;
    QLineEdit* edCombStart_;
    QRadioButton* rbUseLastDraw_;
    QSpinBox* edStep_;
    size_t combinations_;
    std::vector<std::string> comments_;
    app::RegularAddRequest request_;
};

} // namespace belvane::gui
