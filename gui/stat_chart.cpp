#include "gui/stat_chart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

#include "app/draws_stat_table.h"
#include "gui/qt_text.h"

namespace belvane::gui {
namespace {

// Labels stay readable: at most this many along the axis.
constexpr int kMaxLabels = 24;

} // namespace

StatChart::StatChart(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("crtDrawsStat"));
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->setAlignment(Qt::AlignBottom);
    chart()->setMargins(QMargins(4, 4, 4, 4));
}

void StatChart::clear()
{
    chart()->removeAllSeries();
    for (QAbstractAxis* axis : chart()->axes())
        chart()->removeAxis(axis);
}

void StatChart::display(const app::DrawsStatChart& stat)
{
    clear();
    if (stat.Actual.empty() && stat.Total.empty())
        return;

    auto* actual = new QLineSeries;
    actual->setName(qs(app::ActualSeriesTitle));
    QPen pen(QColor(0, 160, 0));
    pen.setWidth(2);
    actual->setPen(pen);
    actual->setPointsVisible(true);
    actual->setMarkerSize(4);
    actual->setBrush(QColor(255, 0, 255));
    for (const app::ChartPoint& p : stat.Actual)
        actual->append(p.Index, p.Value);
    this->chart()->addSeries(actual);

    QLineSeries* total = nullptr;
    if (!stat.Total.empty()) {
        total = new QLineSeries;
        total->setName(qs(app::TotalSeriesTitle));
        total->setPen(QPen(QColor(220, 0, 0), 1.5));
        for (const app::ChartPoint& p : stat.Total)
            total->append(p.Index, p.Value);
        this->chart()->addSeries(total);
    }

    // Points are labelled with the values' texts along the horizontal axis.
    const auto& labelled = stat.Total.empty() ? stat.Actual : stat.Total;
    auto* x = new QCategoryAxis;
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int step = std::max<int>(1, static_cast<int>((labelled.size() + kMaxLabels - 1) / kMaxLabels));
    for (size_t i = 0; i < labelled.size(); i += static_cast<size_t>(step))
        x->append(qs(labelled[i].Label), labelled[i].Index);
    x->setRange(labelled.front().Index - 0.5, labelled.back().Index + 0.5);
    x->setLabelsAngle(labelled.size() > 12 ? -60 : 0);

    auto* y = new QValueAxis;
    double top = 0;
    for (const auto* series : {&stat.Actual, &stat.Total})
        for (const app::ChartPoint& p : *series)
            top = std::max(top, p.Value);
    y->setRange(0, top > 0 ? top * 1.1 : 1);
    y->setLabelFormat(QStringLiteral("%.0f"));

    this->chart()->addAxis(x, Qt::AlignBottom);
    this->chart()->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : this->chart()->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
}

} // namespace belvane::gui
