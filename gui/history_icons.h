#pragma once

// The icons of the operation history's rows and of the two filter actions,
// drawn once.

#include <QIcon>

namespace belvane::gui {

QIcon KeepIcon();
QIcon RemoveIcon();
QIcon RollbackIcon();

} // namespace belvane::gui
