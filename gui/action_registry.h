#pragma once

// The main window's named actions. Each page registers its own (name,
// caption, shortcut, status tip, handler); menus, toolbars and context menus
// find them by name. Which ones are enabled is the workspace's decision.

#include <QAction>
#include <QKeySequence>
#include <QString>
#include <functional>
#include <map>
#include <vector>

namespace belvane::app {
class Workspace;
struct ViewSelection;
} // namespace belvane::app

namespace belvane::gui {

struct ActionDefinition {
    const char* Name = "";
    QString Caption;
    QKeySequence Shortcut = {};
    // Shown on the status line while the pointer rests on the action; the caption when empty.
    QString StatusTip = {};
    std::function<void()> Handler;
    // A check item: whether it is checked now (read only while no operation runs).
    std::function<bool()> Checked = {};
    // Usable while an operation runs (a running scenario's "Стоп"); its enable
    // rule must then read only what is safe to read from the window's thread.
    bool WhileRunning = false;
};

class ActionRegistry {
public:
    explicit ActionRegistry(QObject* owner) : owner_(owner) {}

    QAction* add(ActionDefinition definition);
    // The action of that name; nullptr when none is registered.
    QAction* find(const QString& name) const;
    QAction* operator[](const char* name) const { return find(QString::fromLatin1(name)); }
    const std::vector<QAction*>& all() const { return ordered_; }

    // Enables each action as the workspace decides for this selection, and
    // sets the check marks. While an operation runs every action is disabled
    // but those usable while running, and the workspace is asked only about them.
    void update(const app::Workspace& ws, const app::ViewSelection& selection, bool running);

private:
    QObject* owner_;
    std::map<QString, QAction*> byName_;
    std::vector<QAction*> ordered_;
    std::map<QAction*, std::function<bool()>> checked_;
    std::vector<QAction*> whileRunning_;
};

} // namespace belvane::gui
