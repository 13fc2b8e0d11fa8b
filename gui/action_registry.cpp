#include "gui/action_registry.h"

#include <algorithm>

#include "app/view_selection.h"
#include "app/workspace.h"
#include "gui/qt_text.h"

namespace belvane::gui {

QAction* ActionRegistry::add(ActionDefinition definition)
{
    auto* action = new QAction(definition.Caption, owner_);
    action->setObjectName(QString::fromLatin1(definition.Name));
    if (!definition.Shortcut.isEmpty())
        action->setShortcut(definition.Shortcut);
    action->setStatusTip(definition.StatusTip.isEmpty() ? definition.Caption : definition.StatusTip);
    if (!definition.StatusTip.isEmpty())
        action->setToolTip(definition.StatusTip);
    if (definition.Checked) {
        action->setCheckable(true);
        checked_[action] = std::move(definition.Checked);
    }
    if (definition.WhileRunning)
        whileRunning_.push_back(action);
    QObject::connect(action, &QAction::triggered, owner_, [handler = std::move(definition.Handler)] {
        if (handler)
            handler();
    });
    Q_ASSERT(!byName_.contains(action->objectName()));
    byName_[action->objectName()] = action;
    ordered_.push_back(action);
    return action;
}

QAction* ActionRegistry::find(const QString& name) const
{
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

void ActionRegistry::update(const app::Workspace& ws, const app::ViewSelection& selection, bool running)
{
    for (QAction* action : ordered_) {
        const bool asked =
            !running || std::find(whileRunning_.begin(), whileRunning_.end(), action) != whileRunning_.end();
        action->setEnabled(asked && ws.ActionEnabled(ss(action->objectName()), selection));
    }
    if (running)
        return; // the worker may be changing what the check marks show
    for (const auto& [action, checked] : checked_)
        action->setChecked(checked());
}

} // namespace belvane::gui
