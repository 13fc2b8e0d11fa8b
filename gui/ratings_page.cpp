#include "gui/ratings_page.h"

#include <QActionGroup>
#include <QChartView>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <memory>

#include "app/analysis_service.h"
#include "app/export_sources.h"
#include "app/ratings_service.h"
#include "app/stakes_export_sources.h"
#include "app/configuration_service.h"
#include "app/workspace.h"
#include "frontend/qt_chart.h"
#include "gui/action_registry.h"
#include "gui/file_filters.h"
#include "gui/graph_window.h"
#include "gui/qt_text.h"
#include "gui/ratings_model.h"
#include "gui/table_views.h"
#include "gui/xlsx_export_launcher.h"
#include "stakes/ratings_ops.h"
#include "views/chance_chart.h"
#include "support/translation.h"

namespace belvane::gui {
namespace {

const QString kMenu = QStringLiteral("Ставки");
constexpr std::array<const char*, 3> kModeActions = {"RatingsEffMode0", "RatingsEffMode1", "RatingsEffMode2"};

constexpr int kProfitColumn = 4;
constexpr int kAverageProfitColumn = 5;

// Widens the columns whose long values the initial widths would cut off: the
// profits of many stakes, and a six in the relative efficiency of one stake.
void widenForLongestTexts(QTableView* view)
{
    const QFontMetrics metrics(view->font());
    const int padding = 2 * metrics.horizontalAdvance(QLatin1Char(' '));
    const int profit = metrics.horizontalAdvance(QStringLiteral("-100000000.00")) + padding;
    const int efficiency = metrics.horizontalAdvance(QStringLiteral("814506000.000%")) + padding;
    for (int column : {kProfitColumn, kAverageProfitColumn})
        view->setColumnWidth(column, std::max(view->columnWidth(column), profit));
    for (int column = stakes::FirstEfficiencyColumn; column < stakes::RatingsColumnCount; ++column)
        view->setColumnWidth(column, std::max(view->columnWidth(column), efficiency));
}

} // namespace

RatingsPage::RatingsPage(PageHost& host) : Page(host, QStringLiteral("tsRatings"), tr("Рейтинг"), Side::Right)
{
    auto* layout = new QVBoxLayout(this);
    model_ = new RatingsModel(this);
    lvRatings_ = MakeTable(this, QStringLiteral("lvRatings"), model_, true);
    QHeaderView* header = lvRatings_->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    SetDefaultColumnWidths(
        lvRatings_, {320, 60, 60, 60, 80, 80, 50, 50, 50, 50, 50, 50, 50, 80, 80, 80, 80, 80, 80, 80, 70, 70, 90, 220});
    widenForLongestTexts(lvRatings_);

    // Below the list: the current row beside random play, as a chart and in figures.
    auto* chance = new QWidget(this);
    chance->setObjectName(QStringLiteral("pnlRatingsChance"));
    auto* chanceLayout = new QHBoxLayout(chance);
    chanceLayout->setContentsMargins(0, 0, 0, 0);
    crtChance_ = new QChartView(new QChart, chance);
    crtChance_->setObjectName(QStringLiteral("crtRatingsChance"));
    crtChance_->setRenderHint(QPainter::Antialiasing);
    mmChance_ = new QPlainTextEdit(chance);
    mmChance_->setObjectName(QStringLiteral("mmRatingsChance"));
    mmChance_->setReadOnly(true);
    mmChance_->setLineWrapMode(QPlainTextEdit::NoWrap);
    mmChance_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    chanceLayout->addWidget(crtChance_, 1);
    chanceLayout->addWidget(mmChance_, 1);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("spRatings"));
    splitter->addWidget(lvRatings_);
    splitter->addWidget(chance);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter);

    connect(header, &QHeaderView::sectionClicked, this, &RatingsPage::sortBy);
    connect(lvRatings_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { host_.updateActions(); });
    connect(lvRatings_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { showChance(); });
    registerActions();
}

void RatingsPage::registerActions()
{
    ActionRegistry& actions = host_.actions();
    actions.add({"RatingsRefresh", tr("Обновить рейтинг"), QKeySequence(Qt::Key_F5), {}, [this] {
                     host_.run([this] { ws_.Ratings().Refresh(); });
                 }});
    actions.add({"RatingsExport", tr("Экспорт рейтинга в CSV-файл"), {}, {}, [this] { ratingsExport(); }});
    auto* modes = new QActionGroup(this);
    for (size_t m = 0; m < kModeActions.size(); ++m) {
        const auto mode = static_cast<stakes::EfficiencyMode>(m);
        QAction* action = actions.add({kModeActions[m],
                                       qs(support::Text(stakes::EfficiencyModeCaptions[m])),
                                       {},
                                       {},
                                       [this, mode] {
                                           ws_.Ratings().SetMode(mode);
                                           refresh();
                                           host_.updateActions();
                                       },
                                       [this, mode] { return ws_.Ratings().Mode() == mode; }});
        modes->addAction(action);
    }

    actions.add({"RatingsToScript", tr("Добавить в сценарий"), {}, {}, [this] { toScript(); }});
    actions.add({"RatingsGraphOverlap", tr("Количество совпадений"), {}, {}, [this] { graphOverlap(); }});
    actions.add({"StakesGraphDraws", tr("Суммарный профит по тиражам"), QKeySequence(Qt::Key_F6), {}, [this] {
                     stakesGraph("StakesGraphDraws");
                 }});
    actions.add({"StakesGraphOverlap", tr("График совпадений ставок"), QKeySequence(Qt::CTRL | Qt::Key_F6), {}, [this] {
                     stakesGraph("StakesGraphOverlap");
                 }});
    actions.add(
        {"StakesGraphProfits", tr("График профита ставок"), {}, {}, [this] { stakesGraph("StakesGraphProfits"); }});

    actions.add({"RatingsXlsExport", tr("Экспорт рейтинга в Microsoft Excel"), {}, {}, [this] {
                     ExportViewToXlsx(
                         host_, lvRatings_, std::make_shared<app::RatingsExportSource>(ws_.Ratings()),
                         app::MainWindowExportCall(app::RatingsListControl, support::Text(app::RatingsExportTitle)));
                 }});
    host_.addToMenu(kMenu, {nullptr, "RatingsRefresh", "RatingsExport", "RatingsXlsExport", "RatingsToScript", nullptr,
                            kModeActions[0], kModeActions[1], kModeActions[2], nullptr, "RatingsGraphOverlap",
                            "StakesGraphDraws", "StakesGraphOverlap", "StakesGraphProfits"});
    lvRatings_->addActions({actions["RatingsRefresh"], actions["RatingsExport"], actions["RatingsXlsExport"],
                            actions["RatingsToScript"], actions["RatingsGraphOverlap"], actions["StakesGraphOverlap"],
                            actions["StakesGraphProfits"]});
    // Double-clicking a row shows its matches distribution.
    connect(lvRatings_, &QTableView::doubleClicked, this, [this] {
        if (QAction* graph = host_.actions()["RatingsGraphOverlap"]; graph->isEnabled())
            graph->trigger();
    });
}

void RatingsPage::fillSelection(app::ViewSelection& selection) const
{
    size_t rows = 0;
    for (const QItemSelectionRange& range : lvRatings_->selectionModel()->selection())
        rows += static_cast<size_t>(range.height());
    selection.RatingRows = rows;
}

void RatingsPage::restoreState(const app::WindowStateFile& file)
{
    RestoreColumnWidths(lvRatings_, file, "lvRatings");
    // The order the ratings are sorted in when they are loaded.
    if (const auto sort = app::LoadListSort(file, app::MainWindowSection, "lvRatings"))
        ws_.Ratings().Ratings().setSortOrder(sort->Column, sort->Direction != 0);
}

void RatingsPage::saveState(app::WindowClosingState& state)
{
    state.ColumnWidths["lvRatings"] = ColumnWidths(lvRatings_);
    const stakes::Ratings& ratings = ws_.Ratings().Ratings();
    state.ListSorts["lvRatings"] = {ratings.sortColumn(), ratings.descending() ? 1 : 0};
}

void RatingsPage::refresh()
{
    // The selection follows its rows' keys through a sort.
    const std::vector<std::string> keys = model_->keysOfRows(SelectedRows(lvRatings_));
    model_->reload(ws_);
    SelectRows(lvRatings_, model_->rowsOfKeys(keys));
    showSortOrder();
    showChance();
}

void RatingsPage::showChance()
{
    const int row = lvRatings_->currentIndex().isValid() ? lvRatings_->currentIndex().row() : -1;
    const stakes::RatingRecord* record = model_->record(row);
    const stakes::RowChance* chance = model_->chance(row);
    if (record == nullptr || chance == nullptr || chance->Comparison.Stakes <= 0) {
        shownChanceKey_.clear();
        crtChance_->setChart(new QChart);
        mmChance_->setPlainText(tr("Выберите строку рейтинга с проверенными ставками: здесь она будет сравнена со "
                                   "случайной игрой."));
        return;
    }
    // The profit's exact tail for this row only: it takes longer than the list's figures.
    const stakes::RowChance shown = stakes::WithProfitTail(*chance, *record, ws_.Configuration().Data());
    shownChanceKey_ = record->Key;
    QChart* old = crtChance_->chart();
    crtChance_->setChart(chart::MakeQChart(views::ChanceComparisonChart(*record, shown.Comparison), true));
    delete old;
    mmChance_->setPlainText(qs(stakes::ChanceReportText(*record, shown, model_->rowsCompared())));
}

void RatingsPage::showSortOrder()
{
    const stakes::Ratings& ratings = ws_.Ratings().Ratings();
    lvRatings_->horizontalHeader()->setSortIndicator(ratings.sortColumn(),
                                                     ratings.descending() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void RatingsPage::sortBy(int column)
{
    // The comparison's columns follow from the others; the ratings do not sort by them.
    if (host_.isRunning() || ws_.IsBusy() || column >= stakes::RatingsColumnCount) {
        showSortOrder(); // the click changed nothing
        return;
    }
    const stakes::Ratings& ratings = ws_.Ratings().Ratings();
    const bool descending = column == ratings.sortColumn() && !ratings.descending();
    host_.run([this, column, descending] { ws_.Ratings().Sort(column, descending); });
}

std::vector<size_t> RatingsPage::selectedRatingRows() const
{
    std::vector<size_t> rows;
    for (int r : SelectedRows(lvRatings_))
        rows.push_back(static_cast<size_t>(r));
    return rows;
}

void RatingsPage::toScript()
{
    auto added = std::make_shared<int>(0);
    host_.run([this, rows = selectedRatingRows(), added] { *added = ws_.Ratings().ToScript(rows); },
              [this, added] {
                  // The scenario page shows the new lines.
                  if (*added > 0)
                      if (auto* script = window()->findChild<Page*>(QStringLiteral("tsScript")))
                          script->makeCurrent();
              });
}

void RatingsPage::graphOverlap()
{
    if (const auto chart = ws_.Analysis().MatchDistributionGraph(selectedRatingRows()))
        ShowGraph(this, *chart, host_.actions()["RatingsGraphOverlap"]->text());
}

void RatingsPage::stakesGraph(const char* action)
{
    const std::string name = action;
    auto chart = std::make_shared<std::optional<views::Chart>>();
    host_.run(
        [this, name, rows = selectedRatingRows(), chart] {
            app::AnalysisService& analysis = ws_.Analysis();
            if (name == "StakesGraphDraws")
                *chart = analysis.StakesProfitGraph();
            else
                *chart = analysis.SelectedStakesGraph(rows, name == "StakesGraphOverlap" ? views::StakeMeasure::Matches
                                                                                         : views::StakeMeasure::Profit);
        },
        [this, action, chart] {
            if (*chart)
                ShowGraph(this, **chart, host_.actions()[action]->text());
        });
}

void RatingsPage::ratingsExport()
{
    QString file = QFileDialog::getSaveFileName(this, host_.actions()["RatingsExport"]->text(), QString(),
                                                FileFilter(stakes::RatingsCsvFilter));
    if (file.isEmpty())
        return;
    const QString suffix = QLatin1Char('.') + qs(stakes::RatingsCsvExtension);
    if (!file.endsWith(suffix, Qt::CaseInsensitive))
        file += suffix;
    host_.run([this, path = ss(file)] { ws_.Ratings().ExportCsv(path); });
}

} // namespace belvane::gui
