// Switching the interface language at run time: the window's texts and the
// core's messages follow the module, and a missing or broken module leaves
// the program in the language it had.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QTableView>
#include <algorithm>
#include <filesystem>

#include "app/archive_service.h"
#include "gui/method_info_window.h"
#include "gui/qt_translations.h"
#include "gui/script_dialog.h"
#include "gui/week_page.h"
#include "gui_test_support.h"
#include "helpers/build_paths.h"
#include "helpers/temp_dir.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

namespace fs = std::filesystem;

QStringList menuTitles(const gui::MainWindow& window)
{
    QStringList titles;
    for (const QAction* menu : window.menuBar()->actions())
        titles << menu->text();
    return titles;
}

int visibleDescriptionWindows(const gui::MainWindow& window)
{
    int n = 0;
    for (const QWidget* info : window.findChildren<gui::TFormFiltersInfo*>())
        n += info->isVisible() ? 1 : 0;
    return n;
}

QAction* languageItem(const gui::MainWindow& window, int lcid)
{
    return window.findChild<QAction*>(QStringLiteral("Language%1").arg(lcid));
}

// The labels and buttons of Qt's own file dialog (the one drawn by Qt, as on
// a desktop without a native dialog), joined.
QString fileDialogTexts()
{
    QFileDialog dialog(nullptr, QStringLiteral("t"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        texts << button->text();
    return texts.join(QLatin1Char('|'));
}

bool hasCyrillic(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x0400 && c.unicode() <= 0x04FF; });
}

// The day heading of the week page's first row, the page shown.
QString weekPageMonday(gui::MainWindow& window)
{
    auto* week = window.findChild<gui::WeekPage*>();
    if (week == nullptr)
        return {};
    window.leftPages()->setCurrentWidget(week);
    window.rightPages()->setCurrentWidget(week);
    QCoreApplication::processEvents();
    window.waitUntilIdle();
    return week->weekView()->model()->index(0, 0).data().toString();
}

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        if (testing::EnglishModulePath().empty())
            QSKIP("no English language module in this build");
        if (!fs::exists(testing::EnglishModulePath()))
            QSKIP("the English language module has not been built");
    }

    void switchesToEnglishAndBackWhileRunning()
    {
        DataFolder folder;
        installModule(folder);
        auto w = startWindow(folder);
        QVERIFY(w);
        QVERIFY(menuTitles(*w).contains(QStringLiteral("Файл")));
        const QString russianTitle = w->windowTitle();

        w->action(QStringLiteral("FiltersInfo"))->trigger();
        QCOMPARE(visibleDescriptionWindows(*w), 1);

        languageItem(*w, 1033)->trigger();
        QTRY_VERIFY(!menuTitles(*w).contains(QStringLiteral("Файл")));
        // A window of its own does not stay behind in the old language.
        QTRY_COMPARE(visibleDescriptionWindows(*w), 0);
        QVERIFY(menuTitles(*w).contains(QStringLiteral("File")));
        QVERIFY(w->windowTitle() != russianTitle);
        QCOMPARE(w->workspace().LanguageId(), 1033);
        QVERIFY(languageItem(*w, 1033)->isChecked());
        // The data behind the window is still there.
        QCOMPARE(w->workspace().Archive().Draws().size(), size_t{40});

        // A question of the core speaks the new language.
        const QString question = QStringLiteral("Вы действительно хотите сбросить список избранных фильтров?");
        BoxAnswerer boxes([](const QString&) { return false; });
        w->action(QStringLiteral("FiltersReset"))->trigger();
        w->waitUntilIdle();
        QTRY_COMPARE(boxes.texts.size(), 1);
        QCOMPARE(boxes.texts.first(), QCoreApplication::translate("Core", question.toUtf8().constData()));
        QVERIFY(boxes.texts.first() != question);

        languageItem(*w, 1049)->trigger();
        QTRY_VERIFY(menuTitles(*w).contains(QStringLiteral("Файл")));
        QCOMPARE(w->windowTitle(), russianTitle);
        w->action(QStringLiteral("FiltersReset"))->trigger();
        w->waitUntilIdle();
        QTRY_COMPARE(boxes.texts.size(), 2);
        QCOMPARE(boxes.texts.last(), question);
    }

    void theChoiceIsKeptForTheNextStart()
    {
        DataFolder folder;
        installModule(folder);
        {
            auto w = startWindow(folder);
            QVERIFY(w);
            languageItem(*w, 1033)->trigger();
            QTRY_COMPARE(w->workspace().LanguageId(), 1033);
            w->close();
        }
        {
            auto w = startWindow(folder);
            QVERIFY(w);
            QVERIFY(menuTitles(*w).contains(QStringLiteral("File")));
            w->close();
        }
        // no-language starts in the base language whatever was chosen.
        app::StartupOptions options;
        options.NoLanguage = true;
        auto w = startWindow(folder, options);
        QVERIFY(w);
        QVERIFY(menuTitles(*w).contains(QStringLiteral("Файл")));
    }

    // Another language than the one built beside the program, so that only
    // the data folder's copy counts.
    void aModuleDeletedAfterTheStartIsReportedAndTheLanguageStays()
    {
        DataFolder folder;
        installModule(folder, "UKR");
        auto w = startWindow(folder);
        QVERIFY(w);
        QVERIFY(languageItem(*w, 1058));
        fs::remove(modulePath(folder, "UKR"));
        BoxAnswerer boxes;
        languageItem(*w, 1058)->trigger();
        QTRY_COMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts.first().startsWith(QStringLiteral("Языковый модуль \"")));
        QVERIFY(boxes.texts.first().endsWith(QStringLiteral("\" не найден!")));
        QTRY_VERIFY(languageItem(*w, 1049) && languageItem(*w, 1049)->isChecked());
        QCOMPARE(w->workspace().LanguageId(), 1049);
        QVERIFY(menuTitles(*w).contains(QStringLiteral("Файл")));
    }

    void aBrokenModuleIsRefusedAndTheLanguageStays()
    {
        DataFolder folder;
        installModule(folder, "UKR");
        // Cut short in the middle of its blocks.
        const std::string module = testing::readBytes(modulePath(folder, "UKR"));
        testing::writeBytes(modulePath(folder, "UKR"), module.substr(0, 40));
        auto w = startWindow(folder);
        QVERIFY(w);
        BoxAnswerer boxes;
        languageItem(*w, 1058)->trigger();
        QTRY_COMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts.first().startsWith(QStringLiteral("Не удалось загрузить языковый модуль \"")));
        QCOMPARE(w->workspace().LanguageId(), 1049);
        QVERIFY(menuTitles(*w).contains(QStringLiteral("Файл")));
    }

    void qtsOwnDialogsAndDayNamesFollowTheLanguage()
    {
        DataFolder folder;
        installModule(folder);
        auto w = startWindow(folder);
        QVERIFY(w);
        QVERIFY2(hasCyrillic(fileDialogTexts()), qPrintable(fileDialogTexts()));
        QCOMPARE(gui::ShortDayName(1), QStringLiteral("Пн"));
        QCOMPARE(gui::ShortDayName(7), QStringLiteral("Вс"));
        QCOMPARE(weekPageMonday(*w), QStringLiteral("Пн"));

        languageItem(*w, 1033)->trigger();
        QTRY_COMPARE(w->workspace().LanguageId(), 1033);
        QVERIFY2(!hasCyrillic(fileDialogTexts()), qPrintable(fileDialogTexts()));
        QCOMPARE(gui::ShortDayName(1), QStringLiteral("Mon"));
        QTRY_COMPARE(weekPageMonday(*w), QStringLiteral("Mon"));
        QCOMPARE(gui::InterfaceLocale().language(), QLocale::English);

        // Back in Russian, Qt's catalogue is loaded again, not left out.
        languageItem(*w, 1049)->trigger();
        QTRY_COMPARE(w->workspace().LanguageId(), 1049);
        QVERIFY2(hasCyrillic(fileDialogTexts()), qPrintable(fileDialogTexts()));
        QTRY_COMPARE(weekPageMonday(*w), QStringLiteral("Пн"));
        w->close();
    }

    // The scenario element dialog's mode lists speak the language of the
    // scenario page's list, which shows the same modes in short.
    void theScenarioElementDialogsModesFollowTheLanguage()
    {
        DataFolder folder;
        installModule(folder);
        auto w = startWindow(folder);
        QVERIFY(w);
        languageItem(*w, 1033)->trigger();
        QTRY_COMPARE(w->workspace().LanguageId(), 1033);
        gui::ScriptDialog dialog(w.get(), QString(), 0, "EXCL:5#SKIP|", {});
        auto* start = dialog.findChild<QComboBox*>(QStringLiteral("cbStartCombsType"));
        auto* result = dialog.findChild<QComboBox*>(QStringLiteral("cbResultCombsMode"));
        QVERIFY(start != nullptr && result != nullptr);
        QCOMPARE(start->count(), 3);
        QCOMPARE(result->count(), 9);
        QCOMPARE(start->currentText(), QStringLiteral("Remove the last N draws (for forecasts)"));
        QCOMPARE(result->itemText(0), QStringLiteral("Pick one random combination"));
        for (QComboBox* box : {start, result})
            for (int i = 0; i < box->count(); ++i)
                QVERIFY2(!hasCyrillic(box->itemText(i)), qPrintable(box->itemText(i)));
        languageItem(*w, 1049)->trigger();
        QTRY_COMPARE(w->workspace().LanguageId(), 1049);
        gui::ScriptDialog russian(w.get(), QString(), 0, "EXCL:5#SKIP|", {});
        QCOMPARE(russian.findChild<QComboBox*>(QStringLiteral("cbStartCombsType"))->currentText(),
                 QStringLiteral("Удалить N последних тиражей (для прогнозов)"));
        w->close();
    }

private:
    static fs::path modulePath(const DataFolder& folder, const std::string& code = "ENU")
    {
        return folder.files().folder() / ("Belvane_6x45_" + code + ".lng");
    }

    // The English module under the name of a language (the data folder's copy).
    static void installModule(const DataFolder& folder, const std::string& code = "ENU")
    {
        fs::copy_file(testing::EnglishModulePath(), modulePath(folder, code), fs::copy_options::overwrite_existing);
    }
};

} // namespace

BELVANE_GUI_TEST(LanguageTest);
#include "language_test.moc"
