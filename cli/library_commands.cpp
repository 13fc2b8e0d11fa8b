// belvane-cli library ...: the online scenario library of the exchange service.

#include <fmt/format.h>
#include <iostream>

#include "app/library_service.h"
#include "app/scenario_service.h"
#include "cli/command_binding.h"
#include "cli/exchange_options.h"
#include "cli/table_output.h"
#include "exchange/exchange_text.h"
#include "support/error.h"

namespace belvane::cli {
namespace {

std::string ratingText(int rate)
{
    return rate == scenario::HiddenRating ? std::string("Скрытый") : rate == 0 ? std::string() : std::to_string(rate);
}

// The catalogue entry with this id (under the filter that shows everything).
std::optional<scenario::tScriptInfo> findEntry(app::Workspace& ws, int id)
{
    const auto list = ws.Library().List(1);
    if (!list)
        throw FailureShown{};
    for (const scenario::tScriptInfo& s : *list)
        if (s.Id == id)
            return s;
    return std::nullopt;
}

struct LibraryListOptions {
    std::string service;
    std::string format = "text";
    int filter = scenario::DefaultLibraryFilter;
};

int listLibrary(CliContext& ctx, const LibraryListOptions& o)
{
    WorkspaceSession ws(ctx);
    applyServiceOption(*ws, o.service);
    const auto entries = ws->Library().List(o.filter);
    if (!entries)
        return ExitFailure;
    Table table;
    table.captions = {"Номер",  "Тип",     "Название", "Автор",       "Программа", "Версия",    "Язык",
                      "Создан", "Рейтинг", "Оценок",   "Ваша оценка", "Загрузок",  "Последняя", "Комментарии"};
    for (const scenario::tScriptInfo& s : *entries)
        table.rows.push_back({std::to_string(s.Id), s.Own ? "Мой" : "Общий", s.Title, s.AuthorName,
                              s.Universal ? std::string("Универсальный") : s.AppName, s.AppVersion,
                              scenario::LanguageName(s.Lcid), exchange::LocalDateTimeText(s.Created),
                              fmt::format("{:.3f}", s.RatingAvg), std::to_string(s.RatingCount),
                              ratingText(s.YourRating), std::to_string(s.Downloads),
                              exchange::LocalDateTimeText(s.LastDownload), TerminalHost::terminalText(s.Description)});
    printTable(std::cout, table, tableFormatFromName(o.format));
    return ExitOk;
}

struct IdOptions {
    std::string service;
    int id = 0;
};

int download(CliContext& ctx, const IdOptions& o)
{
    WorkspaceSession ws(ctx);
    applyServiceOption(*ws, o.service);
    const auto entry = findEntry(*ws, o.id);
    if (!entry)
        throw Error(fmt::format("Сценарий #{} не найден в каталоге!", o.id));
    // Asked in a terminal; --yes replaces as it always did, without a terminal the scenario stays.
    if (!ws->Library().ConfirmDownload(*entry)) {
        std::cerr << "Рабочий сценарий оставлен без изменений." << '\n';
        return ExitFailure;
    }
    if (!ws->Library().Download(*entry))
        return ExitFailure;
    std::cout << fmt::format("Сценарий \"{}\" загружен: {}", entry->Title, ws->Scenario().PanelText()) << '\n';
    return ExitOk;
}

struct LibraryPublishOptions {
    std::string service;
    int id = -1;
    std::optional<std::string> title;
    std::optional<std::string> descr;
    std::optional<std::string> author;
    bool isPrivate = false;
    bool universal = false;
};

int publish(CliContext& ctx, const LibraryPublishOptions& o)
{
    WorkspaceSession ws(ctx);
    applyServiceOption(*ws, o.service);
    app::LibraryService& library = ws->Library();
    scenario::tScriptData data = library.NewData();
    if (o.id > 0) {
        const auto entry = findEntry(*ws, o.id);
        if (!entry)
            throw Error(fmt::format("Сценарий #{} не найден в каталоге!", o.id));
        if (!entry->Editable)
            throw Error("Изменять можно только свои сценарии, созданные в этой программе!");
        data = app::LibraryService::DataOf(*entry);
    }
    if (o.title)
        data.Title = *o.title;
    if (o.descr)
        data.Description = *o.descr;
    if (o.author)
        data.AuthorName = *o.author;
    data.Public = !o.isPrivate;
    data.Universal = o.universal;
    if (const auto refusal = library.DialogRefusal(data))
        throw Error(*refusal);
    const auto id = library.Publish(data);
    if (!id)
        return ExitFailure;
    std::cout << fmt::format("Сценарий #{}: \"{}\"", *id, data.Title) << '\n';
    return ExitOk;
}

int removeFromLibrary(CliContext& ctx, const IdOptions& o)
{
    WorkspaceSession ws(ctx);
    applyServiceOption(*ws, o.service);
    const auto entry = findEntry(*ws, o.id);
    if (!entry)
        throw Error(fmt::format("Сценарий #{} не найден в каталоге!", o.id));
    // The command line is the confirmation.
    return ws->Library().Delete(*entry) ? ExitOk : ExitFailure;
}

struct RateOptions {
    std::string service;
    int id = 0;
    int rate = 0;
    std::string notes;
};

int rate(CliContext& ctx, const RateOptions& o)
{
    WorkspaceSession ws(ctx);
    applyServiceOption(*ws, o.service);
    return ws->Library().Rate(o.id, o.rate, o.notes) ? ExitOk : ExitFailure;
}

struct RatesOptions {
    std::string service;
    int id = 0;
    std::string format = "text";
};

int rates(CliContext& ctx, const RatesOptions& o)
{
    WorkspaceSession ws(ctx);
    applyServiceOption(*ws, o.service);
    const auto list = ws->Library().Rates(o.id);
    if (!list)
        return ExitFailure;
    Table table;
    table.captions = {"Пользователь", "Оценка", "Дата", "Программа", "Версия", "Комментарий"};
    for (const scenario::ScriptRate& r : *list)
        table.rows.push_back({r.Name, std::to_string(r.Rate), exchange::LocalDateTimeText(r.Created), r.AppName,
                              r.AppVersion, TerminalHost::terminalText(r.Notes)});
    printTable(std::cout, table, tableFormatFromName(o.format));
    return ExitOk;
}

void addIdArgument(CLI::App* cmd, int& id)
{
    cmd->add_option("id", id, "Номер сценария в каталоге")->required()->check(CLI::Range(1, 2147483647));
}

} // namespace

void addLibraryCommands(CLI::App& app, CliContext& ctx)
{
    CLI::App* cmd = app.add_subcommand("library", "Online каталог сценариев");
    cmd->require_subcommand(1);

    auto listOptions = std::make_shared<LibraryListOptions>();
    CLI::App* listCmd = cmd->add_subcommand("list", "Каталог сценариев");
    addServiceOption(listCmd, listOptions->service);
    listCmd
        ->add_option("--filter", listOptions->filter,
                     "0 скрытые, 1 все, 2 все кроме скрытых, 3 мои, 4 публичные, 5 с моими оценками, 6 без моих "
                     "оценок, 7 новые")
        ->check(CLI::Range(0, scenario::LibraryFilterCount - 1))
        ->capture_default_str();
    addFormatOption(listCmd, listOptions->format);
    onChosen(listCmd, ctx, listOptions, listLibrary);

    auto downloadOptions = std::make_shared<IdOptions>();
    CLI::App* downloadCmd = cmd->add_subcommand("download", "Скачать сценарий в рабочий сценарий (заменяет его)");
    addServiceOption(downloadCmd, downloadOptions->service);
    addIdArgument(downloadCmd, downloadOptions->id);
    onChosen(downloadCmd, ctx, downloadOptions, download);

    const auto addPublishOptions = [](CLI::App* c, LibraryPublishOptions& o) {
        addServiceOption(c, o.service);
        c->add_option("--title", o.title, "Название");
        c->add_option("--descr", o.descr, "Описание");
        c->add_option("--author", o.author, "Автор (по умолчанию [ONLINE] UserName)");
        c->add_flag("--private", o.isPrivate, "Сценарий виден только мне");
        c->add_flag("--universal", o.universal, "В любом приложении Kalvo");
    };
    auto publishOptions = std::make_shared<LibraryPublishOptions>();
    CLI::App* publishCmd = cmd->add_subcommand("publish", "Опубликовать рабочий сценарий");
    addPublishOptions(publishCmd, *publishOptions);
    publishCmd->get_option("--title")->required();
    onChosen(publishCmd, ctx, publishOptions, publish);

    auto replaceOptions = std::make_shared<LibraryPublishOptions>();
    CLI::App* replaceCmd = cmd->add_subcommand("replace", "Заменить свой сценарий каталога рабочим сценарием");
    addIdArgument(replaceCmd, replaceOptions->id);
    addPublishOptions(replaceCmd, *replaceOptions);
    onChosen(replaceCmd, ctx, replaceOptions, publish);

    auto deleteOptions = std::make_shared<IdOptions>();
    CLI::App* deleteCmd = cmd->add_subcommand("delete", "Удалить свой сценарий из каталога");
    addServiceOption(deleteCmd, deleteOptions->service);
    addIdArgument(deleteCmd, deleteOptions->id);
    onChosen(deleteCmd, ctx, deleteOptions, removeFromLibrary);

    auto rateOptions = std::make_shared<RateOptions>();
    CLI::App* rateCmd = cmd->add_subcommand("rate", "Оценить сценарий (1..5; 0 удалить оценку; -1 скрыть)");
    addServiceOption(rateCmd, rateOptions->service);
    addIdArgument(rateCmd, rateOptions->id);
    rateCmd->add_option("rate", rateOptions->rate, "Оценка")
        ->required()
        ->check(CLI::Range(scenario::HiddenRating, scenario::MaxRating));
    rateCmd->add_option("--notes", rateOptions->notes, "Комментарий");
    onChosen(rateCmd, ctx, rateOptions, rate);

    auto ratesOptions = std::make_shared<RatesOptions>();
    CLI::App* ratesCmd = cmd->add_subcommand("rates", "Оценки пользователей");
    addServiceOption(ratesCmd, ratesOptions->service);
    addIdArgument(ratesCmd, ratesOptions->id);
    addFormatOption(ratesCmd, ratesOptions->format);
    onChosen(ratesCmd, ctx, ratesOptions, rates);
}

} // namespace belvane::cli
