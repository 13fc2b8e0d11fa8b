// Running a scenario from the window: "Прогноз" and "Тест" on the worker
// thread with the page's panels and the line being run, "Стоп" (the one
// action left while a run goes), closing during a run, the run logs, and the
// system stakes of the "Системы" menu.

#include <memory>
#include <QLabel>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QSpinBox>
#include <QTableView>
#include <QUrl>
#include <fstream>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/scenario_service.h"
#include "app/setting_keys.h"
#include "app/stakes_service.h"
#include "app/systems_service.h"
#include "gui/combs_page.h"
#include "gui/progress_dialog.h"
#include "gui/qt_host.h"
#include "gui/multi_stake_dialog.h"
#include "gui/script_page.h"
#include "gui/stakes_page.h"
#include "gui/stat_page.h"
#include "gui/table_views.h"
#include "gui_test_support.h"
#include "scenario/run_log.h"
#include "scenario/run_texts.h"
#include "scenario/scenario.h"
#include "stakes/stake_record.h"
#include "support/cp1251.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

std::string line(std::string_view options, std::string_view filter = " ", std::string_view comment = "")
{
    return std::string(options) + "|" + std::string(filter) + "| | | | | | |" + std::string(comment);
}

// Thousands of variants, staking nothing: a run that goes on until it is stopped.
const std::string kLongLine = "FULL:0#NONE|TSD1#NUMS:1-400;1#LNO:#SF:1|TSD1#NUMS:1-20;1#LNO:#SF:1| | | | | |";

int stakeRows(const std::unique_ptr<gui::MainWindow>& w)
{
    return w->findChild<gui::StakesPage*>()->stakesView()->model()->rowCount();
}

// A window over `draws` demo draws whose start lists are the seven
// combinations of the numbers 1..7, so that a pass is quick.
std::unique_ptr<gui::MainWindow> startWith(const DataFolder& folder, const std::vector<std::string>& lines)
{
    scenario::WriteScenarioFile(folder.files().scenario(), lines);
    auto w = startWindow(folder);
    if (w && !w->workspace().Configuration().SaveGenerateSettings({2, "1,2,3,4,5,6,7"}))
        return nullptr;
    return w;
}

// Catches what the program hands to the desktop to open.
class OpenedFiles : public QObject {
    Q_OBJECT
public:
    OpenedFiles() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~OpenedFiles() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QStringList files;
public slots:
    void open(const QUrl& url) { files << url.toLocalFile(); }
};

class ScenarioRunTest : public QObject {
    Q_OBJECT

private slots:
    void actionsHaveTheirCaptionsKeysAndMenu()
    {
        DataFolder folder;
        auto w = startWith(folder, {line("FULL:0#ALL")});
        QVERIFY(w);
        QCOMPARE(w->action("ScriptRun")->text(), QStringLiteral("Прогноз"));
        QCOMPARE(w->action("ScriptRun")->shortcut(), QKeySequence(Qt::Key_F10));
        QCOMPARE(w->action("ScriptTest")->text(), QStringLiteral("Тест"));
        QCOMPARE(w->action("ScriptTest")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F10));
        QCOMPARE(w->action("ScriptStop")->text(), QStringLiteral("Стоп"));
        QCOMPARE(w->action("ScriptStop")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
        QCOMPARE(w->action("LogToggle")->text(), QStringLiteral("Журнал выполнения сценария"));
        QCOMPARE(w->action("LogsDelete")->text(), QStringLiteral("Удалить журналы выполнения сценариев"));
        for (const char* name : {"ScriptRun", "ScriptTest", "LogToggle", "LogsDelete"})
            QVERIFY2(enabled(w, name), name);
        QVERIFY(!enabled(w, "ScriptStop")); // no run goes
        QCOMPARE(scriptPage(w)->scriptPanelText(1), QStringLiteral("Цикл: 0"));
        QCOMPARE(scriptPage(w)->scriptPanelText(3), QStringLiteral("Ставок: 0"));

        // An empty scenario runs nothing; a test needs two draws.
        w->workspace().Scenario().Clear();
        w->updateActions();
        QVERIFY(!enabled(w, "ScriptRun"));
        QVERIFY(!enabled(w, "ScriptTest"));
        w->close();

        DataFolder single(1);
        auto one = startWith(single, {line("FULL:0#ALL")});
        QVERIFY(one);
        QVERIFY(enabled(one, "ScriptRun"));
        QVERIFY(!enabled(one, "ScriptTest"));
        one->close();
    }

    void runFinishesAndShowsItsStakesAndLine()
    {
        DataFolder folder;
        auto w = startWith(folder, {line("FULL:0#ALL", " ", "все"), "", line("FULL:0#FIRST", " ", "первая")});
        QVERIFY(w);
        const int before = stakeRows(w);
        w->action("ScriptRun")->trigger();
        QVERIFY(w->isRunning());
        QVERIFY(!scriptPage(w)->scriptView()->isEnabled()); // the run chooses the lines
        w->waitUntilIdle();

        // One block: a separator when the file held stakes, the 7 + 1 stakes.
        const int added = stakeRows(w) - before;
        QVERIFY2(added == 8 || added == 9, qPrintable(QString::number(added)));
        QCOMPARE(scriptPage(w)->scriptPanelText(1), QStringLiteral("Цикл: 0"));
        QCOMPARE(scriptPage(w)->scriptPanelText(2), QStringLiteral("Строка: 3"));
        QCOMPARE(scriptPage(w)->scriptPanelText(3), QStringLiteral("Ставок: 8"));
        QCOMPARE(scriptPage(w)->scriptPanelText(4), QStringLiteral("Сценарий завершен!"));
        // The last line run stays selected; the list is the person's again.
        QCOMPARE(gui::SelectedRows(scriptPage(w)->scriptView()), std::vector<int>{2});
        QVERIFY(scriptPage(w)->scriptView()->isEnabled());
        QVERIFY(enabled(w, "ScriptRun"));
        QVERIFY(!enabled(w, "ScriptStop"));
        QCOMPARE(w->workspace().Archive().Offset(), 0);
        w->close();
    }

    void testAsksTheCountAndRunsEveryOffset()
    {
        DataFolder folder;
        auto w = startWith(folder, {line("FULL:0#FIRST")});
        QVERIFY(w);
        QString title, label;
        int value = 0, min = 0, max = 0;
        whenModal<QInputDialog>([&](QInputDialog* d) {
            title = d->windowTitle();
            label = d->labelText();
            value = d->intValue();
            min = d->intMinimum();
            max = d->intMaximum();
            d->setIntValue(3);
            d->accept();
        });
        const int before = stakeRows(w);
        auto boxes = std::make_unique<BoxAnswerer>();
        w->action("ScriptTest")->trigger();
        w->waitUntilIdle();
        // The test ends with the verdict of its comparison with random play.
        QTRY_COMPARE_WITH_TIMEOUT(boxes->texts.size(), 1, 5000);
        QVERIFY2(boxes->texts.front().startsWith(QStringLiteral("Лучший вариант: 01.000: @ FULL#FIRST")),
                 qPrintable(boxes->texts.front()));
        QVERIFY(boxes->texts.front().contains(QStringLiteral("с поправкой на число вариантов (1)")));
        boxes.reset();
        QCOMPARE(title, QStringLiteral("Количество тестов"));
        QCOMPARE(label, QStringLiteral("Укажите количество тестов:"));
        QCOMPARE(value, 10);
        QCOMPARE(min, 1);
        QCOMPARE(max, 39);
        // Three passes, each a block of one stake; back at the starting offset.
        const int added = stakeRows(w) - before;
        QVERIFY2(added == 5 || added == 6, qPrintable(QString::number(added)));
        QCOMPARE(scriptPage(w)->scriptPanelText(3), QStringLiteral("Ставок: 3"));
        QCOMPARE(w->workspace().Archive().Offset(), 0);

        // Cancelling the question runs nothing.
        whenModal<QInputDialog>([](QInputDialog* d) { d->reject(); });
        const int rows = stakeRows(w);
        w->action("ScriptTest")->trigger();
        w->waitUntilIdle();
        QCOMPARE(stakeRows(w), rows);
        w->close();
    }

    void testCountDefaultsWithinASmallArchive()
    {
        DataFolder folder(5);
        auto w = startWith(folder, {line("FULL:0#FIRST")});
        QVERIFY(w);
        int value = 0, max = 0;
        whenModal<QInputDialog>([&](QInputDialog* d) {
            value = d->intValue();
            max = d->intMaximum();
            d->reject();
        });
        w->action("ScriptTest")->trigger();
        w->waitUntilIdle();
        QCOMPARE(max, 4);
        QCOMPARE(value, 4);
        w->close();
    }

    void stopIsTheOneActionDuringARunAndEndsIt()
    {
        DataFolder folder;
        auto w = startWith(folder, {kLongLine, kLongLine});
        QVERIFY(w);
        whenModal<QInputDialog>([](QInputDialog* d) {
            d->setIntValue(30);
            d->accept();
        });
        w->action("ScriptTest")->trigger();
        // "Стоп" comes on once the run has begun; the window goes on working.
        QTRY_VERIFY_WITH_TIMEOUT(enabled(w, "ScriptStop"), 20000);
        // The line being run is selected.
        QTRY_VERIFY_WITH_TIMEOUT(scriptPage(w)->scriptPanelText(2) != QStringLiteral("Строка: 0"), 20000);
        const int running = scriptPage(w)->scriptPanelText(2).section(QLatin1Char(' '), 1).toInt();
        QCOMPARE(gui::SelectedRows(scriptPage(w)->scriptView()), std::vector<int>{running - 1});
        for (const char* name : {"ScriptRun", "ScriptTest", "LogToggle", "LogsDelete", "ScriptAdd", "ScriptOpen",
                                 "StakeAdd", "SystemStakeAll", "ExitProgram"})
            QVERIFY2(!enabled(w, name), name);
        // The pages the run drives are not the person's meanwhile.
        QVERIFY(!w->combsPage()->isEnabled());
        QVERIFY(!w->statPage()->isEnabled());
        QVERIFY(!scriptPage(w)->scriptView()->isEnabled());

        // "Нет" lets it go on.
        QStringList asked;
        {
            BoxAnswerer no([&](const QString& q) {
                asked << q;
                return false;
            });
            w->action("ScriptStop")->trigger();
        }
        QCOMPARE(asked, QStringList{QStringLiteral("Остановить выполнение сценария?")});
        QVERIFY(w->isRunning());
        QVERIFY(enabled(w, "ScriptStop"));

        BoxAnswerer yes([](const QString&) { return true; });
        w->action("ScriptStop")->trigger();
        QVERIFY(!enabled(w, "ScriptStop")); // asked once
        QTRY_VERIFY_WITH_TIMEOUT(!w->isRunning(), 20000);
        // A stopped test gives the archive back at the offset it began at.
        QCOMPARE(w->workspace().Archive().Offset(), 0);
        QVERIFY(!w->workspace().Scenario().Running());
        QVERIFY(enabled(w, "ScriptRun"));
        QVERIFY(!enabled(w, "ScriptStop"));
        QVERIFY(scriptPage(w)->scriptView()->isEnabled());
        QVERIFY(w->combsPage()->isEnabled());
        QVERIFY(w->statPage()->isEnabled());
        w->close();
    }

    void oneProgressWindowServesTheRunAndLeavesTheMenuAndKeysFree()
    {
        DataFolder folder;
        auto w = startWith(folder, {kLongLine, kLongLine});
        QVERIFY(w);
        whenModal<QInputDialog>([](QInputDialog* d) {
            d->setIntValue(30);
            d->accept();
        });
        w->action("ScriptTest")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(enabled(w, "ScriptStop"), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(w->host().progressDialog() && w->host().progressDialog()->isVisible(), 20000);
        gui::ProgressDialog* progress = w->host().progressDialog();
        QVERIFY(!progress->isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(progress->cancelButton()->isVisible());

        // The one window stays while the run goes through its variants.
        QString activity = scriptPage(w)->scriptPanelText(4);
        for (int changes = 0; changes < 3 && w->isRunning();) {
            QTest::qWait(20);
            QVERIFY(progress->isVisible());
            if (w->host().progressDialog() != progress)
                QFAIL("a second progress window");
            if (const QString now = scriptPage(w)->scriptPanelText(4); now != activity) {
                activity = now;
                ++changes;
            }
        }
        QVERIFY(w->isRunning());

        // "Стоп" is on the page and on the toolbar.
        w->rightPages()->setCurrentWidget(scriptPage(w));
        for (QToolBar* bar : {scriptPage(w)->runBar(), w->toolBar()}) {
            auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(w->action("ScriptStop")));
            QVERIFY(button != nullptr);
            QVERIFY(button->isVisible());
            QVERIFY(button->isEnabled());
        }

        // The "Сценарий" menu opens during the run.
        QMenu* menu = nullptr;
        for (QAction* item : w->menuBar()->actions())
            if (item->text() == QStringLiteral("Сценарий"))
                menu = item->menu();
        QVERIFY(menu != nullptr);
        QVERIFY(menu->actions().contains(w->action("ScriptStop")));
        menu->popup(w->mapToGlobal(QPoint(20, 20)));
        QTRY_VERIFY(menu->isVisible());
        menu->close();

        // Ctrl+X asks and stops.
        QStringList asked;
        BoxAnswerer yes([&](const QString& q) {
            asked << q;
            return true;
        });
        // (also when the progress window is the active one: the person clicked there)
        QWidget* active = QApplication::activeWindow();
        QVERIFY(active == w.get() || active == progress);
        QTest::keyClick(active, Qt::Key_X, Qt::ControlModifier);
        QTRY_COMPARE(asked, QStringList{QStringLiteral("Остановить выполнение сценария?")});
        QTRY_VERIFY_WITH_TIMEOUT(!w->isRunning(), 20000);
        QVERIFY(!progress->isVisible());
        QCOMPARE(w->workspace().Archive().Offset(), 0);
        w->close();
    }

    void cancelOfTheProgressWindowStopsTheRunAndLogsIt()
    {
        DataFolder folder;
        auto w = startWith(folder, {kLongLine, kLongLine});
        QVERIFY(w);
        w->action("LogToggle")->trigger();
        OpenedFiles opened;
        whenModal<QInputDialog>([](QInputDialog* d) {
            d->setIntValue(30);
            d->accept();
        });
        w->action("ScriptTest")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(w->host().progressDialog() && w->host().progressDialog()->isVisible(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(scriptPage(w)->scriptPanelText(4).startsWith(QStringLiteral("Фильтр")), 20000);
        BoxAnswerer boxes; // the window's own "Отмена" is no question
        w->host().progressDialog()->cancelButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w->isRunning(), 20000);
        QVERIFY(boxes.texts.isEmpty());
        QVERIFY(!w->workspace().Scenario().Running());
        QCOMPARE(w->workspace().Archive().Offset(), 0);
        QVERIFY(enabled(w, "ScriptRun"));

        const auto logs = scenario::FindScriptLogs(folder.files().folder());
        QCOMPARE(logs.size(), size_t{1});
        QFile log(QString::fromStdString(logs.front().string()));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const std::string text = cp1251::toUtf8(log.readAll().toStdString());
        QVERIFY(text.find(std::string(scenario::StoppedBanner)) != std::string::npos);
        QVERIFY(text.find(std::string(scenario::FinishBanner)) != std::string::npos);

        // The next run starts afresh and finishes.
        w->workspace().Scenario().Clear();
        w->workspace().Scenario().Add(line("FULL:0#FIRST"));
        w->updateActions();
        w->action("ScriptRun")->trigger();
        w->waitUntilIdle();
        QCOMPARE(scriptPage(w)->scriptPanelText(4), QStringLiteral("Сценарий завершен!"));
        w->close();
    }

    void closingDuringARunStopsItFirst()
    {
        DataFolder folder;
        auto w = startWith(folder, {kLongLine, kLongLine});
        QVERIFY(w);
        whenModal<QInputDialog>([](QInputDialog* d) {
            d->setIntValue(30);
            d->accept();
        });
        w->action("ScriptTest")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(enabled(w, "ScriptStop"), 20000);
        {
            BoxAnswerer no([](const QString&) { return false; });
            w->close();
        }
        QVERIFY(w->isVisible());
        QVERIFY(w->isRunning());
        BoxAnswerer yes([](const QString&) { return true; });
        w->close();
        QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 20000);
        QVERIFY(!w->isRunning());
    }

    void theControlSwitchStakesRandomPlayBesideATest()
    {
        DataFolder folder;
        auto w = startWith(folder, {line("FULL:0#FIRST")});
        QVERIFY(w);
        QAction* control = w->action("ScriptTestControl");
        QVERIFY(control->isCheckable());
        QVERIFY(!control->isChecked());
        control->trigger();
        QVERIFY(control->isChecked());
        QVERIFY(w->workspace().Settings().Flag(app::key::ScriptTestControl));
        whenModal<QInputDialog>([](QInputDialog* d) {
            d->setIntValue(2);
            d->accept();
        });
        auto boxes = std::make_unique<BoxAnswerer>();
        w->action("ScriptTest")->trigger();
        w->waitUntilIdle();
        QTRY_COMPARE_WITH_TIMEOUT(boxes->texts.size(), 1, 5000);
        boxes.reset();
        // Two offsets: a stake of the line and one of the control at each.
        int controls = 0;
        app::StakesService& stakes = w->workspace().Stakes();
        for (size_t i = 0; i < stakes.Count(); ++i)
            controls += stakes.Record(i).Comment == app::ControlComment ? 1 : 0;
        QCOMPARE(controls, 2);
        QCOMPARE(scriptPage(w)->scriptPanelText(3), QStringLiteral("Ставок: 2"));
        w->close();
    }

    void logSwitchWritesALogThatIsOpenedAndDeleted()
    {
        DataFolder folder;
        auto w = startWith(folder, {line("FULL:0#FIRST")});
        QVERIFY(w);
        QAction* toggle = w->action("LogToggle");
        QVERIFY(toggle->isCheckable());
        QVERIFY(!toggle->isChecked());
        toggle->trigger();
        QVERIFY(toggle->isChecked());
        QVERIFY(w->workspace().Settings().Flag(app::key::ScriptLogEnabled));

        OpenedFiles opened;
        w->action("ScriptRun")->trigger();
        w->waitUntilIdle();
        const auto logs = scenario::FindScriptLogs(folder.files().folder());
        QCOMPARE(logs.size(), size_t{1});
        QCOMPARE(opened.files, QStringList{QString::fromStdString(logs.front().string())});

        // Off again: a run writes no log.
        toggle->trigger();
        QVERIFY(!toggle->isChecked());
        w->action("ScriptRun")->trigger();
        w->waitUntilIdle();
        QCOMPARE(scenario::FindScriptLogs(folder.files().folder()).size(), size_t{1});

        {
            BoxAnswerer boxes;
            w->action("LogsDelete")->trigger();
            w->waitUntilIdle();
            QCOMPARE(boxes.texts, QStringList{QStringLiteral("Удалено файлов журналов: 1 из 1.")});
        }
        QVERIFY(scenario::FindScriptLogs(folder.files().folder()).empty());
        BoxAnswerer boxes;
        w->action("LogsDelete")->trigger();
        w->waitUntilIdle();
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Файлы журналов не найдены!")});
        w->close();
    }

    void systemStakesGoThroughTheMultiStakeDialog()
    {
        DataFolder folder;
        // A run leaves the list at the seven combinations of 1..7: seven numbers.
        auto w = startWith(folder, {line("FULL:0#NONE")});
        QVERIFY(w);
        app::Workspace& ws = w->workspace();
        w->action("ScriptRun")->trigger();
        w->waitUntilIdle();
        QCOMPARE(ws.Combinations().Count(), size_t{7});
        QVERIFY(enabled(w, "SystemStakeAll"));
        QVERIFY(enabled(w, "SystemStakeFilter"));

        // No system for seven numbers yet.
        {
            BoxAnswerer boxes;
            w->action("SystemStakeAll")->trigger();
            w->waitUntilIdle();
            QCOMPARE(boxes.texts.size(), 1);
            QVERIFY2(boxes.texts.front().startsWith(QStringLiteral("Система для 7 чисел не найдена")),
                     qPrintable(boxes.texts.front()));
        }

        const QString source = folder.path() + QStringLiteral("/seven.txt");
        {
            std::ofstream out(source.toStdString());
            out << "1 2 3 4 5 6\n1 2 3 4 5 7\n2 3 4 5 6 7\n";
        }
        QVERIFY(ws.Systems().Install(source.toStdString(), 3, 42));

        QString comment;
        QString summary;
        whenModal<gui::TFormMulti>([&](gui::TFormMulti* d) {
            comment = d->commentEdit()->text();
            summary = d->summaryLabel()->text();
            d->accept();
        });
        w->action("SystemStakeAll")->trigger();
        w->waitUntilIdle();
        QCOMPARE(comment, QStringLiteral("Системная игра для 7 чисел [вся система]: 6-07-3_0042"));
        QCOMPARE(summary, QStringLiteral("Будет сделано ставок: 3 на сумму 0.00")); // what was made
        int systemStakes = 0;
        for (size_t i = 0; i < ws.Stakes().Count(); ++i)
            systemStakes += ws.Stakes().Record(i).Kind == static_cast<uint8_t>(stakes::StakeKind::System) ? 1 : 0;
        QCOMPARE(systemStakes, 3);
        QCOMPARE(stakeRows(w), static_cast<int>(ws.Stakes().Count()));

        // Cancelling the dialog stakes nothing.
        whenModal<gui::TFormMulti>([&](gui::TFormMulti* d) {
            comment = d->commentEdit()->text();
            d->reject();
        });
        const int rows = stakeRows(w);
        w->action("SystemStakeFilter")->trigger();
        w->waitUntilIdle();
        QCOMPARE(comment, QStringLiteral("Системная игра для 7 чисел [комбинации]: 6-07-3_0042"));
        QCOMPARE(stakeRows(w), rows);
        w->close();
    }
};

} // namespace

BELVANE_GUI_TEST(ScenarioRunTest);
#include "scenario_run_test.moc"
