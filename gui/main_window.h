#pragma once

// The main window: the draws and combinations pages on the left, the
// statistics page on the right, the status bar's seven panels, and the named
// actions in menus, context menus and the toolbar. It presents the workspace
// and collects input; every long operation runs on a worker thread.

#include <QFutureWatcher>
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>

#include "app/workspace.h"

class QComboBox;
class QLabel;
class QSortFilterProxyModel;
class QSpinBox;
class QSplitter;
class QTabWidget;
class QTableView;

namespace belvane::gui {

class CombsModel;
class DrawsModel;
class HistoryModel;
class QtHost;
class StatChart;
class StatTableModel;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(app::DataFiles files, app::StartupOptions options);
    ~MainWindow() override;

    // The heavy start-up: lists, stakes file, archive, first refresh. Runs on
    // the worker thread; false when the program cannot go on (the reason was shown).
    bool initialise();

    app::Workspace& workspace() { return *ws_; }
    QtHost& host() { return *host_; }
    QAction* action(const QString& name) const;
    bool isRunning() const { return running_; }
    // Processes events until no operation runs (for scripted use).
    void waitUntilIdle();

    // The views, by their names, for tests and screenshots.
    QTableView* drawsView() const { return lvDraws_; }
    QTableView* combsView() const { return lvCombs_; }
    QTableView* filtersView() const { return lvFilters_; }
    QTableView* statView() const { return lvDrawsStat_; }
    QComboBox* statTypeBox() const { return cbDrawsStatType_; }
    QSpinBox* statLengthBox() const { return edDrawsStatLen_; }
    QSpinBox* offsetBox() const { return edDrawsOffset_; }
    QSpinBox* excludeBox() const { return edCombsExclude_; }
    QTabWidget* leftPages() const { return pcLeft_; }
    QTabWidget* rightPages() const { return pcRight_; }
    QString statusPanelText(int panel) const;

    // Rows of the statistics table as the model holds them, for the selection.
    std::vector<int> selectedStatRows() const;
    void selectStatRows(const std::vector<int>& modelRows);

    // Runs an operation on the worker thread; `after` runs on the window's
    // thread once it is done and the views are refreshed.
    void run(std::function<void()> operation, std::function<void()> after = {});

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildActions();
    void buildMenus();
    QWidget* buildDrawsPage();
    QWidget* buildCombsPage();
    QWidget* buildStatPage();
    void buildStatusBar();
    void restoreWindowState();
    app::WindowClosingState closingState() const;

    void operationFinished();
    void setFrozen(bool frozen);
    void refreshViews();
    void refreshStatTypes();
    void updateActions();
    void setStatus(const QString& text);

    // Action handlers.
    void drawsInfo();
    void drawsAdd();
    void drawsEdit();
    void drawsDel();
    void drawsImport();
    void drawsExport();
    void combsGen();
    void combsOpen();
    void combsSave();
    void combsDelSelected();
    void combsCopy();
    void combsPaste();
    void combsInfo();
    void combsFindInDraws();
    void statFilter(bool remove);
    void filtersReset();
    void editConfig();
    void statTypeChosen(int index);

    std::vector<int> selectedDrawRows() const;
    std::vector<size_t> selectedCombRows() const;

    std::unique_ptr<app::Workspace> ws_;
    QtHost* host_ = nullptr;
    std::map<QString, QAction*> actions_;

    QTabWidget* pcLeft_ = nullptr;
    QTabWidget* pcRight_ = nullptr;
    QSplitter* mainSplitter_ = nullptr;
    QSplitter* combsSplitter_ = nullptr;
    QSplitter* statSplitter_ = nullptr;
    QTableView* lvDraws_ = nullptr;
    QTableView* lvCombs_ = nullptr;
    QTableView* lvFilters_ = nullptr;
    QTableView* lvDrawsStat_ = nullptr;
    QSpinBox* edDrawsOffset_ = nullptr;
    QSpinBox* edCombsExclude_ = nullptr;
    QComboBox* cbDrawsStatType_ = nullptr;
    QSpinBox* edDrawsStatLen_ = nullptr;
    StatChart* crtDrawsStat_ = nullptr;
    std::vector<QLabel*> panels_;

    DrawsModel* drawsModel_ = nullptr;
    CombsModel* combsModel_ = nullptr;
    HistoryModel* historyModel_ = nullptr;
    StatTableModel* statModel_ = nullptr;
    QSortFilterProxyModel* statSort_ = nullptr;

    QFutureWatcher<void> watcher_;
    std::function<void()> after_;
    bool running_ = false;
    bool updatingControls_ = false;
};

} // namespace belvane::gui
