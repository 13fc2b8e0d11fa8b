#include "gui/stat_chart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <set>

#include "gui/qt_text.h"
#include "support/translation.h"

namespace belvane::gui {
namespace {

// Room each label keeps free on either side (the axis pads its labels too).
constexpr double kLabelGap = 16;
constexpr int kValueTicks = 5;

// The step of the count axis: 1, 2 or 5 times a power of ten, never below 1,
// so no two ticks print the same whole number.
double countStep(double top)
{
    const double raw = std::max(top / kValueTicks, 1.0);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw)
            return m * power;
    return 10 * power;
}

const std::vector<app::ChartPoint>& labelled(const app::DrawsStatChart& stat)
{
    return stat.Total.empty() ? stat.Actual : stat.Total;
}

} // namespace

StatChart::StatChart(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("crtDrawsStat"));
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->setAlignment(Qt::AlignBottom);
    chart()->setMargins(QMargins(4, 4, 4, 4));
    // The plot's width decides how many value texts fit; relabel once the layout settles.
    connect(chart(), &QChart::plotAreaChanged, this, &StatChart::labelPoints, Qt::QueuedConnection);
}

void StatChart::clear()
{
    chart()->removeAllSeries();
    for (QAbstractAxis* axis : chart()->axes()) {
        chart()->removeAxis(axis);
        delete axis;
    }
    x_ = nullptr;
    step_ = 0;
    stat_ = {};
}

void StatChart::display(const app::DrawsStatChart& stat)
{
    clear();
    if (stat.Actual.empty() && stat.Total.empty())
        return;
    stat_ = stat;

    auto* actual = new QLineSeries;
    actual->setName(qs(support::Text(app::ActualSeriesTitle)));
    QPen pen(QColor(0, 160, 0));
    pen.setWidth(2);
    actual->setPen(pen);
    actual->setPointsVisible(true);
    actual->setMarkerSize(4);
    actual->setBrush(QColor(255, 0, 255));
    for (const app::ChartPoint& p : stat.Actual)
        actual->append(p.Index, p.Value);
    chart()->addSeries(actual);

    if (!stat.Total.empty()) {
        auto* total = new QLineSeries;
        total->setName(qs(support::Text(app::TotalSeriesTitle)));
        total->setPen(QPen(QColor(220, 0, 0), 1.5));
        for (const app::ChartPoint& p : stat.Total)
            total->append(p.Index, p.Value);
        chart()->addSeries(total);
    }

    const auto& points = labelled(stat);
    x_ = new QCategoryAxis;
    x_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    x_->setRange(points.front().Index - 0.5, points.back().Index + 0.5);
    x_->setStartValue(points.front().Index - 0.5);

    auto* y = new QValueAxis;
    double top = 0;
    for (const auto* series : {&stat.Actual, &stat.Total})
        for (const app::ChartPoint& p : *series)
            top = std::max(top, p.Value);
    const double step = countStep(top);
    y->setRange(0, std::max(std::ceil(top * 1.05 / step), 1.0) * step);
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setTickInterval(step);
    y->setLabelFormat(QStringLiteral("%.0f"));

    chart()->addAxis(x_, Qt::AlignBottom);
    chart()->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : chart()->series()) {
        s->attachAxis(x_);
        s->attachAxis(y);
    }
    labelPoints();
}

void StatChart::labelPoints()
{
    if (x_ == nullptr)
        return;
    const auto& points = labelled(stat_);
    const QFontMetricsF metrics(x_->labelsFont());
    double widest = 0;
    for (const app::ChartPoint& p : points)
        widest = std::max(widest, metrics.horizontalAdvance(qs(p.Label)));
    double width = chart()->plotArea().width();
    if (width <= 0)
        width = std::max(100, viewport()->width() - 80);
    // The axis gives each label an equal share of its width (one more share than labels).
    const int fit = std::max(1, static_cast<int>(width / (widest + kLabelGap)) - 1);
    const int step = std::max(1, static_cast<int>((points.size() + fit - 1) / static_cast<size_t>(fit)));
    if (step == step_)
        return;
    step_ = step;

    for (const QString& label : x_->categoriesLabels())
        x_->remove(label);
    std::set<QString> used; // the axis takes every label once
    for (size_t i = 0; i < points.size(); i += static_cast<size_t>(step)) {
        const QString label = qs(points[i].Label);
        if (used.insert(label).second)
            x_->append(label, points[i].Index);
    }
}

} // namespace belvane::gui
