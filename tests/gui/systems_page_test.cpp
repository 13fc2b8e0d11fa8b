// The systems page against a belvane-service of its own on 127.0.0.1: the
// catalogue and its columns, downloading (one system per number count),
// files whose time differs downloaded again, the user's own systems added,
// edited and deleted, an unreachable service, and the page switched off.

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>
#include <chrono>
#include <filesystem>

#include "app/setting_keys.h"
#include "app/systems_service.h"
#include "exchange_test_support.h"
#include "gui/system_dialog.h"
#include "gui/systems_model.h"
#include "gui/systems_page.h"
#include "gui/table_views.h"
#include "systems/system_exchange.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

const std::string kSevenLines = "1 2 3 4 5 6\r\n1 2 3 4 5 7\r\n1 3 4 5 6 7\r\n";

systems::tSystemData makeSystem(const std::string& title, int numbers, int block, const std::string& lines,
                                const std::string& author, const std::string& mail)
{
    systems::tSystemData s;
    s.Id = -1;
    s.Title = title;
    s.Numbers = numbers;
    s.Block = block;
    s.Combs = lines;
    s.CombCount = systems::NormalizeSystemCombs(lines).CombCount;
    s.Author = author;
    s.AuthorMail = mail;
    s.Description = "Описание " + title;
    return s;
}

int32_t publish(const LocalService& service, const systems::tSystemData& s)
{
    return systems::PutSystem(service.client(s.Author, s.AuthorMail), s, false);
}

gui::SystemsPage* showSystems(gui::MainWindow& w)
{
    auto* page = w.findChild<gui::SystemsPage*>();
    w.rightPages()->setCurrentWidget(page);
    return page;
}

int rowTitled(const gui::SystemsPage* page, const QString& title)
{
    for (int r = 0; r < page->model().rowCount(); ++r)
        if (cellOf(page->systemsView(), r, 0) == title)
            return r;
    return -1;
}

void selectRow(gui::MainWindow& w, gui::SystemsPage* page, int row)
{
    page->systemsView()->selectRow(row);
    w.updateActions();
}

std::filesystem::path systemFile(const DataFolder& folder, int numbers, int block, int32_t id)
{
    return folder.files().systemsFolder() / systems::SystemFileName({numbers, block, id});
}

class SystemsPageTest : public QObject {
    Q_OBJECT

private slots:
    void listsDownloadsOneSystemPerCountAndRefreshesStaleFiles()
    {
        LocalService service;
        BELVANE_REQUIRE_SERVICE(service);
        const int32_t first = publish(service, makeSystem("Первая", 7, 3, kSevenLines, "Other", "other@club.example"));
        const int32_t second = publish(
            service, makeSystem("Вторая", 7, 2, "1 2 3 4 5 6\r\n2 3 4 5 6 7\r\n", "Other", "other@club.example"));
        publish(service, makeSystem("Моя", 8, 1, "1 2 3 4 5 6\r\n3 4 5 6 7 8\r\n", "User", "USER@club.example"));

        DataFolder folder;
        writeOnlineSettings(folder, service.url(), QStringLiteral("User"), QStringLiteral("user@club.example"));
        BoxAnswerer boxes;
        auto w = startWindow(folder);
        QVERIFY(w);
        gui::SystemsPage* page = showSystems(*w);
        QTRY_VERIFY(page->listLoaded()); // the first look at the page loads the list
        w->waitUntilIdle();
        QTableView* list = page->systemsView();
        QCOMPARE(page->model().rowCount(), 3);
        QStringList headings;
        for (int c = 0; c < list->model()->columnCount(); ++c)
            headings << list->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headings, (QStringList{"Название", "Автор", "Числа", "Блок", "Комбинаций", "Дата создания", "Статус",
                                        "Загрузок", "Последняя", "Комментарии", "Ссылка"}));
        const int a = rowTitled(page, QStringLiteral("Первая"));
        QVERIFY(a >= 0);
        QCOMPARE(cellOf(list, a, 1), QStringLiteral("Other"));
        QCOMPARE(cellOf(list, a, 2), QStringLiteral("07"));
        QCOMPARE(cellOf(list, a, 3), QStringLiteral("3"));
        QCOMPARE(cellOf(list, a, 4), QStringLiteral("3"));
        QCOMPARE(cellOf(list, a, 5).size(), 19); // "yyyy-mm-dd hh:mm:ss"
        QCOMPARE(cellOf(list, a, 6), QString());
        QCOMPARE(cellOf(list, a, 9), QStringLiteral("Описание Первая"));

        // Only the user's own system (the contact compared without case) can be deleted.
        selectRow(*w, page, a);
        QVERIFY(enabled(*w, "SystemsDownload"));
        QVERIFY(enabled(*w, "SystemsProp"));
        QVERIFY(!enabled(*w, "SystemsDel"));
        selectRow(*w, page, rowTitled(page, QStringLiteral("Моя")));
        QVERIFY(enabled(*w, "SystemsDel"));

        selectRow(*w, page, a);
        w->action(QStringLiteral("SystemsDownload"))->trigger();
        w->waitUntilIdle();
        QCOMPARE(cellOf(list, a, 6), QStringLiteral("Загружена"));
        QVERIFY(std::filesystem::exists(systemFile(folder, 7, 3, first)));

        // A second system for seven numbers takes the place of the first.
        const int b = rowTitled(page, QStringLiteral("Вторая"));
        selectRow(*w, page, b);
        w->action(QStringLiteral("SystemsDownload"))->trigger();
        w->waitUntilIdle();
        QCOMPARE(cellOf(list, b, 6), QStringLiteral("Загружена"));
        QCOMPARE(cellOf(list, a, 6), QString());
        QVERIFY(!std::filesystem::exists(systemFile(folder, 7, 3, first)));
        const std::filesystem::path file = systemFile(folder, 7, 2, second);
        QVERIFY(std::filesystem::exists(file));

        // A file whose time is not the system's is fetched again; the current row stays.
        const auto stamped = std::filesystem::last_write_time(file);
        std::filesystem::last_write_time(file, stamped - std::chrono::hours(50));
        QVERIFY(systems::FileTimeDiffers(file, page->model().row(b)->System.Created));
        w->action(QStringLiteral("SystemsRefresh"))->trigger();
        w->waitUntilIdle();
        const int again = rowTitled(page, QStringLiteral("Вторая"));
        QVERIFY(!systems::FileTimeDiffers(file, page->model().row(again)->System.Created));
        QCOMPARE(gui::SelectedRows(list), (std::vector<int>{again}));
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join(QLatin1Char('|'))));
    }

    void addsEditsAndDeletesTheUsersOwnSystem()
    {
        LocalService service;
        BELVANE_REQUIRE_SERVICE(service);
        publish(service, makeSystem("Чужая", 7, 3, kSevenLines, "Other", "other@club.example"));
        DataFolder folder;
        writeOnlineSettings(folder, service.url(), QStringLiteral("User"), QStringLiteral("user@club.example"));
        BoxAnswerer boxes([](const QString&) { return true; });
        auto w = startWindow(folder);
        QVERIFY(w);
        gui::SystemsPage* page = showSystems(*w);
        QTRY_VERIFY(page->listLoaded());
        w->waitUntilIdle();

        bool authorGiven = false;
        whenModal<gui::TFormSystem>([&authorGiven](gui::TFormSystem* d) {
            authorGiven = d->authorEdit()->text() == QStringLiteral("User");
            d->titleEdit()->setText(QStringLiteral("Семь & \"чисел\""));
            d->descrEdit()->setPlainText(QStringLiteral("Три строки"));
            d->olapEdit()->setText(QStringLiteral("3"));
            d->combsEdit()->setPlainText(QStringLiteral("1,2;3 4-5/6\n1 2 3 4 5 7\n1 3 4 5 6 7\n1 2 3"));
            d->normalizeCombs(); // as leaving the list does
            d->accept();
        });
        w->action(QStringLiteral("SystemsAdd"))->trigger();
        w->waitUntilIdle();
        QVERIFY(authorGiven);
        const int added = rowTitled(page, QStringLiteral("Семь & \"чисел\""));
        QVERIFY(added >= 0);
        QCOMPARE(cellOf(page->systemsView(), added, 4), QStringLiteral("3"));
        QCOMPARE(gui::SelectedRows(page->systemsView()), (std::vector<int>{added})); // made current
        QVERIFY(enabled(*w, "SystemsDel"));

        // The properties of the own system: the lines as published, editable.
        bool editable = false;
        QString lines;
        whenModal<gui::TFormSystem>([&](gui::TFormSystem* d) {
            editable = d->editable();
            lines = d->combsEdit()->toPlainText();
            d->titleEdit()->setText(QStringLiteral("Семь чисел"));
            d->accept();
        });
        w->action(QStringLiteral("SystemsProp"))->trigger();
        w->waitUntilIdle();
        QVERIFY(editable);
        QCOMPARE(lines.split(QLatin1Char('\n')).first(), QStringLiteral("01 02 03 04 05 06"));
        QCOMPARE(cellOf(page->systemsView(), added, 0), QStringLiteral("Семь чисел"));
        const auto listed = systems::ListSystems(service.client("Other", "other@club.example"));
        QCOMPARE(listed.size(), size_t{2});

        // Another's system is shown read-only.
        selectRow(*w, page, rowTitled(page, QStringLiteral("Чужая")));
        whenModal<gui::TFormSystem>([&editable](gui::TFormSystem* d) {
            editable = d->editable() || !d->titleEdit()->isReadOnly();
            d->reject();
        });
        w->action(QStringLiteral("SystemsProp"))->trigger();
        w->waitUntilIdle();
        QVERIFY(!editable);

        // Deleting asks first ("no" preselected; this hand says yes).
        selectRow(*w, page, rowTitled(page, QStringLiteral("Семь чисел")));
        w->action(QStringLiteral("SystemsDel"))->trigger();
        w->waitUntilIdle();
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Вы действительно хотите удалить систему \"Семь чисел\"?")});
        QCOMPARE(rowTitled(page, QStringLiteral("Семь чисел")), -1);
        QCOMPARE(systems::ListSystems(service.client("Other", "other@club.example")).size(), size_t{1});
    }

    void anUnreachableServiceLeavesOnePlaceholderRow()
    {
        DataFolder folder;
        // Nothing listens on port 1 of this machine.
        writeOnlineSettings(folder, QStringLiteral("http://127.0.0.1:1"), QStringLiteral("User"),
                            QStringLiteral("user@club.example"));
        BoxAnswerer boxes;
        auto w = startWindow(folder);
        QVERIFY(w);
        gui::SystemsPage* page = showSystems(*w);
        QTRY_VERIFY(page->listLoaded());
        w->waitUntilIdle();
        QCOMPARE(page->model().rowCount(), 1);
        QCOMPARE(cellOf(page->systemsView(), 0, 0), QString::fromUtf8(app::SystemsUnavailableTitle.data()));
        for (int c = 2; c <= 4; ++c)
            QCOMPARE(cellOf(page->systemsView(), 0, c), QString());
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts.front().startsWith(QStringLiteral("Ошибка загрузки списка систем!\n\n")));
        selectRow(*w, page, 0);
        QVERIFY(!enabled(*w, "SystemsDownload"));
        QVERIFY(!enabled(*w, "SystemsProp"));
        QVERIFY(!enabled(*w, "SystemsDel"));
        QVERIFY(enabled(*w, "SystemsRefresh"));
    }

    void switchingSystemsOffHidesThePageAndTheSystemStakes()
    {
        DataFolder folder; // no service: nothing is asked until the page is switched on again
        auto w = startWindow(folder);
        QVERIFY(w);
        auto* page = w->findChild<gui::SystemsPage*>();
        QTabWidget* tabs = w->rightPages();
        QAction* on = w->action(QStringLiteral("SystemsOn"));
        QVERIFY(on->isChecked());
        QVERIFY(tabs->isTabVisible(tabs->indexOf(page)));

        on->trigger();
        w->waitUntilIdle();
        QVERIFY(!w->workspace().Settings().Flag(app::key::SystemsEnabled));
        QVERIFY(!tabs->isTabVisible(tabs->indexOf(page)));
        QVERIFY(!w->action(QStringLiteral("SystemStakeAll"))->isVisible());
        QVERIFY(!w->action(QStringLiteral("SystemStakeFilter"))->isVisible());
        QVERIFY(!enabled(*w, "SystemsRefresh"));
        QVERIFY(!on->isChecked());

        // Switched on, the page loads its list: without a service that is the message.
        BoxAnswerer boxes;
        on->trigger();
        w->waitUntilIdle();
        QVERIFY(tabs->isTabVisible(tabs->indexOf(page)));
        QVERIFY(w->action(QStringLiteral("SystemStakeAll"))->isVisible());
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts.front().contains(QStringLiteral("Адрес сервиса обмена не указан!")));
    }
};

} // namespace

BELVANE_GUI_TEST(SystemsPageTest);
#include "systems_page_test.moc"
