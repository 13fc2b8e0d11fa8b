#include "gui/tables_page.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QVBoxLayout>
#include <memory>
#include <optional>
#include <vector>

#include "app/tables_service.h"
#include "app/workspace.h"
#include "gui/action_registry.h"
#include "gui/combs_page.h"
#include "gui/qt_text.h"
#include "gui/stake_dialog.h"
#include "gui/stakes_page.h"
#include "gui/table_dialog.h"
#include "gui/table_views.h"
#include "gui/tables_model.h"
#include "stakes/regular_rules.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::gui {
namespace {

const QString kMenu = QStringLiteral("Ставки");

std::vector<size_t> toIndices(const std::vector<int>& rows)
{
    return std::vector<size_t>(rows.begin(), rows.end());
}

} // namespace

TablesPage::TablesPage(PageHost& host, CombsPage& combs, StakesPage& stakesPage)
    : Page(host, QStringLiteral("tsTables"), qs(support::Text(stakes::TablesPageCaption)), Side::Right), combs_(combs),
      stakes_(stakesPage)
{
    auto* layout = new QVBoxLayout(this);
    model_ = new TablesModel(this);
    lvTables_ = MakeTable(this, QStringLiteral("lvTables"), model_, true);
    lvTables_->horizontalHeader()->setStretchLastSection(true);
    SetDefaultColumnWidths(lvTables_, {240, 150, 50, 150, 60});
    layout->addWidget(lvTables_);
    connect(lvTables_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { host_.updateActions(); });
    registerActions();
}

void TablesPage::registerActions()
{
    ActionRegistry& actions = host_.actions();
    actions.add({"TablesAdd", tr("Добавить регулярную ставку"), {}, {}, [this] { tablesAdd(); }});
    actions.add({"TablesDel", tr("Удалить регулярную ставку"), {}, {}, [this] { tablesDel(); }});
    actions.add({"TablesStakeAdd", tr("Сделать ставку по регуляру"), {}, {}, [this] { tablesStakeAdd(); }});
    actions.add({"TablesStakeTest", tr("Тест регуляров"), {}, {}, [this] { tablesStakeTest(); }});
    actions.add({"TabTables",
                 tr("Вкладка \"Регуляры\""),
                 {},
                 tr("Показать или скрыть закладку \"Регуляры\""),
                 [this] { toggleTab(); },
                 [this] { return ws_.Tables().Visible(); }});
    host_.addToMenu(kMenu, {nullptr, "TablesAdd", "TablesDel", "TablesStakeAdd", "TablesStakeTest"});
    host_.addToMenu(QStringLiteral("Вид"), {"TabTables"});
    lvTables_->addActions(
        {actions["TablesAdd"], actions["TablesDel"], actions["TablesStakeAdd"], actions["TablesStakeTest"]});
}

void TablesPage::fillSelection(app::ViewSelection& selection) const
{
    const std::vector<int> rows = SelectedRows(lvTables_);
    selection.TableRows = rows.size();
    selection.TableCurrent = rows.empty() ? -1 : rows.front();
}

void TablesPage::restoreState(const app::WindowStateFile& file)
{
    RestoreColumnWidths(lvTables_, file, "lvTables");
}

void TablesPage::saveState(app::WindowClosingState& state)
{
    state.ColumnWidths["lvTables"] = ColumnWidths(lvTables_);
}

void TablesPage::refresh()
{
    // Rows are added at the end and deleted from the selection: the selected
    // rows that are still there stay selected.
    std::vector<int> selected = SelectedRows(lvTables_);
    model_->reload(ws_);
    std::erase_if(selected, [this](int r) { return r >= model_->rowCount(); });
    SelectRows(lvTables_, selected);
    setTabShown(ws_.Tables().Visible());
}

void TablesPage::tablesAdd()
{
    const std::vector<size_t> rows = toIndices(SelectedRows(combs_.combsView()));
    TFormTable dialog(this, ws_.Tables().PrepareNew(rows), rows.size(), ws_.Tables().Comments());
    if (dialog.exec() != QDialog::Accepted)
        return;
    host_.run([this, request = dialog.request(), rows] { ws_.Tables().Add(request, rows); });
}

void TablesPage::tablesDel()
{
    const std::vector<int> rows = SelectedRows(lvTables_);
    if (rows.empty() || !ws_.Host().askYesNo(CaptionCaution, DeleteRowsQuestion(rows.size()), false))
        return;
    host_.run([this, indices = toIndices(rows)] { ws_.Tables().Delete(indices); },
              [this] { lvTables_->clearSelection(); });
}

void TablesPage::tablesStakeAdd()
{
    const std::vector<int> rows = SelectedRows(lvTables_);
    if (rows.empty())
        return;
    const auto prepared = ws_.Tables().PrepareStake(static_cast<size_t>(rows.front()));
    if (!prepared)
        return;
    TFormStake dialog(this, prepared->Stake);
    if (dialog.exec() != QDialog::Accepted)
        return; // the regular stake stays where it was
    host_.run([this, regular = *prepared, stake = dialog.stake(),
               draws = dialog.drawsCount()] { ws_.Tables().MakeStake(regular, stake, draws); },
              [this] { stakes_.scrollToEnd(); });
}

void TablesPage::tablesStakeTest()
{
    const std::vector<size_t> rows = toIndices(SelectedRows(lvTables_));
    if (rows.empty())
        return;
    const std::optional<int> count = ws_.Tables().AskTestCount();
    if (!count)
        return;
    auto result = std::make_shared<app::RegularTestResult>();
    host_.run([this, tests = *count, rows, result] { *result = ws_.Tables().Test(tests, rows); },
              [this, result] {
                  if (result->Stakes > 0 && !result->Failed)
                      stakes_.scrollToEnd();
              });
}

void TablesPage::toggleTab()
{
    const bool show = !ws_.Tables().Visible();
    host_.run([this, show] { ws_.Tables().SetVisible(show); },
              [this, show] {
                  setTabShown(show);
                  if (show)
                      makeCurrent();
              });
}

} // namespace belvane::gui
