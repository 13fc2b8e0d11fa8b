#pragma once

// A page of the main window (a tab sheet) and what the window offers its
// pages. A page builds its controls, registers its actions, tells which of
// its rows are selected, and shows the workspace again after an operation.
// A new subsystem adds one page; the main window only places it.

#include <QWidget>
#include <functional>
#include <initializer_list>

namespace belvane::app {
class Workspace;
class WindowStateFile;
struct ViewSelection;
struct WindowClosingState;
} // namespace belvane::app

namespace belvane::gui {

class ActionRegistry;

class PageHost {
public:
    virtual ~PageHost() = default;

    virtual app::Workspace& workspace() = 0;
    virtual ActionRegistry& actions() = 0;
    // Adds the named actions to the menu of that title (nullptr: a separator).
    // The title is the menu's base-language name, not translated: it names the
    // menu, and the window shows its translation.
    virtual void addToMenu(const QString& title, std::initializer_list<const char*> names) = 0;
    virtual void addToToolBar(std::initializer_list<const char*> names) = 0;

    // Runs an operation on the worker thread; `after` runs on the window's
    // thread once it is done and every page shows the workspace again.
    virtual void run(std::function<void()> operation, std::function<void()> after = {}) = 0;
    virtual bool isRunning() const = 0;
    // Re-evaluates which actions are enabled (after a selection changed).
    virtual void updateActions() = 0;
};

class Page : public QWidget {
    Q_OBJECT
public:
    enum class Side { Left, Right };

    Page(PageHost& host, const QString& objectName, const QString& title, Side side);

    const QString& title() const { return title_; }
    Side side() const { return side_; }
    // This page's tab in its page control: shown or hidden, or made the current one.
    void setTabShown(bool shown);
    void makeCurrent();

    // Rows of this page's lists that are selected, for the enable rules.
    virtual void fillSelection(app::ViewSelection& selection) const = 0;
    // Column widths, sorts and splitters from the window-state file (which
    // can throw; the window reports it).
    virtual void restoreState(const app::WindowStateFile& file) = 0;
    // What the page hands over when the window closes; settings it keeps go
    // through the workspace.
    virtual void saveState(app::WindowClosingState& state) = 0;
    // An operation is about to run on the worker thread: from now until
    // refresh() the page must not read the workspace.
    virtual void operationStarting() {}
    // Shows the workspace as it is now (no operation runs).
    virtual void refresh() = 0;

protected:
    PageHost& host_;
    app::Workspace& ws_;

private:
    QString title_;
    Side side_;
};

} // namespace belvane::gui
