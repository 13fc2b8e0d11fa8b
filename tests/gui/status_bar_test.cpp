// The window holds still while it works: the status panels keep their widths
// whatever they show (a text too long ends in "…", its tooltip holds it
// whole), and the toolbar never folds its end into a "»" that would cover
// the tabs.

#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "gui/script_page.h"
#include "gui/status_bar_panel.h"
#include "gui_test_support.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

class StatusBarTest : public QObject {
    Q_OBJECT

private:
    DataFolder folder_;

    static QToolButton* extension(QToolBar* bar)
    {
        return bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
    }

private slots:
    void counterPanelsAreSizedForLargeNumbers()
    {
        QWidget parent;
        gui::StatusBarPanel panel(&parent, gui::StatusBarPanel::Sizing::Counter);
        panel.setText(QStringLiteral("Ставок: 1"));
        const int width = panel.sizeHint().width();
        QVERIFY(width >= panel.fontMetrics().horizontalAdvance(QStringLiteral("Ставок: 1080000")));
        for (const char* text : {"Ставок: 108", "Ставок: 1080", "Ставок: 1080000"}) {
            panel.setText(QString::fromUtf8(text));
            QCOMPARE(panel.sizeHint().width(), width);
        }
        panel.resize(panel.sizeHint());
        QCOMPARE(panel.shownText(), QStringLiteral("Ставок: 1080000")); // whole, not "Ставок: 108("
        QCOMPARE(gui::StatusBarPanel::WidestForm(QStringLiteral("Цикл: 3 из 12")),
                 QStringLiteral("Цикл: 0000000 из 0000000"));

        // A longer text widens it once; a shorter one never narrows it.
        panel.setText(QStringLiteral("Рейтингов: 12, ставок: 44"));
        const int wider = panel.sizeHint().width();
        QVERIFY(wider > width);
        panel.setText(QStringLiteral("Ставок: 1"));
        QCOMPARE(panel.sizeHint().width(), wider);
    }

    void aLongActivityMovesNothing()
    {
        auto w = startWindow(folder_);
        QVERIFY(w);
        gui::ScriptPage* page = scriptPage(w);
        w->rightPages()->setCurrentWidget(page);
        QTest::qWait(50);
        const QSize window = w->size();
        const QRect leftTabs = w->leftPages()->tabBar()->geometry();
        const QRect rightTabs = w->rightPages()->tabBar()->geometry();
        std::vector<QRect> counters;
        for (int i = 0; i < gui::ScriptPage::ScriptPanelCount - 1; ++i)
            counters.push_back(page->scriptPanel(i)->geometry());

        const QString activity =
            QStringLiteral("Фильтр 1234 из 99999: ") + QStringLiteral("TSD1#NUMS:1-400;1#LNO:#SF:1 + ").repeated(40);
        page->showRunPanels(12, 3, 108000, activity);
        w->statusPanel(gui::MainWindow::StatusPanel)->setText(activity);
        QTest::qWait(50);

        QCOMPARE(w->size(), window);
        QCOMPARE(w->leftPages()->tabBar()->geometry(), leftTabs);
        QCOMPARE(w->rightPages()->tabBar()->geometry(), rightTabs);
        for (int i = 0; i < gui::ScriptPage::ScriptPanelCount - 1; ++i)
            QCOMPARE(page->scriptPanel(i)->geometry(), counters[static_cast<size_t>(i)]);
        gui::StatusBarPanel* shown = page->scriptPanel(4);
        QCOMPARE(shown->text(), activity);
        QCOMPARE(shown->toolTip(), activity);
        QVERIFY(shown->shownText().endsWith(QChar(0x2026)));
        QVERIFY(shown->width() < w->width());
        QCOMPARE(page->scriptPanel(3)->shownText(), QStringLiteral("Ставок: 108000"));
        w->close();
    }

    void theToolbarNeverFoldsOverTheTabs()
    {
        auto w = startWindow(folder_);
        QVERIFY(w);
        QToolBar* bar = w->toolBar();
        for (int width : {1280, 1000, 800, w->minimumWidth()}) {
            w->resize(width, 700);
            QTest::qWait(30);
            QVERIFY2(w->width() >= w->minimumWidth(), qPrintable(QString::number(width)));
            QToolButton* more = extension(bar);
            QVERIFY2(more == nullptr || !more->isVisible(), qPrintable(QString::number(w->width())));
            for (QTabWidget* tabs : {w->leftPages(), w->rightPages()}) {
                const QRect tabBar(tabs->tabBar()->mapTo(w.get(), QPoint()), tabs->tabBar()->size());
                const QRect toolBar(bar->mapTo(w.get(), QPoint()), bar->size());
                QVERIFY(!tabBar.intersects(toolBar));
            }
        }
        // Wide, the buttons say what they do; narrow, they keep to their icons.
        w->resize(3000, 700);
        QTest::qWait(30);
        QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        w->resize(w->minimumWidth(), 700);
        QTest::qWait(30);
        QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonIconOnly);
        w->close();
    }
};

BELVANE_GUI_TEST(StatusBarTest);

} // namespace

#include "status_bar_test.moc"
