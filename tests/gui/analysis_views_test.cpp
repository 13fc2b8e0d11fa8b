// The four analysis tabs, the graph window and the analyses: they show the
// archive, follow an edited draw without a forced refresh, and hand their
// cells to the filters.

#include <QBarCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QListWidget>
#include <QSet>
#include <QValueAxis>
#include <cmath>
#include <memory>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QLineSeries>
#include <QTableView>
#include <QTreeWidget>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "frontend/qt_chart.h"
#include "gui/card_page.h"
#include "gui/graph_window.h"
#include "gui/graphs_page.h"
#include "gui/grid_model.h"
#include "gui/layout_page.h"
#include "gui/progress_dialog.h"
#include "gui/qt_host.h"
#include "gui/repeats_dialog.h"
#include "gui/week_page.h"
#include "gui_test_support.h"
#include "views/week_grid.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

// The texts of the value marks the chart shows.
QStringList visibleMarks(QChart* chart)
{
    QStringList texts;
    for (QGraphicsItem* item : chart->childItems())
        if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item);
            text != nullptr && text->isVisible() && text->data(0).toString() == QLatin1String(chart::ValueMarkTag))
            texts << text->text();
    return texts;
}

template <class P>
P* showPage(gui::MainWindow& w)
{
    P* page = w.findChild<P*>();
    w.rightPages()->setCurrentWidget(page);
    QApplication::processEvents();
    return page;
}

class AnalysisViewsTest : public QObject {
    Q_OBJECT

private slots:
    void everyTabShowsTheArchive()
    {
        DataFolder folder(40);
        auto w = startWindow(folder);
        QVERIFY(w);
        const model::TDraw newest = w->workspace().Archive().Draws().back();

        gui::GraphsPage* graphs = showPage<gui::GraphsPage>(*w);
        QVERIFY(graphs->typeBox()->count() > 0);
        QCOMPARE(int(graphs->chartView()->chart()->series().size()), 3);
        auto* values = qobject_cast<QLineSeries*>(graphs->chartView()->chart()->series().first());
        QVERIFY(values);
        QCOMPARE(int(values->count()), 40);

        gui::CardPage* card = showPage<gui::CardPage>(*w);
        QCOMPARE(card->cardView()->model()->rowCount(), 40);
        QCOMPARE(card->cardView()->model()->columnCount(), 47);
        QCOMPARE(card->model().cell(0, 0).Text, QString::number(newest.Number));
        QCOMPARE(card->model().cell(0, 46).Text, QString::number(newest.Extra));

        gui::LayoutPage* layout = showPage<gui::LayoutPage>(*w);
        QVERIFY(layout->layoutView()->model()->rowCount() > 0);
        QVERIFY(layout->compareList(0)->topLevelItemCount() > 0);

        gui::WeekPage* week = showPage<gui::WeekPage>(*w);
        QCOMPARE(week->weekView()->model()->rowCount(), 7);
        QCOMPARE(int(week->chartView()->chart()->series().size()), 1);
    }

    // An edit keeps the draw count; the card follows it all the same.
    void anEditedDrawReachesTheCardWithoutAForcedRefresh()
    {
        DataFolder folder(10);
        auto w = startWindow(folder);
        QVERIFY(w);
        gui::CardPage* card = showPage<gui::CardPage>(*w);
        app::Workspace& ws = w->workspace();
        model::TDraw edited = ws.Archive().Draws().back();
        edited.Balls = {1, 2, 3, 4, 5, 45};
        w->run([&] { ws.Archive().ReplaceDraw(static_cast<int>(ws.Archive().Draws().size()) - 1, edited); });
        w->waitUntilIdle();
        QCOMPARE(card->model().cell(0, 45).Text, QStringLiteral("45"));
        QCOMPARE(card->model().cell(0, 1).Text, QStringLiteral("1"));
    }

    void cardCellsKeepTheirNumbers()
    {
        DataFolder folder(10);
        auto w = startWindow(folder);
        QVERIFY(w);
        gui::CardPage* card = showPage<gui::CardPage>(*w);
        const model::TDraw newest = w->workspace().Archive().Draws().back();
        const int number = newest.Balls[0];
        QAction* keep = w->action(QStringLiteral("CardFilter_Include"));
        card->cardView()->selectionModel()->select(card->cardView()->model()->index(0, 46),
                                                   QItemSelectionModel::ClearAndSelect);
        w->updateActions();
        QVERIFY(!keep->isEnabled()); // the extra number's column
        card->cardView()->selectionModel()->select(card->cardView()->model()->index(0, number),
                                                   QItemSelectionModel::ClearAndSelect);
        w->updateActions();
        QVERIFY(keep->isEnabled());
        keep->trigger();
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Combinations().Count(), static_cast<size_t>(model::Binomial(44, 5)));
        QCOMPARE(QString::fromStdString(w->workspace().Combinations().History().Rows().back().Caption),
                 QStringLiteral("Карта"));
    }

    void theGraphWindowShowsMarksThatFitAndEveryTitleInFull()
    {
        const std::string longTitle = "Диапазон 1 (от 1/3 и выше по оси Y) - суммы 100-176, и ещё немного текста";
        views::Chart chart;
        views::AddPoint(chart, 1, "a", 1'000'000, true, true, views::Red);
        views::AddPoint(chart, 2, "a", 2.5, true, true, views::Red);
        views::AddPoint(chart, 3, "a", 2.5, true, true, views::Red);
        views::AddPoint(chart, 1, longTitle, 1, false, false, std::nullopt);
        gui::GraphWindow window(nullptr, chart, QStringLiteral("График"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::processEvents();
        QChart* c = window.chartView()->chart();
        const QStringList shown = visibleMarks(c);
        QVERIFY2(shown.contains(QStringLiteral("1000000")), qPrintable(shown.join('|')));
        QVERIFY2(shown.contains(QStringLiteral("2.50")), qPrintable(shown.join('|')));
        QCOMPARE(shown.size(), 3); // the series without marks has none
        window.marksBox()->setChecked(false);
        QVERIFY(visibleMarks(c).isEmpty());
        window.marksBox()->setChecked(true);
        QCOMPARE(visibleMarks(c).size(), 3);
        QCOMPARE(window.windowTitle(), QStringLiteral("График"));

        // The titles are listed below the chart, uncut; the chart's own legend is off.
        QVERIFY(!c->legend()->isVisible());
        QCOMPARE(window.legendList()->count(), 2);
        QCOMPARE(window.legendList()->item(1)->text(), QString::fromStdString(longTitle));
    }

    void crowdedMarksAreThinnedOut()
    {
        views::Chart chart;
        for (int x = 1; x <= 400; ++x)
            views::AddPoint(chart, x, "many", 5, true, true, views::Red); // one row of marks
        gui::GraphWindow window(nullptr, chart);
        window.resize(600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::processEvents();
        std::vector<QRectF> boxes;
        for (QGraphicsItem* item : window.chartView()->chart()->childItems())
            if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item);
                text != nullptr && text->isVisible() && text->data(0).toString() == QLatin1String(chart::ValueMarkTag))
                boxes.push_back(text->sceneBoundingRect());
        QVERIFY(!boxes.empty());
        QVERIFY(boxes.size() < 400);
        for (size_t i = 0; i < boxes.size(); ++i)
            for (size_t j = 0; j < i; ++j)
                QVERIFY(!boxes[i].intersects(boxes[j]));
    }

    void axesTickAtWholeNumbersAndSeriesHaveColoursOfTheirOwn()
    {
        // A matches distribution: matches 0..6, a fractional chance line, counts of a few stakes.
        views::Chart chart;
        chart.WholeY = true;
        for (int k = 0; k <= 6; ++k) {
            views::AddPoint(chart, k, "chance", 3.0 * (6 - k) / 7, true, false, views::Gray);
            views::AddPoint(chart, k, "row 1", k % 3, true, false, std::nullopt);
            views::AddPoint(chart, k, "row 2", k % 2, true, false, std::nullopt);
        }
        std::unique_ptr<QChart> c(chart::MakeQChart(chart, false));
        auto* x = qobject_cast<QValueAxis*>(c->axes(Qt::Horizontal).first());
        auto* y = qobject_cast<QValueAxis*>(c->axes(Qt::Vertical).first());
        QVERIFY(x != nullptr && y != nullptr);
        for (QValueAxis* axis : {x, y}) {
            QCOMPARE(axis->tickType(), QValueAxis::TicksDynamic);
            QVERIFY(axis->tickInterval() >= 1);
            QCOMPARE(axis->tickInterval(), std::floor(axis->tickInterval()));
            QCOMPARE(axis->labelFormat(), QStringLiteral("%.0f"));
        }
        QSet<QRgb> colours;
        for (QAbstractSeries* s : c->series())
            colours.insert(qobject_cast<QXYSeries*>(s)->pen().color().rgb());
        QCOMPARE(colours.size(), 3);

        // The week chart's 45 numbers are all labelled: in a narrow chart
        // the font shrinks until the widest fits its share.
        views::WeekGrid grid;
        QChartView view(chart::MakeQChart(
            views::WeekChart(grid, views::WeekChartMode::ByNumber, false, 1, 1, views::RussianWeekdayNames()), false));
        view.resize(700, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QApplication::processEvents();
        auto* numbers = qobject_cast<QBarCategoryAxis*>(view.chart()->axes(Qt::Horizontal).first());
        QVERIFY(numbers != nullptr);
        QCOMPARE(numbers->count(), 45);
        const double share = view.chart()->plotArea().width() / 45;
        QVERIFY(QFontMetricsF(numbers->labelsFont()).horizontalAdvance(QStringLiteral("45")) <= share * 0.45);
    }

    void theRepeatsWindowListsAndCharts()
    {
        DataFolder folder(30);
        auto w = startWindow(folder);
        QVERIFY(w);
        gui::RepeatsDialog dialog(w.get(), *w);
        dialog.lengthBox()->setValue(5);
        dialog.depthBox()->setValue(10);
        dialog.calculate();
        w->waitUntilIdle();
        QVERIFY(dialog.listView()->model()->rowCount() > 0);
        QVERIFY(!dialog.chartView()->chart()->series().isEmpty());
    }

    // The list keeps its column widths, across a new analysis and the next
    // opening; the progress of an analysis started in the open window is
    // shown over that window, where its "Отмена" can be pressed.
    void theRepeatsWindowKeepsItsColumnsAndShowsItsProgressOverItself()
    {
        DataFolder folder(60);
        auto w = startWindow(folder);
        QVERIFY(w);
        {
            gui::RepeatsDialog dialog(w.get(), *w);
            dialog.listView()->setColumnWidth(3, 321);
            dialog.calculate();
            w->waitUntilIdle();
            QVERIFY(dialog.listView()->model()->rowCount() > 0);
            QCOMPARE(dialog.listView()->columnWidth(3), 321);
        }
        gui::RepeatsDialog again(w.get(), *w);
        QCOMPARE(again.listView()->columnWidth(3), 321);

        QWidget* owner = nullptr;
        whenModal<gui::RepeatsDialog>([&](gui::RepeatsDialog* d) {
            d->calculate();
            w->waitUntilIdle();
            if (w->host().progressDialog() != nullptr)
                owner = w->host().progressDialog()->parentWidget();
            d->accept();
        });
        again.exec();
        QCOMPARE(owner, &again);
        QVERIFY(again.listView()->model()->rowCount() > 0);

        // Closed while its analysis runs, the window stops it.
        w->waitUntilIdle();
        QVERIFY(!w->isRunning());
        auto* closed = new gui::RepeatsDialog(w.get(), *w);
        closed->calculate();
        QVERIFY(w->isRunning());
        QTest::qSleep(200); // the analysis is under way (its window open) when the window goes
        delete closed;
        w->waitUntilIdle();
        QVERIFY(w->workspace().Host().cancelled());
    }

    // The progress window says what the operation does: the status text at
    // its opening and each one after.
    void theProgressWindowShowsTheStatusText()
    {
        DataFolder folder(5);
        auto w = startWindow(folder);
        QVERIFY(w);
        gui::QtHost& host = w->host();
        host.setStatus("Идет сбор статистики....");
        host.openProgress(10, true);
        QVERIFY(host.progressDialog() != nullptr);
        QCOMPARE(host.progressDialog()->activity(), QStringLiteral("Идет сбор статистики...."));
        host.closeProgress();
        host.setStatus("Создание графиков...");
        host.openProgress(10, true);
        QCOMPARE(host.progressDialog()->activity(), QStringLiteral("Создание графиков..."));
        host.setStatus("Создание графиков... ( завершено 50 % )");
        QCOMPARE(host.progressDialog()->activity(), QStringLiteral("Создание графиков... ( завершено 50 % )"));
        host.closeProgress();
        host.setStatus("");
    }
};

BELVANE_GUI_TEST(AnalysisViewsTest);

} // namespace

#include "analysis_views_test.moc"
