// Every text the desktop program shows reaches the screen through a
// translation: with a language module that rewrites each of the window's and
// the core's texts, no base-language letter may stay in the window's menus,
// actions, tabs and controls, nor in its dialogs. A text left out of tr() or
// support::Text, or one glued together from pieces, shows up here as Cyrillic.

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QTreeWidget>
#include <algorithm>

#include "app/archive_service.h"
#include "app/configuration_service.h"
#include "app/window_settings.h"
#include "gui/config_dialog.h"
#include "gui/draw_dialog.h"
#include "gui/first_run_dialog.h"
#include "gui/generate_dialog.h"
#include "gui/multi_stake_dialog.h"
#include "gui/progress_dialog.h"
#include "gui/proxy_dialog.h"
#include "gui/repeats_dialog.h"
#include "gui/script_public_dialog.h"
#include "gui/script_rates_dialog.h"
#include "gui/shredding_dialog.h"
#include "gui/system_dialog.h"
#include "gui/update_dialog.h"
#include "gui/wait_dialog.h"
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

// The program's own texts of `root` and its children that still hold Cyrillic.
// Lists, combo boxes and the status panels show data and the core's texts.
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
        if (const auto* tree = qobject_cast<const QTreeWidget*>(w))
            for (int i = 0; i < tree->columnCount(); ++i)
                check(w, QStringLiteral("heading"), tree->headerItem()->text(i));
        if (const auto* table = qobject_cast<const QTableWidget*>(w))
            for (int i = 0; i < table->columnCount(); ++i)
                if (const QTableWidgetItem* item = table->horizontalHeaderItem(i))
                    check(w, QStringLiteral("heading"), item->text());
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
    dialogs.push_back(std::make_unique<gui::RepeatsDialog>(w, ws));
    dialogs.push_back(std::make_unique<gui::UpdateDialog>(w, app::UpdateOffer{}));
    dialogs.push_back(std::make_unique<gui::ProgressDialog>(w));
    dialogs.push_back(std::make_unique<gui::WaitDialog>(w));
    dialogs.push_back(std::make_unique<gui::TFormScrPublic>(w, scenario::tScriptData{}, true));
    dialogs.push_back(
        std::make_unique<gui::TFormScrRates>(w, QStringLiteral("t"), std::vector<scenario::ScriptRate>{}));
    dialogs.push_back(std::make_unique<gui::TFormSystem>(w, systems::tSystemData{}, true));
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
        const QStringList left = CyrillicTexts(*w);
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
        QStringList left = CyrillicTexts(*w);
        for (const auto& dialog : MakeDialogs(*w))
            left << CyrillicTexts(*dialog);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
        w->close();
    }
};

BELVANE_GUI_TEST(EnglishModuleCoverageTest);

} // namespace

#include "translation_coverage_test.moc"
