#include "gui/stakes_page.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/export_sources.h"
#include "app/stakes_export_sources.h"
#include "app/stakes_service.h"
#include "app/systems_service.h"
#include "app/workspace.h"
#include "gui/action_registry.h"
#include "gui/combs_page.h"
#include "gui/multi_stake_dialog.h"
#include "gui/qt_text.h"
#include "gui/stake_dialog.h"
#include "gui/stake_filter_dialog.h"
#include "gui/stakes_delegate.h"
#include "gui/stakes_model.h"
#include "gui/table_views.h"
#include "gui/xlsx_export_launcher.h"
#include "stakes/stake_texts.h"
#include "support/host.h"
#include "support/translation.h"
#include "systems/system_play.h"

namespace belvane::gui {
namespace {

const QString kMenu = QStringLiteral("Ставки");

size_t selectedRowCount(const QTableView* view)
{
    size_t rows = 0;
    for (const QItemSelectionRange& range : view->selectionModel()->selection())
        rows += static_cast<size_t>(range.height());
    return rows;
}

// Widens the columns whose longest usual text the initial widths cut off in
// this font: six numbers drawn one by one (bold when matched), six matched
// numbers, a profit of a million.
void widenForLongestTexts(QTableView* view)
{
    QFont boldFont = view->font();
    boldFont.setBold(true);
    const QFontMetrics normal(view->font());
    const QFontMetrics bold(boldFont);
    const int padding = 2 * StakesDelegate::TextMargin + normal.horizontalAdvance(QLatin1Char(' '));
    const int numbers = 6 * bold.horizontalAdvance(QStringLiteral("45")) + 5 * StakesDelegate::NumberGap;
    const std::pair<int, int> widest[] = {
        {stakes::StakeNumbersColumn, numbers},
        {stakes::StakeDrawnColumn, numbers},
        {stakes::StakeMatchedColumn, normal.horizontalAdvance(QStringLiteral("45 45 45 45 45 45"))},
        {stakes::LastResultColumn, normal.horizontalAdvance(QStringLiteral("-1000000.00"))},
    };
    for (const auto& [column, width] : widest)
        view->setColumnWidth(column, std::max(view->columnWidth(column), width + padding));
}

} // namespace

StakesPage::StakesPage(PageHost& host, CombsPage& combs)
    : Page(host, QStringLiteral("tsStakes"), tr("Ставки"), Side::Right), combs_(combs)
{
    auto* layout = new QVBoxLayout(this);
    model_ = new StakesModel(ws_.Stakes(), ws_.Host(), this);
    sgStakes_ = MakeTable(this, QStringLiteral("sgStakes"), model_, true);
    sgStakes_->setItemDelegate(new StakesDelegate(sgStakes_));
    sgStakes_->horizontalHeader()->setStretchLastSection(false);
    SetDefaultColumnWidths(sgStakes_,
                           std::vector<int>(stakes::StakeColumnWidths.begin(), stakes::StakeColumnWidths.end()));
    widenForLongestTexts(sgStakes_);
    layout->addWidget(sgStakes_);

    connect(sgStakes_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { host_.updateActions(); });
    // Double-clicking a combination stakes it.
    connect(combs_.combsView(), &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (QAction* add = host_.actions()["StakeAdd"]; add->isEnabled() && index.isValid())
            stakeAdd(combAt(index.row()));
    });
    registerActions();
}

void StakesPage::registerActions()
{
    ActionRegistry& actions = host_.actions();
    auto run = [this](std::function<void()> op) { return [this, op] { host_.run(op); }; };
    actions.add({"StakeAdd", tr("Сделать ставку"), QKeySequence(Qt::Key_F4), {}, [this] {
                     const std::vector<int> rows = SelectedRows(combs_.combsView());
                     stakeAdd(rows.empty() ? std::nullopt : combAt(rows.front()));
                 }});
    actions.add({"StakeAddRandom", tr("Сделать случайную ставку"), QKeySequence(Qt::CTRL | Qt::Key_F4), {}, [this] {
                     if (const auto comb = ws_.Stakes().RandomCombination())
                         stakeAdd(comb);
                 }});
    actions.add({"StakeAddSelected", tr("Сделать ставки для выделенных комбинаций"), {}, {}, [this] {
                     stakeAddFromList(true);
                 }});
    actions.add({"StakeAddAll", tr("Сделать ставки для всех комбинаций"), {}, {}, [this] { stakeAddFromList(false); }});
    actions.add(
        {"StakeDel", tr("Удалить ставку"), QKeySequence(Qt::CTRL | Qt::Key_Delete), {}, [this] { stakeDel(); }});
    actions.add({"StakeFilter", tr("Удалить по условию"), {}, {}, [this] { stakeFilter(); }});
    actions.add({"StakeClear", tr("Удалить все ставки"), {}, {}, [this] { stakeClear(); }});
    actions.add({"StakesCheckManual", tr("Проверить ставки"), QKeySequence(Qt::CTRL | Qt::Key_F5), {}, run([this] {
                     ws_.Stakes().Check();
                 })});
    actions.add({"LogStakes",
                 tr("Журналы ставок"),
                 {},
                 {},
                 [this] {
                     ws_.Stakes().ToggleLog();
                     host_.updateActions();
                 },
                 [this] { return ws_.Stakes().LogEnabled(); }});
    actions.add({"LogStakesDelete", tr("Удалить журналы ставок"), {}, {}, [this] {
                     if (ws_.Stakes().ConfirmDeleteLogs())
                         host_.run([this] { ws_.Stakes().DeleteLogs(); });
                 }});
    actions.add({"StakesScroll",
                 tr("Прокручивать список при добавлении"),
                 {},
                 {},
                 [this] {
                     ws_.Stakes().ToggleScroll();
                     host_.updateActions();
                 },
                 [this] { return ws_.Stakes().ScrollEnabled(); }});
    actions.add({"StakesCheckLine",
                 tr("Проверять ставки после каждой строки сценария"),
                 {},
                 {},
                 [this] {
                     ws_.Stakes().ToggleCheckOnLine();
                     host_.updateActions();
                 },
                 [this] { return ws_.Stakes().CheckOnLine(); }});
    // The captions begin with a Latin "C", as the program has always shown them.
    actions.add({"SystemStakeAll", tr("Cистемная игра по списку системы"), {}, {}, [this] { systemStake(true); }});
    actions.add(
        {"SystemStakeFilter", tr("Cистемная игра по списку комбинаций"), {}, {}, [this] { systemStake(false); }});
    // The combination list deletes its own rows with the same keys.
    actions["StakeDel"]->setShortcutContext(Qt::WidgetWithChildrenShortcut);

    actions.add({"StakesXlsExport", tr("Экспорт ставок в Microsoft Excel"), {}, {}, [this] {
                     ExportViewToXlsx(
                         host_, sgStakes_, std::make_shared<app::StakesExportSource>(ws_.Stakes()),
                         app::MainWindowExportCall(app::StakesGridControl, support::Text(app::StakesExportTitle)));
                 }});
    host_.addToMenu(kMenu, {"StakeAdd", "StakeAddRandom", "StakeAddSelected", "StakeAddAll", nullptr, "StakeDel",
                            "StakeFilter", "StakeClear", nullptr, "StakesCheckManual", "StakesXlsExport", nullptr,
                            "LogStakes", "LogStakesDelete", nullptr, "StakesScroll", "StakesCheckLine"});
    host_.addToMenu(QStringLiteral("Системы"), {"SystemStakeAll", "SystemStakeFilter"});
    sgStakes_->addActions({actions["StakeDel"], actions["StakeFilter"], actions["StakeClear"],
                           actions["StakesCheckManual"], actions["StakesXlsExport"]});
}

void StakesPage::fillSelection(app::ViewSelection& selection) const
{
    selection.StakeRows = selectedRowCount(sgStakes_);
}

void StakesPage::restoreState(const app::WindowStateFile& file)
{
    RestoreColumnWidths(sgStakes_, file, "sgStakes");
}

void StakesPage::saveState(app::WindowClosingState& state)
{
    state.ColumnWidths["sgStakes"] = ColumnWidths(sgStakes_);
}

void StakesPage::operationStarting()
{
    const int first = std::max(sgStakes_->rowAt(0), 0);
    int last = sgStakes_->rowAt(sgStakes_->viewport()->height() - 1);
    if (last < 0)
        last = first + 200;
    model_->freeze(first - FrozenMargin, last + FrozenMargin);
}

void StakesPage::refresh()
{
    // Stakes are appended or checked in place; only a deletion moves rows, and
    // it leaves fewer, so the selection stays unless the file shrank.
    const std::vector<int> selected = SelectedRows(sgStakes_);
    const int current = sgStakes_->currentIndex().row();
    const int before = model_->rowCount();
    model_->reload();
    if (model_->rowCount() < before)
        return;
    if (current >= 0) {
        const bool autoScroll = sgStakes_->hasAutoScroll();
        sgStakes_->setAutoScroll(false);
        sgStakes_->selectionModel()->setCurrentIndex(model_->index(current, 0), QItemSelectionModel::NoUpdate);
        sgStakes_->setAutoScroll(autoScroll);
    }
    SelectRows(sgStakes_, selected);
}

std::optional<model::TComb> StakesPage::combAt(int row) const
{
    const auto combs = ws_.Combinations().Combs();
    if (row < 0 || static_cast<size_t>(row) >= combs.size())
        return std::nullopt;
    return combs[static_cast<size_t>(row)];
}

void StakesPage::scrollToEnd()
{
    if (const int rows = model_->rowCount(); rows > 0)
        sgStakes_->scrollTo(model_->index(rows - 1, 0), QAbstractItemView::PositionAtBottom);
}

// ---- the actions ---------------------------------------------------------------

void StakesPage::stakeAdd(const std::optional<model::TComb>& prefill)
{
    TFormStake dialog(this, ws_.Stakes().PrepareManualStake(prefill));
    if (dialog.exec() != QDialog::Accepted)
        return;
    host_.run([this, stake = dialog.stake(), draws = dialog.drawsCount()] { ws_.Stakes().AddStake(stake, draws); },
              [this] { scrollToEnd(); });
}

void StakesPage::stakeAddFromList(bool selectedOnly)
{
    std::vector<size_t> rows;
    bool allRows = !selectedOnly;
    if (selectedOnly) {
        for (int r : SelectedRows(combs_.combsView()))
            rows.push_back(static_cast<size_t>(r));
        if (rows.empty())
            return;
        if (rows.size() == ws_.Combinations().Count()) { // every row: no list of them
            rows.clear();
            allRows = true;
        }
    }
    TFormMulti dialog(this, ws_.Stakes().NextDrawNumber());
    dialog.setCombinations(allRows ? ws_.Combinations().Count() : rows.size(), ws_.Configuration().Data().Cost);
    if (dialog.exec() != QDialog::Accepted)
        return;
    stakes::MultiStakeRequest request = dialog.request();
    request.ListSize = static_cast<int32_t>(ws_.Combinations().Count());
    auto completed = std::make_shared<bool>(false);
    host_.run([this, rows = std::move(rows), request, allRows,
               completed] { *completed = ws_.Stakes().AddStakes(rows, request, allRows).Completed; },
              [this, selectedOnly, completed] {
                  if (selectedOnly)
                      combs_.combsView()->clearSelection();
                  if (*completed && ws_.Stakes().ScrollEnabled())
                      scrollToEnd();
              });
}

void StakesPage::stakeDel()
{
    // The question is asked while the grid shows the rows it names.
    const std::vector<int> rows = SelectedRows(sgStakes_);
    if (rows.empty() || !ws_.Host().askYesNo(CaptionCaution, DeleteRowsQuestion(rows.size()), false))
        return;
    std::vector<size_t> indices(rows.begin(), rows.end());
    host_.run([this, indices = std::move(indices)] { ws_.Stakes().DeleteRecords(indices); },
              [this] { sgStakes_->clearSelection(); });
}

void StakesPage::stakeClear()
{
    const size_t count = ws_.Stakes().Count();
    if (count == 0 || !ws_.Host().askYesNo(CaptionCaution, DeleteRowsQuestion(count), false))
        return;
    host_.run([this] { ws_.Stakes().Clear(); }, [this] { sgStakes_->clearSelection(); });
}

void StakesPage::stakeFilter()
{
    TFormStakeFilter dialog(this, ws_.Stakes().LastFilterChoice());
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!ws_.Stakes().ConfirmDeleteByMatches(dialog.choice()))
        return;
    host_.run([this, choice = dialog.choice()] { ws_.Stakes().DeleteByMatches(choice); });
}

void StakesPage::systemStake(bool wholeSystem)
{
    auto system = std::make_shared<std::optional<systems::ListSystem>>();
    host_.run([this, system] { *system = ws_.Systems().LoadForList(); },
              [this, system, wholeSystem] {
                  if (*system)
                      stakeSystem(**system, wholeSystem);
              });
}

void StakesPage::stakeSystem(const systems::ListSystem& system, bool wholeSystem)
{
    const stakes::MultiStakeRequest start = ws_.Systems().StakeRequest(system, wholeSystem);
    TFormMulti dialog(this, start.DrawNumber);
    dialog.drawsCountEdit()->setValue(start.DrawsCount);
    dialog.setComment(qs(start.Comment));
    dialog.setCombinations(ws_.Systems().StakeCombinations(system, wholeSystem).size(),
                           ws_.Configuration().Data().Cost);
    if (dialog.exec() != QDialog::Accepted)
        return;
    auto completed = std::make_shared<bool>(false);
    host_.run([this, system, wholeSystem, request = dialog.request(),
               completed] { *completed = ws_.Systems().Stake(system, wholeSystem, request).Completed; },
              [this, completed] {
                  if (*completed)
                      scrollToEnd();
              });
}

} // namespace belvane::gui
