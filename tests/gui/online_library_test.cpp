// The online scenario library under the scenario page, against a
// belvane-service of its own on 127.0.0.1: one data folder publishes its
// scenario (a taken title keeps the dialog open), another lists, downloads,
// rates, removes its rating, reads the ratings and hides the entry; entries
// of another program are not offered; Ctrl+L shows and hides the panel.

#include <QAction>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

#include "app/scenario_service.h"
#include "app/setting_keys.h"
#include "exchange_test_support.h"
#include "gui/library_model.h"
#include "gui/online_scripts_panel.h"
#include "gui/script_page.h"
#include "gui/script_public_dialog.h"
#include "gui/script_rates_dialog.h"
#include "gui/table_views.h"
#include "scenario/library_exchange.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

const std::vector<std::string> kLines = {"FULL:0#RAND|TSD1#NUMS:100#LNO:#SF:1| | | | | | |Все числа",
                                         "CURR:0#ALL#NEX|BMF8#NUMS:50#WMV:5#ST:3#0.5:-1:1:0:0| | | | | | |Вторая"};
const QString kTitle = QStringLiteral("Клубный & \"сценарий\"?");

gui::OnlineScriptsPanel* showLibrary(gui::MainWindow& w)
{
    auto* page = w.findChild<gui::ScriptPage*>();
    w.rightPages()->setCurrentWidget(page);
    return page->libraryPanel();
}

void selectEntry(gui::MainWindow& w, gui::OnlineScriptsPanel* panel, int row)
{
    panel->scriptsView()->selectRow(row);
    w.updateActions();
}

void trigger(gui::MainWindow& w, const char* action)
{
    w.action(QString::fromLatin1(action))->trigger();
    w.waitUntilIdle();
}

class OnlineLibraryTest : public QObject {
    Q_OBJECT

private slots:
    void publishedListedDownloadedAndRated()
    {
        LocalService service;
        BELVANE_REQUIRE_SERVICE(service);
        {
            DataFolder author;
            writeOnlineSettings(author, service.url(), QStringLiteral("Author"), QStringLiteral("a@club.example"));
            BoxAnswerer boxes;
            auto w = startWindow(author);
            QVERIFY(w);
            for (const std::string& line : kLines)
                w->workspace().Scenario().Add(line);
            gui::OnlineScriptsPanel* panel = showLibrary(*w);
            QTRY_VERIFY(panel->listLoaded());
            w->waitUntilIdle();
            QCOMPARE(panel->model().rowCount(), 0);
            QVERIFY(enabled(*w, "ScriptLibraryUpload"));

            whenModal<gui::TFormScrPublic>([](gui::TFormScrPublic* d) {
                d->titleEdit()->setText(kTitle);
                d->descrEdit()->setPlainText(QStringLiteral("Для клуба"));
                d->accept(); // the service is asked whether the title is free
            });
            trigger(*w, "ScriptLibraryUpload");
            QCOMPARE(panel->model().rowCount(), 1);
            QTableView* list = panel->scriptsView();
            QCOMPARE(cellOf(list, 0, 0), QStringLiteral("Мой"));
            QCOMPARE(cellOf(list, 0, 1), kTitle);
            QCOMPARE(cellOf(list, 0, 3), QStringLiteral("Belvane 6x45"));
            QCOMPARE(cellOf(list, 0, 6).size(), 19);
            QVERIFY(enabled(*w, "ScriptLibraryReplace"));
            QVERIFY(enabled(*w, "ScriptLibraryDelete"));

            // The same title again: the dialog stays open with the message.
            bool stayedOpen = false;
            whenModal<gui::TFormScrPublic>([&](gui::TFormScrPublic* d) {
                d->titleEdit()->setText(QStringLiteral("  ") + kTitle);
                d->accept();
                auto* wait = new QTimer(d);
                wait->setInterval(10);
                QObject::connect(wait, &QTimer::timeout, d, [&, d] {
                    if (boxes.texts.isEmpty() || w->isRunning() || QApplication::activeModalWidget() != d)
                        return;
                    stayedOpen = d->isVisible();
                    d->reject();
                });
                wait->start();
            });
            trigger(*w, "ScriptLibraryUpload");
            QVERIFY(stayedOpen);
            QCOMPARE(boxes.texts, QStringList{QStringLiteral(
                                      "Сценарий с таким названием уже существует!\nВыберите другое название.")});
            QCOMPARE(panel->model().rowCount(), 1);
            w->close();
        }

        DataFolder reader;
        writeOnlineSettings(reader, service.url(), QStringLiteral("Reader"), QStringLiteral("b@club.example"));
        bool replace = false; // the only question here is whether to replace the working scenario
        BoxAnswerer boxes([&replace](const QString&) { return replace; });
        auto w = startWindow(reader);
        QVERIFY(w);
        gui::OnlineScriptsPanel* panel = showLibrary(*w);
        QTRY_VERIFY(panel->listLoaded());
        w->waitUntilIdle();
        QTableView* list = panel->scriptsView();
        QCOMPARE(panel->model().rowCount(), 1);
        QCOMPARE(cellOf(list, 0, 0), QStringLiteral("Общий"));
        QCOMPARE(cellOf(list, 0, 2), QStringLiteral("Author"));
        selectEntry(*w, panel, 0);
        QVERIFY(enabled(*w, "ScriptLibraryDownload"));
        QVERIFY(!enabled(*w, "ScriptLibraryReplace"));
        QVERIFY(!enabled(*w, "ScriptLibraryDelete"));

        // The download replaces the (empty) working scenario and saves it.
        trigger(*w, "ScriptLibraryDownload");
        QCOMPARE(w->workspace().Scenario().Lines().Lines(), kLines);
        QVERIFY(std::filesystem::exists(reader.files().scenario()));
        QVERIFY(boxes.texts.isEmpty());

        // A scenario with lines of its own is replaced only when the user says so.
        w->workspace().Scenario().Delete(std::vector<int>{0});
        const std::vector<std::string> own = w->workspace().Scenario().Lines().Lines();
        trigger(*w, "ScriptLibraryDownload");
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Заменить текущий сценарий сценарием каталога \"%1\"?\n\n"
                                                         "Строки рабочего сценария будут потеряны.")
                                              .arg(kTitle)});
        QCOMPARE(w->workspace().Scenario().Lines().Lines(), own);
        replace = true;
        trigger(*w, "ScriptLibraryDownload");
        QCOMPARE(boxes.texts.size(), 2);
        QCOMPARE(w->workspace().Scenario().Lines().Lines(), kLines);
        boxes.texts.clear();

        // Rated 4 with a comment: the list is loaded again and shows it.
        whenModal<QInputDialog>([](QInputDialog* d) {
            QCOMPARE(d->labelText(), QStringLiteral("Вы можете оставить свой комментарий:"));
            d->setTextValue(QStringLiteral("Хорошо & \"ясно\""));
            d->accept();
        });
        trigger(*w, "ScriptLibraryRate4");
        QCOMPARE(cellOf(list, 0, 9), QStringLiteral("4"));
        QCOMPARE(cellOf(list, 0, 8), QStringLiteral("1"));
        QCOMPARE(gui::SelectedRows(list), std::vector<int>{0}); // the same entry stays current
        QVERIFY(w->action(QStringLiteral("ScriptLibraryRate4"))->isChecked());
        QVERIFY(!w->action(QStringLiteral("ScriptLibraryRate3"))->isChecked());

        QStringList rateRow;
        whenModal<gui::TFormScrRates>([&rateRow](gui::TFormScrRates* d) {
            for (int c = 0; c < d->ratesView()->model()->columnCount(); ++c)
                rateRow << cellOf(d->ratesView(), 0, c);
            d->reject();
        });
        trigger(*w, "ScriptLibraryRates");
        QCOMPARE(rateRow.value(0), QStringLiteral("Reader"));
        QCOMPARE(rateRow.value(1), QStringLiteral("4"));
        QCOMPARE(rateRow.value(5), QStringLiteral("Хорошо & \"ясно\""));

        trigger(*w, "ScriptLibraryRate0");
        QCOMPARE(cellOf(list, 0, 9), QString());
        QVERIFY(!w->action(QStringLiteral("ScriptLibraryRate4"))->isChecked());

        // Hidden: gone from the default filter, "Скрытый" where hidden entries are listed.
        trigger(*w, "ScriptLibraryHide");
        QCOMPARE(panel->model().rowCount(), 0);
        panel->filterBox()->setCurrentIndex(1); // "Все, включая скрытые"
        w->waitUntilIdle();
        QCOMPARE(panel->model().rowCount(), 1);
        QCOMPARE(cellOf(list, 0, 9), QStringLiteral("Скрытый"));
        selectEntry(*w, panel, 0);
        QVERIFY(w->action(QStringLiteral("ScriptLibraryHide"))->isChecked());
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join(QLatin1Char('|'))));

        // The filter is kept for the next start.
        w->close();
        w.reset();
        auto again = startWindow(reader);
        QVERIFY(again);
        QCOMPARE(showLibrary(*again)->filterBox()->currentIndex(), 1);
    }

    void entriesOfAnotherProgramAreNotOffered()
    {
        LocalService service;
        BELVANE_REQUIRE_SERVICE(service);
        const exchange::ExchangeClient other = service.client("Other", "o@club.example", "Kalvo 5x36");
        scenario::tScriptData only;
        only.AuthorName = "Other";
        only.Title = "Только там";
        scenario::PutScript(other, only, "FULL:0#RAND| | | | | | | |\r\n");
        scenario::tScriptData everywhere = only;
        everywhere.Title = "Везде";
        everywhere.Universal = true;
        scenario::PutScript(other, everywhere, "FULL:0#RAND| | | | | | | |\r\n");

        DataFolder folder;
        writeOnlineSettings(folder, service.url(), QStringLiteral("Reader"), QStringLiteral("b@club.example"));
        auto w = startWindow(folder);
        QVERIFY(w);
        gui::OnlineScriptsPanel* panel = showLibrary(*w);
        QTRY_VERIFY(panel->listLoaded());
        w->waitUntilIdle();
        QCOMPARE(panel->model().rowCount(), 2);
        for (int r = 0; r < 2; ++r) {
            selectEntry(*w, panel, r);
            const bool universal = cellOf(panel->scriptsView(), r, 1) == QStringLiteral("Везде");
            QCOMPARE(cellOf(panel->scriptsView(), r, 3),
                     universal ? QStringLiteral("Универсальный") : QStringLiteral("Kalvo 5x36"));
            QCOMPARE(enabled(*w, "ScriptLibraryDownload"), universal);
            QVERIFY(enabled(*w, "ScriptLibraryView"));
        }
    }

    void ctrlLShowsAndHidesThePanel()
    {
        DataFolder folder; // no service: nothing is asked
        auto w = startWindow(folder);
        QVERIFY(w);
        gui::OnlineScriptsPanel* panel = showLibrary(*w);
        QAction* toggle = w->action(QStringLiteral("ScriptLibrary"));
        QCOMPARE(toggle->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
        QVERIFY(panel->isVisible());
        QVERIFY(toggle->isChecked());
        QVERIFY(!panel->listLoaded());

        toggle->trigger();
        QVERIFY(!panel->isVisible());
        QVERIFY(!w->workspace().Settings().Flag(app::key::ScriptLibraryOn));
        QVERIFY(!enabled(*w, "ScriptLibraryRefresh"));
        QVERIFY(enabled(*w, "ScriptLibrary"));
        QVERIFY(!toggle->isChecked());

        toggle->trigger();
        QVERIFY(panel->isVisible());
        QVERIFY(enabled(*w, "ScriptLibraryRefresh"));
        QVERIFY(!enabled(*w, "ScriptLibraryUpload")); // the working scenario is empty
    }
};

} // namespace

BELVANE_GUI_TEST(OnlineLibraryTest);
#include "online_library_test.moc"
