#include "gui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QtConcurrent>
#include <filesystem>
#include <iostream>

#include "app/configuration_service.h"
#include "app/language_service.h"
#include "app/scenario_service.h"
#include "app/setting_keys.h"
#include "app/update_service.h"
#include "gui/action_registry.h"
#include "gui/card_page.h"
#include "gui/combs_page.h"
#include "gui/config_dialog.h"
#include "gui/draws_page.h"
#include "gui/graphs_page.h"
#include "gui/layout_page.h"
#include "gui/progress_dialog.h"
#include "gui/qt_host.h"
#include "gui/qt_text.h"
#include "gui/ratings_page.h"
#include "gui/script_page.h"
#include "gui/shredding_dialog.h"
#include "gui/stakes_page.h"
#include "gui/stat_page.h"
#include "gui/status_bar_panel.h"
#include "gui/systems_page.h"
#include "gui/tables_page.h"
#include "gui/update_dialog.h"
#include "gui/week_page.h"
#include "update/program_version.h"

namespace belvane::gui {
namespace {

constexpr int kPanelCount = 7;
static_assert(kPanelCount == static_cast<int>(app::StatusPanelCount) + 1, "the status line follows the panels");

// The menus in the order the menu bar shows them; a page may add others.
// Pages name a menu by its base-language title; the bar shows its translation.
const char* const kMenus[] = {QT_TRANSLATE_NOOP("belvane::gui::MainWindow", "Файл"),
                              QT_TRANSLATE_NOOP("belvane::gui::MainWindow", "Тиражи"),
                              QT_TRANSLATE_NOOP("belvane::gui::MainWindow", "Комбинации"),
                              QT_TRANSLATE_NOOP("belvane::gui::MainWindow", "Статистика"),
                              QT_TRANSLATE_NOOP("belvane::gui::MainWindow", "Ставки"),
                              QT_TRANSLATE_NOOP("belvane::gui::MainWindow", "Сценарий"),
                              QT_TRANSLATE_NOOP("belvane::gui::MainWindow", "Системы"),
                              QT_TRANSLATE_NOOP("belvane::gui::MainWindow", "Вид"),
                              QT_TRANSLATE_NOOP("belvane::gui::MainWindow", "Настройки")};

} // namespace

MainWindow::MainWindow(app::DataFiles files, app::StartupOptions options)
{
    setObjectName(QStringLiteral("TFormMain"));
    host_ = new QtHost(this);
    ws_ = std::make_unique<app::Workspace>(*host_, std::move(files), options);
    actions_ = std::make_unique<ActionRegistry>(this);
    buildStatusBar(); // the status line shows start-up's texts
    connect(host_, &QtHost::statusChanged, this, &MainWindow::setStatus);
    connect(&watcher_, &QFutureWatcher<void>::finished, this, &MainWindow::operationFinished);
    qApp->installEventFilter(this);

    try {
        ws_->Create();
    } catch (const app::StartupFailure& e) {
        // restart: the other copy is still there, so this one ends at once.
        std::cerr << e.what() << '\n';
        startupFailed_ = true;
        return;
    } catch (const std::exception& e) {
        host_->showError(ss(tr("Ошибка запуска программы!\r\r")) + e.what());
    }

    // The stored language, silently the base language when its module is gone.
    switchLanguage(ws_->Languages().Wanted(), false, false);
    buildInterface();
    restoreWindowState();
    refreshViews();
    updateActions();
}

void MainWindow::buildInterface()
{
    setWindowTitle(tr("Belvane 6x45 версия %1").arg(qs(update::RunningVersion().Text())));
    for (const char* title : kMenus)
        addToMenu(QString::fromUtf8(title), {});
    toolBar_ = addToolBar(tr("Действия"));
    toolBar_->setObjectName(QStringLiteral("tbMain"));
    toolBar_->setMovable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    mainSplitter_ = new QSplitter(Qt::Horizontal, this);
    pcLeft_ = new QTabWidget(mainSplitter_);
    pcLeft_->setObjectName(QStringLiteral("pcLeft"));
    pcRight_ = new QTabWidget(mainSplitter_);
    pcRight_->setObjectName(QStringLiteral("pcRight"));
    mainSplitter_->setStretchFactor(1, 1);
    setCentralWidget(mainSplitter_);

    addPage(drawsPage_ = new DrawsPage(*this));
    addPage(combsPage_ = new CombsPage(*this));
    addPage(statPage_ = new StatPage(*this));
    auto* stakesPage = new StakesPage(*this, *combsPage_);
    addPage(stakesPage);
    addPage(new RatingsPage(*this));
    addPage(new TablesPage(*this, *combsPage_, *stakesPage));
    auto* script = new ScriptPage(*this);
    addPage(script);
    connect(host_, &QtHost::scriptPanelsChanged, script, &ScriptPage::showRunPanels);
    addPage(new SystemsPage(*this));
    addPage(new GraphsPage(*this));
    addPage(new CardPage(*this));
    addPage(new LayoutPage(*this));
    addPage(new WeekPage(*this));
    registerActions();

    buildLanguageMenu();
    toolBarTextWidth_ = 0; // the texts may be of another language now
    fitToolBar();
}

void MainWindow::fitToolBar()
{
    // The buttons have their real sizes once the window is shown.
    if (toolBar_ == nullptr || !isVisible())
        return;
    auto widthAs = [this](Qt::ToolButtonStyle style) {
        toolBar_->setToolButtonStyle(style);
        const QMargins m = contentsMargins();
        return toolBar_->sizeHint().width() + m.left() + m.right();
    };
    if (toolBarTextWidth_ == 0) {
        setMinimumWidth(widthAs(Qt::ToolButtonIconOnly));
        toolBarTextWidth_ = widthAs(Qt::ToolButtonTextBesideIcon);
    }
    const Qt::ToolButtonStyle style =
        toolBarTextWidth_ <= width() ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly;
    if (toolBar_->toolButtonStyle() != style)
        toolBar_->setToolButtonStyle(style);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    toolBarTextWidth_ = 0;
    fitToolBar();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A window of ours that goes (a dialog, a message, the progress window)
    // may leave no window active, and the window's keys with no one to hear
    // them: the main window takes the activation back.
    if (event->type() == QEvent::Hide && watched != this) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->isWindow() && widget->parentWidget() != nullptr &&
            widget->parentWidget()->window() == this)
            QTimer::singleShot(0, this, [this] {
                if (isVisible() && QApplication::activeWindow() == nullptr &&
                    QApplication::activeModalWidget() == nullptr)
                    activateWindow();
            });
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    fitToolBar();
}

MainWindow::~MainWindow()
{
    if (running_)
        watcher_.waitForFinished();
    // A window destroyed without closing still closes the workspace, whose
    // statuses need the panels: close it while they are there.
    ws_.reset();
}

void MainWindow::addPage(Page* page)
{
    (page->side() == Page::Side::Left ? pcLeft_ : pcRight_)->addTab(page, page->title());
    pages_.push_back(page);
}

void MainWindow::registerActions()
{
    actions_->add(
        {"EditConfig", tr("Параметры"), {}, tr("Редактирование параметров системы"), [this] { editConfig(); }});
    actions_->add(
        {"EditShredding", tr("Формулы шинковки"), {}, tr("Редактирование формул для методов шинковки"), [this] {
             editShredding();
         }});
    actions_->add({"ExitProgram", tr("Выход"), QKeySequence(Qt::ALT | Qt::Key_F4), tr("Завершить работу программы"),
                   [this] { close(); }});
    (*actions_)["ExitProgram"]->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    actions_->add({"CheckUpdate",
                   tr("Проверить наличие обновлений..."),
                   {},
                   tr("Поиск и установка новой версии программы"),
                   [this] { checkUpdates(false); }});
    actions_->add({"AutoSelfUpdate",
                   tr("Проверять обновления при запуске"),
                   {},
                   tr("Искать новую версию программы при каждом запуске"),
                   [this] { ws_->Update().SetAutoUpdates(!ws_->Update().AutoUpdates()); },
                   [this] { return ws_->Update().AutoUpdates(); }});
    addToMenu(QStringLiteral("Файл"), {nullptr, "ExitProgram"});
    addToMenu(QStringLiteral("Настройки"), {"EditConfig", "EditShredding", nullptr, "CheckUpdate", "AutoSelfUpdate"});
}

QAction* MainWindow::action(const QString& name) const
{
    return actions_->find(name);
}

void MainWindow::addToMenu(const QString& title, std::initializer_list<const char*> names)
{
    QMenu*& menu = menus_[title];
    if (menu == nullptr)
        menu = menuBar()->addMenu(tr(title.toUtf8().constData()));
    for (const char* name : names) {
        if (name == nullptr)
            menu->addSeparator();
        else
            menu->addAction((*actions_)[name]);
    }
}

void MainWindow::addToToolBar(std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        if (name == nullptr) {
            if (!toolBar_->actions().isEmpty())
                toolBar_->addSeparator();
        } else {
            toolBar_->addAction((*actions_)[name]);
        }
    }
}

void MainWindow::buildLanguageMenu()
{
    const support::LanguageModules& modules = ws_->Languages().Modules();
    languageMenu_ = menus_[QStringLiteral("Настройки")]->addMenu(tr("Язык"));
    languageMenu_->setObjectName(QStringLiteral("menuLanguages"));
    auto* group = new QActionGroup(languageMenu_);
    const std::vector<std::string> names = modules.LanguageNames();
    for (size_t i = 0; i < names.size(); ++i) {
        const int lcid = modules.TLCIDs()[i];
        QAction* item = languageMenu_->addAction(qs(names[i]));
        item->setObjectName(QStringLiteral("Language%1").arg(lcid));
        item->setCheckable(true);
        item->setChecked(lcid == ws_->LanguageId());
        group->addAction(item);
        // The menu is rebuilt by the switch: it happens after the click is over.
        connect(item, &QAction::triggered, this,
                [this, lcid] { QTimer::singleShot(0, this, [this, lcid] { switchLanguage(lcid, true, true); }); });
    }
}

void MainWindow::switchLanguage(int lcid, bool reportMissing, bool store)
{
    if (running_)
        return;
    app::LanguageService& languages = ws_->Languages();
    const int base = languages.Modules().BaseLanguage();
    int now = lcid;
    if (lcid != languages.Current()) {
        try {
            if (!reportMissing && lcid != base && !std::filesystem::exists(languages.Modules().ModuleFile(lcid)))
                now = base;
            if (now != languages.Current())
                languageSwitcher_.load(languages, now);
        } catch (const std::exception& e) {
            host_->showError(e.what());
            now = base;
            if (now != languages.Current())
                languageSwitcher_.load(languages, now);
        }
    }
    if (now == languages.Current()) {
        // The menu's check follows the language in effect, not the click.
        if (languageMenu_)
            if (QAction* item = languageMenu_->actions().value(languages.Modules().IndexOfLanguage(now, base)))
                item->setChecked(true);
        return;
    }
    languages.Switched(now, store);
    if (!pages_.empty())
        rebuildInterface();
}

void MainWindow::rebuildInterface()
{
    // Every text of the window is read again: the window's contents are built
    // anew over the same workspace, keeping the pages shown and the splitter.
    const int left = pcLeft_->currentIndex();
    const int right = pcRight_->currentIndex();
    const QList<int> sizes = mainSplitter_->sizes();
    // Windows of their own (the method description) close; opened again, they speak the new language.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isWindow() && child->isVisible())
            child->close();
    for (QAction* action : actions_->all())
        delete action;
    actions_ = std::make_unique<ActionRegistry>(this);
    pages_.clear();
    drawsPage_ = nullptr;
    combsPage_ = nullptr;
    statPage_ = nullptr;
    delete takeCentralWidget();
    menuBar()->clear();
    languageMenu_ = nullptr;
    for (const auto& [title, menu] : menus_)
        delete menu;
    menus_.clear();
    removeToolBar(toolBar_);
    delete toolBar_;

    buildInterface();
    if (!ws_->Settings().LoadFailed()) {
        try {
            for (Page* page : pages_)
                page->restoreState(ws_->Settings().File());
        } catch (const std::exception& e) {
            host_->showError(app::SettingsLoadErrorText(e.what()));
        }
    }
    pcLeft_->setCurrentIndex(left);
    pcRight_->setCurrentIndex(right);
    mainSplitter_->setSizes(sizes);
    refreshViews();
    updateActions();
}

void MainWindow::buildStatusBar()
{
    // Panels 0..5 (archive, next draw, offset draw, combinations, stakes, rating)
    // from the left, then the status line taking the rest.
    for (int i = 0; i < kPanelCount; ++i) {
        auto* panel = new StatusBarPanel(this, i == StatusPanel ? StatusBarPanel::Sizing::Stretch
                                                                : StatusBarPanel::Sizing::Counter);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        statusBar()->addWidget(panel, i == StatusPanel ? 1 : 0);
        panels_.push_back(panel);
    }
}

QString MainWindow::statusPanelText(int panel) const
{
    return panel >= 0 && panel < kPanelCount ? panels_[static_cast<size_t>(panel)]->text() : QString();
}

void MainWindow::setStatus(const QString& text)
{
    statusText_ = text;
    panels_[StatusPanel]->setText(text);
}

bool MainWindow::event(QEvent* event)
{
    // The hint of the control or action under the pointer goes to the status
    // line, but never over the texts of a running operation.
    if (event->type() == QEvent::StatusTip) {
        if (!running_) {
            const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
            panels_[StatusPanel]->setText(tip.isEmpty() ? statusText_ : tip);
        }
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::restoreWindowState()
{
    resize(1280, 800);
    const int left = ws_->Settings().Get(app::key::LeftPanelWidth);
    mainSplitter_->setSizes({left > 0 ? left : 520, left > 0 ? std::max(width() - left, 200) : 760});
    if (ws_->Settings().LoadFailed())
        return; // reported once; the window keeps its design layout

    try {
        const app::WindowStateFile& file = ws_->Settings().File();
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QSize screenSize = screen ? screen->size() : QSize(1280, 1024);
        const int dpi = screen ? static_cast<int>(screen->logicalDotsPerInch()) : 96;
        if (const auto placement =
                app::LoadPlacement(file, app::MainWindowSection, dpi, screenSize.width(), screenSize.height())) {
            const app::WindowRect& r = placement->NormPos;
            if (r.Right > r.Left && r.Bottom > r.Top)
                setGeometry(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
            switch (app::ShowStateOf(placement->ShowCmd)) {
            case app::ShowState::Maximised:
                setWindowState(windowState() | Qt::WindowMaximized);
                break;
            case app::ShowState::Minimised:
                setWindowState(windowState() | Qt::WindowMinimized);
                break;
            case app::ShowState::Normal:
                break;
            }
        }
        for (Page* page : pages_)
            page->restoreState(file);
    } catch (const std::exception& e) {
        host_->showError(app::SettingsLoadErrorText(e.what()));
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (running_) {
        // A running scenario is stopped first (the person is asked); the
        // window closes when the run is over.
        app::ScenarioService& scenario = ws_->Scenario();
        if (scenario.Running() && (scenario.StopRequested() || scenario.Stop())) {
            if (running_)
                closeAfterRun_ = true;
            else // the run ended while the question was open
                QTimer::singleShot(0, this, [this] { close(); });
        }
        updateActions();
        event->ignore();
        return;
    }
    if (!ws_->CanClose()) {
        event->ignore();
        return;
    }
    app::WindowClosingState state;
    const QScreen* screen = QGuiApplication::primaryScreen();
    state.PixelsPerInch = screen ? static_cast<int>(screen->logicalDotsPerInch()) : 96;
    state.ScreenWidth = screen ? screen->size().width() : 0;
    state.ScreenHeight = screen ? screen->size().height() : 0;
    const QRect g = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    app::WindowPlacement p;
    p.ShowCmd = isMaximized() ? 3 : isMinimized() ? 2 : 1;
    p.NormPos = {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
    state.Placement = p;
    ws_->SetSetting(app::key::LeftPanelWidth, mainSplitter_->sizes().value(0));
    for (Page* page : pages_)
        page->saveState(state);
    ws_->Close(state);
    // The files of an installed update replace the program's once it has let go of its data.
    if (ws_->Update().StagedVersion())
        ws_->Update().ApplyStaged();
    event->accept();
}

void MainWindow::checkUpdates(bool silent, std::function<void(bool staged)> done)
{
    auto found = std::make_shared<app::UpdateCheckResult>();
    run([this, found, silent] { *found = ws_->Update().Check({.Silent = silent}); },
        [this, found, done] {
            if (found->Outcome != app::UpdateCheckOutcome::Available) {
                if (done)
                    done(false);
                return;
            }
            UpdateDialog dialog(this, found->Offer);
            if (dialog.exec() != QDialog::Accepted) {
                if (done)
                    done(false);
                return;
            }
            auto installed = std::make_shared<app::UpdateInstallResult>();
            run([this, found, installed] { *installed = ws_->Update().Install(found->Offer); },
                [installed, done] {
                    if (done)
                        done(installed->Outcome == app::UpdateInstallOutcome::Staged);
                });
        });
}

bool MainWindow::checkUpdatesAtStartup()
{
    if (!ws_->Update().AutoUpdates())
        return false;
    bool staged = false;
    checkUpdates(true, [&staged](bool s) { staged = s; });
    waitUntilIdle();
    if (!staged)
        return false;
    restartProgram();
    return true;
}

void MainWindow::restartProgram()
{
    restartRequested_ = true;
    close();
}

bool MainWindow::initialise()
{
    if (startupFailed_)
        return false;
    bool ok = true;
    run([this, &ok] {
        try {
            ws_->Initialise();
            ws_->RunBatchOptions(); // without a batch option: the missing prefetch files, when they are on
        } catch (const app::StartupFailure&) {
            ok = false;
        }
    });
    waitUntilIdle();
    return ok;
}

void MainWindow::waitUntilIdle()
{
    while (running_)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
}

void MainWindow::run(std::function<void()> operation, std::function<void()> after)
{
    if (running_)
        return;
    // The control that has the keyboard gets it back when the operation (and
    // any it starts from its end) is over.
    if (!focusRemembered_) {
        focusRemembered_ = true;
        activeBefore_ = QApplication::activeWindow();
        focusBefore_ = QApplication::focusWidget();
    }
    for (Page* page : pages_)
        page->operationStarting();
    running_ = true;
    after_ = std::move(after);
    updateActions();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    ws_->Host().clearCancel(); // a new operation starts without the last one's request to stop
    watcher_.setFuture(QtConcurrent::run([this, op = std::move(operation)] {
        try {
            auto busy = ws_->Busy();
            op();
        } catch (const std::exception& e) {
            ws_->Host().showError(e.what());
        }
    }));
}

void MainWindow::operationFinished()
{
    QApplication::restoreOverrideCursor();
    running_ = false;
    refreshViews();
    if (auto after = std::exchange(after_, nullptr))
        after();
    updateActions();
    if (!running_)
        restoreFocus();
    if (std::exchange(closeAfterRun_, false))
        QTimer::singleShot(0, this, [this] { close(); });
}

void MainWindow::restoreFocus()
{
    focusRemembered_ = false;
    const QPointer<QWidget> window = std::exchange(activeBefore_, nullptr);
    const QPointer<QWidget> widget = std::exchange(focusBefore_, nullptr);
    if (window == nullptr || !window->isVisible())
        return;
    // A window of the operation's own (the progress window, a message shown
    // and closed) may have taken the activation: the window the person was
    // in takes it back, unless they have gone on to another one meanwhile.
    QWidget* active = QApplication::activeWindow();
    const bool ours = active == nullptr || active == window || active == host_->progressDialog();
    if (!ours)
        return;
    if (active != window)
        window->activateWindow();
    if (widget != nullptr && widget->window() == window && widget->isVisible() && widget->isEnabled())
        widget->setFocus(Qt::OtherFocusReason);
}

void MainWindow::refreshViews()
{
    for (Page* page : pages_)
        page->refresh();
    const auto texts = ws_->StatusPanelTexts();
    for (size_t i = 0; i < texts.size(); ++i)
        panels_[i]->setText(qs(texts[i]));
}

void MainWindow::updateActions()
{
    app::ViewSelection selection;
    for (const Page* page : pages_)
        page->fillSelection(selection);
    actions_->update(*ws_, selection, running_);
    if (languageMenu_)
        languageMenu_->setEnabled(!running_);
}

void MainWindow::editConfig()
{
    ConfigDialog dialog(this, ws_->Configuration().Data());
    if (dialog.exec() != QDialog::Accepted)
        return;
    run([this, edited = dialog.config()] { ws_->Configuration().Apply(edited); });
}

void MainWindow::editShredding()
{
    ShreddingDialog dialog(this, ws_->Configuration().Shredding());
    if (dialog.exec() != QDialog::Accepted)
        return;
    run([this, edited = dialog.settings()] { ws_->Configuration().ApplyShredding(edited); });
}

} // namespace belvane::gui
