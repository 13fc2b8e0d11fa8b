#include "gui/screenshots.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <fmt/format.h>
#include <iostream>

#include "app/analysis_service.h"
#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/draws_download.h"
#include "app/export_sources.h"
#include "app/library_service.h"
#include "app/ratings_service.h"
#include "app/scenario_service.h"
#include "app/stakes_service.h"
#include "app/statistics_service.h"
#include "app/systems_service.h"
#include "app/tables_service.h"
#include "combs/list_queries.h"
#include "gui/card_page.h"
#include "gui/config_dialog.h"
#include "gui/details_dialog.h"
#include "gui/draw_dialog.h"
#include "gui/draws_page.h"
#include "gui/export_field_dialog.h"
#include "gui/filters_manager_dialog.h"
#include "gui/first_run_dialog.h"
#include "gui/generate_dialog.h"
#include "gui/graph_window.h"
#include "gui/graphs_page.h"
#include "gui/layout_page.h"
#include "gui/library_model.h"
#include "gui/main_window.h"
#include "gui/method_info_window.h"
#include "gui/multi_stake_dialog.h"
#include "gui/online_scripts_panel.h"
#include "gui/progress_dialog.h"
#include "support/translation.h"
#include "gui/proxy_dialog.h"
#include "gui/qt_host.h"
#include "gui/qt_text.h"
#include "gui/ratings_page.h"
#include "gui/repeats_dialog.h"
#include "gui/script_dialog.h"
#include "gui/script_page.h"
#include "gui/script_public_dialog.h"
#include "gui/script_rates_dialog.h"
#include "gui/shredding_dialog.h"
#include "gui/stake_dialog.h"
#include "gui/stake_filter_dialog.h"
#include "gui/stakes_page.h"
#include "gui/stat_page.h"
#include "gui/system_dialog.h"
#include "gui/systems_model.h"
#include "gui/systems_page.h"
#include "gui/wheel_dialog.h"
#include "gui/table_dialog.h"
#include "gui/tables_page.h"
#include "gui/update_dialog.h"
#include "gui/wait_dialog.h"
#include "gui/week_page.h"
#include "gui/xlsx_export_dialog.h"
#include "scenario/run_texts.h"
#include "scenario/script_element.h"
#include "stats/stat_list.h"
#include "update/program_version.h"

namespace belvane::gui {
namespace {

void settle()
{
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

bool savePixmap(const QPixmap& picture, const std::filesystem::path& folder, const char* name)
{
    const QString path = qs((folder / (std::string(name) + ".png")).string());
    const bool ok = picture.save(path);
    std::cout << (ok ? "saved " : "FAILED ") << path.toStdString() << '\n';
    return ok;
}

bool save(QWidget& widget, const std::filesystem::path& folder, const char* name)
{
    settle();
    return savePixmap(widget.grab(), folder, name);
}

// The main window with its progress window where the person sees it (a
// window of its own, which the main window's picture leaves out).
bool saveWithProgress(MainWindow& window, const std::filesystem::path& folder, const char* name)
{
    ProgressDialog* progress = window.host().progressDialog();
    if (progress != nullptr)
        progress->showNow();
    settle();
    QPixmap picture = window.grab();
    if (progress != nullptr && progress->isVisible()) {
        const QPixmap over = progress->grab();
        QPoint at = progress->geometry().topLeft() - window.geometry().topLeft();
        if (!QRect(QPoint(), picture.size()).contains(QRect(at, over.size())))
            at = QPoint((picture.width() - over.width()) / 2, (picture.height() - over.height()) / 2);
        QPainter painter(&picture);
        painter.drawPixmap(at, over);
    }
    return savePixmap(picture, folder, name);
}

// The scenario page with a few lines, the element dialog on the first line and
// the filter dialog on a step with its own coefficients.
bool TakeScenarioScreenshots(MainWindow& window, ScriptPage& page, const std::filesystem::path& folder)
{
    app::ScenarioService& scenario = window.workspace().Scenario();
    if (scenario.Count() == 0) {
        scenario.Add("EXCL:5#SKIP#CLR#NEX|TMF1#NUMS:10,20#LMV:1-3;1#SF:1| |BSD6#SUMS:100#LNO:#SZ:1| | | | |Пример");
        scenario.AddSeparator();
        scenario.Add("FULL:0#RAND|TSD1#NUMS:100#LNO:#SF:1| | | | | | |Все числа");
        scenario.Add("CURR:0#ALL#NEX|BMF8#NUMS:50#WMV:5#ST:3#0.5:-1:1:0:0| | | | | | |");
    }
    page.refresh();
    window.rightPages()->setCurrentWidget(&page);
    settle(); // the first look loads the online library
    window.waitUntilIdle();
    page.scriptView()->selectRow(0);
    bool ok = save(window, folder, "23-main-scenario");

    const FilterDialogSetup setup = page.filterSetup();
    {
        ScriptDialog dialog(&window, qs(scenario::EditLineCaption), 0, scenario.Lines().Line(0), setup);
        dialog.show();
        ok &= save(dialog, folder, "24-script-dialog");
    }
    {
        const scenario::TFilterItem item =
            scenario::ParseFilterItem(window.workspace().Registry(), "BMF8#NUMS:10,20#WMV:5#SF:1#0.5:-1:1:0:0");
        FilterDialog dialog(&window, setup, item);
        dialog.show();
        ok &= save(dialog, folder, "25-filter-dialog");
    }
    return ok;
}

void popupMenu(MainWindow& window, const QString& title, const std::filesystem::path& folder, const char* name,
               bool& ok)
{
    for (QAction* item : window.menuBar()->actions()) {
        if (item->menu() == nullptr || item->text() != title)
            continue;
        item->menu()->popup(window.mapToGlobal(QPoint(500, 30)));
        ok &= save(*item->menu(), folder, name);
        item->menu()->hide();
    }
}

// A scenario test while it runs (the panels, the line being run, "Стоп" the
// one action left), after it was stopped, and its dialogs and menus.
bool TakeScenarioRunScreenshots(MainWindow& window, ScriptPage& page, const std::filesystem::path& folder)
{
    app::Workspace& ws = window.workspace();
    app::ScenarioService& scenario = ws.Scenario();
    bool ok = true;
    popupMenu(window, QCoreApplication::translate("belvane::gui::MainWindow", "Сценарий"), folder, "30-scenario-menu",
              ok);
    const int draws = static_cast<int>(ws.Archive().Draws().size());
    if (const auto range = scenario::TestCountRangeFor(draws)) {
        QInputDialog dialog(&window);
        SetUpNumberDialog(dialog, qs(scenario::TestCountCaption), qs(scenario::TestCountPrompt), range->Default,
                          range->Min, range->Max);
        dialog.show();
        ok &= save(dialog, folder, "31-test-count-dialog");
    }
    {
        QMessageBox box(QMessageBox::Question, qs(CaptionConfirm), qs(scenario::StopQuestion),
                        QMessageBox::Yes | QMessageBox::No, &window);
        box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("belvane::gui::QtHost", "Да"));
        box.button(QMessageBox::No)->setText(QCoreApplication::translate("belvane::gui::QtHost", "Нет"));
        box.show();
        ok &= save(box, folder, "32-stop-question");
    }
    if (draws < 2 || scenario.Count() == 0)
        return ok;

    // Two lines of their own tested over three draws, as "Тест" does it.
    scenario.Clear();
    for (const std::string& line :
         {std::string("FULL:0#FIRST|TSD1#NUMS:10,20,30#LNO:#ST:20| | | | | | |Первая"), std::string(),
          std::string("FULL:0#RAND|TSD1#NUMS:10-100;10#LMV:1-3;1#SF:1| | | | | | |Вторая")})
        line.empty() ? scenario.AddSeparator() : scenario.Add(line);
    page.refresh();
    window.rightPages()->setCurrentWidget(&page);
    window.updateActions();
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&answer] {
        if (auto* count = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
            answer.stop();
            count->setIntValue(3);
            count->accept();
        }
    });
    answer.start();
    window.action(QStringLiteral("ScriptTest"))->trigger();
    const QString second = qs(scenario::LinePanelText(3));
    for (int i = 0; i < 300 && window.isRunning() && page.scriptPanelText(2) != second; ++i)
        settle();
    ok &= save(window, folder, "33-main-scenario-test-running");
    // The same run with its one progress window and "Стоп" on the page and the toolbar.
    ok &= saveWithProgress(window, folder, "33a-main-scenario-run-progress-stop");
    scenario.RequestStop();
    window.waitUntilIdle();
    ok &= save(window, folder, "34-main-scenario-test-stopped");
    return ok;
}

// The four analysis tabs, the graph window with the sums distribution, the
// repeats window and the matches distribution of the ratings.
bool TakeAnalysisScreenshots(MainWindow& window, const std::filesystem::path& folder)
{
    bool ok = true;
    app::Workspace& ws = window.workspace();
    auto tab = [&](QWidget* page, const char* name) {
        if (page == nullptr)
            return;
        window.rightPages()->setCurrentWidget(page);
        ok &= save(window, folder, name);
    };
    auto* graphs = window.findChild<GraphsPage*>();
    if (graphs != nullptr) {
        const int sums = graphs->typeBox()->findText(QStringLiteral("Сумма тиража: все значения"), Qt::MatchContains);
        if (sums >= 0)
            graphs->typeBox()->setCurrentIndex(sums);
    }
    tab(graphs, "40-main-graphs");
    tab(window.findChild<CardPage*>(), "41-main-card");
    tab(window.findChild<LayoutPage*>(), "42-main-layout");
    if (auto* week = window.findChild<WeekPage*>()) {
        window.rightPages()->setCurrentWidget(week);
        week->weekView()->setCurrentIndex(week->weekView()->model()->index(5, 1));
        ok &= save(window, folder, "43-main-week");
        // One number over the weekdays, as a line.
        window.action(QStringLiteral("WeekChartMode"))->trigger();
        window.action(QStringLiteral("WeekChartType"))->trigger();
        ok &= save(window, folder, "43-main-week-by-weekday");
        window.action(QStringLiteral("WeekChartMode"))->trigger();
        window.action(QStringLiteral("WeekChartType"))->trigger();
    }
    {
        GraphWindow graph(&window, views::SumDistributionChart(ws.Analysis().Sums()),
                          window.action(QStringLiteral("TotalSumCombs"))->text());
        graph.show();
        ok &= save(graph, folder, "44-graph-window-sums");
    }
    {
        RepeatsDialog repeats(&window, window);
        repeats.lengthBox()->setValue(30);
        repeats.calculate();
        window.waitUntilIdle();
        repeats.show();
        ok &= save(repeats, folder, "45-repeats-window");
    }
    const size_t ratings = ws.Ratings().Count();
    if (ratings > 0) {
        std::vector<size_t> rows;
        for (size_t i = 0; i < std::min<size_t>(ratings, 3); ++i)
            rows.push_back(i);
        if (const auto chart = ws.Analysis().MatchDistributionGraph(rows)) {
            GraphWindow graph(&window, *chart, window.action(QStringLiteral("RatingsGraphOverlap"))->text());
            graph.show();
            ok &= save(graph, folder, "46-ratings-matches-graph");
        }
        // The stakes' graphs: the profit per draw, and matches and profit of the selected rows.
        auto shot = [&](const std::optional<views::Chart>& chart, const char* action, const char* name) {
            if (!chart)
                return;
            GraphWindow graph(&window, *chart, window.action(QString::fromLatin1(action))->text());
            graph.show();
            ok &= save(graph, folder, name);
        };
        shot(ws.Analysis().StakesProfitGraph(), "StakesGraphDraws", "46-stakes-profit-per-draw");
        shot(ws.Analysis().SelectedStakesGraph(rows, views::StakeMeasure::Matches), "StakesGraphOverlap",
             "46-stakes-matches-graph");
        shot(ws.Analysis().SelectedStakesGraph(rows, views::StakeMeasure::Profit), "StakesGraphProfits",
             "46-stakes-profit-graph");
    }
    window.rightPages()->setCurrentIndex(0);
    return ok;
}

// The regular stakes page with two regular stakes tested over five offsets,
// and the dialog that adds one for several selected combinations.
bool TakeTablesScreenshots(MainWindow& window, TablesPage& page, const std::filesystem::path& folder)
{
    app::Workspace& ws = window.workspace();
    app::TablesService& tables = ws.Tables();
    if (tables.Count() == 0 && ws.Archive().Draws().size() > 6) {
        tables.Add({"Сдвиг на 5", stakes::RegularBase::Combination, 5, model::TComb{41, 42, 43, 44, 45, 1}}, {});
        tables.Add({"Прошлый тираж -3", stakes::RegularBase::LastDraw, -3, std::nullopt}, {});
        tables.Test(5, std::vector<size_t>{0, 1});
    }
    page.refresh();
    window.rightPages()->setCurrentWidget(&page);
    page.tablesView()->selectRow(0);
    bool ok = save(window, folder, "47-main-tables");
    {
        const std::vector<size_t> rows{0, 1, 2};
        TFormTable dialog(&window, tables.PrepareNew(rows), rows.size(), tables.Comments());
        dialog.show();
        ok &= save(dialog, folder, "48-table-dialog");
    }
    {
        const std::vector<size_t> rows{0};
        TFormTable dialog(&window, tables.PrepareNew(rows), rows.size(), tables.Comments());
        dialog.show();
        ok &= save(dialog, folder, "49-table-dialog-one-combination");
    }
    window.rightPages()->setCurrentIndex(0);
    return ok;
}

// The systems page with one system downloaded, the dialog "Система", the
// online library under the scenario, its two dialogs and the "Системы" menu.
// The catalogue is that of the service the data folder names (none: empty lists).
bool TakeExchangeScreenshots(MainWindow& window, const std::filesystem::path& folder)
{
    bool ok = true;
    app::Workspace& ws = window.workspace();
    // Without a service every exchange would stop at its message box.
    const bool online = !ws.Configuration().Online().ServiceUrl.empty();
    if (auto* systemsPage = window.findChild<SystemsPage*>()) {
        window.rightPages()->setCurrentWidget(systemsPage);
        settle();
        window.waitUntilIdle();
        if (online && !systemsPage->listLoaded()) {
            systemsPage->loadList();
            window.waitUntilIdle();
        }
        QTableView* list = systemsPage->systemsView();
        if (systemsPage->model().rowCount() > 0 && systemsPage->model().row(0)->System.Id > 0) {
            list->selectRow(0);
            window.action(QStringLiteral("SystemsDownload"))->trigger();
            window.waitUntilIdle();
        }
        list->selectRow(std::min(1, systemsPage->model().rowCount() - 1));
        window.updateActions();
        ok &= save(window, folder, "60-main-systems");
        popupMenu(window, QCoreApplication::translate("belvane::gui::MainWindow", "Системы"), folder, "61-systems-menu",
                  ok);

        systems::tSystemData shown = ws.Systems().NewSystem();
        const SystemRow* row = systemsPage->model().row(0);
        if (row != nullptr && row->System.Id > 0) {
            shown = row->System;
            window.run([&ws, &shown] {
                if (const auto combs = ws.Systems().FetchOnline(shown))
                    shown.Combs = *combs;
            });
            window.waitUntilIdle();
        }
        TFormSystem dialog(&window, shown, row == nullptr || row->Own);
        dialog.show();
        ok &= save(dialog, folder, "62-system-dialog");

        // A system of one's own: 3 if 4 of 12 numbers, after a short search.
        TFormWheel wheel(&window, window);
        wheel.numbersBox()->setValue(12);
        wheel.guaranteeBox()->setValue(3);
        wheel.conditionBox()->setValue(4);
        wheel.secondsBox()->setValue(2);
        wheel.show();
        wheel.create();
        window.waitUntilIdle();
        ok &= save(wheel, folder, "62-create-system-dialog");
    }
    if (auto* script = window.findChild<ScriptPage*>()) {
        window.rightPages()->setCurrentWidget(script);
        settle();
        window.waitUntilIdle();
        OnlineScriptsPanel* library = script->libraryPanel();
        if (online && !library->listLoaded()) {
            library->loadList();
            window.waitUntilIdle();
        }
        const LibraryModel& entries = library->model();
        if (entries.rowCount() > 0)
            library->scriptsView()->selectRow(0);
        window.updateActions();
        ok &= save(window, folder, "63-main-scenario-library");

        // The entry with the most ratings shows them.
        const scenario::tScriptInfo* first = entries.entry(0);
        for (int r = 1; r < entries.rowCount(); ++r)
            if (entries.entry(r)->RatingCount > first->RatingCount)
                first = entries.entry(r);
        {
            TFormScrPublic dialog(&window,
                                  first != nullptr ? app::LibraryService::DataOf(*first) : ws.Library().NewData(),
                                  first == nullptr || first->Editable);
            dialog.show();
            ok &= save(dialog, folder, "64-script-properties-dialog");
        }
        std::vector<scenario::ScriptRate> rates;
        if (first != nullptr) {
            window.run([&ws, &rates, id = first->Id] {
                if (auto fetched = ws.Library().Rates(id))
                    rates = std::move(*fetched);
            });
            window.waitUntilIdle();
        }
        TFormScrRates dialog(&window, first != nullptr ? qs(first->Title) : QString(), rates);
        dialog.show();
        ok &= save(dialog, folder, "65-script-rates-dialog");
    }
    window.rightPages()->setCurrentIndex(0);
    return ok;
}

} // namespace

// The window and the favourites manager in English, when the English module
// is there; the window then goes back to the language it had.
bool TakeEnglishScreenshots(MainWindow& window, const std::filesystem::path& folder)
{
    QAction* english = window.findChild<QAction*>(QStringLiteral("Language1033"));
    QAction* russian = window.findChild<QAction*>(QStringLiteral("Language1049"));
    if (english == nullptr || russian == nullptr)
        return true;
    english->trigger();
    for (int i = 0; i < 100 && window.workspace().LanguageId() != 1033; ++i)
        settle();
    window.leftPages()->setCurrentIndex(0);
    bool ok = save(window, folder, "27-main-window-english");
    {
        TFormFiltersManager dialog(&window, window.workspace());
        dialog.show();
        ok &= save(dialog, folder, "27-favorites-manager-english");
    }
    // The scenario's lists and editors, every code table in English.
    if (auto* page = window.findChild<ScriptPage*>()) {
        window.rightPages()->setCurrentWidget(page);
        page->scriptView()->selectRow(0);
        ok &= save(window, folder, "27-main-scenario-english");
        const FilterDialogSetup setup = page->filterSetup();
        const scenario::Scenario& lines = window.workspace().Scenario().Lines();
        if (lines.Count() > 0) {
            ScriptDialog dialog(&window, QString(), 0, lines.Line(0), setup);
            dialog.show();
            ok &= save(dialog, folder, "27-script-dialog-english");
        }
        const scenario::TFilterItem item =
            scenario::ParseFilterItem(window.workspace().Registry(), "BMF8#NUMS:10,20#WMV:5#SZ:1#0.5:-1:1:0:0");
        FilterDialog dialog(&window, setup, item);
        dialog.show();
        ok &= save(dialog, folder, "27-filter-dialog-english");
        // The list of conditions open, as the user picks one.
        if (auto* conditions = dialog.findChild<QComboBox*>(QStringLiteral("cbLevelMode"))) {
            conditions->showPopup();
            settle();
            if (QWidget* popup = conditions->view()->window())
                ok &= save(*popup, folder, "27-filter-conditions-english");
            conditions->hidePopup();
        }
    }
    window.findChild<QAction*>(QStringLiteral("Language1049"))->trigger();
    for (int i = 0; i < 100 && window.workspace().LanguageId() != 1049; ++i)
        settle();
    return ok;
}

bool TakeScreenshots(MainWindow& window, const std::filesystem::path& folder)
{
    QDir().mkpath(qs(folder.string()));
    window.resize(1440, 900);
    bool ok = true;

    // The statistics of the plain numbers with a few rows selected.
    StatPage& stat = *window.statPage();
    stat.selectStatRows({0, 6, 12});
    window.leftPages()->setCurrentIndex(0);
    window.drawsPage()->drawsView()->selectRow(0);
    ok &= save(window, folder, "01-main-draws-and-statistics");

    window.leftPages()->setCurrentIndex(1);
    ok &= save(window, folder, "02-main-combinations");
    window.action(QStringLiteral("StatFilter_Include"))->trigger();
    window.waitUntilIdle();
    stat.selectStatRows({1});
    window.action(QStringLiteral("StatFilter_Exclude"))->trigger();
    window.waitUntilIdle();
    ok &= save(window, folder, "03-main-after-filters");

    const app::Workspace& workspace = window.workspace();
    // A method of many values: the chart writes the value texts that fit.
    if (const int sums = stat.statTypeBox()->findText(QStringLiteral("Сумма тиража: все значения"), Qt::MatchContains);
        sums >= 0) {
        stat.statTypeBox()->setCurrentIndex(sums);
        for (int i = 0; i < 100 && (window.isRunning() || workspace.Statistics().StatTypeIndex() != sums); ++i)
            settle(); // the choice applies after a pause
        ok &= save(window, folder, "10-main-statistics-of-sums");
    }
    // A shredding method: its caption carries the formula.
    if (const int shredding = stat.statTypeBox()->findText(QStringLiteral("Метод шинковки 1:"), Qt::MatchContains);
        shredding >= 0) {
        stat.statTypeBox()->setCurrentIndex(shredding);
        for (int i = 0; i < 100 && (window.isRunning() || workspace.Statistics().StatTypeIndex() != shredding); ++i)
            settle();
        ok &= save(window, folder, "18-main-statistics-of-shredding");
    }

    // The stakes and the ratings the data folder holds.
    if (auto* stakes = window.findChild<StakesPage*>()) {
        window.rightPages()->setCurrentWidget(stakes);
        stakes->stakesView()->selectRow(0);
        ok &= save(window, folder, "11-main-stakes");
    }
    if (auto* ratings = window.findChild<RatingsPage*>()) {
        window.rightPages()->setCurrentWidget(ratings);
        // The first row beside random play in the panel below the list.
        QTableView* list = ratings->ratingsView();
        if (list->model()->rowCount() > 0)
            list->setCurrentIndex(list->model()->index(0, 0));
        ok &= save(window, folder, "12-main-ratings");
        QScrollBar* across = ratings->ratingsView()->horizontalScrollBar();
        across->setValue(across->maximum()); // the efficiency columns
        ok &= save(window, folder, "12-main-ratings-efficiency");
        across->setValue(0);
    }
    window.rightPages()->setCurrentIndex(0);
    // The menu of the stakes, every caption and key readable.
    for (QAction* item : window.menuBar()->actions()) {
        if (item->menu() == nullptr ||
            item->text() != QCoreApplication::translate("belvane::gui::MainWindow", "Ставки"))
            continue;
        item->menu()->popup(window.mapToGlobal(QPoint(300, 30)));
        ok &= save(*item->menu(), folder, "16-stakes-menu");
        item->menu()->hide();
    }

    app::Workspace& ws = window.workspace();
    {
        const auto combs = ws.Combinations().Combs();
        TFormStake dialog(&window, ws.Stakes().PrepareManualStake(
                                       combs.empty() ? std::nullopt : std::optional<model::TComb>(combs.front())));
        dialog.show();
        ok &= save(dialog, folder, "13-stake-dialog");
    }
    {
        const app::DrawsListSource source(ws.Archive().Draws(), ws.Archive().Sorted());
        XlsxExportDialog dialog(&window, app::MainWindowExportCall(app::DrawsListControl, app::DrawsExportTitle),
                                source, {{2, 12}}, true, ws.Files());
        dialog.show();
        ok &= save(dialog, folder, "50-xlsx-export-dialog");
        ExportFieldDialog field(&window, xlsx::BuildExportFields(source).back());
        field.show();
        ok &= save(field, folder, "51-export-field-dialog");
    }
    {
        TFormMulti dialog(&window, ws.Stakes().NextDrawNumber());
        dialog.show();
        ok &= save(dialog, folder, "14-multi-stake-dialog");
    }
    {
        TFormStakeFilter dialog(&window, ws.Stakes().LastFilterChoice());
        dialog.show();
        ok &= save(dialog, folder, "15-stake-filter-dialog");
    }
    {
        DrawDialog dialog(&window, ws.Archive().NewDraw());
        dialog.show();
        ok &= save(dialog, folder, "04-draw-dialog");
    }
    {
        GenerateDialog dialog(&window, {1, "3, 7, 15, 16, 19, 43"});
        dialog.show();
        ok &= save(dialog, folder, "05-generate-dialog");
    }
    if (!ws.Archive().Draws().empty()) {
        const model::TComb numbers = ws.Archive().Draws().back().Balls;
        DetailsDialog dialog(
            &window, ws.Archive().DrawDetails(0), [&ws, numbers](int c) { return ws.Archive().Card(numbers, c); },
            ws.Configuration().Data().MatrixCols);
        dialog.show();
        ok &= save(dialog, folder, "06-details-dialog");

        QMessageBox box(QMessageBox::Information, qs(CaptionInformation),
                        messageText(combs::FindInDrawsMessage(ws.Archive().Draws(), numbers)), QMessageBox::Ok,
                        &window);
        box.show();
        ok &= save(box, folder, "07-find-in-draws");
    }
    {
        ProgressDialog dialog(&window);
        dialog.setActivity(qs(support::Text("Идет сбор статистики....")));
        dialog.start(100, true);
        dialog.showNow();
        dialog.moveTo(42, 100);
        ok &= save(dialog, folder, "08-progress-window");
    }
    {
        FirstRunDialog dialog(&window, ws.Registry().HelpFile);
        dialog.show();
        ok &= save(dialog, folder, "09-first-run-dialog");
    }
    {
        ProxyDialog dialog(&window, app::ProxySettings{2, "proxy.example.org", 3128, "user", "secret"});
        dialog.show();
        ok &= save(dialog, folder, "19-proxy-dialog");
    }
    {
        WaitDialog dialog(&window);
        dialog.showText(
            messageText(fmt::format(fmt::runtime(app::DownloadWaitDetailText),
                                    fmt::format(fmt::runtime(app::ProxyAttemptText), 2, "10.0.0.2", 3128))));
        ok &= save(dialog, folder, "20-wait-window");
    }
    // "Настройки" with the start-up download submenu open.
    if (auto* startup = window.findChild<QMenu*>(QStringLiteral("menuAutoDownload"))) {
        const QPoint at = window.mapToGlobal(QPoint(40, 40));
        startup->popup(at);
        ok &= save(*startup, folder, "21-autodownload-menu");
        startup->hide();
        for (QAction* item : window.menuBar()->actions()) {
            if (item->text() != QCoreApplication::translate("belvane::gui::MainWindow", "Настройки") ||
                item->menu() == nullptr)
                continue;
            item->menu()->popup(at);
            ok &= save(*item->menu(), folder, "22-settings-menu");
            item->menu()->hide();
        }
    }
    {
        ShreddingDialog dialog(&window, ws.Configuration().Shredding());
        dialog.show();
        ok &= save(dialog, folder, "17-shredding-dialog");
    }
    {
        // The prize table as the data folder holds it: 3 to 6 matches pay.
        ConfigDialog dialog(&window, ws.Configuration().Data());
        dialog.show();
        ok &= save(dialog, folder, "17-config-dialog");
    }
    {
        TFormFiltersManager dialog(&window, ws);
        if (QTreeWidgetItem* node = dialog.nodeOf(1)) {
            dialog.tree()->setCurrentItem(node);
            dialog.tree()->scrollToTop();
        }
        dialog.show();
        ok &= save(dialog, folder, "26-favorites-manager-dialog");
        TFormFiltersInfo info(&dialog, nullptr);
        info.showPage(qs(ws.Statistics().MethodDescription(ws.Registry().FindMethod("NUMS"))));
        info.show();
        ok &= save(info, folder, "26-method-description-window");
    }
    // F8 on methods of three families: a chain, a combination value and the dynamic Ognev number.
    for (const char* id : {"SDZ2", "KNP32", "HCO3"}) {
        TFormFiltersInfo info(&window, nullptr);
        info.resize(640, 760);
        info.showPage(qs(ws.Statistics().MethodDescription(ws.Registry().FindMethod(id))));
        info.show();
        ok &= save(info, folder, ("26-method-description-" + std::string(id)).c_str());
    }
    {
        TFormMulti dialog(&window, ws.Stakes().NextDrawNumber());
        dialog.setComment(qs(app::SystemStakeComment(false, 12, "6-12-3_0042")));
        dialog.show();
        ok &= save(dialog, folder, "35-system-stake-dialog");
    }
    if (auto* tables = window.findChild<TablesPage*>())
        ok &= TakeTablesScreenshots(window, *tables, folder);
    {
        app::UpdateOffer offer;
        offer.Running = update::RunningVersion();
        offer.Version = offer.Running;
        ++offer.Version.Parts[2];
        ++offer.Version.Parts[3];
        offer.Description = "Исправления и ускорение фильтров";
        offer.Details = "- фильтры по суммам работают быстрее;\r- исправлена загрузка тиражей через proxy-сервер;\r"
                        "- новые методы статистики цепочек.";
        UpdateDialog dialog(&window, offer);
        dialog.show();
        ok &= save(dialog, folder, "66-update-found-window");
    }
    if (auto* script = window.findChild<ScriptPage*>()) {
        ok &= TakeScenarioScreenshots(window, *script, folder);
        ok &= TakeScenarioRunScreenshots(window, *script, folder);
    }
    ok &= TakeAnalysisScreenshots(window, folder);
    ok &= TakeExchangeScreenshots(window, folder);
    ok &= TakeEnglishScreenshots(window, folder);
    return ok;
}

} // namespace belvane::gui
