#pragma once

// The fields the two stake dialogs share, and how they show a refusal: the
// core's message in an error box, then the focus on the field it names.

#include <QString>
#include <initializer_list>
#include <string>
#include <utility>

#include "stakes/stake_dialogs.h"

class QLineEdit;
class QSpinBox;
class QWidget;

namespace belvane::gui {

// edDrawNumber: 1..2147483647.
QSpinBox* MakeDrawNumberEdit(QWidget* parent, int value);
// edDrawsCount: 1..65535, 1 at first.
QSpinBox* MakeDrawsCountEdit(QWidget* parent);
// edComment: up to the 255 characters a stake keeps.
QLineEdit* MakeCommentEdit(QWidget* parent, const std::string& comment);

void ShowRefusal(QWidget* dialog, const stakes::DialogRefusal& refusal,
                 std::initializer_list<std::pair<stakes::StakeDialogField, QWidget*>> fields);

} // namespace belvane::gui
