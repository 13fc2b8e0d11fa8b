// Start-up and settings: a window-state file that cannot be read or written,
// restart while another copy runs, and the prefetch files built at start.

#include <QAction>
#include <QFileInfo>
#include <QProcess>
#include <filesystem>

#include "app/prefetch_files.h"
#include "app/window_settings.h"
#include "gui/program_arguments.h"
#include "gui/progress_dialog.h"
#include "gui_test_support.h"
#include "stats/stat_list.h"
#include "support/host.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

// A host that shows nothing: for preparing a folder.
class QuietHost final : public Host {
public:
    void showMessage(MessageKind, std::string_view, std::string_view) override {}
    bool askYesNo(std::string_view, std::string_view, bool defaultYes) override { return defaultYes; }
    std::optional<int> askNumber(std::string_view, std::string_view, int value, int, int) override { return value; }

protected:
    void showStatus(std::string_view) override {}
    void progressOpened(int64_t, bool) override {}
    void progressMoved(int64_t, int64_t) override {}
    void progressClosed() override {}
};

int countStartingWith(const QStringList& texts, const QString& start)
{
    int n = 0;
    for (const QString& t : texts)
        n += t.startsWith(start) ? 1 : 0;
    return n;
}

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void aWindowStateFileThatCannotBeUsedIsReportedAndTheProgramGoesOn()
    {
        DataFolder folder;
        std::filesystem::create_directory(folder.files().windowState());
        BoxAnswerer boxes;
        auto w = startWindow(folder);
        QVERIFY(w);
        const QString loadError = QStringLiteral("Ошибка загрузки параметров программы!");
        const QString saveError = QStringLiteral("Ошибка сохранения параметров программы!");
        QCOMPARE(countStartingWith(boxes.texts, loadError), 1); // once, not once per list
        QCOMPARE(w->drawsPage() != nullptr, true);
        QCOMPARE(w->statusPanelText(0), QStringLiteral("Архив тиражей: 40"));

        QVERIFY(w->action("ViewColorDraws")->isChecked());
        w->action("ViewColorDraws")->trigger();
        QCOMPARE(countStartingWith(boxes.texts, saveError), 1);
        QVERIFY(!w->action("ViewColorDraws")->isChecked()); // the view follows for this run
        w->action("DrawsSorted")->trigger();
        w->waitUntilIdle();
        QCOMPARE(countStartingWith(boxes.texts, saveError), 2);
        QVERIFY(w->action("DrawsSorted")->isChecked());
        QVERIFY(w->isVisible());

        w->close();
        QCOMPARE(countStartingWith(boxes.texts, saveError), 3);
        QCOMPARE(countStartingWith(boxes.texts, loadError), 1);
    }

    void anUnreadableConfigurationIsReportedOnce()
    {
        DataFolder folder;
        std::filesystem::create_directory(folder.files().config());
        BoxAnswerer boxes;
        auto w = startWindow(folder);
        QVERIFY(w);
        QCOMPARE(countStartingWith(boxes.texts, QStringLiteral("Ошибка чтения файла конфигурации!")), 1);
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(w->statusPanelText(3), QStringLiteral("Комбинаций: 8145060")); // the defaults stand in
        w->close();
    }

    void anOptionsValueIsNeverABatchWord()
    {
        using Args = std::vector<std::string>;
        for (const Args& args :
             {Args{"--data-dir", "fullrefresh"}, Args{"--data-dir", "/LOADONLY"}, Args{"--data-dir=fullrecreate"},
              Args{"--screenshots", "loadonly", "--data-dir", "restart"}}) {
            const gui::ProgramArguments a = gui::ParseProgramArguments(args);
            QVERIFY(!a.options.Batch());
            QVERIFY(!a.options.Restart);
            QVERIFY(a.dataDir.has_value());
        }
        QCOMPARE(gui::ParseProgramArguments(Args{"--data-dir", "fullrefresh"}).dataDir->string(),
                 std::string("fullrefresh"));
        QCOMPARE(gui::ParseProgramArguments(Args{"--data-dir=-x"}).dataDir->string(), std::string("-x"));

        // The words themselves, wherever they stand among the options.
        const gui::ProgramArguments batch =
            gui::ParseProgramArguments(Args{"--data-dir", "d", "--FullRefresh", "-platform", "offscreen", "/loadonly"});
        QVERIFY(batch.options.FullRefresh);
        QVERIFY(batch.options.LoadOnly);
        QCOMPARE(batch.dataDir->string(), std::string("d"));
        // An option without its value at the end is no option.
        const gui::ProgramArguments last = gui::ParseProgramArguments(Args{"fullrefresh", "--data-dir"});
        QVERIFY(last.options.FullRefresh);
        QVERIFY(!last.dataDir.has_value());
    }

    void restartThatTimesOutEndsTheProgram()
    {
        // Another process of this program's name: a copy of sleep.
        QTemporaryDir dir;
        const QString other = dir.filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), other));
        QFile(other).setPermissions(QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
        QProcess copy;
        copy.start(other, {QStringLiteral("30")});
        QVERIFY(copy.waitForStarted());

        DataFolder folder;
        app::StartupOptions options;
        options.Restart = true;
        options.RestartPolls = 3;
        BoxAnswerer boxes;
        {
            gui::MainWindow w(folder.files(), options);
            QVERIFY(w.startupFailed());
            QVERIFY(!w.initialise());
        }
        QVERIFY(boxes.texts.isEmpty()); // no "Ошибка запуска программы!", no window: the program ends
        copy.kill();
        copy.waitForFinished();
    }

    void startUpBuildsTheMissingPrefetchFilesWithProgress()
    {
        DataFolder folder;
        const app::DataFiles files = folder.files();
        const app::WindowStateFile frm(files.windowState());
        frm.WriteInteger(app::MainWindowSection, "PrefetchsInit", 1);
        frm.WriteInteger(app::MainWindowSection, "PrefetchsEnabled", 1);
        // Every file there but the sums': a record each, enough to be taken as built.
        std::filesystem::path missing;
        {
            QuietHost host;
            app::Workspace ws(host, files);
            ws.Create();
            std::filesystem::create_directories(files.prefetchFolder());
            for (int i = 0; i < ws.Registry().MethodCount(); ++i) {
                if (!ws.Registry().CanPrefetch(i))
                    continue;
                const std::string id = ws.Registry().Item(i).ID();
                if (id == "SUMS")
                    missing = files.prefetch(id);
                else
                    app::WritePrefetchFile(files.prefetch(id), {stats::TStatCount{1, 0, 0, 0, 5}});
            }
        }
        QVERIFY(!missing.empty());
        QVERIFY(!std::filesystem::exists(missing));

        BoxAnswerer boxes;
        auto w = startWindow(folder);
        QVERIFY(w);
        QVERIFY(boxes.texts.isEmpty());
        QVERIFY(std::filesystem::exists(missing));
        const app::PrefetchData sums = app::ReadPrefetchFile(missing);
        QCOMPARE(sums.Records.size(), size_t{235}); // the sums 21..255
        QVERIFY(w->findChild<gui::ProgressDialog*>() != nullptr);
        QVERIFY(w->action("DrawsStatePrefetchsEnabled")->isChecked());
        w->close();
    }
};

BELVANE_GUI_TEST(StartupTest);

} // namespace

#include "startup_test.moc"
