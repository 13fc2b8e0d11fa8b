#include "gui/page.h"

#include <QTabWidget>

namespace belvane::gui {

Page::Page(PageHost& host, const QString& objectName, const QString& title, Side side)
    : host_(host), ws_(host.workspace()), title_(title), side_(side)
{
    setObjectName(objectName);
}

namespace {

// A tab widget holds its pages in a stacked widget of its own.
QTabWidget* tabsOf(QWidget* page)
{
    QWidget* stack = page->parentWidget();
    return stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

} // namespace

void Page::setTabShown(bool shown)
{
    if (QTabWidget* tabs = tabsOf(this); tabs != nullptr && tabs->indexOf(this) >= 0)
        tabs->setTabVisible(tabs->indexOf(this), shown);
}

void Page::makeCurrent()
{
    if (QTabWidget* tabs = tabsOf(this); tabs != nullptr && tabs->indexOf(this) >= 0)
        tabs->setCurrentWidget(this);
}

} // namespace belvane::gui
