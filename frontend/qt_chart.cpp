#include "frontend/qt_chart.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace belvane::chart {
namespace {

// Marks the series whose value marks follow the toggle.
constexpr char kToggledMarks[] = "belvaneToggledMarks";

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

QColor qcolor(const views::Rgb& c)
{
    return QColor(c.R, c.G, c.B);
}

QAbstractSeries* lineSeries(const views::ChartSeries& s, bool categories, bool marks)
{
    auto* line = new QLineSeries;
    line->setName(qs(s.Title));
    QPen pen = line->pen();
    if (s.Color)
        pen.setColor(qcolor(*s.Color));
    pen.setWidth(s.Width);
    line->setPen(pen);
    if (s.MarkerSize > 0) {
        line->setPointsVisible(true);
        line->setMarkerSize(s.MarkerSize * 2 + 1);
        if (s.MarkerOutline)
            line->setBrush(qcolor(*s.MarkerOutline));
    }
    for (size_t i = 0; i < s.Points.size(); ++i)
        line->append(categories ? static_cast<double>(i) : s.Points[i].X, s.Points[i].Y);
    line->setPointLabelsFormat(QStringLiteral("@yPoint"));
    line->setPointLabelsClipping(false);
    line->setPointLabelsVisible(s.Marks && (!s.MarksFollowToggle || marks));
    line->setProperty(kToggledMarks, s.MarksFollowToggle);
    return line;
}

QAbstractSeries* barSeries(const views::ChartSeries& s)
{
    auto* set = new QBarSet(qs(s.Title));
    if (s.Color)
        set->setColor(qcolor(*s.Color));
    for (const views::ChartPoint& p : s.Points)
        set->append(p.Y);
    auto* bars = new QBarSeries;
    bars->append(set);
    bars->setLabelsVisible(s.Marks);
    return bars;
}

} // namespace

QChart* MakeQChart(const views::Chart& data, bool marks)
{
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    if (data.Series.empty())
        return chart;

    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    bool first = true;
    for (const views::ChartSeries& s : data.Series) {
        for (size_t i = 0; i < s.Points.size(); ++i) {
            const double x = data.CategoryAxis ? static_cast<double>(i) : s.Points[i].X;
            const double y = s.Points[i].Y;
            minX = first ? x : std::min(minX, x);
            maxX = first ? x : std::max(maxX, x);
            minY = first ? y : std::min(minY, y);
            maxY = first ? y : std::max(maxY, y);
            first = false;
        }
    }
    for (const views::ChartSeries& s : data.Series)
        chart->addSeries(s.Kind == views::SeriesKind::Bar ? barSeries(s) : lineSeries(s, data.CategoryAxis, marks));

    QAbstractAxis* x = nullptr;
    if (data.CategoryAxis) {
        auto* categories = new QBarCategoryAxis;
        for (const views::ChartPoint& p : data.Series.front().Points)
            categories->append(qs(p.Label));
        // Forty-five numbers fit the width only in a small font.
        if (categories->count() > 20) {
            QFont small = categories->labelsFont();
            small.setPointSizeF(small.pointSizeF() * 0.6);
            categories->setLabelsFont(small);
        }
        x = categories;
    } else {
        auto* values = new QValueAxis;
        // The draws' own range: nice numbers would leave empty room at the ends.
        values->setRange(minX, maxX > minX ? maxX : minX + 1);
        values->setLabelFormat(QStringLiteral("%.0f"));
        x = values;
    }
    auto* y = new QValueAxis;
    const double pad = (maxY - minY) * 0.05;
    y->setRange(minY >= 0 ? 0.0 : minY - pad, maxY > minY ? maxY + pad : minY + 1);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    return chart;
}

void SetToggledMarks(QChart* chart, bool visible)
{
    for (QAbstractSeries* s : chart->series())
        if (auto* xy = qobject_cast<QXYSeries*>(s); xy != nullptr && xy->property(kToggledMarks).toBool())
            xy->setPointLabelsVisible(visible);
}

std::vector<uint8_t> RenderChartPng(const views::Chart& data, int width, int height)
{
    static int argc = 1;
    static char name[] = "belvane-cli";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // A tool has no use for Qt's remarks about its desktop environment.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                fprintf(stderr, "%s\n", qPrintable(text));
        });
        app = std::make_unique<QApplication>(argc, argv);
    }
    std::vector<uint8_t> png;
    {
        QGraphicsScene scene;
        QChart* chart = MakeQChart(data, true);
        chart->setTitle(qs(data.Caption));
        scene.addItem(chart);
        chart->setGeometry(0, 0, width, height);
        QCoreApplication::processEvents();
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            scene.render(&painter, QRectF(0, 0, width, height), QRectF(0, 0, width, height));
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (image.save(&buffer, "PNG"))
            png.assign(bytes.begin(), bytes.end());
    }
    return png;
}

} // namespace belvane::chart
