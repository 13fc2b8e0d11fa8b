#pragma once

// "Регуляры" (tsTables): the regular stakes list and the "Ставки" menu's
// regular stake actions — adding, deleting, the next stake of one and the
// test of the selected ones at past offsets — and "Вкладка \"Регуляры\"",
// which shows or hides the page (hidden, nothing is read or written).

#include "gui/page.h"

class QTableView;

namespace belvane::gui {

class CombsPage;
class StakesPage;
class TablesModel;

class TablesPage final : public Page {
    Q_OBJECT
public:
    // Regular stakes start from the selected rows of `combs`; their stakes
    // are shown by `stakes`.
    TablesPage(PageHost& host, CombsPage& combs, StakesPage& stakesPage);

    void fillSelection(app::ViewSelection& selection) const override;
    void restoreState(const app::WindowStateFile& file) override;
    void saveState(app::WindowClosingState& state) override;
    void refresh() override;

    QTableView* tablesView() const { return lvTables_; }

private:
    void registerActions();
    void tablesAdd();
    void tablesDel();
    void tablesStakeAdd();
    void tablesStakeTest();
    void toggleTab();

    CombsPage& combs_;
    StakesPage& stakes_;
    QTableView* lvTables_;
    TablesModel* model_;
};

} // namespace belvane::gui
