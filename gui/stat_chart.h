#pragma once

// The statistics chart: the window's counts per value ("Фактические
// данные") and, with a prefetch file, the full set scaled to the window
// ("Все возможные комбинации").

#include <QChartView>

namespace belvane::app {
struct DrawsStatChart;
}

namespace belvane::gui {

class StatChart : public QChartView {
    Q_OBJECT
public:
    explicit StatChart(QWidget* parent);
    void display(const app::DrawsStatChart& stat);
    void clear();
};

} // namespace belvane::gui
