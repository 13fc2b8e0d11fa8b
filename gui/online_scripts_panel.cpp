#include "gui/online_scripts_panel.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "app/configuration_service.h"
#include "app/library_service.h"
#include "app/setting_keys.h"
#include "app/view_selection.h"
#include "app/window_settings.h"
#include "app/workspace.h"
#include "exchange/exchange_client.h"
#include "gui/action_registry.h"
#include "gui/library_model.h"
#include "gui/page.h"
#include "gui/qt_text.h"
#include "gui/script_public_dialog.h"
#include "gui/script_rates_dialog.h"
#include "gui/table_views.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::gui {
namespace {

constexpr const char* kControl = "lvOnlineScripts";
constexpr const char* kRateActions[] = {"ScriptLibraryRate1", "ScriptLibraryRate2", "ScriptLibraryRate3",
                                        "ScriptLibraryRate4", "ScriptLibraryRate5"};
constexpr const char* kRateCaptions[] = {
    QT_TRANSLATE_NOOP("belvane::gui::OnlineScriptsPanel", "[ 1 ] - Бесполезно"),
    QT_TRANSLATE_NOOP("belvane::gui::OnlineScriptsPanel", "[ 2 ] - Плохо"),
    QT_TRANSLATE_NOOP("belvane::gui::OnlineScriptsPanel", "[ 3 ] - Удовлетворительно"),
    QT_TRANSLATE_NOOP("belvane::gui::OnlineScriptsPanel", "[ 4 ] - Хорошо"),
    QT_TRANSLATE_NOOP("belvane::gui::OnlineScriptsPanel", "[ 5 ] - Отлично")};

// The dialog's OK: the title and the author, the title's uniqueness asked of
// the service on the worker thread while the dialog stays open.
TFormScrPublic::Checker serviceCheck(PageHost& host)
{
    return [&host](const scenario::tScriptData& data, TFormScrPublic::Done done) {
        if (host.isRunning()) {
            done(ss(OnlineScriptsPanel::tr("Дождитесь завершения текущей операции.")));
            return;
        }
        auto refusal = std::make_shared<std::optional<std::string>>();
        host.run([&host, data, refusal] { *refusal = host.workspace().Library().DialogRefusal(data); },
                 [refusal, done] { done(*refusal); });
    };
}

} // namespace

OnlineScriptsPanel::OnlineScriptsPanel(PageHost& host, QWidget* parent)
    : QWidget(parent), host_(host), ws_(host.workspace())
{
    setObjectName(QStringLiteral("pnlOnlineScripts"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    auto* caption = new QLabel(tr("Online каталог сценариев"), this);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    top->addWidget(caption);
    top->addStretch(1);
    cbOnlineScriptsFilter_ = new QComboBox(this);
    cbOnlineScriptsFilter_->setObjectName(QStringLiteral("cbOnlineScriptsFilter"));
    for (int i = 0; i < scenario::LibraryFilterCount; ++i)
        cbOnlineScriptsFilter_->addItem(qs(scenario::LibraryFilterCaption(i)));
    const int filter = ws_.Settings().Get(app::key::ScriptLibraryFilter);
    cbOnlineScriptsFilter_->setCurrentIndex(
        filter >= 0 && filter < scenario::LibraryFilterCount ? filter : scenario::DefaultLibraryFilter);
    cbOnlineScriptsFilter_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    top->addWidget(cbOnlineScriptsFilter_);
    layout->addLayout(top);

    model_ = new LibraryModel(this);
    lvOnlineScripts_ = MakeTable(this, QString::fromLatin1(kControl), model_, true);
    lvOnlineScripts_->horizontalHeader()->setStretchLastSection(false);
    SetDefaultColumnWidths(lvOnlineScripts_, {90, 220, 120, 110, 55, 80, 135, 65, 60, 85, 65, 135, 300});
    layout->addWidget(lvOnlineScripts_, 1);

    // The service filters: another filter is another list.
    connect(cbOnlineScriptsFilter_, &QComboBox::currentIndexChanged, this, [this] {
        if (!host_.isRunning())
            loadList();
    });
    connect(lvOnlineScripts_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { host_.updateActions(); });
    connect(lvOnlineScripts_, &QTableView::doubleClicked, this, [this] {
        if (QAction* properties = host_.actions()["ScriptLibraryView"]; properties->isEnabled())
            properties->trigger();
    });
}

void OnlineScriptsPanel::registerActions()
{
    ActionRegistry& actions = host_.actions();
    actions.add({"ScriptLibrary", tr("Online каталог сценариев"), QKeySequence(Qt::CTRL | Qt::Key_L),
                 tr("Показать или скрыть online каталог сценариев"), [this] { toggle(); },
                 [this] { return ws_.Settings().Flag(app::key::ScriptLibraryOn); }});
    actions.add(
        {"ScriptLibraryRefresh", tr("Обновить"), {}, tr("Загрузить online каталог сценариев с сервера"), [this] {
             loadList();
         }});
    actions.add({"ScriptLibraryDownload",
                 tr("Скачать из каталога"),
                 {},
                 tr("Заменить рабочий сценарий выделенным сценарием каталога"),
                 [this] { download(); }});
    actions.add(
        {"ScriptLibraryUpload", tr("Опубликовать"), {}, tr("Опубликовать рабочий сценарий в online каталоге"), [this] {
             upload();
         }});
    actions.add(
        {"ScriptLibraryReplace", tr("Изменить"), {}, tr("Заменить свой сценарий каталога рабочим сценарием"), [this] {
             replace();
         }});
    actions.add({"ScriptLibraryDelete", tr("Удалить"), {}, tr("Удалить свой сценарий из online каталога"), [this] {
                     remove();
                 }});
    actions.add({"ScriptLibraryView",
                 tr("Свойства сценария"),
                 {},
                 tr("Показать свойства выделенного сценария каталога"),
                 [this] { view(); }});
    actions.add({"ScriptLibraryRates",
                 tr("Просмотр оценок"),
                 {},
                 tr("Показать оценки пользователей выделенного сценария"),
                 [this] { rates(); }});
    for (int value = 1; value <= scenario::MaxRating; ++value) {
        const auto i = static_cast<size_t>(value - 1);
        actions.add({kRateActions[i],
                     tr(kRateCaptions[i]),
                     {},
                     tr("Оценить выделенный сценарий каталога"),
                     [this, value] { rate(value); },
                     [this, value] { return currentRating() == value; }});
    }
    actions.add(
        {"ScriptLibraryRate0", tr("Удалить оценку"), {}, tr("Удалить свою оценку выделенного сценария"), [this] {
             rate(0);
         }});
    actions.add({"ScriptLibraryHide",
                 tr("Скрыть сценарий"),
                 {},
                 tr("Скрыть выделенный сценарий из своего списка по умолчанию"),
                 [this] { rate(scenario::HiddenRating); },
                 [this] { return currentRating() == scenario::HiddenRating; }});

    // The menu carries the actions whose captions say what they do beside
    // the scenario's own; the list's menu has them all.
    host_.addToMenu(QStringLiteral("Сценарий"),
                    {nullptr, "ScriptLibrary", "ScriptLibraryDownload", "ScriptLibraryUpload"});

    // The list's own menu, the ratings in a submenu.
    auto* rateMenu = new QMenu(tr("Оценить сценарий"), this);
    rateMenu->setObjectName(QStringLiteral("menuScriptRate"));
    for (const char* name : kRateActions)
        rateMenu->addAction(actions[name]);
    rateMenu->addSeparator();
    rateMenu->addAction(actions["ScriptLibraryRate0"]);
    auto separator = [this] {
        auto* s = new QAction(lvOnlineScripts_);
        s->setSeparator(true);
        return s;
    };
    lvOnlineScripts_->addActions(
        {actions["ScriptLibraryRefresh"], separator(), actions["ScriptLibraryDownload"], actions["ScriptLibraryUpload"],
         actions["ScriptLibraryReplace"], actions["ScriptLibraryDelete"], separator(), actions["ScriptLibraryView"],
         actions["ScriptLibraryRates"], separator(), rateMenu->menuAction(), actions["ScriptLibraryHide"]});
}

void OnlineScriptsPanel::fillSelection(app::ViewSelection& selection) const
{
    const std::vector<int> rows = SelectedRows(lvOnlineScripts_);
    selection.LibraryRows = rows.size();
    const scenario::tScriptInfo* current = rows.empty() ? nullptr : model_->entry(rows.front());
    selection.LibraryCurrentUsable = current != nullptr && current->Usable;
    selection.LibraryCurrentEditable = current != nullptr && current->Editable;
}

void OnlineScriptsPanel::restoreState(const app::WindowStateFile& file)
{
    RestoreColumnWidths(lvOnlineScripts_, file, kControl);
}

void OnlineScriptsPanel::saveState(app::WindowClosingState& state)
{
    state.ColumnWidths[kControl] = ColumnWidths(lvOnlineScripts_);
    ws_.SetSetting(app::key::ScriptLibraryFilter, cbOnlineScriptsFilter_->currentIndex());
}

void OnlineScriptsPanel::showEnabled()
{
    setVisible(ws_.Settings().Flag(app::key::ScriptLibraryOn));
}

void OnlineScriptsPanel::pageShown()
{
    if (loaded_ || ws_.Configuration().Online().ServiceUrl.empty())
        return;
    QTimer::singleShot(0, this, [this] {
        if (!loaded_ && isVisible() && !host_.isRunning())
            loadList();
    });
}

void OnlineScriptsPanel::toggle()
{
    const bool on = !ws_.Settings().Flag(app::key::ScriptLibraryOn);
    if (!ws_.SetSetting(app::key::ScriptLibraryOn, on ? 1 : 0))
        return;
    showEnabled();
    host_.updateActions();
    if (on && !loaded_)
        pageShown();
}

int OnlineScriptsPanel::currentRow() const
{
    const std::vector<int> rows = SelectedRows(lvOnlineScripts_);
    return rows.empty() ? -1 : rows.front();
}

void OnlineScriptsPanel::makeCurrent(int row)
{
    if (model_->entry(row) == nullptr) {
        lvOnlineScripts_->clearSelection();
        return;
    }
    const QModelIndex index = model_->index(row, 0);
    lvOnlineScripts_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                                   QItemSelectionModel::Rows);
    lvOnlineScripts_->scrollTo(index);
}

int OnlineScriptsPanel::currentRating() const
{
    const scenario::tScriptInfo* e = model_->entry(currentRow());
    return e != nullptr ? e->YourRating : 0;
}

// ---- the actions ---------------------------------------------------------------

void OnlineScriptsPanel::loadList()
{
    const scenario::tScriptInfo* current = model_->entry(currentRow());
    const std::optional<int32_t> keep = current != nullptr ? std::optional(current->Id) : std::nullopt;
    auto entries = std::make_shared<std::optional<std::vector<scenario::tScriptInfo>>>();
    host_.run(
        [this, entries, filter = cbOnlineScriptsFilter_->currentIndex()] { *entries = ws_.Library().List(filter); },
        [this, entries, keep] {
            if (!*entries)
                return; // the list stays as it was
            model_->reset(std::move(**entries));
            loaded_ = true;
            makeCurrent(keep ? model_->rowOf(*keep) : -1);
        });
}

void OnlineScriptsPanel::download()
{
    const scenario::tScriptInfo* e = model_->entry(currentRow());
    if (e == nullptr || !e->Usable || !ws_.Library().ConfirmDownload(*e))
        return;
    host_.run([this, entry = *e] { ws_.Library().Download(entry); });
}

void OnlineScriptsPanel::upload()
{
    TFormScrPublic dialog(this, ws_.Library().NewData(), true, serviceCheck(host_));
    if (dialog.exec() != QDialog::Accepted)
        return;
    auto id = std::make_shared<std::optional<int32_t>>();
    host_.run([this, data = dialog.data(), id] { *id = ws_.Library().Publish(data); },
              [this, data = dialog.data(), id] {
                  if (!*id || **id <= 0)
                      return;
                  // The new entry as it was sent: the user's own, created now, no ratings yet.
                  scenario::tScriptInfo e;
                  e.Id = **id;
                  e.AuthorName = data.AuthorName;
                  e.AuthorMail = ws_.Configuration().Online().UserMail;
                  e.Lcid = data.Lcid;
                  e.AppName = std::string(exchange::ApplicationId);
                  e.AppVersion = std::string(exchange::ApplicationVersion);
                  e.AppGuid = data.Universal ? std::string() : std::string(exchange::ApplicationId);
                  e.Universal = data.Universal;
                  e.Public = data.Public;
                  e.Created = QDateTime::currentSecsSinceEpoch();
                  e.Title = data.Title;
                  e.Description = data.Description;
                  e.Own = e.Usable = e.Editable = true;
                  makeCurrent(model_->append(std::move(e)));
              });
}

void OnlineScriptsPanel::replace()
{
    const scenario::tScriptInfo* e = model_->entry(currentRow());
    if (e == nullptr || !e->Editable)
        return;
    TFormScrPublic dialog(this, app::LibraryService::DataOf(*e), true, serviceCheck(host_));
    if (dialog.exec() != QDialog::Accepted)
        return;
    auto id = std::make_shared<std::optional<int32_t>>();
    host_.run([this, data = dialog.data(), id] { *id = ws_.Library().Publish(data); },
              [this, data = dialog.data(), id] {
                  const int row = model_->rowOf(data.Id);
                  if (!*id || **id <= 0 || row < 0)
                      return;
                  scenario::tScriptInfo updated = *model_->entry(row);
                  updated.AuthorName = data.AuthorName;
                  updated.Lcid = data.Lcid;
                  updated.Universal = data.Universal;
                  updated.Public = data.Public;
                  updated.Title = data.Title;
                  updated.Description = data.Description;
                  updated.Created = QDateTime::currentSecsSinceEpoch();
                  model_->setEntry(row, std::move(updated));
              });
}

void OnlineScriptsPanel::remove()
{
    const scenario::tScriptInfo* e = model_->entry(currentRow());
    if (e == nullptr || !e->Editable)
        return;
    if (!ws_.Host().askYesNo(CaptionConfirm, app::DeleteScriptQuestion(e->Title), false))
        return;
    auto removed = std::make_shared<bool>(false);
    host_.run([this, entry = *e, removed] { *removed = ws_.Library().Delete(entry); },
              [this, id = e->Id, removed] {
                  if (*removed)
                      model_->remove(model_->rowOf(id));
              });
}

void OnlineScriptsPanel::view()
{
    const scenario::tScriptInfo* e = model_->entry(currentRow());
    if (e == nullptr)
        return;
    TFormScrPublic dialog(this, app::LibraryService::DataOf(*e), false);
    dialog.exec();
}

void OnlineScriptsPanel::rates()
{
    const scenario::tScriptInfo* e = model_->entry(currentRow());
    if (e == nullptr)
        return;
    auto list = std::make_shared<std::optional<std::vector<scenario::ScriptRate>>>();
    host_.run([this, id = e->Id, list] { *list = ws_.Library().Rates(id); },
              [this, title = qs(e->Title), list] {
                  if (!*list)
                      return;
                  TFormScrRates dialog(this, title, **list);
                  dialog.exec();
              });
}

void OnlineScriptsPanel::rate(int value)
{
    const scenario::tScriptInfo* e = model_->entry(currentRow());
    if (e == nullptr)
        return;
    std::string notes;
    if (value > 0) {
        QInputDialog comment(this);
        comment.setObjectName(QStringLiteral("CommentDialog"));
        comment.setWindowTitle(qs(support::Text(app::RateCommentCaption)));
        comment.setLabelText(qs(support::Text(app::RateCommentPrompt)));
        comment.setInputMode(QInputDialog::TextInput);
        comment.setCancelButtonText(tr("Отмена"));
        if (comment.exec() != QDialog::Accepted) {
            host_.updateActions(); // the check mark the click moved goes back
            return;
        }
        notes = ss(comment.textValue().trimmed());
    }
    auto sent = std::make_shared<bool>(false);
    host_.run([this, id = e->Id, value, notes, sent] { *sent = ws_.Library().Rate(id, value, notes); },
              [this, sent] {
                  if (*sent)
                      loadList();
              });
}

} // namespace belvane::gui
