#include "gui/systems_page.h"

#include <QAction>
#include <QDateTime>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>
#include <optional>
#include <vector>

#include "app/configuration_service.h"
#include "app/setting_keys.h"
#include "app/systems_service.h"
#include "app/view_selection.h"
#include "app/window_settings.h"
#include "app/workspace.h"
#include "gui/action_registry.h"
#include "gui/qt_text.h"
#include "gui/system_dialog.h"
#include "gui/systems_model.h"
#include "gui/table_views.h"
#include "gui/wheel_dialog.h"

namespace belvane::gui {
namespace {

const QString kMenu = QStringLiteral("Системы");
constexpr const char* kControl = "lvSystems";

} // namespace

SystemsPage::SystemsPage(PageHost& host) : Page(host, QStringLiteral("tsSystems"), tr("Системы"), Side::Right)
{
    auto* layout = new QVBoxLayout(this);
    model_ = new SystemsModel(this);
    lvSystems_ = MakeTable(this, QString::fromLatin1(kControl), model_, true);
    lvSystems_->horizontalHeader()->setStretchLastSection(false);
    SetDefaultColumnWidths(lvSystems_, {220, 140, 50, 45, 90, 135, 80, 70, 135, 300, 200});
    layout->addWidget(lvSystems_);

    connect(lvSystems_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { host_.updateActions(); });
    connect(lvSystems_, &QTableView::doubleClicked, this, [this] {
        if (QAction* prop = host_.actions()["SystemsProp"]; prop->isEnabled())
            prop->trigger();
    });
    registerActions();
}

void SystemsPage::registerActions()
{
    ActionRegistry& actions = host_.actions();
    actions.add({"SystemsOn",
                 tr("Системная игра"),
                 {},
                 tr("Показать или скрыть закладку систем и системную игру"),
                 [this] { systemsOn(); },
                 [this] { return ws_.Settings().Flag(app::key::SystemsEnabled); }});
    actions.add(
        {"SystemsRefresh", tr("Обновить"), {}, tr("Загрузить список систем с сервера"), [this] { loadList(); }});
    actions.add({"SystemsDownload", tr("Загрузить"), {}, tr("Загрузить выделенные системы на компьютер"), [this] {
                     download();
                 }});
    actions.add({"SystemsAdd", tr("Добавить"), {}, tr("Опубликовать новую систему"), [this] { add(); }});
    actions.add({"SystemsProp", tr("Свойства"), {}, tr("Показать выделенную систему (свою - изменить)"), [this] {
                     properties();
                 }});
    actions.add({"SystemsDel", tr("Удалить"), {}, tr("Удалить свою систему с сервера"), [this] { remove(); }});
    actions.add({"SystemsCreate",
                 tr("Создать систему..."),
                 {},
                 tr("Создать систему с доказанной гарантией для любого количества чисел"),
                 [this] { createWheel(); }});
    host_.addToMenu(kMenu, {nullptr, "SystemsRefresh", "SystemsDownload", nullptr, "SystemsAdd", "SystemsProp",
                            "SystemsDel", nullptr, "SystemsCreate", nullptr, "SystemsOn"});
    lvSystems_->addActions({actions["SystemsRefresh"], actions["SystemsDownload"], actions["SystemsAdd"],
                            actions["SystemsProp"], actions["SystemsDel"], actions["SystemsCreate"]});
}

void SystemsPage::fillSelection(app::ViewSelection& selection) const
{
    const std::vector<int> rows = SelectedRows(lvSystems_);
    for (int r : rows)
        if (const SystemRow* row = model_->row(r); row != nullptr && row->System.Id > 0)
            ++selection.SystemRows;
    const SystemRow* current = rows.empty() ? nullptr : model_->row(rows.front());
    selection.SystemCurrentOwn = current != nullptr && current->System.Id > 0 && current->Own;
}

void SystemsPage::restoreState(const app::WindowStateFile& file)
{
    RestoreColumnWidths(lvSystems_, file, kControl);
}

void SystemsPage::saveState(app::WindowClosingState& state)
{
    state.ColumnWidths[kControl] = ColumnWidths(lvSystems_);
}

void SystemsPage::refresh()
{
    showEnabled();
}

void SystemsPage::showEnabled()
{
    const bool on = ws_.Settings().Flag(app::key::SystemsEnabled);
    QWidget* stack = parentWidget();
    auto* tabs = stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    if (tabs != nullptr && tabs->indexOf(this) >= 0)
        tabs->setTabVisible(tabs->indexOf(this), on);
    for (const char* stake : {"SystemStakeAll", "SystemStakeFilter"})
        if (QAction* action = host_.actions()[stake])
            action->setVisible(on);
}

void SystemsPage::showEvent(QShowEvent* event)
{
    Page::showEvent(event);
    // The first look at the page asks the service, when there is one; without
    // one the list stays empty until "Обновить" says why.
    if (loaded_ || ws_.Configuration().Online().ServiceUrl.empty())
        return;
    QTimer::singleShot(0, this, [this] {
        if (!loaded_ && isVisible() && !host_.isRunning() && ws_.Settings().Flag(app::key::SystemsEnabled))
            loadList();
    });
}

void SystemsPage::systemsOn()
{
    const bool on = !ws_.Settings().Flag(app::key::SystemsEnabled);
    if (!ws_.SetSetting(app::key::SystemsEnabled, on ? 1 : 0))
        return;
    showEnabled();
    host_.updateActions();
    if (on)
        loadList();
}

int SystemsPage::currentRow() const
{
    const std::vector<int> rows = SelectedRows(lvSystems_);
    return rows.empty() ? -1 : rows.front();
}

void SystemsPage::makeCurrent(int row)
{
    if (model_->row(row) == nullptr) {
        lvSystems_->clearSelection();
        return;
    }
    const QModelIndex index = model_->index(row, 0);
    lvSystems_->selectionModel()->setCurrentIndex(index,
                                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    lvSystems_->scrollTo(index);
}

SystemRow SystemsPage::rowFor(const systems::tSystemData& system) const
{
    SystemRow row;
    row.System = system;
    row.System.Combs.clear(); // the lines are fetched when they are needed
    if (system.Id > 0) {
        row.Loaded = ws_.Systems().LocalFile(system).has_value();
        row.Own = ws_.Systems().IsOwn(system);
    }
    return row;
}

void SystemsPage::updateStatuses()
{
    for (int r = 0; r < model_->rowCount(); ++r)
        model_->setRow(r, rowFor(model_->row(r)->System));
}

// ---- the actions ---------------------------------------------------------------

void SystemsPage::loadList()
{
    const SystemRow* current = model_->row(currentRow());
    const int32_t keep = current != nullptr ? current->System.Id : 0;
    auto catalogue = std::make_shared<app::SystemsCatalogue>();
    host_.run([this, catalogue] { *catalogue = ws_.Systems().ListOnline(); },
              [this, catalogue, keep] {
                  std::vector<SystemRow> rows;
                  rows.reserve(catalogue->Systems.size());
                  for (const systems::tSystemData& s : catalogue->Systems)
                      rows.push_back(rowFor(s));
                  model_->reset(std::move(rows));
                  loaded_ = true;
                  makeCurrent(model_->rowOf(keep));
              });
}

void SystemsPage::download()
{
    std::vector<systems::tSystemData> chosen;
    for (int r : SelectedRows(lvSystems_))
        if (const SystemRow* row = model_->row(r); row != nullptr && row->System.Id > 0)
            chosen.push_back(row->System);
    if (chosen.empty())
        return;
    host_.run([this, chosen = std::move(chosen)] { ws_.Systems().DownloadOnline(chosen); },
              [this] { updateStatuses(); });
}

void SystemsPage::add()
{
    TFormSystem dialog(this, ws_.Systems().NewSystem(), true,
                       [this](const std::filesystem::path& path) { return ws_.Files().ownFileRefusal(path); });
    if (dialog.exec() != QDialog::Accepted)
        return;
    auto answer = std::make_shared<std::optional<int32_t>>();
    host_.run([this, edited = dialog.system(), answer] { *answer = ws_.Systems().PublishOnline(edited); },
              [this, edited = dialog.system(), answer] {
                  if (!*answer || **answer < 0)
                      return;
                  // The new system as it was sent, created now; the placeholder of
                  // an unavailable list gives way to it.
                  systems::tSystemData added = edited;
                  added.Id = **answer;
                  added.CombCount = systems::NormalizeSystemCombs(edited.Combs).CombCount;
                  added.Created = QDateTime::currentSecsSinceEpoch();
                  if (const SystemRow* first = model_->row(0); first != nullptr && first->System.Id <= 0)
                      model_->remove(0);
                  makeCurrent(model_->append(rowFor(added)));
              });
}

void SystemsPage::properties()
{
    const SystemRow* row = model_->row(currentRow());
    if (row == nullptr || row->System.Id <= 0)
        return;
    auto combs = std::make_shared<std::optional<std::string>>();
    host_.run([this, system = row->System, combs] { *combs = ws_.Systems().FetchOnline(system); },
              [this, id = row->System.Id, combs] {
                  if (*combs)
                      showProperties(id, **combs);
              });
}

void SystemsPage::showProperties(int32_t id, const std::string& combs)
{
    const int at = model_->rowOf(id);
    if (at < 0)
        return;
    const SystemRow row = *model_->row(at);
    systems::tSystemData shown = row.System;
    shown.Combs = combs;
    TFormSystem dialog(this, shown, row.Own,
                       [this](const std::filesystem::path& path) { return ws_.Files().ownFileRefusal(path); });
    if (dialog.exec() != QDialog::Accepted || !row.Own)
        return;
    auto answer = std::make_shared<std::optional<int32_t>>();
    host_.run([this, edited = dialog.system(), answer] { *answer = ws_.Systems().PublishOnline(edited); },
              [this, edited = dialog.system(), answer] {
                  const int changed = model_->rowOf(edited.Id);
                  if (!*answer || changed < 0)
                      return;
                  systems::tSystemData updated = edited;
                  updated.CombCount = systems::NormalizeSystemCombs(edited.Combs).CombCount;
                  model_->setRow(changed, rowFor(updated));
              });
}

void SystemsPage::createWheel()
{
    TFormWheel(this, host_).exec();
    // A system installed there may be one the list shows.
    updateStatuses();
}

void SystemsPage::remove()
{
    const SystemRow* row = model_->row(currentRow());
    if (row == nullptr || row->System.Id <= 0)
        return;
    if (!ws_.Host().askYesNo(CaptionConfirm, app::DeleteSystemQuestion(row->System.Title), false))
        return;
    auto removed = std::make_shared<bool>(false);
    host_.run([this, system = row->System, removed] { *removed = ws_.Systems().DeleteOnline(system); },
              [this, id = row->System.Id, removed] {
                  if (*removed)
                      model_->remove(model_->rowOf(id));
              });
}

} // namespace belvane::gui
