#pragma once

// "Ставки" (tsStakes): the stakes grid over the stakes file, and the "Ставки"
// menu's stake actions — stakes by hand, at random or for the combination
// list, deleting, checking, the stake logs and their switches — with the
// "Системы" menu's system stakes.

#include <optional>

#include "gui/page.h"
#include "model/game.h"

namespace belvane::systems {
struct ListSystem;
}

class QTableView;

namespace belvane::gui {

class CombsPage;
class StakesModel;

class StakesPage final : public Page {
    Q_OBJECT
public:
    // The stakes are made from the combination list of `combs`.
    StakesPage(PageHost& host, CombsPage& combs);

    void fillSelection(app::ViewSelection& selection) const override;
    void restoreState(const app::WindowStateFile& file) override;
    void saveState(app::WindowClosingState& state) override;
    void operationStarting() override;
    void refresh() override;

    QTableView* stakesView() const { return sgStakes_; }
    // Shows the last record (after stakes were added).
    void scrollToEnd();

    // Rows kept on screen while an operation runs, either side of the visible ones.
    static constexpr int FrozenMargin = 500;

private:
    void registerActions();
    // The combination at a row of the list (no operation runs).
    std::optional<model::TComb> combAt(int row) const;

    void stakeAdd(const std::optional<model::TComb>& prefill);
    void stakeAddFromList(bool selectedOnly);
    void stakeDel();
    void stakeFilter();
    void stakeClear();
    // "Cистемная игра по списку системы" (whole) or "... по списку комбинаций":
    // the system for the list's numbers, then the multi-stake dialog, then the stakes.
    void systemStake(bool wholeSystem);
    void stakeSystem(const systems::ListSystem& system, bool wholeSystem);

    CombsPage& combs_;
    QTableView* sgStakes_;
    StakesModel* model_;
};

} // namespace belvane::gui
