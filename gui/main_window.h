#pragma once

// The main window (TFormMain): the page controls (draws and combinations on
// the left, statistics on the right), the menus and toolbar the pages fill
// with their actions, the status bar's seven panels, and the worker thread
// every long operation runs on. After each operation every page shows the
// workspace again.

#include <QFutureWatcher>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "app/workspace.h"
#include "gui/language_switcher.h"
#include "gui/page.h"

class QLabel;
class QMenu;
class QSplitter;
class QTabWidget;
class QToolBar;

namespace belvane::gui {

class ActionRegistry;
class CombsPage;
class DrawsPage;
class QtHost;
class StatPage;
class StatusBarPanel;

class MainWindow : public QMainWindow, public PageHost {
    Q_OBJECT
public:
    MainWindow(app::DataFiles files, app::StartupOptions options);
    ~MainWindow() override;

    // Start-up cannot go on (another copy of the program did not end in
    // time): the program ends without opening the window.
    bool startupFailed() const { return startupFailed_; }
    // The heavy start-up on the worker thread: stakes file, archive, lists,
    // first refresh, then the missing prefetch files. False when the program
    // cannot go on (the reason was shown).
    bool initialise();

    // ---- what the pages use ------------------------------------------------------
    app::Workspace& workspace() override { return *ws_; }
    ActionRegistry& actions() override { return *actions_; }
    void addToMenu(const QString& title, std::initializer_list<const char*> names) override;
    void addToToolBar(std::initializer_list<const char*> names) override;
    void run(std::function<void()> operation, std::function<void()> after = {}) override;
    bool isRunning() const override { return running_; }
    void updateActions() override;

    QtHost& host() { return *host_; }
    QAction* action(const QString& name) const;
    // CheckUpdate: the search, the update window, the installation; done(true)
    // once an update is staged for the restart.
    void checkUpdates(bool silent, std::function<void(bool staged)> done = {});
    // The silent search at start-up when AutoUpdates is on. True when an
    // update was installed and the window has closed for the restart.
    bool checkUpdatesAtStartup();
    // Closes the window (a staged update replaces the program's files then)
    // so that main() starts the program again with "restart".
    void restartProgram();
    bool restartRequested() const { return restartRequested_; }

    // Processes events until no operation runs (for scripted use).
    void waitUntilIdle();

    DrawsPage* drawsPage() const { return drawsPage_; }
    CombsPage* combsPage() const { return combsPage_; }
    StatPage* statPage() const { return statPage_; }
    QTabWidget* leftPages() const { return pcLeft_; }
    QTabWidget* rightPages() const { return pcRight_; }
    QString statusPanelText(int panel) const;
    StatusBarPanel* statusPanel(int panel) const { return panels_.at(static_cast<size_t>(panel)); }
    QToolBar* toolBar() const { return toolBar_; }

    // The status line's panel.
    static constexpr int StatusPanel = 6;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildInterface();
    void buildLanguageMenu();
    void rebuildInterface();
    // Makes a language current (the base language when it fails; the reason
    // shown unless the module is merely missing and reportMissing is off) and
    // reads every text of the window again.
    void switchLanguage(int lcid, bool reportMissing, bool store);
    void addPage(Page* page);
    void registerActions();
    void buildStatusBar();
    // The toolbar's buttons show their texts when they all fit, else only
    // their icons; the window is never narrower than the icons, so the
    // toolbar never folds its end into a "»" menu that would cover the tabs.
    void fitToolBar();
    void restoreWindowState();
    void editConfig();
    void editShredding();

    void operationFinished();
    // Gives the keyboard back to the window and control that had it before the operation.
    void restoreFocus();
    void refreshViews();
    void setStatus(const QString& text);

    LanguageSwitcher languageSwitcher_;
    std::unique_ptr<app::Workspace> ws_;
    QtHost* host_ = nullptr;
    std::unique_ptr<ActionRegistry> actions_;
    std::map<QString, QMenu*> menus_;
    QToolBar* toolBar_ = nullptr;
    int toolBarTextWidth_ = 0; // the toolbar's width with texts; 0: not measured
    QMenu* languageMenu_ = nullptr;

    QSplitter* mainSplitter_ = nullptr;
    QTabWidget* pcLeft_ = nullptr;
    QTabWidget* pcRight_ = nullptr;
    std::vector<Page*> pages_;
    DrawsPage* drawsPage_ = nullptr;
    CombsPage* combsPage_ = nullptr;
    StatPage* statPage_ = nullptr;
    std::vector<StatusBarPanel*> panels_;
    QString statusText_; // what the status line shows when no hint covers it

    QFutureWatcher<void> watcher_;
    std::function<void()> after_;
    bool running_ = false;
    bool focusRemembered_ = false;
    QPointer<QWidget> activeBefore_;
    QPointer<QWidget> focusBefore_;
    bool closeAfterRun_ = false; // closing waits for a scenario that was asked to stop
    bool startupFailed_ = false;
    bool restartRequested_ = false;
};

} // namespace belvane::gui
