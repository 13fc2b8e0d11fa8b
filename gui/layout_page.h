#pragma once

// "Схема" (tsLayout): the numbers of the window by how many draws hold them
// and the newest draw that does, with the next draw's numbers bracketed, and
// below it five lists grouping the numbers of other windows by their counts.

#include <array>
#include <optional>

#include "app/analysis_service.h"
#include "gui/analysis_page.h"

class QSpinBox;
class QTableView;
class QTreeWidget;

namespace belvane::gui {

class GridModel;
class KeptPaneSize;

class LayoutPage final : public AnalysisPage {
    Q_OBJECT
public:
    explicit LayoutPage(PageHost& host);

    void fillSelection(app::ViewSelection& selection) const override;
    void saveState(app::WindowClosingState& state) override;
    QTableView* layoutView() const { return sgLayout_; }
    const GridModel& model() const { return *model_; }
    QTreeWidget* compareList(int i) const { return lvLayoutCmp_[static_cast<size_t>(i)]; }

protected:
    void rebuild(bool force) override;

private:
    void registerActions();
    void filter(bool remove);

    QSpinBox* edLayoutLen_;
    std::array<QSpinBox*, views::LayoutCompareCount> edLayoutCmp_{};
    std::array<QTreeWidget*, views::LayoutCompareCount> lvLayoutCmp_{};
    QTableView* sgLayout_;
    QWidget* comparePanel_;
    KeptPaneSize* compareHeight_;
    GridModel* model_;
    std::optional<app::ViewInputs> built_;
};

} // namespace belvane::gui
