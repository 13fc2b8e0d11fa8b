// The desktop program driven as a person would: dialogs, selections, actions.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTableWidget>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/demo_archive.h"
#include "gui/config_dialog.h"
#include "gui/draw_dialog.h"
#include "gui/main_window.h"
#include "model/draws_file.h"

using namespace belvane;

namespace {

// Runs `act` on the modal widget of type T as soon as it is open.
template <class T>
void whenModal(std::function<void(T*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start();
}

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    app::DataFiles files() const { return app::DataFiles(dir_.path().toStdString()); }

    std::unique_ptr<gui::MainWindow> start()
    {
        auto window = std::make_unique<gui::MainWindow>(files(), app::StartupOptions{});
        window->show();
        if (!window->initialise())
            return nullptr;
        return window;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        model::WriteDrawsFile(files().draws(), app::MakeDemoDraws(40, 11));
    }

    void startsOnAPreparedFolder()
    {
        auto w = start();
        QVERIFY(w);
        QCOMPARE(w->statusPanelText(0), QStringLiteral("Архив тиражей: 40"));
        QCOMPARE(w->statusPanelText(1), QStringLiteral("Следующий тираж: 41"));
        QCOMPARE(w->statusPanelText(3), QStringLiteral("Комбинаций: 8145060"));
        QCOMPARE(w->drawsView()->model()->rowCount(), 40);
        QCOMPARE(w->statView()->model()->rowCount(), 45); // the plain numbers are chosen at first
        QVERIFY(!w->action("CombsUndo")->isEnabled());
        QVERIFY(!w->action("DrawsEdit")->isEnabled()); // no row selected yet
        w->close();
    }

    void addsADrawThroughTheDialogAndRefusesABadOne()
    {
        auto w = start();
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
        QCOMPARE(model::ReadDrawsFile(files().draws()).draws.size(), size_t{41});
        w->close();
    }

    void keepsSelectedValuesAndUndoes()
    {
        auto w = start();
        QVERIFY(w);
        w->statTypeBox()->setCurrentIndex(0);
        w->waitUntilIdle();
        w->selectStatRows({0, 1, 2}); // the numbers 1, 2, 3
        QVERIFY(w->action("StatFilter_Include")->isEnabled());
        w->action("StatFilter_Include")->trigger();
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Combinations().Count(), size_t{2'899'274});
        QCOMPARE(w->statusPanelText(3), QStringLiteral("Комбинаций: 2899274"));
        QCOMPARE(w->filtersView()->model()->rowCount(), 1);
        QCOMPARE(w->filtersView()->model()->index(0, 1).data().toString(), QStringLiteral("1; 2; 3"));

        QVERIFY(w->action("CombsUndo")->isEnabled());
        w->action("CombsUndo")->trigger();
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Combinations().Count(), size_t{8'145'060});
        QCOMPARE(w->filtersView()->model()->rowCount(), 0);
        QVERIFY(!w->action("CombsUndo")->isEnabled());
        w->close();
    }

    void changesTheOffset()
    {
        auto w = start();
        QVERIFY(w);
        w->offsetBox()->setValue(2);
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Archive().Offset(), 2);
        const int count = static_cast<int>(w->workspace().Archive().Draws().size());
        QCOMPARE(w->statusPanelText(1), QStringLiteral("Следующий тираж: %1").arg(count - 1));
        QVERIFY(!w->statusPanelText(2).isEmpty());
        QCOMPARE(w->drawsView()->model()->index(2, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 170, 170));
        QCOMPARE(w->offsetBox()->maximum(), count - 1);
        w->offsetBox()->setValue(0);
        w->waitUntilIdle();
        w->close();
    }

    void restoresTheWindowStateAfterARestart()
    {
        {
            auto w = start();
            QVERIFY(w);
            w->setGeometry(60, 70, 1100, 700);
            w->statLengthBox()->setValue(321);
            emit w->statLengthBox()->editingFinished(); // Enter in the field
            w->waitUntilIdle();
            QCOMPARE(w->workspace().Statistics().Table().Window.Count(),
                     static_cast<int>(w->workspace().Archive().Draws().size()));
            w->drawsView()->setColumnWidth(0, 77);
            w->statView()->sortByColumn(1, Qt::DescendingOrder);
            w->action("DrawsSorted")->trigger();
            w->waitUntilIdle();
            w->close();
        }
        auto w = start();
        QVERIFY(w);
        QCOMPARE(w->statLengthBox()->value(), 321);
        QCOMPARE(w->drawsView()->columnWidth(0), 77);
        QCOMPARE(w->statView()->horizontalHeader()->sortIndicatorSection(), 1);
        QVERIFY(w->action("DrawsSorted")->isChecked());
        QCOMPARE(w->size(), QSize(1100, 700));
        w->action("DrawsSorted")->trigger();
        w->waitUntilIdle();
        w->close();
    }

    void configurationDialogKeepsSegmentsWhenTheGridChanges()
    {
        stats::TConfigData config;
        config.MatrixSegments = model::ParseMatrixSegments("123456789");
        gui::ConfigDialog dialog(nullptr, config);
        dialog.columnsBox()->setValue(3);
        QCOMPARE(dialog.segmentsGrid()->rowCount(), 15);
        QCOMPARE(dialog.findChild<QLineEdit*>("edMatrixRow")->text(), QStringLiteral("15"));
        const stats::TConfigData back = dialog.config();
        QCOMPARE(back.MatrixCols, 3);
        QCOMPARE(back.MatrixSegments, config.MatrixSegments); // every number keeps its segment

        // A cell left with anything but 1..9 gets the message and becomes 1.
        bool sawMessage = false;
        whenModal<QMessageBox>([&sawMessage](QMessageBox* box) {
            sawMessage = box->text().startsWith(QStringLiteral("Некорректное значение: 0!"));
            box->accept();
        });
        dialog.segmentsGrid()->item(0, 1)->setText(QStringLiteral("0")); // number 2
        QVERIFY(sawMessage);
        QCOMPARE(dialog.segmentsGrid()->item(0, 1)->text(), QStringLiteral("1"));
        QCOMPARE(dialog.config().MatrixSegments[1], 1);
    }
};

} // namespace

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
