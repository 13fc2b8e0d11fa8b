#pragma once

// The online scenario library for the running program: the catalogue under
// a filter, downloading an entry into the working scenario, publishing the
// working scenario, replacing and deleting the user's entries, rating,
// hiding, and the users' ratings. Each operation shows its own failure and
// leaves the list and the working scenario as they were.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/view_selection.h"
#include "scenario/library_exchange.h"
#include "support/translation.h"

namespace belvane::app {

class Workspace;

inline constexpr std::string_view TitleRequiredMessage =
    BELVANE_TEXT("Название сценария должно быть указано обязательно!");
inline constexpr std::string_view TitleTakenMessage =
    BELVANE_TEXT("Сценарий с таким названием уже существует!\rВыберите другое название.");
inline constexpr std::string_view AuthorRequiredMessage = BELVANE_TEXT("Имя автора должно быть указано обязательно!");
inline constexpr std::string_view RateCommentPrompt = BELVANE_TEXT("Вы можете оставить свой комментарий:");
inline constexpr std::string_view RateCommentCaption = BELVANE_TEXT("Комментарий");

// "Вы действительно хотите удалить сценарий \"%s\"?"
std::string DeleteScriptQuestion(std::string_view title);

// "Заменить текущий сценарий сценарием каталога \"%s\"?..."
std::string ReplaceScriptQuestion(std::string_view title);

class LibraryService {
public:
    explicit LibraryService(Workspace& workspace) : ws_(workspace) {}

    // ScriptLibraryRefresh ("Загрузка online-каталога сценариев..."); nothing on a failure (shown).
    std::optional<std::vector<scenario::tScriptInfo>> List(int filter);
    // ScriptLibraryDownload ("Скачивание сценария из online-каталога..."): a
    // text that is not empty replaces the working scenario, which is saved.
    bool Download(const scenario::tScriptInfo& entry);
    // Before a download: a working scenario with lines is replaced only when
    // the user says so (default no); an empty one needs no question.
    bool ConfirmDownload(const scenario::tScriptInfo& entry);
    // ScriptLibraryUpload: what the dialog starts from (a new public entry of the user's).
    scenario::tScriptData NewData() const;
    // ScriptLibraryReplace: the dialog on the entry's data.
    static scenario::tScriptData DataOf(const scenario::tScriptInfo& entry);
    // The dialog's OK: the trimmed title, its uniqueness (asked of the
    // service), the trimmed author; the refusal to show, or nothing. A failed
    // check is a refusal with "Ошибка проверки уникальности online-сценария!".
    std::optional<std::string> DialogRefusal(const scenario::tScriptData& data);
    // Publishes (Id -1) or replaces (the entry's id) with the working
    // scenario ("Сохранение сценария в базе данных..."); the entry's id.
    std::optional<int32_t> Publish(const scenario::tScriptData& data);
    // ScriptLibraryDelete after the question ("Удаление сценария из базы данных...").
    bool Delete(const scenario::tScriptInfo& entry);
    // ScriptLibraryRate1..5, Rate0 (remove), Hide (-1) ("Отправка оценки на сервер...").
    bool Rate(int32_t id, int rate, std::string_view notes);
    // ScriptLibraryRates ("Загрузка списка оценок...").
    std::optional<std::vector<scenario::ScriptRate>> Rates(int32_t id);

    std::optional<bool> ActionEnabled(std::string_view action, const ViewSelection& selection) const;

private:
    Workspace& ws_;
};

} // namespace belvane::app
