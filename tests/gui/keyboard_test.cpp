// The offset box and the statistic list under the keyboard: every key reaches
// the control, the change applies after a pause (or on Enter), and the
// control keeps its focus while the window recalculates.

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>

#include "app/archive_service.h"
#include "app/statistics_service.h"
#include "gui/deferred_input.h"
#include "gui/draws_page.h"
#include "gui/stat_page.h"
#include "gui_test_support.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

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
};

BELVANE_GUI_TEST(KeyboardTest);

} // namespace

#include "keyboard_test.moc"
