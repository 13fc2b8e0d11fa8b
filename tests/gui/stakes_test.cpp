// The stakes page and its dialogs driven as a person would: stakes by hand,
// for selected combinations, deleting by condition and by row, the check
// after a new draw, and which list Ctrl+Del acts on.

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <map>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/stakes_service.h"
#include "gui/action_registry.h"
#include "gui/combs_page.h"
#include "gui/draw_dialog.h"
#include "gui/multi_stake_dialog.h"
#include "gui/stake_dialog.h"
#include "gui/stake_filter_dialog.h"
#include "gui/table_views.h"
#include "model/comb_text.h"
#include "stakes/stake_dialogs.h"
#include "stakes_test_support.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

QString listText(const model::TComb& comb)
{
    model::TComb sorted = comb;
    std::sort(sorted.begin(), sorted.end());
    return QString::fromStdString(model::CombToListText(sorted));
}

class StakesTest : public QObject {
    Q_OBJECT

private slots:
    // The dialog keeps its fields and its focus on a refusal, with the core's message.
    void theStakeDialogRefusesWhatTheRulesRefuse()
    {
        stakes::StakeRecord prepared = stakes::MakeStake(stakes::StakeKind::Manual, 41, {3, 7, 15, 16, 19, 43}, 100,
                                                         std::string(stakes::ManualStakeComment), -2 * MoneyScale);
        gui::TFormStake d(nullptr, prepared);
        QCOMPARE(d.numbersEdit()->text(), QStringLiteral("3;7;15;16;19;43"));
        QCOMPARE(d.sumEdit()->text(), QStringLiteral("103"));
        QCOMPARE(d.drawNumberEdit()->value(), 41);
        QCOMPARE(d.drawsCountEdit()->value(), 1);
        QCOMPARE(d.commentEdit()->text(), QStringLiteral("Ставка \"вручную\""));
        d.numbersEdit()->setText(QStringLiteral("5;5;1;2;3;4"));
        QCOMPARE(d.sumEdit()->text(), QStringLiteral("20"));
        d.numbersEdit()->setText(QStringLiteral("1;2;x;4"));
        QCOMPARE(d.sumEdit()->text(), QStringLiteral("7")); // an unreadable word counts 0

        auto pressOk = [&d] {
            BoxAnswerer boxes;
            d.accept();
            return boxes.texts.value(0);
        };
        for (const QString& bad : {QStringLiteral("5;5;1;2;3;4"), QStringLiteral("0;1;2;3;4;5"),
                                   QStringLiteral("1;2;3;4;5"), QStringLiteral("1;2;3;4;5;46")}) {
            d.numbersEdit()->setText(bad);
            QCOMPARE(pressOk(), QStringLiteral("Введена некорректная комбинация!"));
            QCOMPARE(d.focusWidget(), static_cast<QWidget*>(d.numbersEdit()));
            QVERIFY(d.result() != QDialog::Accepted);
        }
        d.numbersEdit()->setText(QStringLiteral("45, 1, 2, 3, 4, 5"));
        d.commentEdit()->setText(QStringLiteral("   "));
        QCOMPARE(pressOk(), QStringLiteral("Необходимо ввести комментарий!"));
        QCOMPARE(d.focusWidget(), static_cast<QWidget*>(d.commentEdit()));

        // The last draw of the stake must still have a 32-bit number.
        d.commentEdit()->setText(QStringLiteral("моя"));
        d.drawNumberEdit()->setValue(2147483647);
        d.drawsCountEdit()->setValue(2);
        QCOMPARE(pressOk(), QStringLiteral("Номер последнего тиража ставки (2147483648) больше 2147483647!"));
        QCOMPARE(d.focusWidget(), static_cast<QWidget*>(d.drawsCountEdit()));

        d.drawsCountEdit()->setValue(1);
        QCOMPARE(pressOk(), QString());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const stakes::StakeRecord& stake = d.stake();
        QCOMPARE(stake.DrawNumber, 2147483647);
        QCOMPARE(stake.Comment, std::string("моя"));
        QCOMPARE(stake.Count, 6);
        QCOMPARE(QString::fromStdString(model::JoinNumbers(stake.numbers(), ";")), QStringLiteral("1;2;3;4;5;45"));
        QCOMPARE(stake.ListSize, 100);
        QCOMPARE(stake.Profit, -2 * MoneyScale);

        gui::TFormMulti multi(nullptr, 12);
        QCOMPARE(multi.commentEdit()->text(), QStringLiteral("Ставка \"вручную\""));
        multi.commentEdit()->clear();
        {
            BoxAnswerer boxes;
            multi.accept();
            QCOMPARE(boxes.texts, QStringList{QStringLiteral("Необходимо ввести комментарий!")});
        }
        QVERIFY(multi.result() != QDialog::Accepted);
    }

    // F4 over a selected combination: the dialog starts from it and the
    // stake for two draws goes into the grid.
    void makesAStakeThroughTheDialog()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        setPrizes(*w);
        QTableView* combs = w->combsPage()->combsView();
        gui::SelectRows(combs, {3});
        const model::TComb comb = w->workspace().Combinations().Combs()[3];

        QString prefilled;
        int draw = 0;
        whenModal<gui::TFormStake>([&](gui::TFormStake* d) {
            prefilled = d->numbersEdit()->text();
            draw = d->drawNumberEdit()->value();
            d->numbersEdit()->setText(QStringLiteral("1;2;3;4;5;45"));
            d->commentEdit()->setText(QStringLiteral("моя ставка"));
            d->drawsCountEdit()->setValue(2);
            d->accept();
        });
        w->action("StakeAdd")->trigger();
        w->waitUntilIdle();
        QCOMPARE(prefilled, listText(comb));
        QCOMPARE(draw, 41);

        // Stake, separator, stake for the next draw; neither is in the archive yet.
        QCOMPARE(w->workspace().Stakes().Count(), size_t{3});
        QTableView* grid = stakesPage(*w)->stakesView();
        QCOMPARE(grid->model()->rowCount(), 3);
        QCOMPARE(cellText(grid, 0, 0), QStringLiteral("41"));
        QCOMPARE(cellText(grid, 0, 1), QStringLiteral("Вручную"));
        QCOMPARE(cellText(grid, 0, 2), QStringLiteral("1;2;3;4;5;45"));
        QCOMPARE(cellText(grid, 0, 3), QStringLiteral("8145060"));
        QCOMPARE(cellText(grid, 0, 4), QString());
        QCOMPARE(cellText(grid, 0, 5), QString());
        QCOMPARE(cellText(grid, 0, 7), QStringLiteral("-2.00"));
        QCOMPARE(cellText(grid, 0, 8), QStringLiteral("моя ставка"));
        for (int c = 0; c < 9; ++c)
            QCOMPARE(cellText(grid, 1, c), QString());
        QCOMPARE(cellText(grid, 2, 0), QStringLiteral("42"));
        QCOMPARE(grid->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(234, 255, 234));
        QVERIFY(!grid->model()->index(1, 0).data(Qt::BackgroundRole).isValid()); // the window colour
        QVERIFY(!grid->model()->index(0, 7).data(Qt::ForegroundRole).isValid()); // unchecked
        QCOMPARE(w->statusPanelText(4), QStringLiteral("Ставок: 3"));

        // Nothing selected: the dialog starts with no numbers; cancel adds nothing.
        combs->clearSelection();
        QVERIFY(activate(*w));
        whenModal<gui::TFormStake>([&](gui::TFormStake* d) {
            prefilled = d->numbersEdit()->text();
            d->reject();
        });
        QTest::keyClick(w.get(), Qt::Key_F4);
        w->waitUntilIdle();
        QCOMPARE(prefilled, QString());
        QCOMPARE(w->workspace().Stakes().Count(), size_t{3});

        // Double-clicking a combination stakes that one.
        w->leftPages()->setCurrentWidget(w->combsPage());
        const int row = 6;
        const QRect rect = combs->visualRect(combs->model()->index(row, 1));
        whenModal<gui::TFormStake>([&](gui::TFormStake* d) {
            prefilled = d->numbersEdit()->text();
            d->reject();
        });
        QTest::mouseClick(combs->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(combs->viewport(), Qt::LeftButton, {}, rect.center());
        QTRY_COMPARE(prefilled, listText(w->workspace().Combinations().Combs()[row]));
        w->close();
    }

    void makesStakesForTheSelectedCombinations()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        QTableView* combs = w->combsPage()->combsView();
        QVERIFY(!w->action("StakeAddSelected")->isEnabled());
        gui::SelectRows(combs, {2, 5, 7});
        QVERIFY(w->action("StakeAddSelected")->isEnabled());
        const auto list = w->workspace().Combinations().Combs();
        const std::vector<model::TComb> chosen{list[2], list[5], list[7]};

        int draw = 0;
        whenModal<gui::TFormMulti>([&draw](gui::TFormMulti* d) {
            draw = d->drawNumberEdit()->value();
            d->commentEdit()->setText(QStringLiteral("t1"));
            d->accept();
        });
        w->action("StakeAddSelected")->trigger();
        w->waitUntilIdle();
        QCOMPARE(draw, 41);
        app::StakesService& stakes = w->workspace().Stakes();
        QCOMPARE(stakes.Count(), size_t{3});
        QTableView* grid = stakesPage(*w)->stakesView();
        for (int i = 0; i < 3; ++i) {
            const stakes::StakeRecord r = stakes.Record(static_cast<size_t>(i));
            QCOMPARE(r.DrawNumber, 41);
            QCOMPARE(r.Comment, std::string("t1"));
            QCOMPARE(cellText(grid, i, 2), listText(chosen[static_cast<size_t>(i)]));
        }
        QVERIFY(gui::SelectedRows(combs).empty());
        QVERIFY(!w->action("StakeAddSelected")->isEnabled());
        w->close();
    }

    // "Не менее 3" keeps the separators and the unchecked stakes; "Менее 1"
    // then takes the unchecked ones too. The dialog remembers the choice.
    void deletesByNumberOfMatches()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        bool yes = true;
        BoxAnswerer boxes([&yes](const QString&) { return yes; });
        const model::TDraw newest = w->workspace().Archive().Draws().back();
        addStake(*w, newest.Number, newest.Balls, "six");
        addStake(*w, newest.Number, combMatching(newest.Balls, 3), "three");
        addStake(*w, newest.Number, combMatching(newest.Balls, 0), "none");
        // Two draws after a stake: separator, stake, separator, stake.
        addStake(*w, newest.Number + 1, combMatching(newest.Balls, 2), "later", 2);
        app::StakesService& stakes = w->workspace().Stakes();
        QCOMPARE(stakes.Count(), size_t{7});
        QTableView* grid = stakesPage(*w)->stakesView();
        QCOMPARE(cellText(grid, 0, 5), QStringLiteral("6"));

        whenModal<gui::TFormStakeFilter>([](gui::TFormStakeFilter* d) {
            QCOMPARE(d->conditionBox()->count(), 5);
            d->conditionBox()->setCurrentIndex(2);
            QCOMPARE(d->conditionBox()->currentText(), QStringLiteral("Не менее [ >= ]"));
            d->valueEdit()->setValue(3);
            d->accept();
        });
        w->action("StakeFilter")->trigger();
        w->waitUntilIdle();
        // Asked first, with the count.
        QCOMPARE(boxes.texts, QStringList{QStringLiteral(
                                  "Удалить ставки, удовлетворяющие условию (всего будет удалено 2 ставок)?")});
        QCOMPARE(stakes.Count(), size_t{5});
        QCOMPARE(grid->model()->rowCount(), 5);
        QCOMPARE(cellText(grid, 0, 8), QStringLiteral("none"));
        QVERIFY(stakes.Record(1).isSeparator());
        QCOMPARE(cellText(grid, 2, 8), QStringLiteral("later"));
        QVERIFY(stakes.Record(3).isSeparator());
        QCOMPARE(cellText(grid, 4, 8), QStringLiteral("later"));
        QCOMPARE(w->statusPanelText(4), QStringLiteral("Ставок: 5"));

        int shownCondition = -1;
        int shownValue = -1;
        whenModal<gui::TFormStakeFilter>([&](gui::TFormStakeFilter* d) {
            shownCondition = d->conditionBox()->currentIndex();
            shownValue = d->valueEdit()->value();
            d->conditionBox()->setCurrentIndex(3); // "Менее [ < ]"
            d->valueEdit()->setValue(1);
            d->accept();
        });
        yes = false; // no: nothing goes
        w->action("StakeFilter")->trigger();
        w->waitUntilIdle();
        QCOMPARE(shownCondition, 2);
        QCOMPARE(shownValue, 3);
        QCOMPARE(boxes.texts.size(), 2);
        QVERIFY(boxes.texts.back().contains(QStringLiteral("всего будет удалено 3 ставок")));
        QCOMPARE(stakes.Count(), size_t{5});

        // The declined choice is the one offered next.
        whenModal<gui::TFormStakeFilter>([&](gui::TFormStakeFilter* d) {
            shownCondition = d->conditionBox()->currentIndex();
            d->accept();
        });
        yes = true;
        w->action("StakeFilter")->trigger();
        w->waitUntilIdle();
        QCOMPARE(shownCondition, 3);
        QCOMPARE(stakes.Count(), size_t{2});
        QVERIFY(stakes.Record(0).isSeparator());
        QVERIFY(stakes.Record(1).isSeparator());
        QVERIFY(!w->action("StakeDel")->isEnabled()); // no stake row is selected
        w->close();
    }

    // A stake for the next draw is scored as soon as that draw is added.
    void theCheckAfterANewDrawShowsInTheGrid()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        setPrizes(*w);
        addStake(*w, 41, {1, 2, 3, 4, 5, 6}, "t1");
        addStake(*w, 41, {20, 21, 22, 23, 24, 25}, "t2");
        QTableView* grid = stakesPage(*w)->stakesView();
        QCOMPARE(cellText(grid, 0, 5), QString());
        QCOMPARE(cellText(grid, 0, 7), QStringLiteral("-2.00"));

        whenModal<gui::DrawDialog>([](gui::DrawDialog* d) {
            d->numberEdit()->setValue(41);
            d->numbersEdit()->setText(QStringLiteral("1;2;3;10;11;12;13"));
            d->accept();
        });
        w->action("DrawsAdd")->trigger();
        w->waitUntilIdle();
        QCOMPARE(cellText(grid, 0, 4), QStringLiteral("1;2;3;10;11;12"));
        QCOMPARE(cellText(grid, 0, 5), QStringLiteral("3"));
        QCOMPARE(cellText(grid, 0, 6), QStringLiteral("1 2 3"));
        QCOMPARE(cellText(grid, 0, 7), QStringLiteral("8.00"));
        for (int c = 5; c <= 7; ++c)
            QCOMPARE(grid->model()->index(0, c).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 128, 0));
        QCOMPARE(cellText(grid, 1, 5), QStringLiteral("0"));
        QCOMPARE(cellText(grid, 1, 7), QStringLiteral("-2.00"));
        QCOMPARE(grid->model()->index(1, 7).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
        QVERIFY(!grid->model()->index(1, 4).data(Qt::ForegroundRole).isValid());
        // Both went into the ratings.
        QCOMPARE(ratingsPage(*w)->ratingsView()->model()->rowCount(), 2);
        QCOMPARE(w->statusPanelText(5), QStringLiteral("Рейтинг: 2"));
        w->close();
    }

    // Ctrl+Del deletes in the list that has the focus, and the stakes' question
    // is asked before anything runs, over the rows it names.
    void ctrlDelActsOnTheFocusedList()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        for (int d = 41; d <= 43; ++d)
            addStake(*w, d, {1, 2, 3, 4, 5, 6}, "t");
        gui::StakesPage* page = stakesPage(*w);
        w->rightPages()->setCurrentWidget(page);
        w->leftPages()->setCurrentWidget(w->combsPage());
        QTableView* grid = page->stakesView();
        QTableView* combs = w->combsPage()->combsView();
        gui::SelectRows(grid, {1});
        gui::SelectRows(combs, {0, 1});
        QVERIFY(activate(*w));

        const size_t listSize = w->workspace().Combinations().Count();
        {
            BoxAnswerer boxes([](const QString&) { return true; });
            combs->setFocus();
            QTRY_VERIFY(combs->hasFocus());
            QTest::keyClick(combs, Qt::Key_Delete, Qt::ControlModifier);
            w->waitUntilIdle();
            QCOMPARE(w->workspace().Combinations().Count(), listSize - 2);
            QCOMPARE(w->workspace().Stakes().Count(), size_t{3});
            QVERIFY(boxes.texts.isEmpty());
        }

        QString question;
        bool running = true;
        int rowsDuringQuestion = 0;
        BoxAnswerer boxes([&](const QString& text) {
            question = text;
            running = w->isRunning();
            rowsDuringQuestion = grid->model()->rowCount();
            return true;
        });
        grid->setFocus();
        QTRY_VERIFY(grid->hasFocus());
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
        w->waitUntilIdle();
        QCOMPARE(question, QStringLiteral("Удалить выделенную запись?"));
        QVERIFY(!running);
        QCOMPARE(rowsDuringQuestion, 3);
        QCOMPARE(w->workspace().Stakes().Count(), size_t{2});
        QCOMPARE(cellText(grid, 1, 0), QStringLiteral("43"));
        QCOMPARE(w->workspace().Combinations().Count(), listSize - 2);
        w->close();
    }

    // "Удалить все ставки" asks with the count before anything runs; the
    // ratings then ask their own question and are rebuilt from nothing.
    void clearingAsksWithTheCountFirst()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        const model::TDraw newest = w->workspace().Archive().Draws().back();
        addStake(*w, newest.Number, newest.Balls, "a", 2); // stake, separator, stake
        app::StakesService& stakes = w->workspace().Stakes();
        QCOMPARE(stakes.Count(), size_t{3});

        QStringList questions;
        bool running = true;
        {
            BoxAnswerer boxes([&](const QString& text) {
                questions << text;
                running = w->isRunning();
                return false;
            });
            w->action("StakeClear")->trigger();
            w->waitUntilIdle();
        }
        QCOMPARE(questions,
                 QStringList{QStringLiteral("Удалить все выделенные записи (всего будет удалено 3 записи(ей))?")});
        QVERIFY(!running);
        QCOMPARE(stakes.Count(), size_t{3});

        {
            BoxAnswerer boxes([](const QString&) { return true; });
            w->action("StakeClear")->trigger();
            w->waitUntilIdle();
            QCOMPARE(boxes.texts.size(), 2);
            QVERIFY(boxes.texts[1].startsWith(QStringLiteral("Пересчитать рейтинг")));
        }
        QCOMPARE(stakes.Count(), size_t{0});
        QCOMPARE(stakesPage(*w)->stakesView()->model()->rowCount(), 0);
        QCOMPARE(w->statusPanelText(4), QStringLiteral("Ставок: 0"));
        QCOMPARE(ratingsPage(*w)->ratingsView()->model()->rowCount(), 0);
        QCOMPARE(w->statusPanelText(5), QStringLiteral("Рейтинг: 0"));
        QVERIFY(!w->action("StakeClear")->isEnabled());
        w->close();
    }

    // A window that goes without being closed still closes the workspace: the
    // stakes file is let go, and the next window opens it with its stakes.
    void aWindowDestroyedUnclosedLetsTheStakesFileGo()
    {
        DataFolder folder;
        {
            auto w = startWindow(folder);
            QVERIFY(w);
            addStake(*w, 41, {1, 2, 3, 4, 5, 6}, "t");
        }
        auto w = startWindow(folder);
        QVERIFY(w);
        QCOMPARE(w->workspace().Stakes().Count(), size_t{1});
        QCOMPARE(w->statusPanelText(4), QStringLiteral("Ставок: 1"));
        w->close();
    }

    // Keys the stakes and ratings take win over the program's own, and no two
    // window-wide actions share a key (Qt would run neither).
    void everyWindowShortcutIsUnique()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        QCOMPARE(w->action("StakeAdd")->shortcut(), QKeySequence(Qt::Key_F4));
        QCOMPARE(w->action("StakeAddRandom")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4));
        QCOMPARE(w->action("StakeDel")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
        QCOMPARE(w->action("StakesCheckManual")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F5));
        QCOMPARE(w->action("RatingsRefresh")->shortcut(), QKeySequence(Qt::Key_F5));
        QVERIFY(w->action("DrawsStatCalc")->shortcut().isEmpty());
        std::map<QString, QString> windowKeys;
        for (QAction* action : w->actions().all()) {
            if (action->shortcut().isEmpty() || action->shortcutContext() != Qt::WindowShortcut)
                continue;
            const QString key = action->shortcut().toString();
            const auto [it, added] = windowKeys.emplace(key, action->objectName());
            QVERIFY2(added,
                     qPrintable(key + QStringLiteral(": ") + it->second + QStringLiteral(", ") + action->objectName()));
        }
        w->close();
    }
};

BELVANE_GUI_TEST(StakesTest);

} // namespace

#include "stakes_test.moc"
