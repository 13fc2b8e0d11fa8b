// The "Регуляры" page and its dialog driven as a person would: the dialog's
// refusals, adding for selected combinations, hiding and showing the page,
// the test through its count dialog, and a rating row back into the scenario.

#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "app/archive_service.h"
#include "app/scenario_service.h"
#include "app/stakes_service.h"
#include "app/tables_service.h"
#include "gui/combs_page.h"
#include "gui/stake_dialog.h"
#include "gui/table_dialog.h"
#include "gui/table_views.h"
#include "gui/tables_page.h"
#include "stakes/regular_rules.h"
#include "stakes_test_support.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

gui::TablesPage* tablesPage(gui::MainWindow& w)
{
    return w.findChild<gui::TablesPage*>();
}

class TablesPageTest : public QObject {
    Q_OBJECT

private slots:
    void theDialogAsksForTheStartAndRefusesATakenComment()
    {
        stakes::RegularStake prepared;
        prepared.Comment = std::string(stakes::DefaultRegularComment);
        gui::TFormTable d(nullptr, prepared, 0, {"Первая", "Ёлка"});
        QCOMPARE(d.windowTitle(), QStringLiteral("Добавление регулярной ставки"));
        QCOMPARE(d.commentEdit()->text(), QStringLiteral("Регулярная ставка"));
        QVERIFY(d.useMyCombButton()->isChecked());
        QVERIFY(d.startEdit()->isEnabled()); // nothing selected: the start is typed
        QCOMPARE(d.stepEdit()->value(), 1);
        QCOMPARE(d.stepEdit()->minimum(), -45);
        QCOMPARE(d.stepEdit()->maximum(), 45);

        auto pressOk = [&d] {
            BoxAnswerer boxes;
            d.accept();
            return boxes.texts.value(0);
        };
        QCOMPARE(pressOk(), QStringLiteral("Введена некорректная комбинация!"));
        QVERIFY(d.result() != QDialog::Accepted);
        d.startEdit()->setText(QStringLiteral("45;1;2;3;4;5"));
        d.commentEdit()->setText(QStringLiteral("ёЛКА"));
        QCOMPARE(pressOk(), QStringLiteral("Запись с таким комментарием уже присутствует в списке!\nВыберите другой "
                                           "комментарий."));
        QVERIFY(d.result() != QDialog::Accepted);
        d.useLastDrawButton()->setChecked(true);
        QVERIFY(!d.startEdit()->isEnabled());
        d.commentEdit()->setText(QStringLiteral("Ёлка 2"));
        d.stepEdit()->setValue(-3);
        QCOMPARE(pressOk(), QString());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(d.request().Base == stakes::RegularBase::LastDraw);
        QCOMPARE(d.request().Step, -3);
        QVERIFY(!d.request().Start); // from the newest draw

        gui::TFormTable many(nullptr, prepared, 3, {});
        QCOMPARE(many.startEdit()->text(), QStringLiteral("{...Выделенные комбинации...}"));
        QVERIFY(!many.startEdit()->isEnabled());
    }

    void addsForSelectedCombinationsAndHidesWithTheTab()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        gui::TablesPage* page = tablesPage(*w);
        QVERIFY(page);
        QTableView* list = page->tablesView();
        QCOMPARE(list->model()->columnCount(), 5);
        QStringList captions;
        for (int c = 0; c < 5; ++c)
            captions << list->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(captions, (QStringList{"Комментарий", "Стартовая комбинация", "Шаг", "Текущая комбинация", "Ставок"}));

        gui::SelectRows(w->combsPage()->combsView(), {0, 2, 4});
        w->updateActions();
        QString startText;
        whenModal<gui::TFormTable>([&startText](gui::TFormTable* d) {
            startText = d->startEdit()->text();
            d->accept();
        });
        w->action(QStringLiteral("TablesAdd"))->trigger();
        w->waitUntilIdle();
        QCOMPARE(startText, QStringLiteral("{...Выделенные комбинации...}"));
        QCOMPARE(list->model()->rowCount(), 3);
        QCOMPARE(cellText(list, 0, 0), QStringLiteral("Регулярная ставка (1)"));
        QCOMPARE(cellText(list, 2, 0), QStringLiteral("Регулярная ставка (5)"));
        QCOMPARE(cellText(list, 2, 4), QStringLiteral("0"));

        // Hidden: the tab goes and the list is empty; shown again: loaded and current.
        QTabWidget* tabs = w->rightPages();
        w->action(QStringLiteral("TabTables"))->trigger();
        w->waitUntilIdle();
        QVERIFY(!tabs->isTabVisible(tabs->indexOf(page)));
        QVERIFY(!w->action(QStringLiteral("TabTables"))->isChecked());
        QVERIFY(!w->action(QStringLiteral("TablesAdd"))->isEnabled());
        QCOMPARE(list->model()->rowCount(), 0);
        w->action(QStringLiteral("TabTables"))->trigger();
        w->waitUntilIdle();
        QVERIFY(tabs->isTabVisible(tabs->indexOf(page)));
        QCOMPARE(tabs->currentWidget(), static_cast<QWidget*>(page));
        QCOMPARE(list->model()->rowCount(), 3);
        w->close();
    }

    void theTestAsksItsCountAndStakesEverySelectedRegular()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        app::Workspace& ws = w->workspace();
        w->run([&ws] {
            ws.Tables().Add({"Первая", stakes::RegularBase::Combination, 1, model::TComb{1, 2, 3, 4, 5, 6}}, {});
            ws.Tables().Add({"Вторая", stakes::RegularBase::LastDraw, -3, std::nullopt}, {});
        });
        w->waitUntilIdle();
        gui::TablesPage* page = tablesPage(*w);
        w->rightPages()->setCurrentWidget(page);
        gui::SelectRows(page->tablesView(), {0, 1});
        w->updateActions();
        QVERIFY(w->action(QStringLiteral("TablesStakeTest"))->isEnabled());
        whenModal<QInputDialog>([](QInputDialog* d) {
            d->setIntValue(2);
            d->accept();
        });
        const int offset = ws.Archive().Offset();
        w->action(QStringLiteral("TablesStakeTest"))->trigger();
        w->waitUntilIdle();
        QCOMPARE(int(ws.Stakes().Count()), 4);
        QCOMPARE(ws.Archive().Offset(), offset);
        QCOMPARE(cellText(page->tablesView(), 0, 3), QStringLiteral("3;4;5;6;7;8"));
        QCOMPARE(cellText(page->tablesView(), 1, 4), QStringLiteral("2"));

        // One stake through the stake dialog; cancelled, nothing moves.
        gui::SelectRows(page->tablesView(), {0});
        w->updateActions();
        whenModal<gui::TFormStake>([](gui::TFormStake* d) { d->reject(); });
        w->action(QStringLiteral("TablesStakeAdd"))->trigger();
        w->waitUntilIdle();
        QCOMPARE(cellText(page->tablesView(), 0, 4), QStringLiteral("2"));
        QString numbers;
        whenModal<gui::TFormStake>([&numbers](gui::TFormStake* d) {
            numbers = d->numbersEdit()->text();
            d->accept();
        });
        w->action(QStringLiteral("TablesStakeAdd"))->trigger();
        w->waitUntilIdle();
        QCOMPARE(numbers, QStringLiteral("4;5;6;7;8;9"));
        QCOMPARE(cellText(page->tablesView(), 0, 4), QStringLiteral("3"));
        QCOMPARE(int(ws.Stakes().Count()), 5);
        w->close();
    }

    void aRatingRowGoesBackIntoTheScenario()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        const model::TDraw newest = w->workspace().Archive().Draws().back();
        addStake(*w, newest.Number, combMatching(newest.Balls, 2), "01.001: Моя @ FULL#RAND + TSD#NUMS:10#LNO:#ST:1");
        gui::RatingsPage* ratings = ratingsPage(*w);
        w->rightPages()->setCurrentWidget(ratings);
        gui::SelectRows(ratings->ratingsView(), {0});
        w->updateActions();
        QVERIFY(w->action(QStringLiteral("RatingsToScript"))->isEnabled());
        w->action(QStringLiteral("RatingsToScript"))->trigger();
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Scenario().Count(), 1);
        QCOMPARE(QString::fromStdString(w->workspace().Scenario().Lines().Line(0)),
                 QStringLiteral("FULL#RAND|TSD#NUMS:10#LNO:#ST:1| | | | | | |01.001: Моя"));
        QCOMPARE(w->rightPages()->currentWidget()->objectName(), QStringLiteral("tsScript"));
        w->close();
    }

    void aRatingKeyThatMayHaveBeenCutStaysOut()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        const model::TDraw newest = w->workspace().Archive().Draws().back();
        // As long as a stake comment can be: its "ST:12" may have lost the "2".
        const std::string tail = " @ FULL#RAND + TSD#NUMS:10#LNO:#ST:1";
        const std::string key = "01.001: " + std::string(255 - 8 - tail.size(), 'x') + tail;
        addStake(*w, newest.Number, combMatching(newest.Balls, 2), key);
        gui::RatingsPage* ratings = ratingsPage(*w);
        w->rightPages()->setCurrentWidget(ratings);
        gui::SelectRows(ratings->ratingsView(), {0});
        w->updateActions();
        BoxAnswerer boxes;
        w->action(QStringLiteral("RatingsToScript"))->trigger();
        w->waitUntilIdle();
        QTRY_VERIFY(!boxes.texts.isEmpty());
        QVERIFY2(boxes.texts.value(0).endsWith(QStringLiteral("и ее конец мог быть обрезан!")),
                 qPrintable(boxes.texts.value(0)));
        QCOMPARE(w->workspace().Scenario().Count(), 0);
        w->close();
    }
};

BELVANE_GUI_TEST(TablesPageTest);

} // namespace

#include "tables_test.moc"
