#pragma once

// The online scenario library under the scenario's lines (pnlOnlineScripts):
// the filter box and the catalogue of the exchange service, with the
// "Сценарий" actions on it — showing or hiding the panel, reloading,
// downloading an entry into the working scenario, publishing the working
// scenario, replacing or deleting the user's entries, their properties, the
// users' ratings, rating, removing the rating and hiding.

#include <QWidget>
#include <cstdint>
#include <string>

namespace belvane::app {
class Workspace;
class WindowStateFile;
struct ViewSelection;
struct WindowClosingState;
} // namespace belvane::app

class QComboBox;
class QTableView;

namespace belvane::gui {

class LibraryModel;
class PageHost;

class OnlineScriptsPanel final : public QWidget {
    Q_OBJECT
public:
    OnlineScriptsPanel(PageHost& host, QWidget* parent);

    // The library's actions, in the menu after the page's own.
    void registerActions();

    void fillSelection(app::ViewSelection& selection) const;
    void restoreState(const app::WindowStateFile& file);
    void saveState(app::WindowClosingState& state);
    // Shown or hidden as ScriptLibraryOn says.
    void showEnabled();
    // The page became visible: the first look loads the catalogue, when a
    // service is set up.
    void pageShown();

    QComboBox* filterBox() const { return cbOnlineScriptsFilter_; }
    QTableView* scriptsView() const { return lvOnlineScripts_; }
    const LibraryModel& model() const { return *model_; }
    bool listLoaded() const { return loaded_; }
    // ScriptLibraryRefresh: the catalogue again, the same entry current.
    void loadList();

private:
    void toggle();
    void download();
    void upload();
    void replace();
    void remove();
    void view();
    void rates();
    // 1..5 ask for a comment first; 0 removes the rating, -1 hides the entry.
    void rate(int value);

    int currentRow() const;
    void makeCurrent(int row);
    int currentRating() const;

    PageHost& host_;
    app::Workspace& ws_;
    QComboBox* cbOnlineScriptsFilter_;
    QTableView* lvOnlineScripts_;
    LibraryModel* model_;
    bool loaded_ = false;
};

} // namespace belvane::gui
