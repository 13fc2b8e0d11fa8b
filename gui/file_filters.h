#pragma once

// File-dialog filters from the program's "Description (*.ext)|*.ext" form.

#include <QString>
#include <string_view>

#include "gui/qt_text.h"

namespace belvane::gui {

inline QString FileFilter(std::string_view filter)
{
    const std::string_view description = filter.substr(0, filter.find('|'));
    return qs(description);
}

} // namespace belvane::gui
