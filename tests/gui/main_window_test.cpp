// The desktop program driven as a person would: dialogs, selections, actions.

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QStatusTipEvent>
#include <QChartView>
#include <QSplitter>
#include <QTableView>
#include <QTreeWidget>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/draws_stat_table.h"
#include "app/statistics_service.h"
#include "gui/action_registry.h"
#include "gui/combs_page.h"
#include "gui/draw_dialog.h"
#include "gui/draws_page.h"
#include "gui/layout_page.h"
#include "gui/stat_page.h"
#include "gui/week_page.h"
#include "gui_test_support.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    DataFolder folder_;

private slots:
    void startsOnAPreparedFolder()
    {
        auto w = startWindow(folder_);
        QVERIFY(w);
        QVERIFY(QRegularExpression(QStringLiteral("^Belvane 6x45 версия \\d+\\.\\d+\\.\\d+\\.\\d+$"))
                    .match(w->windowTitle())
                    .hasMatch());
        QCOMPARE(w->statusPanelText(0), QStringLiteral("Архив тиражей: 40"));
        QCOMPARE(w->statusPanelText(1), QStringLiteral("Следующий тираж: 41"));
        QCOMPARE(w->statusPanelText(3), QStringLiteral("Комбинаций: 8145060"));
        QCOMPARE(w->statusPanelText(4), QStringLiteral("Ставок: 0"));
        QCOMPARE(w->drawsPage()->drawsView()->model()->rowCount(), 40);
        QCOMPARE(w->statPage()->statView()->model()->rowCount(), 45); // the plain numbers are chosen at first
        QVERIFY(!w->action("CombsUndo")->isEnabled());
        QVERIFY(!w->action("DrawsEdit")->isEnabled()); // no row selected yet
        // The pages keep the names the window-state file and the scenarios use.
        QCOMPARE(w->objectName(), QStringLiteral("TFormMain"));
        for (const char* name :
             {"tsDraws", "tsCombs", "tsDrawsStat", "lvDraws", "lvCombs", "lvFilters", "lvDrawsStat", "edDrawsOffset",
              "edCombsExclude", "cbDrawsStatType", "edDrawsStatLen", "crtDrawsStat"})
            QVERIFY2(w->findChild<QWidget*>(QString::fromLatin1(name)) != nullptr, name);
        QCOMPARE(w->action("CombsGen")->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(w->action("StatFilter_Exclude")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F7));
        QCOMPARE(w->action("DrawsStatCalc")->text(), QStringLiteral("Обновить"));
        w->close();
    }

    void addsADrawThroughTheDialogAndRefusesABadOne()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        // A refused text: the message, and the dialog stays open until cancelled.
        bool sawMessage = false;
        whenModal<gui::DrawDialog>([&sawMessage](gui::DrawDialog* d) {
            d->numbersEdit()->setText(QStringLiteral("1;2;3;4;5;5;7"));
            whenModal<QMessageBox>([&sawMessage, d](QMessageBox* box) {
                sawMessage = box->text() == QStringLiteral("Введена некорректная комбинация!");
                box->accept();
                QTimer::singleShot(0, d, &QDialog::reject);
            });
            QTimer::singleShot(0, d, &gui::DrawDialog::accept);
        });
        w->action("DrawsAdd")->trigger();
        w->waitUntilIdle();
        QVERIFY(sawMessage);
        QCOMPARE(w->workspace().Archive().Draws().size(), size_t{40});

        whenModal<gui::DrawDialog>([](gui::DrawDialog* d) {
            QCOMPARE(d->numberEdit()->value(), 41);
            d->numbersEdit()->setText(QStringLiteral("3;7;15;16;19;43;21"));
            d->accept();
        });
        w->action("DrawsAdd")->trigger();
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Archive().Draws().size(), size_t{41});
        QCOMPARE(w->workspace().Archive().Draws().back().Balls, (model::TComb{3, 7, 15, 16, 19, 43}));
        QCOMPARE(w->statusPanelText(0), QStringLiteral("Архив тиражей: 41"));
        QCOMPARE(model::ReadDrawsFile(folder.files().draws()).draws.size(), size_t{41});
        w->close();
    }

    void keepsSelectedValuesAndUndoes()
    {
        auto w = startWindow(folder_);
        QVERIFY(w);
        w->statPage()->selectStatRows({0, 1, 2}); // the numbers 1, 2, 3
        QVERIFY(w->action("StatFilter_Include")->isEnabled());
        w->action("StatFilter_Include")->trigger();
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Combinations().Count(), size_t{2'899'274});
        QCOMPARE(w->statusPanelText(3), QStringLiteral("Комбинаций: 2899274"));
        QTableView* filters = w->combsPage()->filtersView();
        QCOMPARE(filters->model()->rowCount(), 1);
        QCOMPARE(filters->model()->index(0, 1).data().toString(), QStringLiteral("1; 2; 3"));

        QVERIFY(w->action("CombsUndo")->isEnabled());
        w->action("CombsUndo")->trigger();
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Combinations().Count(), size_t{8'145'060});
        QCOMPARE(filters->model()->rowCount(), 0);
        QVERIFY(!w->action("CombsUndo")->isEnabled());
        w->close();
    }

    void sortsTheTableAsTheScenarioRunnerDoes()
    {
        auto w = startWindow(folder_);
        QVERIFY(w);
        QTableView* view = w->statPage()->statView();
        const app::DrawsStatTable& table = w->workspace().Statistics().Table();
        for (const auto& [column, order] : {std::pair{int(app::StatColMinGap), Qt::DescendingOrder},
                                            std::pair{int(app::StatColMinGap), Qt::AscendingOrder},
                                            std::pair{int(app::StatColValue), Qt::DescendingOrder}}) {
            view->sortByColumn(column, order);
            const std::vector<int> rows = app::StatRowOrder(table.Rows, column, order == Qt::DescendingOrder);
            QCOMPARE(view->model()->rowCount(), int(rows.size()));
            for (int r = 0; r < int(rows.size()); ++r)
                QCOMPARE(view->model()->index(r, 0).data().toString(),
                         QString::fromStdString(table.Rows[size_t(rows[size_t(r)])].Cells[0]));
        }
        w->close();
    }

    void changesTheOffset()
    {
        auto w = startWindow(folder_);
        QVERIFY(w);
        QSpinBox* offset = w->drawsPage()->offsetBox();
        offset->setValue(2);
        emit offset->editingFinished(); // Enter
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Archive().Offset(), 2);
        const int count = static_cast<int>(w->workspace().Archive().Draws().size());
        QCOMPARE(w->statusPanelText(1), QStringLiteral("Следующий тираж: %1").arg(count - 1));
        QVERIFY(!w->statusPanelText(2).isEmpty());
        QTableView* draws = w->drawsPage()->drawsView();
        QCOMPARE(draws->model()->index(2, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 170, 170));
        QCOMPARE(offset->maximum(), count - 1);
        offset->setValue(0);
        emit offset->editingFinished();
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Archive().Offset(), 0);
        w->close();
    }

    void restoresTheWindowStateAfterARestart()
    {
        DataFolder folder;
        {
            auto w = startWindow(folder);
            QVERIFY(w);
            w->setGeometry(60, 70, 1100, 700);
            QSpinBox* length = w->statPage()->statLengthBox();
            length->setValue(321);
            emit length->editingFinished(); // Enter in the field
            w->waitUntilIdle();
            QCOMPARE(w->workspace().Statistics().Table().Window.Count(),
                     static_cast<int>(w->workspace().Archive().Draws().size()));
            w->drawsPage()->drawsView()->setColumnWidth(0, 77);
            w->statPage()->statView()->sortByColumn(1, Qt::DescendingOrder);
            w->action("DrawsSorted")->trigger();
            w->waitUntilIdle();
            w->close();
        }
        auto w = startWindow(folder);
        QVERIFY(w);
        QCOMPARE(w->statPage()->statLengthBox()->value(), 321);
        QCOMPARE(w->drawsPage()->drawsView()->columnWidth(0), 77);
        QCOMPARE(w->statPage()->statView()->horizontalHeader()->sortIndicatorSection(), 1);
        QCOMPARE(w->statPage()->statView()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
        QVERIFY(w->action("DrawsSorted")->isChecked());
        QCOMPARE(w->size(), QSize(1100, 700));
        w->close();
    }

    // The week chart and the layout's comparison lists keep their heights; a
    // window closed minimised opens minimised.
    void restoresPaneHeightsAndTheMinimisedWindow()
    {
        DataFolder folder;
        auto paneOf = [](QWidget* pane) { return qobject_cast<QSplitter*>(pane->parentWidget()); };
        auto showPage = [](gui::MainWindow& w, QWidget* page) {
            w.rightPages()->setCurrentWidget(page);
            QApplication::processEvents();
            QApplication::processEvents();
        };
        {
            auto w = startWindow(folder);
            QVERIFY(w);
            auto* week = w->findChild<gui::WeekPage*>();
            auto* layout = w->findChild<gui::LayoutPage*>();
            for (auto [page, pane, height] :
                 {std::tuple<QWidget*, QWidget*, int>{week, week->chartView(), 123},
                  std::tuple<QWidget*, QWidget*, int>{layout, layout->compareList(0)->parentWidget(), 141}}) {
                showPage(*w, page);
                QSplitter* splitter = paneOf(pane);
                QVERIFY(splitter != nullptr);
                const int room = splitter->sizes().value(0) + splitter->sizes().value(1);
                splitter->setSizes({room - height, height});
                QCOMPARE(pane->height(), height);
            }
            w->showMinimized();
            w->close();
        }
        auto w = startWindow(folder);
        QVERIFY(w);
        QVERIFY(w->isMinimized());
        w->showNormal();
        auto* week = w->findChild<gui::WeekPage*>();
        auto* layout = w->findChild<gui::LayoutPage*>();
        showPage(*w, week);
        QTRY_COMPARE(week->chartView()->height(), 123);
        showPage(*w, layout);
        QTRY_COMPARE(layout->compareList(0)->parentWidget()->height(), 141);
        w->close();
    }

    // The hint of an action goes to the status line, but not while an operation
    // runs, when the line shows what the operation does.
    void statusTipsReachTheStatusLineOnlyWhileIdle()
    {
        auto w = startWindow(folder_);
        QVERIFY(w);
        for (QAction* a : w->actions().all())
            QVERIFY2(!a->statusTip().isEmpty(), qPrintable(a->objectName()));
        QCOMPARE(w->action("EditConfig")->statusTip(), QStringLiteral("Редактирование параметров системы"));
        QCOMPARE(w->action("DrawsStatCalc")->statusTip(),
                 QStringLiteral("Пересчитать статистику по выбранным параметрам"));

        const QString idle = w->statusPanelText(gui::MainWindow::StatusPanel);
        QVERIFY(w->action("CombsGen")->showStatusText(w.get()));
        QCOMPARE(w->statusPanelText(gui::MainWindow::StatusPanel), w->action("CombsGen")->statusTip());
        QStatusTipEvent gone{QString()};
        QApplication::sendEvent(w.get(), &gone);
        QCOMPARE(w->statusPanelText(gui::MainWindow::StatusPanel), idle);

        // While the worker waits on a question, hints leave the status line alone.
        QString during;
        bool wasRunning = false;
        whenModal<QMessageBox>([&](QMessageBox* box) {
            wasRunning = w->isRunning();
            during = w->statusPanelText(gui::MainWindow::StatusPanel);
            w->action("CombsGen")->showStatusText(w.get());
            during = w->statusPanelText(gui::MainWindow::StatusPanel) == during ? during : QStringLiteral("changed");
            box->button(QMessageBox::No)->click();
        });
        w->action("FiltersReset")->trigger();
        w->waitUntilIdle();
        QVERIFY(wasRunning);
        QVERIFY(during != QStringLiteral("changed"));
        w->close();
    }

    void qtDialogsSpeakRussian()
    {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Cancel | QMessageBox::Open);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Отмена"));
        QCOMPARE(box.button(QMessageBox::Open)->text(), QStringLiteral("Открыть"));
    }
};

BELVANE_GUI_TEST(MainWindowTest);

} // namespace

#include "main_window_test.moc"
