// The four analysis tabs, the graph window and the analyses: they show the
// archive, follow an edited draw without a forced refresh, and hand their
// cells to the filters.

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QLineSeries>
#include <QTableView>
#include <QTreeWidget>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "gui/card_page.h"
#include "gui/graph_window.h"
#include "gui/graphs_page.h"
#include "gui/grid_model.h"
#include "gui/layout_page.h"
#include "gui/repeats_dialog.h"
#include "gui/week_page.h"
#include "gui_test_support.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

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

    void theGraphWindowTogglesItsMarks()
    {
        views::Chart chart;
        views::AddPoint(chart, 1, "a", 2, true, true, views::Red);
        views::AddPoint(chart, 2, "a", 3, true, true, views::Red);
        views::AddPoint(chart, 1, "b", 1, false, false, std::nullopt);
        gui::GraphWindow window(nullptr, chart, QStringLiteral("График"));
        auto* a = qobject_cast<QLineSeries*>(window.chartView()->chart()->series().first());
        QVERIFY(a->pointLabelsVisible());
        window.marksBox()->setChecked(false);
        QVERIFY(!a->pointLabelsVisible());
        QCOMPARE(window.windowTitle(), QStringLiteral("График"));
    }

    void theRepeatsWindowListsAndCharts()
    {
        DataFolder folder(30);
        auto w = startWindow(folder);
        QVERIFY(w);
        gui::RepeatsDialog dialog(w.get(), w->workspace());
        dialog.lengthBox()->setValue(5);
        dialog.depthBox()->setValue(10);
        dialog.calculate();
        QVERIFY(dialog.listView()->model()->rowCount() > 0);
        QVERIFY(!dialog.chartView()->chart()->series().isEmpty());
    }
};

BELVANE_GUI_TEST(AnalysisViewsTest);

} // namespace

#include "analysis_views_test.moc"
