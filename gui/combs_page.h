#pragma once

// "Комбинации" (tsCombs): the combination list and the operation history,
// with generating, opening, saving, copying, pasting and reducing the list.

#include <cstddef>
#include <vector>

#include "gui/page.h"

class QSpinBox;
class QSplitter;
class QTableView;

namespace belvane::gui {

class CombsModel;
class DeferredInput;
class HistoryModel;

class CombsPage final : public Page {
    Q_OBJECT
public:
    explicit CombsPage(PageHost& host);

    void fillSelection(app::ViewSelection& selection) const override;
    void restoreState(const app::WindowStateFile& file) override;
    void saveState(app::WindowClosingState& state) override;
    void operationStarting() override;
    void refresh() override;

    QTableView* combsView() const { return lvCombs_; }
    QTableView* filtersView() const { return lvFilters_; }
    QSpinBox* excludeBox() const { return edCombsExclude_; }

    // Rows kept on screen while an operation runs, either side of the visible ones.
    static constexpr int FrozenMargin = 5000;

private:
    void registerActions();
    std::vector<size_t> selectedCombRows() const;

    void combsGen();
    void combsOpen();
    void combsSave();
    void combsDelSelected();
    void combsCopy();
    void combsPaste();
    void combsInfo();
    void combsFindInDraws();
    void combsXlsExport();

    QSpinBox* edCombsExclude_;
    QSplitter* splitter_;
    QTableView* lvCombs_;
    QTableView* lvFilters_;
    CombsModel* combsModel_;
    HistoryModel* historyModel_;
    DeferredInput* excludeInput_;
};

} // namespace belvane::gui
