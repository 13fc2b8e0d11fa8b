// The download's controls: its actions and menus, the start-up question, the
// proxy dialog and the wait window. Nothing here reaches the network.

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "app/configuration_service.h"
#include "app/download_service.h"
#include "app/setting_keys.h"
#include "gui/draws_page.h"
#include "gui/proxy_dialog.h"
#include "gui/qt_host.h"
#include "gui/wait_dialog.h"
#include "gui_test_support.h"
#include "support/ini_document.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

class DownloadTest : public QObject {
    Q_OBJECT

private slots:
    void theActionsAndTheStartupMenu()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        QAction* download = w->action("DrawsDownload");
        QVERIFY(download != nullptr);
        QCOMPARE(download->text(), QStringLiteral("Загрузка"));
        QCOMPARE(download->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(download->statusTip(), QStringLiteral("Загрузка архива тиражей с сайта лотереи"));
        QVERIFY(download->isEnabled());
        QCOMPARE(w->action("EditProxy")->text(), QStringLiteral("Параметры proxy-сервера"));

        auto* menu = w->findChild<QMenu*>(QStringLiteral("menuAutoDownload"));
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->title(), QStringLiteral("Автозагрузка при запуске программы"));
        const QStringList captions{QStringLiteral("По запросу (по умолчанию)"), QStringLiteral("Автоматически"),
                                   QStringLiteral("Отключено")};
        QCOMPARE(menu->actions().size(), 3);
        for (int i = 0; i < 3; ++i) {
            QAction* item = menu->actions()[i];
            QCOMPARE(item->objectName(), QStringLiteral("AutoDownload%1").arg(i));
            QCOMPARE(item->text(), captions[i]);
            QVERIFY(item->actionGroup() != nullptr && item->actionGroup()->isExclusive());
        }
        QVERIFY(w->action("AutoDownload0")->isChecked());

        w->action("AutoDownload2")->trigger();
        QCOMPARE(w->workspace().Settings().Get(app::key::DownloadDrawsOnStart), 2);
        QVERIFY(w->action("AutoDownload2")->isChecked());
        QVERIFY(!w->action("AutoDownload0")->isChecked());
        w->action("AutoDownload1")->trigger();
        QCOMPARE(w->workspace().Download().StartupChoice(), 1);
        w->close();
    }

    void theStartupQuestionAsksOnlyInTheAskingMode()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        {
            BoxAnswerer no([](const QString&) { return false; });
            w->drawsPage()->downloadAtStartup();
            QCOMPARE(no.texts,
                     QStringList{QStringLiteral("Обновить список тиражей?\n\nДля выполнения обновления необходимо "
                                                "действующее подключение к сети Интернет.")});
            QVERIFY(!w->isRunning()); // "no": nothing starts
        }
        w->action("AutoDownload2")->trigger();
        BoxAnswerer boxes;
        w->drawsPage()->downloadAtStartup();
        QVERIFY(!w->isRunning());
        QTest::qWait(50);
        QVERIFY(boxes.texts.isEmpty());
        w->close();
    }

    void theProxyDialogEnablesTheFieldsOfTheManualMode()
    {
        gui::ProxyDialog dialog(nullptr, app::ProxySettings{2, "proxy.local", 3128, "user", "secret"});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Параметры proxy-сервера"));
        QVERIFY(dialog.modeButton(2)->isChecked());
        QVERIFY(dialog.serverEdit()->isEnabled());
        QCOMPARE(dialog.portBox()->value(), 3128);
        QCOMPARE(dialog.portBox()->minimum(), 1);
        QCOMPARE(dialog.portBox()->maximum(), 65535);
        QCOMPARE(dialog.passwordEdit()->echoMode(), QLineEdit::Password);
        app::ProxySettings s = dialog.settings();
        QCOMPARE(s.Mode, 2);
        QCOMPARE(s.Server, std::string("proxy.local"));
        QCOMPARE(s.Password, std::string("secret"));
        QVERIFY(!s.Saved);

        dialog.modeButton(1)->setChecked(true);
        for (QWidget* field : std::initializer_list<QWidget*>{dialog.serverEdit(), dialog.portBox(),
                                                              dialog.usernameEdit(), dialog.passwordEdit()})
            QVERIFY(!field->isEnabled());
        s = dialog.settings();
        QCOMPARE(s.Mode, 1);
        QVERIFY(s.Server.empty() && s.Username.empty() && s.Password.empty());

        // An unknown mode shows as no proxy.
        gui::ProxyDialog unknown(nullptr, app::ProxySettings{7, "", 0, "", ""});
        QVERIFY(unknown.modeButton(0)->isChecked());
        QVERIFY(!unknown.serverEdit()->isEnabled());
        QCOMPARE(unknown.portBox()->value(), 80);
        QCOMPARE(unknown.settings().Mode, 0);
    }

    void editProxyWritesTheSection()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        whenModal<gui::ProxyDialog>([](gui::ProxyDialog* d) {
            d->modeButton(2)->setChecked(true);
            d->serverEdit()->setText(QStringLiteral(" 10.1.2.3 "));
            d->portBox()->setValue(8080);
            d->usernameEdit()->setText(QStringLiteral("ivan"));
            d->passwordEdit()->setText(QStringLiteral("пароль"));
            d->accept();
        });
        w->action("EditProxy")->trigger();
        w->waitUntilIdle();
        const app::ProxySettings& p = w->workspace().Configuration().Proxy();
        QCOMPARE(p.Server, std::string("10.1.2.3"));
        QCOMPARE(p.Port, 8080);
        QVERIFY(p.Saved);
        const IniDocument ini = IniDocument::load(folder.files().config());
        QCOMPARE(ini.readString(app::ProxySection, app::ProxyServerKey), std::string("10.1.2.3"));
        QCOMPARE(ini.readString(app::ProxySection, app::ProxyPasswordKey), std::string("пароль"));
        QCOMPARE(ini.readInteger(app::ProxySection, app::ProxyModeKey, 0), 2);

        // Cancel changes nothing.
        whenModal<gui::ProxyDialog>([](gui::ProxyDialog* d) {
            d->modeButton(0)->setChecked(true);
            d->reject();
        });
        w->action("EditProxy")->trigger();
        w->waitUntilIdle();
        QCOMPARE(w->workspace().Configuration().Proxy().Mode, 2);
        w->close();
    }

    void theWaitWindowShowsOneTextAndCancels()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        gui::QtHost& host = w->host();
        host.clearCancel();
        host.showWait("Загрузка архива тиражей...\r\rПопытка 2, proxy 10.0.0.2 : 3128");
        gui::WaitDialog* wait = host.waitDialog();
        QVERIFY(wait != nullptr);
        QVERIFY(wait->isVisible());
        QCOMPARE(wait->text(), QStringLiteral("Загрузка архива тиражей...\n\nПопытка 2, proxy 10.0.0.2 : 3128"));
        QVERIFY(wait->findChild<QProgressBar*>() == nullptr);
        host.showWait("Загрузка архива тиражей...");
        QCOMPARE(wait->text(), QStringLiteral("Загрузка архива тиражей..."));

        wait->cancelButton()->click();
        QVERIFY(host.cancelled());
        QVERIFY(!wait->cancelButton()->isEnabled());
        host.closeWait();
        QVERIFY(!wait->isVisible());

        // Shown again for the next operation, "Отмена" can be pressed anew.
        host.clearCancel();
        host.showWait("x");
        QVERIFY(wait->cancelButton()->isEnabled());
        QTest::keyClick(wait, Qt::Key_Escape); // Esc is "Отмена", not a window closed behind the operation's back
        QVERIFY(host.cancelled());
        QVERIFY(wait->isVisible());
        host.closeWait();
        w->close();
    }
};

BELVANE_GUI_TEST(DownloadTest);

} // namespace

#include "download_test.moc"
