#include "frontend/qt_chart.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "views/chart_layout.h"

namespace belvane::chart {
namespace {

// Marks the series whose value marks follow the toggle.
constexpr char kToggledMarks[] = "belvaneToggledMarks";
// Whether a series' value marks are to be shown (those that fit).
constexpr char kMarksShown[] = "belvaneMarksShown";
// About how many ticks an axis carries.
constexpr int kXTicks = 10;
constexpr int kYTicks = 8;
// Room between a point's marker and its value mark.
constexpr double kMarkGap = 2;

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
    // The chart's own marks print large values in exponent form and on top of
    // each other; ValueMarks writes them instead.
    line->setPointLabelsVisible(false);
    line->setProperty(kMarksShown, s.Marks && (!s.MarksFollowToggle || marks));
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
    bars->setLabelsPrecision(12); // whole counts, never in exponent form
    return bars;
}

QString formatText(int decimals)
{
    return QStringLiteral("%.%1f").arg(decimals);
}

// The value marks of the line series: each point's value as text above it,
// only where it covers no other mark, placed again whenever the plot changes.
class ValueMarks final : public QObject {
public:
    explicit ValueMarks(QChart* chart) : QObject(chart), chart_(chart)
    {
        setObjectName(QStringLiteral("belvaneValueMarks"));
        connect(chart, &QChart::plotAreaChanged, this, &ValueMarks::place);
    }

    void add(QXYSeries* series, const views::ChartSeries& data)
    {
        Entry entry{series, {}};
        const QColor color = series->pen().color().darker(130);
        for (const views::ChartPoint& p : data.Points) {
            auto* item = new QGraphicsSimpleTextItem(QString::fromStdString(views::ValueText(p.Y)), chart_);
            item->setBrush(color);
            item->setZValue(10);
            item->setData(0, QString::fromLatin1(ValueMarkTag));
            item->setVisible(false);
            entry.Items.push_back(item);
        }
        entries_.push_back(std::move(entry));
    }

    void place()
    {
        const QRectF plot = chart_->plotArea();
        std::vector<views::LabelBox> boxes;
        std::vector<views::LabelBox> markers;
        std::vector<QGraphicsSimpleTextItem*> candidates;
        std::vector<QPointF> corners;
        // A mark on another point's marker would hide one or the other.
        for (QAbstractSeries* s : chart_->series()) {
            auto* line = qobject_cast<QXYSeries*>(s);
            if (line == nullptr || !line->isVisible() || !line->pointsVisible())
                continue;
            const double half = line->markerSize() / 2;
            for (int i = 0; i < line->count(); ++i) {
                const QPointF at = chart_->mapToPosition(line->at(i), line);
                if (plot.contains(at))
                    markers.push_back({at.x() - half, at.y() - half, 2 * half, 2 * half});
            }
        }
        for (const Entry& e : entries_) {
            const bool shown = e.Series->isVisible() && e.Series->property(kMarksShown).toBool();
            for (int i = 0; i < static_cast<int>(e.Items.size()); ++i) {
                QGraphicsSimpleTextItem* item = e.Items[static_cast<size_t>(i)];
                item->setVisible(false);
                if (!shown || i >= e.Series->count())
                    continue;
                const QPointF at = chart_->mapToPosition(e.Series->at(i), e.Series);
                if (!plot.adjusted(-1, -1, 1, 1).contains(at))
                    continue;
                const QRectF r = item->boundingRect();
                const double above = (e.Series->pointsVisible() ? e.Series->markerSize() / 2 : 0) + kMarkGap;
                const QPointF corner(at.x() - r.width() / 2, at.y() - r.height() - above);
                boxes.push_back({corner.x(), corner.y(), r.width(), r.height()});
                candidates.push_back(item);
                corners.push_back(corner);
            }
        }
        const std::vector<bool> fits = views::PlaceLabels(boxes, markers);
        for (size_t i = 0; i < candidates.size(); ++i)
            if (fits[i]) {
                candidates[i]->setPos(corners[i]);
                candidates[i]->setVisible(true);
            }
    }

private:
    struct Entry {
        QXYSeries* Series;
        std::vector<QGraphicsSimpleTextItem*> Items;
    };
    QChart* chart_;
    std::vector<Entry> entries_;
};

} // namespace

QChart* MakeQChart(const views::Chart& source, bool marks)
{
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    if (source.Series.empty())
        return chart;
    views::Chart data = source;
    views::SortPointsByX(data);
    views::GiveDistinctColors(data);

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
    auto* marksLayer = new ValueMarks(chart);
    for (const views::ChartSeries& s : data.Series) {
        if (s.Kind == views::SeriesKind::Bar) {
            chart->addSeries(barSeries(s));
            continue;
        }
        QAbstractSeries* line = lineSeries(s, data.CategoryAxis, marks);
        chart->addSeries(line);
        if (s.Marks)
            marksLayer->add(static_cast<QXYSeries*>(line), s);
    }

    QAbstractAxis* x = nullptr;
    if (data.CategoryAxis) {
        auto* categories = new QBarCategoryAxis;
        for (const views::ChartPoint& p : data.Series.front().Points)
            categories->append(qs(p.Label));
        // Every category keeps its text: the font shrinks until the widest fits
        // its share of the plot (the axis would cut it short otherwise).
        const double normal = categories->labelsFont().pointSizeF();
        QObject::connect(chart, &QChart::plotAreaChanged, categories, [categories, normal](const QRectF& plot) {
            QFont font = categories->labelsFont();
            font.setPointSizeF(normal);
            const QFontMetricsF metrics(font);
            double widest = 0;
            for (const QString& label : categories->categories())
                widest = std::max(widest, metrics.horizontalAdvance(label));
            const double size =
                views::FittingFontSize(normal, widest, plot.width() / std::max<qsizetype>(categories->count(), 1));
            if (size != categories->labelsFont().pointSizeF()) {
                font.setPointSizeF(size);
                categories->setLabelsFont(font);
            }
        });
        x = categories;
    } else {
        auto* values = new QValueAxis;
        // The draws' own range: nice numbers would leave empty room at the ends.
        const views::AxisScale scale = views::ScaleAxis(minX, maxX, views::AllWholeX(data), kXTicks, false);
        values->setRange(scale.Min, scale.Max);
        values->setTickType(QValueAxis::TicksDynamic);
        values->setTickAnchor(std::ceil(scale.Min / scale.Step) * scale.Step);
        values->setTickInterval(scale.Step);
        values->setLabelFormat(formatText(scale.Decimals));
        x = values;
    }
    auto* y = new QValueAxis;
    // Zero stays in sight, and a flat series keeps room on both sides rather than lying on the frame.
    const double pad = maxY > minY ? (maxY - minY) * 0.05 : std::max(1.0, std::fabs(minY) * 0.05);
    const double low = minY >= 0 ? 0.0 : minY - pad;
    const double high = maxY <= 0 ? 0.0 : maxY + pad;
    const views::AxisScale scale =
        views::ScaleAxis(low, high > low ? high : low + 1, views::AllWholeY(data) || data.WholeY, kYTicks, true);
    y->setRange(scale.Min, scale.Max);
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(scale.Min);
    y->setTickInterval(scale.Step);
    y->setLabelFormat(formatText(scale.Decimals));
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
            xy->setProperty(kMarksShown, visible);
    if (QObject* layer = chart->findChild<QObject*>(QStringLiteral("belvaneValueMarks"), Qt::FindDirectChildrenOnly))
        static_cast<ValueMarks*>(layer)->place();
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
