#include "app/library_service.h"

#include <fmt/format.h>

#include "app/configuration_service.h"
#include "app/scenario_service.h"
#include "app/setting_keys.h"
#include "app/systems_service.h"
#include "app/workspace.h"
#include "support/error.h"
#include "support/host.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::app {

std::string DeleteScriptQuestion(std::string_view title)
{
    return support::Message("Вы действительно хотите удалить сценарий \"{}\"?", title);
}

std::optional<std::vector<scenario::tScriptInfo>> LibraryService::List(int filter)
{
    try {
        ExchangeScope status(ws_.Host(), support::Text("Загрузка online-каталога сценариев..."));
        return scenario::ListScripts(MakeExchangeClient(ws_), filter);
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка загрузки каталога online-сценариев!\r\r{}", e.what()));
        return std::nullopt;
    }
}

std::string ReplaceScriptQuestion(std::string_view title)
{
    return support::Message(
        "Заменить текущий сценарий сценарием каталога \"{}\"?\r\rСтроки рабочего сценария будут потеряны.", title);
}

bool LibraryService::ConfirmDownload(const scenario::tScriptInfo& entry)
{
    if (ws_.Scenario().Count() == 0)
        return true;
    return ws_.Host().askYesNo(support::Text(CaptionConfirm), ReplaceScriptQuestion(entry.Title), false);
}

bool LibraryService::Download(const scenario::tScriptInfo& entry)
{
    try {
        if (!entry.Usable)
            throw Error(support::Message("Сценарий \"{}\" создан в другой программе и не может быть здесь использован.",
                                         entry.Title));
        ExchangeScope status(ws_.Host(), support::Text("Скачивание сценария из online-каталога..."));
        const std::string text = scenario::FetchScript(MakeExchangeClient(ws_), entry.Id);
        if (text.size() > scenario::MaxScenarioFileSize)
            throw Error(support::Text("Сценарий слишком велик."));
        if (text.empty())
            return false;
        return ws_.Scenario().ReplaceAll(scenario::LibraryScriptLines(text));
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка загрузки online-сценария!\r\r{}", e.what()));
        return false;
    }
}

scenario::tScriptData LibraryService::NewData() const
{
    scenario::tScriptData data;
    data.Id = -1;
    data.AuthorName = ws_.Configuration().Online().UserName;
    data.Lcid = ws_.LanguageId();
    data.Universal = false;
    data.Public = true;
    return data;
}

scenario::tScriptData LibraryService::DataOf(const scenario::tScriptInfo& entry)
{
    scenario::tScriptData data;
    data.Id = entry.Id;
    data.AuthorName = entry.AuthorName;
    data.Lcid = entry.Lcid;
    data.Universal = entry.Universal;
    data.Public = entry.Public;
    data.Title = entry.Title;
    data.Description = entry.Description;
    return data;
}

std::optional<std::string> LibraryService::DialogRefusal(const scenario::tScriptData& data)
{
    if (text::trim(data.Title).empty())
        return support::Text(TitleRequiredMessage);
    try {
        ExchangeScope status(ws_.Host(), support::Text("Проверка названия сценария..."));
        if (!scenario::TitleIsFree(MakeExchangeClient(ws_), data.Id, data.Title))
            return support::Text(TitleTakenMessage);
    } catch (const Error& e) {
        return support::Message("Ошибка проверки уникальности online-сценария!\r\r{}", e.what());
    }
    if (text::trim(data.AuthorName).empty())
        return support::Text(AuthorRequiredMessage);
    return std::nullopt;
}

std::optional<int32_t> LibraryService::Publish(const scenario::tScriptData& data)
{
    const bool added = data.Id <= 0;
    try {
        if (ws_.Scenario().Lines().Empty())
            throw Error(support::Text("Рабочий сценарий пуст."));
        ExchangeScope status(ws_.Host(), support::Text("Сохранение сценария в базе данных..."));
        scenario::tScriptData sent = data;
        if (added)
            sent.Id = -1;
        return scenario::PutScript(MakeExchangeClient(ws_, true), sent,
                                   scenario::LibraryScriptText(ws_.Scenario().Lines().Lines()));
    } catch (const Error& e) {
        ws_.Host().showError(fmt::format("{}\r\r{}",
                                         added ? support::Text("Ошибка публикации online-сценария!")
                                               : support::Text("Ошибка сохранения online-сценария в базе данных!"),
                                         e.what()));

        return std::nullopt;
    }
}

bool LibraryService::Delete(const scenario::tScriptInfo& entry)
{
    try {
        ExchangeScope status(ws_.Host(), support::Text("Удаление сценария из базы данных..."));
        scenario::DeleteScript(MakeExchangeClient(ws_, true), entry);
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка удаления online-сценария из базы данных!\r\r{}", e.what()));
        return false;
    }
}

bool LibraryService::Rate(int32_t id, int rate, std::string_view notes)
{
    try {
        ExchangeScope status(ws_.Host(), support::Text("Отправка оценки на сервер..."));
        scenario::SetRate(MakeExchangeClient(ws_, true), id, rate, notes);
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка сохранения оценки online-сценария!\r\r{}", e.what()));
        return false;
    }
}

std::optional<std::vector<scenario::ScriptRate>> LibraryService::Rates(int32_t id)
{
    try {
        ExchangeScope status(ws_.Host(), support::Text("Загрузка списка оценок..."));
        return scenario::ListRates(MakeExchangeClient(ws_), id);
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка просмотра оценок online-сценария!\r\r{}", e.what()));
        return std::nullopt;
    }
}

std::optional<bool> LibraryService::ActionEnabled(std::string_view action, const ViewSelection& selection) const
{
    if (action == "ScriptLibrary")
        return true;
    if (!action.starts_with("ScriptLibrary"))
        return std::nullopt;
    // Everything else works on the panel, which must be shown.
    if (!ws_.Settings().Flag(key::ScriptLibraryOn))
        return false;
    if (action == "ScriptLibraryRefresh")
        return true;
    if (action == "ScriptLibraryUpload")
        return !ws_.Scenario().Lines().Empty();
    if (action == "ScriptLibraryDownload")
        return selection.LibraryRows > 0 && selection.LibraryCurrentUsable;
    if (action == "ScriptLibraryReplace" || action == "ScriptLibraryDelete")
        return selection.LibraryRows > 0 && selection.LibraryCurrentEditable;
    // Properties, the ratings, rating and hiding: any current entry.
    return selection.LibraryRows > 0;
}

} // namespace belvane::app
