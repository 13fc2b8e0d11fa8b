// "Создать систему": the system generated on the worker thread, shown with
// its bound and check, proved here once more, installed only when the user
// agrees to replace the system of its count; "Отмена" of the progress
// window stops a search and keeps what was shown; the dialog cannot be
// closed under a running search.

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "app/systems_service.h"
#include "app/workspace.h"
#include "gui/progress_dialog.h"
#include "gui/qt_text.h"
#include "gui/wheel_dialog.h"
#include "gui_test_support.h"
#include "systems/system_file.h"
#include "systems/wheel_verify.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

void ask(gui::TFormWheel& d, int numbers, int guarantee, int condition, int seconds)
{
    d.numbersBox()->setValue(numbers);
    d.guaranteeBox()->setValue(guarantee);
    d.conditionBox()->setValue(condition);
    d.secondsBox()->setValue(seconds);
}

std::vector<systems::LocalSystem> installedFor(gui::MainWindow& w, int numbers)
{
    return w.workspace().Systems().LocalFor(numbers);
}

class WheelDialogTest : public QObject {
    Q_OBJECT

private slots:
    void createsAProvedSystemAndInstallsItOnlyWhenAllowed()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        // A system for 12 numbers of the user's, installed before.
        const std::vector<systems::SystemLine> before = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}};
        systems::InstallSystemLines(folder.files().systemsFolder(), before, 12, 1, 7);

        gui::TFormWheel d(w.get(), *w);
        d.show();
        ask(d, 12, 3, 4, 1);
        QVERIFY(d.summaryLabel()->text().contains(QStringLiteral("Меньше 4 комбинаций не бывает")));
        QVERIFY(!d.installButton()->isEnabled()); // nothing to install yet
        d.create();
        QVERIFY(!d.createButton()->isEnabled()); // one search at a time
        d.reject();                              // closing waits for the search
        QVERIFY(d.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(d.outcome() != nullptr, 30000);
        w->waitUntilIdle();

        const QString shown = d.resultEdit()->toPlainText();
        QVERIFY2(shown.contains(QStringLiteral("Система для 12 чисел: 3 из 4")), qPrintable(shown));
        QVERIFY2(shown.contains(QStringLiteral(
                     "Проверка: все 495 наборов из 4 чисел среди чисел системы дают не меньше 3 совпадений")),
                 qPrintable(shown));
        // The proof, independent of what the dialog says.
        const std::vector<systems::SystemLine>& lines = d.outcome()->Wheel.Lines;
        QVERIFY(lines.size() >= 4);
        QVERIFY(shown.contains(gui::qs(systems::SystemLineText(lines.front()))));
        const auto table = systems::VerifySystem(lines, 12);
        QCOMPARE(table->Meeting(4, 3), uint64_t{495});
        QVERIFY(d.installButton()->isEnabled());
        QCOMPARE(installedFor(*w, 12).size(), size_t{1}); // shown, not installed

        // Replacing the user's system is asked first; "no" keeps it.
        {
            BoxAnswerer no([](const QString&) { return false; });
            d.install();
            w->waitUntilIdle();
            QCOMPARE(no.texts.size(), 1);
            QVERIFY2(
                no.texts.front().contains(QStringLiteral("Для 12 чисел уже установлена система \"6-12-1_0007.dat\"")),
                qPrintable(no.texts.front()));
        }
        QVERIFY(!d.installed());
        QCOMPARE(installedFor(*w, 12).front().Path.filename().string(), std::string("6-12-1_0007.dat"));

        {
            BoxAnswerer yes([](const QString&) { return true; });
            d.install();
            w->waitUntilIdle();
            QTRY_VERIFY(d.installed());
        }
        const auto now = installedFor(*w, 12);
        QCOMPARE(now.size(), size_t{1});
        QCOMPARE(now.front().Name.Block, 3);
        QCOMPARE(now.front().Lines, static_cast<int>(lines.size()));
        QVERIFY(now.front().Verified && now.front().Verified->ConditionFor(3) == 4);
        QVERIFY(d.resultEdit()->toPlainText().contains(QStringLiteral("Установлена: ") +
                                                       gui::qs(now.front().Path.filename().string())));
        QVERIFY(!d.installButton()->isEnabled()); // once
    }

    void cancellingTheSearchKeepsWhatWasShown()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        gui::TFormWheel d(w.get(), *w);
        d.show();
        // Far from its bound, so the search would use all of its minute.
        ask(d, 20, 4, 4, 60);
        d.create();
        auto* progress = w->findChild<gui::ProgressDialog*>();
        QTRY_VERIFY_WITH_TIMEOUT((progress = w->findChild<gui::ProgressDialog*>()) != nullptr && progress->isVisible(),
                                 10000);
        progress->cancelButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(d.createButton()->isEnabled(), 20000);
        w->waitUntilIdle();
        QVERIFY(d.outcome() == nullptr);
        QVERIFY(d.resultEdit()->toPlainText().isEmpty());
        QVERIFY(!d.installButton()->isEnabled());
        QVERIFY(installedFor(*w, 20).empty());
    }

    void theConditionNeverFallsBelowTheGuarantee()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        gui::TFormWheel d(w.get(), *w);
        ask(d, 10, 3, 3, 1);
        d.guaranteeBox()->setValue(5);
        QCOMPARE(d.conditionBox()->value(), 5);
        QCOMPARE(d.request().Design.Condition, 5);
        QVERIFY(d.summaryLabel()->text().contains(QStringLiteral("граница Шёнхейма")));
    }

    void theSystemsMenuOpensTheDialog()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        QVERIFY(enabled(*w, "SystemsCreate"));
        bool opened = false;
        whenModal<gui::TFormWheel>([&opened](gui::TFormWheel* d) {
            opened = d->numbersBox()->hasFocus() || d->numbersBox()->isVisible();
            d->reject();
        });
        w->action(QStringLiteral("SystemsCreate"))->trigger();
        QTRY_VERIFY(opened);
    }
};

} // namespace

BELVANE_GUI_TEST(WheelDialogTest);
#include "wheel_dialog_test.moc"
