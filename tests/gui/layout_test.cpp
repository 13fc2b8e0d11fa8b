// What a person reads: chart labels that are whole and not repeated, column
// headers that fit, and the configuration dialog's cells that take only what
// they can hold.

#include <QComboBox>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <set>

#include "app/statistics_service.h"
#include "gui/combs_page.h"
#include "gui/config_dialog.h"
#include "gui/draws_page.h"
#include "gui/stat_chart.h"
#include "gui/stat_page.h"
#include "gui_test_support.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

struct AxisLabels {
    QStringList below; // the value texts under the plot
    QStringList left;  // the counts beside it
};

AxisLabels axisLabels(gui::StatChart* chart)
{
    AxisLabels labels;
    const QRectF plot = chart->chart()->plotArea();
    for (QGraphicsItem* item : chart->scene()->items()) {
        auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        if (text == nullptr || !text->isVisible() || text->toPlainText().isEmpty())
            continue;
        const QRectF box = text->sceneBoundingRect();
        if (box.top() >= plot.bottom() - 1 && box.bottom() < plot.bottom() + 40)
            labels.below << text->toPlainText();
        else if (box.right() <= plot.left() + 1)
            labels.left << text->toPlainText();
    }
    return labels;
}

void checkReadable(const QStringList& labels)
{
    QVERIFY(labels.size() >= 2);
    std::set<QString> seen;
    for (const QString& label : labels) {
        QVERIFY2(!label.contains(QStringLiteral("...")) && !label.contains(QChar(0x2026)), qPrintable(label));
        QVERIFY2(seen.insert(label).second, qPrintable(QStringLiteral("repeated: ") + label));
    }
}

void checkHeadersFit(const QTableView* view)
{
    const QHeaderView* header = view->horizontalHeader();
    for (int c = 0; c < header->count(); ++c)
        if (!header->isSectionHidden(c))
            QVERIFY2(view->columnWidth(c) >= header->sectionSizeHint(c),
                     qPrintable(view->objectName() + QLatin1Char(' ') +
                                view->model()->headerData(c, Qt::Horizontal).toString()));
}

// The prize stakes with that many matches are paid.
int64_t prizeFor(const stats::TConfigData& config, int matches)
{
    for (const stats::Prize& p : config.Profits)
        if (p.Overlap == matches)
            return p.Profit;
    return -1;
}

// The [STAKES] section of a configuration file as it is on disk.
QByteArray stakesSection(const std::filesystem::path& file)
{
    QFile f(QString::fromStdString(file.string()));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = f.readAll();
    const qsizetype start = all.indexOf("[STAKES]");
    if (start < 0)
        return {};
    const qsizetype end = all.indexOf("\r\n[", start);
    return all.mid(start, end < 0 ? -1 : end - start);
}

class LayoutTest : public QObject {
    Q_OBJECT

private:
    DataFolder folder_{400, 3};

private slots:
    void chartLabelsAreWholeAndNotRepeated()
    {
        auto w = startWindow(folder_);
        QVERIFY(w);
        gui::StatChart* chart = w->statPage()->chart();
        // The numbers (45 values), then the sums (over 200 values, wider texts).
        for (const QString& type : {QStringLiteral("Числа тиража"), QStringLiteral("Сумма тиража: все значения")}) {
            QComboBox* types = w->statPage()->statTypeBox();
            const int index = types->findText(type, Qt::MatchContains);
            QVERIFY2(index >= 0, qPrintable(type));
            types->setCurrentIndex(index);
            QTRY_COMPARE(w->workspace().Statistics().StatTypeIndex(), index);
            w->waitUntilIdle();
            QTest::qWait(100); // the labels follow the settled layout
            const AxisLabels labels = axisLabels(chart);
            checkReadable(labels.below);
            checkReadable(labels.left);
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(chart->labelStep() > 1); // the sums are thinned out to what fits
        w->close();
    }

    void defaultColumnsFitTheirHeaders()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        checkHeadersFit(w->statPage()->statView());
        checkHeadersFit(w->drawsPage()->drawsView());
        checkHeadersFit(w->combsPage()->combsView());
        checkHeadersFit(w->combsPage()->filtersView());
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

    // The prize table as the screenshot script writes it (3 to 6 matches pay):
    // row k shows the prize for k matches, and OK without a change leaves the
    // stored table as it was, byte for byte.
    void configurationDialogKeepsThePrizeTable()
    {
        DataFolder folder(40, 5);
        {
            QFile f(QString::fromStdString(folder.files().config().string()));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[STAKES]\r\nCost=2\r\nProfits=4\r\nProfit_0_Overlap=3\r\nProfit_0_Profit=10\r\n"
                    "Profit_1_Overlap=4\r\nProfit_1_Profit=100\r\nProfit_2_Overlap=5\r\nProfit_2_Profit=5000\r\n"
                    "Profit_3_Overlap=6\r\nProfit_3_Profit=1000000\r\n");
        }
        auto w = startWindow(folder);
        QVERIFY(w);
        const QByteArray before = stakesSection(folder.files().config());
        QVERIFY(before.contains("Profit_3_Profit=1000000"));

        QStringList shown;
        whenModal<gui::ConfigDialog>([&shown](gui::ConfigDialog* d) {
            for (int r = 0; r < d->profitsGrid()->rowCount(); ++r)
                shown << d->profitsGrid()->item(r, 0)->text() + QLatin1Char('=') + d->profitsGrid()->item(r, 1)->text();
            d->accept();
        });
        w->action(QStringLiteral("EditConfig"))->trigger();
        QTRY_VERIFY(!shown.isEmpty());
        QCOMPARE(shown,
                 (QStringList{"0=0.00", "1=0.00", "2=0.00", "3=10.00", "4=100.00", "5=5000.00", "6=1000000.00"}));
        QTRY_VERIFY(!w->isRunning());
        QCOMPARE(stakesSection(folder.files().config()), before);
        QCOMPARE(prizeFor(w->workspace().Configuration().Data(), 3), int64_t{100'000});

        // An edited row changes the prize of its own match count only.
        whenModal<gui::ConfigDialog>([](gui::ConfigDialog* d) {
            d->profitsGrid()->item(3, 1)->setText(QStringLiteral("12,5"));
            d->accept();
        });
        w->action(QStringLiteral("EditConfig"))->trigger();
        QTRY_COMPARE(prizeFor(w->workspace().Configuration().Data(), 3), int64_t{125'000});
        QTRY_VERIFY(!w->isRunning());
        const stats::TConfigData& saved = w->workspace().Configuration().Data();
        QCOMPARE(saved.Profits.size(), size_t{4});
        QCOMPARE(prizeFor(saved, 6), int64_t{10'000'000'000});
        QCOMPARE(prizeFor(saved, 0), int64_t{-1});
        w->close();
    }

    // Prize cells take digits and the decimal separator, segment cells digits.
    void configurationCellsTakeOnlyDigits()
    {
        gui::ConfigDialog dialog(nullptr, stats::TConfigData{});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto type = [](QTableWidget* grid, int row, int column, const QString& keys) {
            grid->setCurrentCell(row, column);
            grid->editItem(grid->item(row, column));
            auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            if (editor == nullptr)
                editor = grid->viewport()->findChild<QLineEdit*>();
            if (editor == nullptr)
                return QStringLiteral("<no editor>");
            editor->selectAll();
            QTest::keyClicks(editor, keys);
            const QString typed = editor->text();
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents(); // the delegate commits after the key
            return typed;
        };
        QTableWidget* prizes = dialog.profitsGrid();
        QCOMPARE(type(prizes, 3, 1, QStringLiteral("1a2b,5x.")), QStringLiteral("12,5"));
        QCOMPARE(prizes->item(3, 1)->text(), QStringLiteral("12,5"));
        QCOMPARE(prizeFor(dialog.config(), 3), int64_t{125'000});
        QCOMPARE(type(prizes, 4, 1, QStringLiteral("7.25")), QStringLiteral("7.25"));

        QTableWidget* segments = dialog.segmentsGrid();
        QCOMPARE(type(segments, 0, 2, QStringLiteral("x7-")), QStringLiteral("7"));
        QCOMPARE(dialog.config().MatrixSegments[2], 7);
    }
};

BELVANE_GUI_TEST(LayoutTest);

} // namespace

#include "layout_test.moc"
