// What the program says before and after it changes the user's data: an
// edited draw checks its stakes again and says how many, "my numbers" typed
// with blanks make the list they name and numbers that make none are refused,
// the multi-stake dialog says what OK makes and costs, deleting the stake logs
// asks first, and the CSV import reports what it added.

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <fstream>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/stakes_service.h"
#include "combs/generate.h"
#include "gui/draw_dialog.h"
#include "gui/draws_page.h"
#include "gui/generate_dialog.h"
#include "gui/multi_stake_dialog.h"
#include "gui/table_views.h"
#include "stakes/stake_log.h"
#include "stakes_test_support.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

void clickOk(QDialog* d)
{
    d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

// A new list of only these numbers through the dialog.
void generateOnlyOf(gui::MainWindow& w, const QString& numbers)
{
    whenModal<gui::GenerateDialog>([numbers](gui::GenerateDialog* d) {
        d->modeBox()->setCurrentIndex(combs::GenerateOnlyOf);
        d->parameterEdit()->setText(numbers);
        clickOk(d);
    });
    w.action(QStringLiteral("CombsGen"))->trigger();
    w.waitUntilIdle();
}

class ConfirmationsTest : public QObject {
    Q_OBJECT

private slots:
    void anEditedDrawChecksItsStakesAgain()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        BoxAnswerer boxes;
        const model::TDraw newest = w->workspace().Archive().Draws().back();
        addStake(*w, newest.Number, combMatching(newest.Balls, 3), "three");
        const size_t stake = w->workspace().Stakes().Count() - 1;
        QCOMPARE(w->workspace().Stakes().Record(stake).Matches, 3);

        // The same draw with other numbers: the stake now matches none.
        const model::TComb other = combMatching(combMatching(newest.Balls, 3), 0);
        QString text;
        for (model::Ball b : other)
            text += QString::number(b) + QLatin1Char(';');
        int extra = 45; // the extra number is none of the six
        while (std::find(other.begin(), other.end(), extra) != other.end())
            --extra;
        text += QString::number(extra);
        gui::SelectRows(w->drawsPage()->drawsView(), {0});
        whenModal<gui::DrawDialog>([text](gui::DrawDialog* d) {
            d->numbersEdit()->setText(text);
            d->accept();
        });
        w->action("DrawsEdit")->trigger();
        w->waitUntilIdle();
        const stakes::StakeRecord again = w->workspace().Stakes().Record(stake);
        QVERIFY(again.Checked);
        QCOMPARE(again.Matches, 0);
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Ставки, проверенные по измененным или удаленным тиражам, "
                                                         "снова не проверены: 1.\n\nПроверены заново по новым "
                                                         "данным: 1.")});
        QCOMPARE(cellText(stakesPage(*w)->stakesView(), static_cast<int>(stake), 5), QStringLiteral("0"));
        w->close();
    }

    void myNumbersTypedWithBlanksAndNumbersThatMakeNoList()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        BoxAnswerer boxes;
        generateOnlyOf(*w, QStringLiteral("1 2 3 4 5 6 7"));
        QCOMPARE(w->workspace().Combinations().Count(), size_t{7});
        QVERIFY(boxes.texts.isEmpty());

        // Five numbers make no combination: the dialog says so and stays open.
        bool stayedOpen = false;
        whenModal<gui::GenerateDialog>([&stayedOpen](gui::GenerateDialog* d) {
            d->modeBox()->setCurrentIndex(combs::GenerateOnlyOf);
            d->parameterEdit()->setText(QStringLiteral("1 2 3 4 5"));
            clickOk(d);
            stayedOpen = d->isVisible();
            d->parameterEdit()->setText(QStringLiteral("1, 2 x"));
            clickOk(d);
            stayedOpen = stayedOpen && d->isVisible();
            d->reject();
        });
        w->action("CombsGen")->trigger();
        w->waitUntilIdle();
        QVERIFY(stayedOpen);
        QCOMPARE(boxes.texts, (QStringList{QStringLiteral("Указанные числа не дают ни одной комбинации!\n\n"
                                                          "Текущий список комбинаций оставлен без изменений."),
                                           QStringLiteral("Введена некорректная комбинация!")}));
        QCOMPARE(w->workspace().Combinations().Count(), size_t{7}); // the list stays
        w->close();
    }

    // The count and the sum follow the number of draws as it is typed, and
    // the typing keeps its place.
    void theMultiStakeDialogSaysWhatOkMakes()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        BoxAnswerer boxes;
        setPrizes(*w); // a stake costs 2
        generateOnlyOf(*w, QStringLiteral("1 2 3 4 5 6 7"));
        QString before;
        QString typed;
        bool focusKept = false;
        whenModal<gui::TFormMulti>([&](gui::TFormMulti* d) {
            before = d->summaryLabel()->text();
            QSpinBox* draws = d->drawsCountEdit();
            draws->setFocus();
            draws->selectAll();
            QTest::keyClicks(draws, QStringLiteral("3"));
            typed = d->summaryLabel()->text();
            focusKept = QApplication::focusWidget() == draws || draws->isAncestorOf(QApplication::focusWidget());
            d->reject();
        });
        w->action("StakeAddAll")->trigger();
        w->waitUntilIdle();
        QCOMPARE(before, QStringLiteral("Будет сделано ставок: 7 на сумму 14.00"));
        QCOMPARE(typed, QStringLiteral("Будет сделано ставок: 21 на сумму 42.00"));
        QVERIFY(focusKept);
        QCOMPARE(w->workspace().Stakes().Count(), size_t{0});
        w->close();
    }

    void deletingTheStakeLogsAsksFirst()
    {
        DataFolder folder;
        const std::filesystem::path log = stakes::StakeLogPath(folder.files().folder(), 3);
        std::ofstream(log) << "log\n";
        auto w = startWindow(folder);
        QVERIFY(w);
        bool yes = false;
        BoxAnswerer boxes([&yes](const QString&) { return yes; });
        w->action("LogStakesDelete")->trigger();
        w->waitUntilIdle();
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Удалить журналы ставок (всего будет удалено 1 файлов)?")});
        QVERIFY(std::filesystem::exists(log));
        yes = true;
        w->action("LogStakesDelete")->trigger();
        w->waitUntilIdle();
        QVERIFY(!std::filesystem::exists(log));
        QCOMPARE(boxes.texts.last(), QStringLiteral("Удалено файлов журналов: 1 из 1."));
        w->close();
    }

    void theCsvImportReportsWhatItAdded()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        BoxAnswerer boxes;
        const int next = w->workspace().Archive().Draws().back().Number + 1;
        const QString csv = folder.path() + QStringLiteral("/new.csv");
        {
            QFile f(csv);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QStringLiteral("%1;\"01/01/2030\";1;2;3;4;5;6;7\r\n").arg(next).toUtf8());
        }
        chooseFile(csv);
        w->action("DrawsImport")->trigger();
        w->waitUntilIdle();
        QTRY_COMPARE(boxes.texts, QStringList{QStringLiteral("Добавлено тиражей: 1")});
        QCOMPARE(w->workspace().Archive().Draws().back().Number, next);
        w->close();
    }
};

BELVANE_GUI_TEST(ConfirmationsTest);

} // namespace

#include "confirmations_test.moc"
