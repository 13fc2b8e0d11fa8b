// The ratings page: sorting by a column's header (kept in the ratings file and
// across runs), the selection following its rows, the three efficiency modes,
// and F5 rebuilding the ratings.

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QPlainTextEdit>
#include <QHeaderView>

#include "app/archive_service.h"
#include "app/setting_keys.h"
#include "app/stakes_service.h"
#include "gui/ratings_page.h"
#include "gui/table_views.h"
#include "stakes/rating_record.h"
#include "stakes/ratings_texts.h"
#include "stakes_test_support.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

QStringList keysShown(const QTableView* view)
{
    QStringList keys;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        keys << cellText(view, r, 0);
    return keys;
}

QStringList keysInFile(const DataFolder& folder)
{
    QStringList keys;
    for (const stakes::RatingRecord& r : stakes::ReadRatingsFile(folder.files().ratings()))
        keys << QString::fromStdString(r.Key);
    return keys;
}

void clickHeader(QTableView* view, int column)
{
    QHeaderView* header = view->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

class RatingsTest : public QObject {
    Q_OBJECT

private slots:
    void theCurrentRowIsComparedWithRandomPlay()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        const model::TDraw newest = w->workspace().Archive().Draws().back();
        // "hot": four stakes of five matches; "cold": a stake of one.
        for (int i = 0; i < 4; ++i)
            addStake(*w, newest.Number, combMatching(newest.Balls, 5), "hot");
        addStake(*w, newest.Number, combMatching(newest.Balls, 1), "cold");
        gui::RatingsPage* page = ratingsPage(*w);
        w->rightPages()->setCurrentWidget(page);
        QTableView* list = page->ratingsView();
        QCOMPARE(list->model()->columnCount(), 24);
        QCOMPARE(list->model()->headerData(20, Qt::Horizontal).toString(), QStringLiteral("Ожид. 3+"));
        QCOMPARE(list->model()->headerData(23, Qt::Horizontal).toString(),
                 QStringLiteral("Сравнение со случайной игрой"));
        QCOMPARE(keysShown(list), (QStringList{"hot", "cold"}));
        QCOMPARE(cellText(list, 0, 23), QStringLiteral("лучше случайной игры"));
        QCOMPARE(cellText(list, 1, 23), QStringLiteral("не отличается от случайной игры"));

        auto* report = page->findChild<QPlainTextEdit*>(QStringLiteral("mmRatingsChance"));
        QVERIFY(report != nullptr);
        QVERIFY(page->shownChanceKey().empty());
        list->setCurrentIndex(list->model()->index(0, 0));
        QCOMPARE(page->shownChanceKey(), std::string("hot"));
        QVERIFY2(report->toPlainText().contains(QStringLiteral("Ставок с 3 и более совпадениями: 4")),
                 qPrintable(report->toPlainText()));
        QVERIFY(report->toPlainText().contains(QStringLiteral("p с поправкой Холма на 2 сравниваемых строк")));
        auto* chart = page->findChild<QChartView*>(QStringLiteral("crtRatingsChance"));
        QVERIFY(chart != nullptr);
        QCOMPARE(chart->chart()->series().size(), 3);

        // A click on a comparison column sorts nothing and shows no sort by it.
        const int sortColumn = list->horizontalHeader()->sortIndicatorSection();
        clickHeader(list, 21);
        w->waitUntilIdle();
        QCOMPARE(keysShown(list), (QStringList{"hot", "cold"}));
        QCOMPARE(list->horizontalHeader()->sortIndicatorSection(), sortColumn);
        w->close();
    }

    void sortsByTheClickedColumnAndKeepsTheOrder()
    {
        DataFolder folder;
        {
            auto w = startWindow(folder);
            QVERIFY(w);
            const model::TDraw newest = w->workspace().Archive().Draws().back();
            for (const char* key : {"a", "b", "c", "a", "c", "a"})
                addStake(*w, newest.Number, combMatching(newest.Balls, 1), key);
            gui::RatingsPage* page = ratingsPage(*w);
            w->rightPages()->setCurrentWidget(page);
            QTableView* list = page->ratingsView();
            QCOMPARE(keysShown(list), (QStringList{"a", "b", "c"}));
            QCOMPARE(cellText(list, 0, 1), QStringLiteral("3"));
            QCOMPARE(w->statusPanelText(5), QStringLiteral("Рейтинг: 3"));

            clickHeader(list, 1); // "Ставок", ascending
            w->waitUntilIdle();
            QCOMPARE(keysShown(list), (QStringList{"b", "c", "a"}));
            QCOMPARE(keysInFile(folder), (QStringList{"b", "c", "a"})); // every sort saves
            QCOMPARE(list->horizontalHeader()->sortIndicatorSection(), 1);
            QCOMPARE(list->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);

            gui::SelectRows(list, {0}); // "b" goes with its row
            clickHeader(list, 1);       // the other way round
            w->waitUntilIdle();
            QCOMPARE(keysShown(list), (QStringList{"a", "c", "b"}));
            QCOMPARE(list->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
            QCOMPARE(gui::SelectedRows(list), (std::vector<int>{2}));
            w->close();
        }
        // The next run sorts by the same column: "b" catches "a" up and stays after it.
        auto w = startWindow(folder);
        QVERIFY(w);
        QTableView* list = ratingsPage(*w)->ratingsView();
        QCOMPARE(list->horizontalHeader()->sortIndicatorSection(), 1);
        QCOMPARE(list->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
        const model::TDraw newest = w->workspace().Archive().Draws().back();
        addStake(*w, newest.Number, combMatching(newest.Balls, 1), "B");
        addStake(*w, newest.Number, combMatching(newest.Balls, 1), "b");
        QCOMPARE(keysShown(list), (QStringList{"a", "b", "c"}));
        QCOMPARE(cellText(list, 1, 1), QStringLiteral("3")); // letter case aside, one key
        w->close();
    }

    // Ten stakes of one key, two of them with 3 matches.
    void switchesTheEfficiencyMode()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        const model::TDraw newest = w->workspace().Archive().Draws().back();
        for (int i = 0; i < 10; ++i)
            addStake(*w, newest.Number, combMatching(newest.Balls, i < 2 ? 3 : 0), "k");
        QTableView* list = ratingsPage(*w)->ratingsView();
        const int e0 = stakes::FirstEfficiencyColumn;
        const int e3 = e0 + 3;
        QCOMPARE(list->model()->headerData(e3, Qt::Horizontal).toString(), QStringLiteral("E3"));
        QVERIFY(w->action("RatingsEffMode1")->isChecked()); // the default
        QCOMPARE(cellText(list, 0, e3), QStringLiteral("17.756%"));

        w->action("RatingsEffMode2")->trigger();
        QCOMPARE(cellText(list, 0, e3), QStringLiteral("891.242%"));
        QVERIFY(w->action("RatingsEffMode2")->isChecked());
        QVERIFY(!w->action("RatingsEffMode1")->isChecked());
        QCOMPARE(w->workspace().Settings().Get(app::key::RatingsEffMode), 2);

        w->action("RatingsEffMode0")->trigger();
        QCOMPARE(cellText(list, 0, e3), QStringLiteral("0"));
        QCOMPARE(cellText(list, 0, e0), QStringLiteral("4"));
        QVERIFY(w->action("RatingsEffMode0")->isChecked());
        QCOMPARE(w->workspace().Settings().Get(app::key::RatingsEffMode), 0);
        w->close();
    }

    void f5RebuildsTheRatings()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        const model::TDraw newest = w->workspace().Archive().Draws().back();
        addStake(*w, newest.Number, newest.Balls, "gone");
        addStake(*w, newest.Number, newest.Balls, "kept");
        w->run([&w] {
            const size_t first = 0;
            w->workspace().Stakes().DeleteRecords(std::span<const size_t>(&first, 1));
        });
        w->waitUntilIdle();
        QTableView* list = ratingsPage(*w)->ratingsView();
        QCOMPARE(list->model()->rowCount(), 2); // a deleted stake still counts

        QVERIFY(activate(*w));
        BoxAnswerer boxes([](const QString&) { return true; });
        QTest::keyClick(w.get(), Qt::Key_F5);
        w->waitUntilIdle();
        QCOMPARE(boxes.texts.value(0),
                 QStringLiteral("Пересчитать рейтинг только по текущим ставкам?\n\nНакопленные ранее данные по "
                                "удаленным ставкам будут потеряны."));
        QCOMPARE(keysShown(list), QStringList{"kept"});
        QCOMPARE(w->statusPanelText(5), QStringLiteral("Рейтинг: 1"));
        w->close();
    }
};

BELVANE_GUI_TEST(RatingsTest);

} // namespace

#include "ratings_test.moc"
