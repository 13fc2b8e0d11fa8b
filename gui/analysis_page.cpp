#include "gui/analysis_page.h"

#include "app/workspace.h"
#include "gui/action_registry.h"

namespace belvane::gui {

AnalysisPage::AnalysisPage(PageHost& host, const QString& objectName, const QString& title, std::string_view tabKey,
                           const char* tabAction)
    : Page(host, objectName, title, Side::Right), tabKey_(tabKey)
{
    host_.actions().add({tabAction,
                         title,
                         {},
                         tr("Показать или скрыть закладку \"%1\"").arg(title),
                         [this] {
                             ws_.SetSetting(tabKey_, ws_.Settings().Flag(tabKey_) ? 0 : 1);
                             showTab();
                             host_.updateActions();
                         },
                         [this] { return ws_.Settings().Flag(tabKey_); }});
    host_.addToMenu(QStringLiteral("Вид"), {tabAction});
}

void AnalysisPage::showTab()
{
    setTabShown(ws_.Settings().Flag(tabKey_));
}

void AnalysisPage::refresh()
{
    running_ = false;
    showTab();
    if (isVisible())
        rebuild(false);
}

void AnalysisPage::showEvent(QShowEvent* event)
{
    Page::showEvent(event);
    if (!running_)
        rebuild(false);
}

} // namespace belvane::gui
