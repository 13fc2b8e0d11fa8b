// The offset box and the statistic list under the keyboard: every key reaches
// the control, the change applies after a pause (or on Enter), and the
// control keeps its focus while the window recalculates. After an operation
// with its progress window the window's keys work at once.

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QSignalSpy>
#include <QThread>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/statistics_service.h"
#include "gui/deferred_input.h"
#include "gui/draws_page.h"
#include "gui/progress_dialog.h"
#include "gui/qt_host.h"
#include "gui/stat_page.h"
#include "gui_test_support.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

// Counts the times a widget is shown.
class ShowCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Show ? 1 : 0;
        return false;
    }
};

class KeyboardTest : public QObject {
    Q_OBJECT

private:
    DataFolder folder_{300, 5};

    static bool focusOn(std::unique_ptr<gui::MainWindow>& w, QWidget* control)
    {
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w.get()))
            return false;
        control->setFocus();
        return QTest::qWaitFor([control] { return control->hasFocus(); });
    }

private slots:
    void typingAnOffsetGivesTheWholeNumber()
    {
        auto w = startWindow(folder_);
        QVERIFY(w);
        QSpinBox* box = w->drawsPage()->offsetBox();
        QVERIFY(focusOn(w, box));
        box->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(box, QStringLiteral("250"));
        QCOMPARE(box->value(), 250);
        QVERIFY(!w->isRunning()); // nothing yet: the pause has not passed
        QTRY_COMPARE(w->workspace().Archive().Offset(), 250);
        w->waitUntilIdle();
        QCOMPARE(box->value(), 250);
        QVERIFY(box->hasFocus());
        QVERIFY(box->isEnabled());
        QCOMPARE(w->statusPanelText(1),
                 QStringLiteral("Следующий тираж: %1").arg(w->workspace().Archive().NextDrawNumber()));

        // The list shows the offset row.
        QTableView* draws = w->drawsPage()->drawsView();
        const QRect row = draws->visualRect(draws->model()->index(250, 0));
        QVERIFY(draws->viewport()->rect().contains(row.center()));

        // Enter applies at once.
        box->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(box, QStringLiteral("7"));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(w->isRunning() || w->workspace().Archive().Offset() == 7);
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Archive().Offset(), 7);
        QVERIFY(box->hasFocus());
        w->close();
    }

    void browsingTheStatisticListWithTheArrowKeys()
    {
        auto w = startWindow(folder_);
        QVERIFY(w);
        QComboBox* types = w->statPage()->statTypeBox();
        QVERIFY(focusOn(w, types));
        QCOMPARE(types->currentIndex(), 0);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(types, Qt::Key_Down);
        QCOMPARE(types->currentIndex(), 3);
        QVERIFY(!w->isRunning());
        QCOMPARE(w->workspace().Statistics().StatTypeIndex(), 0); // browsing costs nothing yet
        QTRY_COMPARE(w->workspace().Statistics().StatTypeIndex(), 3);
        w->waitUntilIdle();
        QCOMPARE(types->currentIndex(), 3);
        QVERIFY(types->hasFocus());
        QVERIFY(types->isEnabled());
        QCOMPARE(w->workspace().Statistics().Table().Rows.size(),
                 static_cast<size_t>(w->statPage()->statView()->model()->rowCount()));

        // Up and Enter: at once.
        QTest::keyClick(types, Qt::Key_Up);
        QTest::keyClick(types, Qt::Key_Return);
        QVERIFY(w->isRunning());
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Statistics().StatTypeIndex(), 2);
        QVERIFY(types->hasFocus());
        w->close();
    }

    void keysWorkRightAfterAnOperationWithItsProgressWindow()
    {
        auto w = startWindow(folder_);
        QVERIFY(w);
        QTableView* draws = w->drawsPage()->drawsView();
        QVERIFY(focusOn(w, draws));
        Host& host = w->workspace().Host();
        // Long enough for the progress window to come up.
        w->run([&host] {
            ProgressScope progress(host, 10, true);
            for (int i = 0; i < 10; ++i) {
                QThread::msleep(2 * gui::ProgressDialog::ShowDelayMs / 10);
                progress.step();
            }
        });
        QTRY_VERIFY(w->host().progressDialog() && w->host().progressDialog()->isVisible());
        gui::ProgressDialog* progress = w->host().progressDialog();
        QVERIFY(!progress->isModal());
        w->waitUntilIdle();
        QVERIFY(!progress->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), w.get());
        QVERIFY(draws->hasFocus());

        // F2, F4, Ctrl+F4 and Ctrl+O reach their actions with no click first.
        for (const auto& [name, key] : std::initializer_list<std::pair<const char*, QKeySequence>>{
                 {"CombsGen", QKeySequence(Qt::Key_F2)},
                 {"StakeAdd", QKeySequence(Qt::Key_F4)},
                 {"StakeAddRandom", QKeySequence(Qt::CTRL | Qt::Key_F4)},
                 {"CombsOpen", QKeySequence(Qt::CTRL | Qt::Key_O)}}) {
            QAction* action = w->action(QString::fromLatin1(name));
            QCOMPARE(action->shortcut(), key);
            if (std::string_view(name) == "StakeAddRandom" && w->workspace().Combinations().Count() == 0)
                continue; // nothing to draw from
            QVERIFY2(action->isEnabled(), name);
            QSignalSpy triggered(action, &QAction::triggered);
            whenModal<QDialog>([](QDialog* d) { d->reject(); }); // what the key opens
            QTest::keySequence(draws, key);
            QTRY_COMPARE(triggered.count(), 1);
            w->waitUntilIdle();
            QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
            QTRY_COMPARE(QApplication::activeWindow(), w.get());
            QVERIFY2(draws->hasFocus(), name);
        }
        w->close();
    }

    void aShortOperationShowsNoProgressWindow()
    {
        auto w = startWindow(folder_);
        QVERIFY(w);
        QTableView* draws = w->drawsPage()->drawsView();
        QVERIFY(focusOn(w, draws));
        Host& host = w->workspace().Host();
        w->run([&host] { ProgressScope progress(host, 10, true); });
        QTRY_VERIFY(w->host().progressDialog() != nullptr);
        gui::ProgressDialog* progress = w->host().progressDialog();
        w->waitUntilIdle();
        ShowCounter shows;
        progress->installEventFilter(&shows);
        for (int i = 0; i < 5; ++i) {
            w->run([&host] { ProgressScope p(host, 10, true); });
            w->waitUntilIdle();
        }
        QTest::qWait(2 * gui::ProgressDialog::ShowDelayMs);
        QVERIFY(!progress->isVisible());
        QCOMPARE(shows.count, 0);
        QCOMPARE(QApplication::activeWindow(), w.get());
        QVERIFY(draws->hasFocus());
        w->close();
    }
};

BELVANE_GUI_TEST(KeyboardTest);

} // namespace

#include "keyboard_test.moc"
