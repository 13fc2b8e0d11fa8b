// The lists across operations: they keep showing their last rows while an
// operation runs and while a question is open, they follow edits without a
// forced refresh, and their selections follow the values they had.

#include <QHeaderView>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <algorithm>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/statistics_service.h"
#include "gui/combs_page.h"
#include "gui/draw_dialog.h"
#include "gui/draws_page.h"
#include "gui/stat_page.h"
#include "gui/table_views.h"
#include "gui_test_support.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

QString cell(const QTableView* view, int row, int column)
{
    return view->model()->index(row, column).data().toString();
}

class ViewsTest : public QObject {
    Q_OBJECT

private:
    DataFolder folder_;

private slots:
    // The delete question is asked before the worker starts, over the rows it names.
    void theDeleteQuestionShowsTheRowsItWillDelete()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        QTableView* draws = w->drawsPage()->drawsView();
        gui::SelectRows(draws, {0, 1});
        const QString newest = cell(draws, 0, 0);
        QVERIFY(!newest.isEmpty());

        QString question;
        bool running = true;
        int rowsDuringQuestion = 0;
        QString newestDuringQuestion;
        auto look = [&](QMessageBox* box) {
            question = box->text();
            running = w->isRunning();
            rowsDuringQuestion = draws->model()->rowCount();
            newestDuringQuestion = cell(draws, 0, 0);
        };
        whenModal<QMessageBox>([&](QMessageBox* box) {
            look(box);
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
            box->button(QMessageBox::No)->click();
        });
        w->action("DrawsDel")->trigger();
        w->waitUntilIdle();
        QCOMPARE(question, QStringLiteral("Удалить все выделенные записи (всего будет удалено 2 записи(ей))?"));
        QVERIFY(!running);
        QCOMPARE(rowsDuringQuestion, 40);
        QCOMPARE(newestDuringQuestion, newest);
        QCOMPARE(w->workspace().Archive().Draws().size(), size_t{40});

        whenModal<QMessageBox>([&](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
        w->action("DrawsDel")->trigger();
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Archive().Draws().size(), size_t{38});
        QCOMPARE(draws->model()->rowCount(), 38);
        QCOMPARE(w->statusPanelText(0), QStringLiteral("Архив тиражей: 38"));
        w->close();
    }

    // A question asked by an operation on the worker: every list still shows its rows.
    void listsKeepTheirRowsWhileAnOperationRuns()
    {
        auto w = startWindow(folder_);
        QVERIFY(w);
        w->statPage()->selectStatRows({4});
        w->action("StatFilter_Include")->trigger(); // a history row to show
        w->waitUntilIdle();

        QTableView* draws = w->drawsPage()->drawsView();
        QTableView* combs = w->combsPage()->combsView();
        QTableView* history = w->combsPage()->filtersView();
        QTableView* stat = w->statPage()->statView();
        const QStringList before{cell(draws, 0, 0), cell(combs, 0, 1), cell(history, 0, 0), cell(stat, 0, 1)};
        for (const QString& text : before)
            QVERIFY(!text.isEmpty());

        QStringList during;
        bool running = false;
        whenModal<QMessageBox>([&](QMessageBox* box) {
            running = w->isRunning();
            during = {cell(draws, 0, 0), cell(combs, 0, 1), cell(history, 0, 0), cell(stat, 0, 1)};
            box->button(QMessageBox::No)->click();
        });
        w->action("FiltersReset")->trigger(); // asks from the worker
        w->waitUntilIdle();
        QVERIFY(running);
        QCOMPARE(during, before);
        QCOMPARE(draws->model()->rowCount(), 40);
        w->close();
    }

    // The statistics follow an edited draw with no forced refresh.
    void anEditedDrawChangesTheStatistics()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        const model::TDraw newest = w->workspace().Archive().Draws().back();
        int absent = 1; // a number the newest draw lacks: its count grows by one
        while (std::find(newest.Balls.begin(), newest.Balls.end(), absent) != newest.Balls.end())
            ++absent;
        QTableView* stat = w->statPage()->statView();
        const int countBefore = cell(stat, absent - 1, 1).toInt();

        gui::SelectRows(w->drawsPage()->drawsView(), {0});
        model::TComb edited = newest.Balls;
        edited[0] = static_cast<model::Ball>(absent);
        std::sort(edited.begin(), edited.end());
        QString text;
        for (model::Ball b : edited)
            text += QString::number(b) + QLatin1Char(';');
        text += QString::number(newest.Extra);
        whenModal<gui::DrawDialog>([text](gui::DrawDialog* d) {
            d->numbersEdit()->setText(text);
            d->accept();
        });
        w->action("DrawsEdit")->trigger();
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Archive().Draws().back().Balls, edited);
        QCOMPARE(cell(stat, absent - 1, 1).toInt(), countBefore + 1);
        w->close();
    }

    // Keep-then-remove with no new selection, in a sorted table; the draws
    // list keeps its rows by draw number.
    void selectionsFollowTheirValues()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        gui::StatPage& page = *w->statPage();
        page.statView()->sortByColumn(1, Qt::DescendingOrder);
        page.selectStatRows({0, 1, 2}); // the numbers 1, 2, 3 wherever the sort put them
        w->action("StatFilter_Include")->trigger();
        w->waitUntilIdle();
        QCOMPARE(page.selectedStatRows().size(), size_t{3});
        std::vector<int> rows = page.selectedStatRows();
        std::sort(rows.begin(), rows.end());
        QCOMPARE(rows, (std::vector<int>{0, 1, 2}));
        QVERIFY(w->action("StatFilter_Exclude")->isEnabled());
        w->action("StatFilter_Exclude")->trigger();
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Combinations().Count(), size_t{0});

        // A forced recalculation keeps it too.
        w->action("DrawsStatCalc")->trigger();
        w->waitUntilIdle();
        QCOMPARE(page.selectedStatRows().size(), size_t{3});

        QTableView* draws = w->drawsPage()->drawsView();
        gui::SelectRows(draws, {3});
        const QString number = cell(draws, 3, 0);
        whenModal<gui::DrawDialog>([](gui::DrawDialog* d) {
            d->numbersEdit()->setText(QStringLiteral("3;7;15;16;19;43;21"));
            d->accept();
        });
        w->action("DrawsAdd")->trigger();
        w->waitUntilIdle();
        QCOMPARE(gui::SelectedRows(draws), (std::vector<int>{4}));
        QCOMPARE(cell(draws, 4, 0), number);
        w->close();
    }

    // Deleting the draws at and above the offset brings the offset box along.
    void theOffsetFollowsTheArchive()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        QSpinBox* offset = w->drawsPage()->offsetBox();
        offset->setValue(39);
        emit offset->editingFinished();
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Archive().Offset(), 39);

        BoxAnswerer yes([](const QString&) { return true; });
        std::vector<int> rows;
        for (int r = 0; r < 10; ++r)
            rows.push_back(r);
        gui::SelectRows(w->drawsPage()->drawsView(), rows);
        w->action("DrawsDel")->trigger();
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Archive().Draws().size(), size_t{30});
        QCOMPARE(w->workspace().Archive().Offset(), 29);
        QCOMPARE(offset->value(), 29);
        QCOMPARE(offset->maximum(), 29);
        QCOMPARE(w->statusPanelText(1),
                 QStringLiteral("Следующий тираж: %1").arg(w->workspace().Archive().NextDrawNumber()));
        QCOMPARE(w->workspace().Statistics().Table().Totals.Total, 6); // one draw seen, not none
        w->close();
    }
};

BELVANE_GUI_TEST(ViewsTest);

} // namespace

#include "views_test.moc"
