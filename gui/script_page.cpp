#include "gui/script_page.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QComboBox>
#include <QLabel>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/configuration_service.h"
#include "app/backtest_comparison.h"
#include "app/scenario_service.h"
#include "app/setting_keys.h"
#include "app/statistics_service.h"
#include "app/view_selection.h"
#include "app/window_settings.h"
#include "app/workspace.h"
#include "gui/action_registry.h"
#include "gui/file_filters.h"
#include "gui/filter_dialog.h"
#include "gui/online_scripts_panel.h"
#include "gui/qt_text.h"
#include "gui/script_dialog.h"
#include "gui/script_model.h"
#include "gui/stakes_page.h"
#include "gui/status_bar_panel.h"
#include "gui/table_views.h"
#include "scenario/run_texts.h"
#include "scenario/scenario.h"
#include "stats/stat_list.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::gui {
namespace {

// The library's height until the person sets their own.
constexpr int DesignLibraryHeight = 220;

} // namespace

ScriptPage::ScriptPage(PageHost& host) : Page(host, QStringLiteral("tsScript"), tr("Сценарий"), Side::Right)
{
    auto* layout = new QVBoxLayout(this);
    // The lines with their status bar above, the online library below.
    splitter_ = new QSplitter(Qt::Vertical, this);
    auto* lines = new QWidget(splitter_);
    auto* linesLayout = new QVBoxLayout(lines);
    linesLayout->setContentsMargins(0, 0, 0, 0);
    model_ = new ScriptModel(this);
    lvScript_ = MakeTable(lines, QStringLiteral("lvScript"), model_, true);
    lvScript_->horizontalHeader()->setStretchLastSection(false);
    // The options column fits the longest summary, a filter column a typical step.
    SetDefaultColumnWidths(lvScript_, {160, 480, 250, 250, 250, 250, 250, 250, 250});
    linesLayout->addWidget(lvScript_, 1);

    sbScript_ = new QStatusBar(lines);
    sbScript_->setObjectName(QStringLiteral("sbScript"));
    sbScript_->setSizeGripEnabled(false);
    for (int i = 0; i < ScriptPanelCount; ++i) {
        const bool last = i + 1 == ScriptPanelCount; // the activity
        auto* panel =
            new StatusBarPanel(sbScript_, last ? StatusBarPanel::Sizing::Stretch : StatusBarPanel::Sizing::Counter);
        panel->setObjectName(QStringLiteral("ScriptPanel%1").arg(i));
        sbScript_->addWidget(panel, last ? 1 : 0);
        panels_.push_back(panel);
    }
    linesLayout->addWidget(sbScript_);
    showRunPanels(0, 0, 0, {});
    library_ = new OnlineScriptsPanel(host_, splitter_);
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 0);
    splitter_->setChildrenCollapsible(false);
    const int height = ws_.Settings().Get(app::key::ScriptLibraryHeight);
    libraryHeight_ = height > 0 ? height : DesignLibraryHeight;
    layout->addWidget(splitter_, 1);

    connect(lvScript_, &QTableView::doubleClicked, this, [this] {
        if (QAction* edit = host_.actions()["ScriptEdit"]; edit->isEnabled())
            edit->trigger();
    });
    connect(lvScript_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { host_.updateActions(); });
    registerActions();

    // The run's own buttons over the lines: "Стоп" stays in reach while a run goes.
    runBar_ = new QToolBar(lines);
    runBar_->setObjectName(QStringLiteral("tbScriptRun"));
    runBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    runBar_->setIconSize(QSize(16, 16));
    for (const char* name : {"ScriptRun", "ScriptTest", "ScriptStop"})
        runBar_->addAction(host_.actions()[name]);
    linesLayout->insertWidget(0, runBar_);
}

void ScriptPage::registerActions()
{
    ActionRegistry& actions = host_.actions();
    actions.add({"ScriptOpen", tr("Открыть"), QKeySequence(Qt::CTRL | Qt::Key_J), tr("Загрузить сценарий из файла"),
                 [this] { scriptOpen(); }});
    actions.add({"ScriptSave", tr("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_I), tr("Сохранить сценарий в файл"),
                 [this] { scriptSave(); }});
    actions.add({"ScriptLoad", tr("Добавить сценарий"), {}, tr("Добавить к сценарию строки из файла"), [this] {
                     scriptLoad();
                 }});
    actions.add({"ScriptAdd", tr("Добавить фильтры"), QKeySequence(Qt::CTRL | Qt::Key_Insert),
                 tr("Добавить в сценарий новую строку"), [this] { scriptAdd(); }});
    actions.add({"ScriptEmpty", tr("Добавить разделитель"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Insert),
                 tr("Добавить в сценарий пустую строку-разделитель"), [this] { scriptEmpty(); }});
    actions.add({"ScriptClone", tr("Клонировать"), QKeySequence(Qt::CTRL | Qt::Key_K),
                 tr("Добавить в сценарий копию выделенной строки"), [this] { scriptClone(); }});
    actions.add({"ScriptEdit", tr("Изменить"), QKeySequence(Qt::CTRL | Qt::Key_Return),
                 tr("Изменить выделенную строку сценария"), [this] { scriptEdit(); }});
    actions.add({"ScriptDel", tr("Удалить"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
                 tr("Удалить выделенные строки сценария"), [this] { scriptDel(); }});
    actions.add({"ScriptClr", tr("Удалить все"), {}, tr("Удалить все строки сценария"), [this] { scriptClr(); }});
    actions.add({"ScriptRun", tr("Прогноз"), QKeySequence(Qt::Key_F10), tr("Выполнить сценарий для следующего тиража"),
                 [this] { scriptRun(false); }});
    actions.add({"ScriptTest", tr("Тест"), QKeySequence(Qt::CTRL | Qt::Key_F10),
                 tr("Проверить сценарий на прошедших тиражах"), [this] { scriptRun(true); }});
    actions.add({"ScriptStop",
                 tr("Стоп"),
                 QKeySequence(Qt::CTRL | Qt::Key_X),
                 tr("Остановить выполнение сценария"),
                 [this] {
                     ws_.Scenario().Stop();
                     host_.updateActions();
                 },
                 {},
                 true});
    actions.add({"LogToggle",
                 tr("Журнал выполнения сценария"),
                 {},
                 tr("Записывать ход выполнения сценария в журнал"),
                 [this] {
                     ws_.Scenario().ToggleLog();
                     host_.updateActions();
                 },
                 [this] { return ws_.Scenario().LogEnabled(); }});
    actions.add({"ScriptTestControl",
                 tr("Контроль случайной игрой при тесте"),
                 {},
                 tr("При тесте делать на каждом смещении столько же случайных ставок из полного набора, "
                    "чтобы сравнить сценарий со случайной игрой"),
                 [this] {
                     ws_.Scenario().ToggleControl();
                     host_.updateActions();
                 },
                 [this] { return ws_.Scenario().ControlEnabled(); }});
    actions.add({"LogsDelete", tr("Удалить журналы выполнения сценариев"), {}, {}, [this] {
                     host_.run([this] { ws_.Scenario().DeleteLogs(); });
                 }});
    actions.add({"ScriptUp", tr("Переместить вверх"), QKeySequence(Qt::CTRL | Qt::Key_Up),
                 tr("Переместить выделенную строку вверх"), [this] { scriptMove(true); }});
    actions.add({"ScriptDown", tr("Переместить вниз"), QKeySequence(Qt::CTRL | Qt::Key_Down),
                 tr("Переместить выделенную строку вниз"), [this] { scriptMove(false); }});
    // The keypad's Enter edits as well.
    actions["ScriptEdit"]->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    // Keys that other lists and text fields use act only on the scenario's list.
    for (const char* name : {"ScriptEdit", "ScriptDel", "ScriptUp", "ScriptDown"})
        actions[name]->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    // Ctrl+X stops a run also from its progress window (once the person has
    // clicked there); the action is off whenever no run goes.
    actions["ScriptStop"]->setShortcutContext(Qt::ApplicationShortcut);

    actions["ScriptOpen"]->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    actions["ScriptSave"]->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    actions["ScriptUp"]->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    actions["ScriptDown"]->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    actions["ScriptRun"]->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    actions["ScriptTest"]->setIcon(style()->standardIcon(QStyle::SP_MediaSeekForward));
    actions["ScriptStop"]->setIcon(style()->standardIcon(QStyle::SP_MediaStop));

    host_.addToMenu(QStringLiteral("Сценарий"),
                    {"ScriptOpen", "ScriptLoad", "ScriptSave", nullptr, "ScriptAdd", "ScriptEmpty", "ScriptClone",
                     "ScriptEdit", nullptr, "ScriptUp", "ScriptDown", nullptr, "ScriptDel", "ScriptClr"});
    host_.addToMenu(QStringLiteral("Сценарий"), {nullptr, "ScriptRun", "ScriptTest", "ScriptStop", "ScriptTestControl",
                                                 nullptr, "LogToggle", "LogsDelete"});
    host_.addToToolBar({nullptr, "ScriptRun", "ScriptTest", "ScriptStop"});
    // The list's own menu: editing first, then moving, deleting and the files.
    for (const char* name : {"ScriptAdd", "ScriptEmpty", "ScriptClone", "ScriptEdit", "", "ScriptUp", "ScriptDown", "",
                             "ScriptDel", "ScriptClr", "", "ScriptOpen", "ScriptLoad", "ScriptSave"}) {
        if (*name != '\0') {
            lvScript_->addAction(actions[name]);
            continue;
        }
        auto* separator = new QAction(lvScript_);
        separator->setSeparator(true);
        lvScript_->addAction(separator);
    }
    library_->registerActions();
}

void ScriptPage::fillSelection(app::ViewSelection& selection) const
{
    const std::vector<int> rows = SelectedRows(lvScript_);
    selection.ScriptRows = rows.size();
    selection.ScriptCurrent = rows.empty() ? -1 : rows.front();
    library_->fillSelection(selection);
}

int ScriptPage::currentLine() const
{
    const std::vector<int> rows = SelectedRows(lvScript_);
    return rows.empty() ? -1 : rows.front();
}

QString ScriptPage::scriptPanelText(int panel) const
{
    return panel >= 0 && panel < ScriptPanelCount ? panels_[static_cast<size_t>(panel)]->text() : QString();
}

void ScriptPage::restoreState(const app::WindowStateFile& file)
{
    RestoreColumnWidths(lvScript_, file, "lvScript");
    library_->restoreState(file);
}

void ScriptPage::saveState(app::WindowClosingState& state)
{
    state.ColumnWidths["lvScript"] = ColumnWidths(lvScript_);
    library_->saveState(state);
    if (laidOut_ && !library_->isHidden())
        ws_.SetSetting(app::key::ScriptLibraryHeight, splitter_->sizes().value(1));
}

void ScriptPage::showEvent(QShowEvent* event)
{
    Page::showEvent(event);
    if (!laidOut_) {
        // The saved height of the library once the page has its own size.
        laidOut_ = true;
        QTimer::singleShot(0, this, [this] {
            const int total = splitter_->height();
            const int library = std::clamp(libraryHeight_, 60, std::max(total - 120, 60));
            splitter_->setSizes({std::max(total - library, 120), library});
        });
    }
    library_->pageShown();
}

void ScriptPage::operationStarting()
{
    // Another filter cannot be asked for while the worker runs.
    library_->filterBox()->setEnabled(false);
}

void ScriptPage::refresh()
{
    library_->filterBox()->setEnabled(true);
    library_->showEnabled();
    // The rows keep their selection unless the lines changed under them.
    const std::vector<int> selected = SelectedRows(lvScript_);
    const int current = lvScript_->currentIndex().row();
    if (model_->reload(ws_)) {
        std::vector<int> kept;
        for (int r : selected)
            if (r < model_->rowCount())
                kept.push_back(r);
        SelectRows(lvScript_, kept);
        if (current >= 0 && current < model_->rowCount())
            lvScript_->selectionModel()->setCurrentIndex(model_->index(current, 0), QItemSelectionModel::NoUpdate);
    }
    panels_[0]->setText(qs(ws_.Scenario().PanelText()));
}

void ScriptPage::showRunPanels(int cycle, int line, int stakes, const QString& activity)
{
    panels_[1]->setText(qs(scenario::CyclePanelText(cycle)));
    panels_[2]->setText(qs(scenario::LinePanelText(line)));
    panels_[3]->setText(qs(scenario::StakesPanelText(stakes)));
    panels_[4]->setText(activity);
    if (line > 0 && line != shownLine_) {
        shownLine_ = line;
        selectLine(line - 1);
    }
    // The run has begun (or ended): "Стоп" follows it.
    if (host_.isRunning())
        host_.updateActions();
}

void ScriptPage::selectLine(int row)
{
    if (row < 0 || row >= model_->rowCount()) {
        lvScript_->clearSelection();
        return;
    }
    const QModelIndex index = model_->index(row, 0);
    lvScript_->selectionModel()->setCurrentIndex(index,
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    lvScript_->scrollTo(index);
}

FilterDialogSetup ScriptPage::filterSetup() const
{
    FilterDialogSetup setup;
    setup.Registry = &ws_.Registry();
    const app::StatisticsService& stats = ws_.Statistics();
    setup.Entries = stats.StatTypes();
    for (int i = 0; i < static_cast<int>(setup.Entries.size()); ++i)
        setup.Texts << qs(stats.StatTypeText(i));
    setup.GlobalWeights = ws_.Configuration().Data().Weights;
    setup.NewStep = scenario::NewFilterItem(stats.ChosenEntry(), std::to_string(stats.Length()), setup.GlobalWeights);
    return setup;
}

bool ScriptPage::editLine(const QString& caption, const std::string& line, std::string& result)
{
    // The draw count starts at the combination page's count of latest draws.
    ScriptDialog dialog(this, caption, ws_.Settings().Get(app::key::DrawsExclude), line, filterSetup());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    result = dialog.line();
    return true;
}

QString ScriptPage::chooseFile(bool save, const char* action)
{
    const QString title = host_.actions()[action]->text();
    const QString filter = FileFilter(scenario::ScenarioFileFilter);
    if (!save)
        return QFileDialog::getOpenFileName(this, title, QString(), filter);
    QString file = QFileDialog::getSaveFileName(this, title, QString(), filter);
    if (!file.isEmpty() && QFileInfo(file).suffix().isEmpty())
        file += QLatin1Char('.') + qs(scenario::ScenarioFileExtension);
    return file;
}

// ---- the actions ---------------------------------------------------------------

void ScriptPage::scriptOpen()
{
    const QString file = chooseFile(false, "ScriptOpen");
    if (file.isEmpty())
        return;
    host_.run([this, path = ss(file)] { ws_.Scenario().Open(path); }, [this] { lvScript_->clearSelection(); });
}

void ScriptPage::scriptLoad()
{
    const QString file = chooseFile(false, "ScriptLoad");
    if (file.isEmpty())
        return;
    host_.run([this, path = ss(file)] { ws_.Scenario().Append(path); });
}

void ScriptPage::scriptSave()
{
    const QString file = chooseFile(true, "ScriptSave");
    if (file.isEmpty())
        return;
    host_.run([this, path = ss(file)] { ws_.Scenario().Save(path); });
}

void ScriptPage::scriptAdd()
{
    std::string line;
    if (!editLine(qs(support::Text(scenario::NewLineCaption)), {}, line))
        return;
    host_.run([this, line] { ws_.Scenario().Add(line); }, [this] { selectLine(model_->rowCount() - 1); });
}

void ScriptPage::scriptEmpty()
{
    host_.run([this] { ws_.Scenario().AddSeparator(); }, [this] { selectLine(model_->rowCount() - 1); });
}

void ScriptPage::scriptClone()
{
    const int index = currentLine();
    if (!ws_.Scenario().IsCommandLine(index))
        return;
    std::string line;
    if (!editLine(qs(support::Text(scenario::NewLineCaption)), ws_.Scenario().Lines().Line(index), line))
        return;
    host_.run([this, line] { ws_.Scenario().Add(line); }, [this] { selectLine(model_->rowCount() - 1); });
}

void ScriptPage::scriptEdit()
{
    const int index = currentLine();
    if (!ws_.Scenario().IsCommandLine(index))
        return;
    std::string line;
    if (!editLine(qs(support::Text(scenario::EditLineCaption)), ws_.Scenario().Lines().Line(index), line))
        return;
    host_.run([this, index, line] { ws_.Scenario().Replace(index, line); });
}

void ScriptPage::scriptDel()
{
    // The question is asked while the list shows the lines it names.
    const std::vector<int> rows = SelectedRows(lvScript_);
    if (rows.empty() || !ws_.Host().askYesNo(CaptionCaution, DeleteRowsQuestion(rows.size()), false))
        return;
    host_.run([this, rows] { ws_.Scenario().Delete(rows); }, [this] { lvScript_->clearSelection(); });
}

void ScriptPage::scriptClr()
{
    const int count = ws_.Scenario().Count();
    if (count == 0 || !ws_.Host().askYesNo(CaptionCaution, DeleteRowsQuestion(static_cast<size_t>(count)), false))
        return;
    host_.run([this] { ws_.Scenario().Clear(); }, [this] { lvScript_->clearSelection(); });
}

void ScriptPage::scriptMove(bool up)
{
    const int index = currentLine();
    const auto moved = std::make_shared<int>(-1);
    host_.run([this, index, up, moved] { *moved = up ? ws_.Scenario().MoveUp(index) : ws_.Scenario().MoveDown(index); },
              [this, moved] {
                  if (*moved >= 0)
                      selectLine(*moved); // the selection moves with the line
              });
}

void ScriptPage::setRunViewsEnabled(bool enabled)
{
    // The run chooses the statistics, the offset, the list and the line; a
    // person's change there would be lost or would show what is not so.
    for (const char* name : {"tsDraws", "tsCombs", "tsDrawsStat"})
        if (auto* view = window()->findChild<QWidget*>(QString::fromLatin1(name)))
            view->setEnabled(enabled);
    lvScript_->setEnabled(enabled);
}

void ScriptPage::scriptRun(bool test)
{
    if (host_.isRunning())
        return;
    app::ScenarioService& scenario = ws_.Scenario();
    std::optional<int> count;
    if (test && !(count = scenario.AskTestCount()))
        return;
    // The run works on a copy of the lines, with the switches as they are now.
    auto result = std::make_shared<app::ScenarioRunResult>();
    shownLine_ = 0;
    host_.run(
        [this, lines = scenario.Lines().Lines(), settings = scenario.RunSettings(), count, result] {
            *result = count ? ws_.Scenario().Test(lines, *count, settings) : ws_.Scenario().Run(lines, settings);
            if (count)
                app::CompareTestAndLog(ws_, *result);
        },
        [this, result] {
            // A test's verdict on random play, unless it made nothing or the person stopped it.
            if (result->Chance && result->Stakes > 0 && !result->Stopped)
                ws_.Host().showInformation(stakes::BacktestVerdictText(*result->Chance));
            setRunViewsEnabled(true);
            // The stakes grid ends with the run's stakes.
            if (auto* stakes = window()->findChild<StakesPage*>(); stakes != nullptr && result->Stakes > 0)
                stakes->scrollToEnd();
            std::error_code ec;
            if (!result->LogFile.empty() && std::filesystem::exists(result->LogFile, ec))
                QDesktopServices::openUrl(QUrl::fromLocalFile(qs(result->LogFile.string())));
        });
    // Only now: the window has taken note of the control that had the focus,
    // which gets it back when the run is over.
    if (host_.isRunning())
        setRunViewsEnabled(false);
}

} // namespace belvane::gui
