// Every text the desktop program shows reaches the screen through a
// translation: with a language module that rewrites each of the window's and
// the core's texts, no base-language letter may stay in the window's menus,
// actions, tabs and controls, nor in its dialogs. A text left out of tr() or
// support::Text, or one glued together from pieces, shows up here as Cyrillic.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QTreeWidget>
#include <algorithm>

#include "app/analysis_service.h"
#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/export_sources.h"
#include "app/scenario_service.h"
#include "app/stakes_service.h"
#include "app/tables_service.h"
#include "app/window_settings.h"
#include "gui/config_dialog.h"
#include "gui/details_dialog.h"
#include "gui/draw_dialog.h"
#include "gui/export_field_dialog.h"
#include "gui/filter_dialog.h"
#include "gui/filters_manager_dialog.h"
#include "gui/first_run_dialog.h"
#include "gui/generate_dialog.h"
#include "gui/graph_window.h"
#include "gui/library_model.h"
#include "gui/method_info_window.h"
#include "gui/multi_stake_dialog.h"
#include "gui/progress_dialog.h"
#include "gui/proxy_dialog.h"
#include "gui/repeats_dialog.h"
#include "gui/script_dialog.h"
#include "gui/script_page.h"
#include "gui/script_public_dialog.h"
#include "gui/script_rates_dialog.h"
#include "gui/shredding_dialog.h"
#include "gui/stake_dialog.h"
#include "gui/stake_filter_dialog.h"
#include "gui/system_dialog.h"
#include "gui/table_dialog.h"
#include "gui/update_dialog.h"
#include "gui/wait_dialog.h"
#include "gui/xlsx_export_dialog.h"
#include "scenario/filter_item.h"
#include "views/sum_distribution.h"
#include "gui_test_support.h"
#include "helpers/build_paths.h"
#include "support/translation.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

bool IsCyrillic(QChar c)
{
    return c.unicode() >= 0x0400 && c.unicode() <= 0x04FF;
}

QString Latin(QString text)
{
    for (QChar& c : text)
        if (IsCyrillic(c))
            c = QLatin1Char('x');
    return text;
}

// The core's hook: its texts, kept in the same shape, without Cyrillic.
std::string LatinCoreText(std::string_view base)
{
    return Latin(QString::fromUtf8(base.data(), static_cast<qsizetype>(base.size()))).toStdString();
}

// A language module for the program's own contexts that keeps a text's shape
// (placeholders, breaks, punctuation) but has no Cyrillic letter left.
class LatinTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override
    {
        // The window's classes, and the core's texts (which the window's hook asks for).
        if (context == nullptr || sourceText == nullptr ||
            (qstrncmp(context, "belvane::gui::", 14) != 0 && qstrcmp(context, "Core") != 0))
            return {};
        return Latin(QString::fromUtf8(sourceText));
    }
};

// A standard button showing the caption Qt's own catalogue gives it.
bool IsQtStandardText(const QAbstractButton& button)
{
    const auto* box = qobject_cast<const QDialogButtonBox*>(button.parentWidget());
    const QDialogButtonBox::StandardButton which =
        box != nullptr ? box->standardButton(const_cast<QAbstractButton*>(&button)) : QDialogButtonBox::NoButton;
    if (which == QDialogButtonBox::NoButton)
        return false;
    const QDialogButtonBox plain(which);
    return plain.button(which)->text() == button.text();
}

// The program's own texts of `root` and its children that still hold Cyrillic:
// captions, and the items the window fills from its code tables (combo boxes,
// item lists, the headings of every table and list). The status panels show
// the operation in progress and are left out.
QStringList CyrillicTexts(const QWidget& root)
{
    QStringList found;
    auto check = [&found](const QObject* owner, const QString& what, const QString& text) {
        if (std::any_of(text.begin(), text.end(), IsCyrillic))
            found << QStringLiteral("%1 %2: %3").arg(owner->objectName(), what, text);
    };
    check(&root, QStringLiteral("title"), root.windowTitle());
    for (const QWidget* w : root.findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.startsWith(QLatin1String("StatusPanel")) || name.startsWith(QLatin1String("ScriptPanel")))
            continue;
        check(w, QStringLiteral("tooltip"), w->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(w))
            check(w, QStringLiteral("label"), label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w); button && !IsQtStandardText(*button))
            check(w, QStringLiteral("button"), button->text());
        if (const auto* group = qobject_cast<const QGroupBox*>(w))
            check(w, QStringLiteral("group"), group->title());
        if (const auto* menu = qobject_cast<const QMenu*>(w))
            check(w, QStringLiteral("menu"), menu->title());
        if (const auto* tabs = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                check(w, QStringLiteral("tab"), tabs->tabText(i));
        if (const auto* box = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < box->count(); ++i)
                check(w, QStringLiteral("item"), box->itemText(i));
        if (const auto* list = qobject_cast<const QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i)
                check(w, QStringLiteral("item"), list->item(i)->text());
        if (const auto* tree = qobject_cast<const QTreeWidget*>(w)) {
            for (int i = 0; i < tree->columnCount(); ++i)
                check(w, QStringLiteral("heading"), tree->headerItem()->text(i));
            for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it)
                for (int i = 0; i < tree->columnCount(); ++i)
                    check(w, QStringLiteral("item"), (*it)->text(i));
        }
        if (const auto* table = qobject_cast<const QTableWidget*>(w))
            for (int r = 0; r < table->rowCount(); ++r)
                for (int c = 0; c < table->columnCount(); ++c)
                    if (const QTableWidgetItem* item = table->item(r, c))
                        check(w, QStringLiteral("item"), item->text());
        if (const auto* view = qobject_cast<const QAbstractItemView*>(w); view && view->model())
            for (int i = 0; i < view->model()->columnCount(); ++i)
                check(w, QStringLiteral("heading"),
                      view->model()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString());
    }
    for (const QAction* a : root.findChildren<QAction*>()) {
        // The language menu names each language in that language.
        if (a->objectName().startsWith(QLatin1String("Language")))
            continue;
        check(a, QStringLiteral("action"), a->text());
        check(a, QStringLiteral("hint"), a->statusTip());
    }
    return found;
}

// Every cell of a view's model (the window fills the scenario list's
// start-list and result columns from code tables).
QStringList CyrillicCells(const QAbstractItemView& view)
{
    QStringList found;
    const QAbstractItemModel& model = *view.model();
    for (int r = 0; r < model.rowCount(); ++r)
        for (int c = 0; c < model.columnCount(); ++c) {
            const QString text = model.index(r, c).data(Qt::DisplayRole).toString();
            if (std::any_of(text.begin(), text.end(), IsCyrillic))
                found << QStringLiteral("%1 cell %2,%3: %4").arg(view.objectName()).arg(r).arg(c).arg(text);
        }
    return found;
}

// Shows every page of both halves of the window, so that pages filled when
// first seen have their lists and combo boxes filled too.
QStringList CyrillicTextsOfAllPages(gui::MainWindow& window)
{
    QStringList found;
    for (QTabWidget* pages : {window.leftPages(), window.rightPages()})
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            QCoreApplication::processEvents();
            window.waitUntilIdle();
            found << CyrillicTexts(window);
        }
    found.removeDuplicates();
    return found;
}

// Scenario lines in Latin letters only, one of each start-list and result
// mode, so that whatever Cyrillic the list shows comes from the window.
void AddScenarioOfEveryMode(gui::MainWindow& window)
{
    app::ScenarioService& scenario = window.workspace().Scenario();
    const char* starts[] = {"FULL:0", "EXCL:5", "CURR:0"};
    const char* results[] = {"RAND", "FIRST", "LAST", "ALL", "SYSA", "SYSC", "STOP", "SKIP", "NONE"};
    for (int i = 0; i < 9; ++i)
        scenario.Add(std::string(starts[i % 3]) + "#" + results[i] + "#CLR#NEX|TMF1#NUMS:10#LMV:1#SF:1| | | | | | |x");
    if (auto* page = window.findChild<gui::ScriptPage*>())
        page->refresh();
}

// One of each dialog the window opens, built over the window's workspace.
std::vector<std::unique_ptr<QWidget>> MakeDialogs(gui::MainWindow& window)
{
    gui::MainWindow* w = &window;
    app::Workspace& ws = window.workspace();
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.push_back(std::make_unique<gui::ConfigDialog>(w, ws.Configuration().Data()));
    dialogs.push_back(std::make_unique<gui::ShreddingDialog>(w, ws.Configuration().Shredding()));
    dialogs.push_back(std::make_unique<gui::DrawDialog>(w, ws.Archive().Draws().back()));
    dialogs.push_back(std::make_unique<gui::GenerateDialog>(w, app::GenerateSettings{}));
    dialogs.push_back(std::make_unique<gui::TFormMulti>(w, 41));
    dialogs.push_back(std::make_unique<gui::ProxyDialog>(w, app::ProxySettings{}));
    dialogs.push_back(std::make_unique<gui::FirstRunDialog>(w, std::filesystem::path()));
    dialogs.push_back(std::make_unique<gui::RepeatsDialog>(w, window));
    dialogs.push_back(std::make_unique<gui::UpdateDialog>(w, app::UpdateOffer{}));
    dialogs.push_back(std::make_unique<gui::ProgressDialog>(w));
    dialogs.push_back(std::make_unique<gui::WaitDialog>(w));
    dialogs.push_back(std::make_unique<gui::TFormScrPublic>(w, scenario::tScriptData{}, true));
    dialogs.push_back(
        std::make_unique<gui::TFormScrRates>(w, QStringLiteral("t"), std::vector<scenario::ScriptRate>{}));
    dialogs.push_back(std::make_unique<gui::TFormSystem>(w, systems::tSystemData{}, true));
    dialogs.push_back(std::make_unique<gui::TFormFiltersManager>(w, ws));
    dialogs.push_back(std::make_unique<gui::TFormFiltersInfo>(w, nullptr));
    dialogs.push_back(std::make_unique<gui::TFormStake>(w, ws.Stakes().PrepareManualStake(std::nullopt)));
    dialogs.push_back(std::make_unique<gui::TFormStakeFilter>(w, ws.Stakes().LastFilterChoice()));
    dialogs.push_back(std::make_unique<gui::DetailsDialog>(
        w, ws.Archive().DrawDetails(0),
        [&ws](int c) {
            return ws.Archive().Card({1, 2, 3, 4, 5, 6}, c);
        },
        ws.Configuration().Data().MatrixCols));
    dialogs.push_back(
        std::make_unique<gui::GraphWindow>(w, views::SumDistributionChart(ws.Analysis().Sums()), QStringLiteral("t")));
    {
        const std::vector<size_t> rows{0, 1};
        dialogs.push_back(
            std::make_unique<gui::TFormTable>(w, ws.Tables().PrepareNew(rows), rows.size(), ws.Tables().Comments()));
    }
    {
        const app::DrawsListSource source(ws.Archive().Draws(), ws.Archive().Sorted());
        dialogs.push_back(std::make_unique<gui::XlsxExportDialog>(
            w, app::MainWindowExportCall(app::DrawsListControl, app::DrawsExportTitle), source,
            std::vector<xlsx::RowRange>{}, false, ws.Files()));
        for (const xlsx::ExportField& field : xlsx::BuildExportFields(source))
            dialogs.push_back(std::make_unique<gui::ExportFieldDialog>(w, field));
    }
    // The scenario's editors, on a line and on a step that use every list.
    if (auto* page = window.findChild<gui::ScriptPage*>()) {
        const gui::FilterDialogSetup setup = page->filterSetup();
        dialogs.push_back(std::make_unique<gui::ScriptDialog>(
            w, QString(), 0, "EXCL:5#SYSC#CLR|TMF1#NUMS:10#LMV:1#SZ:1| | | | | | |x", setup));
        dialogs.push_back(std::make_unique<gui::FilterDialog>(
            w, setup, scenario::ParseFilterItem(ws.Registry(), "BMF8#NUMS:10,20#WMV:5#SP:1#0.5:-1:1:0:0")));
    }
    return dialogs;
}

class TranslationCoverageTest : public QObject {
    Q_OBJECT

private:
    DataFolder folder_;
    LatinTranslator translator_;

private slots:
    void init()
    {
        QCoreApplication::installTranslator(&translator_);
        support::SetTextTranslator(&LatinCoreText);
    }
    void cleanup()
    {
        support::SetTextTranslator(nullptr);
        QCoreApplication::removeTranslator(&translator_);
    }

    void theMainWindowShowsNoUntranslatedText()
    {
        auto w = startWindow(folder_);
        QVERIFY(w);
        AddScenarioOfEveryMode(*w);
        QStringList left = CyrillicTextsOfAllPages(*w);
        left << CyrillicCells(*w->findChild<gui::ScriptPage*>()->scriptView());
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
        // Menus are found by their base title, shown by their translation.
        QVERIFY(!w->menuBar()->actions().isEmpty());
        for (const QAction* menu : w->menuBar()->actions())
            QVERIFY2(!menu->text().isEmpty(), "a menu without a title");
        w->close();
    }

    void dialogsShowNoUntranslatedText()
    {
        auto w = startWindow(folder_);
        QVERIFY(w);
        const auto dialogs = MakeDialogs(*w);
        for (const auto& dialog : dialogs) {
            const QStringList left = CyrillicTexts(*dialog);
            QVERIFY2(left.isEmpty(), qPrintable(QString::fromLatin1(dialog->metaObject()->className()) +
                                                QStringLiteral(": ") + left.join(QLatin1Char('\n'))));
        }
        w->close();
    }
};

BELVANE_GUI_TEST(TranslationCoverageTest);

// The English module that ships with the program: every text of the window
// and its dialogs has its English copy (a text missing from the catalogues
// stays Russian).
class EnglishModuleCoverageTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextOfTheWindowAndItsDialogsIsInEnglish()
    {
        if (testing::EnglishModulePath().empty())
            QSKIP("no English language module in this build");
        DataFolder folder;
        std::filesystem::copy_file(testing::EnglishModulePath(), folder.files().folder() / "Belvane_6x45_ENU.lng");
        // Chosen before: the program starts in English.
        app::WindowStateFile(folder.files().windowState()).WriteInteger("TFormMain", "Language", 1033);
        auto w = startWindow(folder);
        QVERIFY(w);
        QCOMPARE(w->workspace().LanguageId(), 1033);
        AddScenarioOfEveryMode(*w);
        QStringList left = CyrillicTextsOfAllPages(*w);
        left << CyrillicCells(*w->findChild<gui::ScriptPage*>()->scriptView());
        for (const auto& dialog : MakeDialogs(*w))
            left << CyrillicTexts(*dialog);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
        w->close();
    }

    // The catalogue names the language a scenario was published in, in the
    // interface language.
    void theCatalogueNamesLanguagesInEnglish()
    {
        if (testing::EnglishModulePath().empty())
            QSKIP("no English language module in this build");
        DataFolder folder;
        std::filesystem::copy_file(testing::EnglishModulePath(), folder.files().folder() / "Belvane_6x45_ENU.lng");
        app::WindowStateFile(folder.files().windowState()).WriteInteger("TFormMain", "Language", 1033);
        auto w = startWindow(folder);
        QVERIFY(w);
        gui::LibraryModel model;
        std::vector<scenario::tScriptInfo> entries(3);
        entries[0].Lcid = 1049;
        entries[1].Lcid = 1033;
        entries[2].Lcid = 1058;
        model.reset(entries);
        QCOMPARE(model.index(0, 5).data().toString(), QStringLiteral("Russian"));
        QCOMPARE(model.index(1, 5).data().toString(), QStringLiteral("English"));
        QCOMPARE(model.index(2, 5).data().toString(), QStringLiteral("Ukrainian"));
        w->close();
    }
};

BELVANE_GUI_TEST(EnglishModuleCoverageTest);

} // namespace

#include "translation_coverage_test.moc"
