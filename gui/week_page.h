#pragma once

// "Неделя" (tsWeek): how often each number fell on each day of the week, and
// the chart of the current cell's row (numbers of one weekday) or column (one
// number over the weekdays). Selected columns keep or remove combinations.

#include <optional>

#include "app/analysis_service.h"
#include "gui/analysis_page.h"

class QChartView;
class QSpinBox;
class QTableView;

namespace belvane::gui {

class GridModel;
class KeptPaneSize;

class WeekPage final : public AnalysisPage {
    Q_OBJECT
public:
    explicit WeekPage(PageHost& host);

    void fillSelection(app::ViewSelection& selection) const override;
    void saveState(app::WindowClosingState& state) override;
    QTableView* weekView() const { return sgWeek_; }
    QChartView* chartView() const { return crtWeek_; }

protected:
    void rebuild(bool force) override;

private:
    void registerActions();
    void drawChart();
    void filter(bool remove);

    QSpinBox* edWeekLen_;
    QTableView* sgWeek_;
    GridModel* model_;
    QChartView* crtWeek_;
    KeptPaneSize* chartHeight_;
    views::WeekGrid grid_;
    std::optional<app::ViewInputs> built_;
};

} // namespace belvane::gui
