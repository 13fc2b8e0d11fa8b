#pragma once

// The statistics chart: the window's counts per value ("Фактические
// данные") and, with a prefetch file, the full set scaled to the window
// ("Все возможные комбинации"). Labels are never cut: the value axis steps in
// whole numbers and the value texts are thinned out to what the width holds.

#include <QChartView>

#include "app/draws_stat_table.h"

class QCategoryAxis;

namespace belvane::gui {

class StatChart : public QChartView {
    Q_OBJECT
public:
    explicit StatChart(QWidget* parent);
    void display(const app::DrawsStatChart& stat);
    void clear();

    // Every how many points a value text is written along the horizontal axis.
    int labelStep() const { return step_; }

private:
    // Writes the value texts that fit the plot's width (again when the width changes).
    void labelPoints();

    app::DrawsStatChart stat_;
    QCategoryAxis* x_ = nullptr;
    int step_ = 0;
};

} // namespace belvane::gui
