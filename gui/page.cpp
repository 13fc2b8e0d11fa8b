#include "gui/page.h"

namespace belvane::gui {

Page::Page(PageHost& host, const QString& objectName, const QString& title, Side side)
    : host_(host), ws_(host.workspace()), title_(title), side_(side)
{
    setObjectName(objectName);
}

} // namespace belvane::gui
