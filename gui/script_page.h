#pragma once

// "Сценарий" (tsScript): the scenario's lines (lvScript) and its status bar
// (sbScript), with opening, appending and saving scenario files, adding,
// cloning, editing, moving and deleting lines, and running the scenario
// ("Прогноз", "Тест", "Стоп") with its run logs; under them the online
// scenario library (pnlOnlineScripts).

#include <QString>
#include <string>
#include <vector>

#include "gui/page.h"

class QLabel;
class QSplitter;
class QStatusBar;
class QTableView;
class QToolBar;

namespace belvane::gui {

struct FilterDialogSetup;
class OnlineScriptsPanel;
class ScriptModel;
class StatusBarPanel;

class ScriptPage final : public Page {
    Q_OBJECT
public:
    explicit ScriptPage(PageHost& host);

    void fillSelection(app::ViewSelection& selection) const override;
    void restoreState(const app::WindowStateFile& file) override;
    void saveState(app::WindowClosingState& state) override;
    void operationStarting() override;
    void refresh() override;

    QTableView* scriptView() const { return lvScript_; }
    // "Прогноз", "Тест" and "Стоп" over the lines.
    QToolBar* runBar() const { return runBar_; }
    OnlineScriptsPanel* libraryPanel() const { return library_; }
    QString scriptPanelText(int panel) const;
    StatusBarPanel* scriptPanel(int panel) const { return panels_.at(static_cast<size_t>(panel)); }
    // The current line: the first selected one; -1 when none is.
    int currentLine() const;

    // A running scenario's panels (cycle, 1-based line, stakes made, activity);
    // the line being run is selected.
    void showRunPanels(int cycle, int line, int stakes, const QString& activity);

    // What the filter dialog offers, from the window as it is now.
    FilterDialogSetup filterSetup() const;

    // Panels of sbScript: lines, cycle, line, stakes, activity.
    static constexpr int ScriptPanelCount = 5;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void registerActions();
    // Selects only this line, makes it current and shows it.
    void selectLine(int row);
    // Runs the element dialog on a line; false on cancel, else `result` is the line OK built.
    bool editLine(const QString& caption, const std::string& line, std::string& result);
    QString chooseFile(bool save, const char* action);

    void scriptOpen();
    void scriptLoad();
    void scriptSave();
    void scriptAdd();
    void scriptEmpty();
    void scriptClone();
    void scriptEdit();
    void scriptDel();
    void scriptClr();
    void scriptMove(bool up);
    // The pages a run drives (draws, combinations, statistics) and the lines.
    void setRunViewsEnabled(bool enabled);
    // "Прогноз", or "Тест" after asking the number of tests.
    void scriptRun(bool test);

    QTableView* lvScript_;
    ScriptModel* model_;
    QToolBar* runBar_ = nullptr;
    QStatusBar* sbScript_;
    std::vector<StatusBarPanel*> panels_;
    QSplitter* splitter_;
    OnlineScriptsPanel* library_;
    int libraryHeight_; // the panel's height until the page was first laid out
    bool laidOut_ = false;
    int shownLine_ = 0; // the line a run selected last (1-based; 0: none)
};

} // namespace belvane::gui
