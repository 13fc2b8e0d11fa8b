// Updates of the program from the window: the actions, the search, the window
// "Найдена новая версия программы", the installation and the swap at close.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <filesystem>

#include "app/setting_keys.h"
#include "app/update_service.h"
#include "gui/qt_text.h"
#include "gui/update_dialog.h"
#include "gui_test_support.h"
#include "helpers/temp_dir.h"
#include "helpers/update_package.h"
#include "support/cp1251.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

namespace fs = std::filesystem;

class UpdateTest : public QObject {
    Q_OBJECT

private slots:
    void theActionsAndTheStartupSetting()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        QAction* check = w->action("CheckUpdate");
        QVERIFY(check != nullptr && check->isEnabled());
        QCOMPARE(check->text(), QStringLiteral("Проверить наличие обновлений..."));
        QAction* automatic = w->action("AutoSelfUpdate");
        QVERIFY(automatic->isCheckable());
        QVERIFY(automatic->isChecked()); // AutoUpdates is on by default
        automatic->trigger();
        QCOMPARE(w->workspace().Settings().Get(app::key::AutoUpdates), 0);
        w->updateActions();
        QVERIFY(!automatic->isChecked());
        // Off: the start-up search asks nobody.
        QVERIFY(!w->checkUpdatesAtStartup());

        // No address configured: the search says so and asks nobody.
        BoxAnswerer boxes;
        check->trigger();
        w->waitUntilIdle();
        QCOMPARE(boxes.texts, QStringList{messageTextOf(app::NoManifestAddressMessage)});
        w->close();
    }

    void aFoundUpdateIsShownInstalledAndSwappedInAtClose()
    {
        DataFolder folder;
        testing::TempDir dir;
        const fs::path program = dir / "program";
        fs::create_directories(program);
        testing::writeBytes(program / "belvane", "old program");
        testing::TestSigningKey key;
        const std::string package = testing::MakeUstar({{"belvane", "new program", '0', 0755}});
        testing::writeBytes(dir / "Belvane.tar", package);
        testing::writeBytes(dir / "kalvo_AU.cfg", key.signManifest(testing::ManifestBody("1.0.0.2", "Belvane.tar",
                                                                                         update::Sha256Hex(package))));
        fs::create_directories(dir / "UpdDescr");
        testing::writeBytes(dir / "UpdDescr/UpdDescr_1.0.0.2.txt", cp1251::fromUtf8("Что нового"));
        testing::writeBytes(folder.files().config(),
                            "[UPDATE]\r\nManifestUrl=" + (dir / "kalvo_AU.cfg").string() + "\r\n");

        auto w = startWindow(folder);
        QVERIFY(w);
        app::UpdateService& updates = w->workspace().Update();
        updates.SetProgramFolder(program);
        updates.SetPublicKey(key.publicKey());
        updates.SetRunningVersion(update::ParseVersion("1.0.0.1"));

        QString running, offered, description;
        whenModal<gui::UpdateDialog>([&](gui::UpdateDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Найдена новая версия программы"));
            running = dialog->runningText();
            offered = dialog->newText();
            description = dialog->descriptionText();
            dialog->accept();
        });
        BoxAnswerer boxes;
        bool staged = false;
        w->checkUpdates(false, [&staged](bool s) { staged = s; });
        w->waitUntilIdle();
        QCOMPARE(running, QStringLiteral("1.0.0.1"));
        QCOMPARE(offered, QStringLiteral("1.0.0.2"));
        QCOMPARE(description, QStringLiteral("Что нового"));
        QVERIFY(staged);
        QCOMPARE(boxes.texts, QStringList{messageTextOf(app::InstalledText("1.0.0.2"))});
        QCOMPARE(testing::readBytes(program / "belvane"), std::string("old program"));

        w->restartProgram();
        QVERIFY(w->restartRequested());
        QCOMPARE(testing::readBytes(program / "belvane"), std::string("new program"));
    }

    void aDeclinedUpdateInstallsNothing()
    {
        DataFolder folder;
        testing::TempDir dir;
        testing::TestSigningKey key;
        const std::string package = testing::MakeUstar({{"belvane", "new"}});
        testing::writeBytes(dir / "Belvane.tar", package);
        testing::writeBytes(dir / "kalvo_AU.cfg", key.signManifest(testing::ManifestBody("1.0.0.2", "Belvane.tar",
                                                                                         update::Sha256Hex(package))));
        testing::writeBytes(folder.files().config(),
                            "[UPDATE]\r\nManifestUrl=" + (dir / "kalvo_AU.cfg").string() + "\r\n");
        auto w = startWindow(folder);
        QVERIFY(w);
        app::UpdateService& updates = w->workspace().Update();
        updates.SetProgramFolder(dir.path());
        updates.SetPublicKey(key.publicKey());
        updates.SetRunningVersion(update::ParseVersion("1.0.0.1"));
        whenModal<gui::UpdateDialog>([](gui::UpdateDialog* dialog) { dialog->reject(); });
        QVERIFY(!w->checkUpdatesAtStartup());
        QVERIFY(!updates.StagedVersion());
        QVERIFY(!w->restartRequested());
        w->close();
    }

private:
    static QString messageTextOf(std::string_view text) { return gui::messageText(text); }
};

BELVANE_GUI_TEST(UpdateTest);

} // namespace

#include "update_test.moc"
