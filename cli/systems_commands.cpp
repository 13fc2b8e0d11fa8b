// belvane-cli systems ...: the systems on this computer and the system stakes.

#include <fmt/format.h>
#include <iostream>

#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/stakes_service.h"
#include "app/systems_service.h"
#include "cli/command_binding.h"
#include "cli/exchange_options.h"
#include "cli/table_output.h"
#include "exchange/exchange_text.h"
#include "support/cp1251.h"
#include "support/error.h"
#include "support/file_io.h"

namespace belvane::cli {
namespace {

struct LocalOptions {
    std::string format = "text";
};

int local(CliContext& ctx, const LocalOptions& o)
{
    WorkspaceSession ws(ctx, Access::Read);
    Table table;
    table.captions = {"Файл", "Числа", "Блок", "Номер", "Комбинаций", "Гарантия", "Статус"};
    for (const systems::LocalSystem& s : ws->Systems().Local()) {
        const bool valid = s.Problem.empty();
        std::string status = valid ? std::string("Загружена") : TerminalHost::terminalText(s.Problem);
        std::string guarantee = valid ? std::string("не проверена") : std::string();
        if (valid && s.Verified && s.Name.Block >= 0) {
            guarantee = systems::GuaranteeText(*s.Verified, s.Name.Block);
            if (!s.Verified->Meets(s.Name.Block))
                status = "Блок не выполняется!";
        }
        table.rows.push_back({s.Path.filename().string(), fmt::format("{:02d}", s.Name.Numbers),
                              s.Name.Block < 0 ? std::string("?") : std::to_string(s.Name.Block),
                              s.Name.Id < 0 ? std::string("?") : std::to_string(s.Name.Id),
                              valid ? std::to_string(s.Lines) : std::string(), guarantee, status});
    }
    printTable(std::cout, table, tableFormatFromName(o.format));
    return ExitOk;
}

struct InstallOptions {
    std::string file;
    int olap = 0;
    std::optional<int> id;
};

int install(CliContext& ctx, const InstallOptions& o)
{
    WorkspaceSession ws(ctx);
    const auto installed = ws->Systems().Install(o.file, o.olap, o.id);
    if (!installed)
        return ExitFailure;
    std::cout << fmt::format("Система для {} чисел: {} (комбинаций: {})", installed->Name.Numbers,
                             installed->Path.filename().string(), installed->Lines)
              << '\n';
    if (installed->Removed > 0)
        std::cout << fmt::format("Удалено прежних систем для {} чисел: {}", installed->Name.Numbers, installed->Removed)
                  << '\n';
    std::cout << fmt::format("Проверено: блок {}: {}", installed->Name.Block,
                             systems::GuaranteeText(installed->Verified, installed->Name.Block))
              << '\n';
    // Installed all the same: the person judges; the flag is on the list too.
    if (!installed->BlockMet())
        ws->Host().showWarning(systems::BlockNotMetMessage(installed->Path.filename().string(), installed->Name.Block,
                                                           installed->Verified));
    return ExitOk;
}

struct SystemStakeOptions {
    bool filter = false;
    std::string in;
    std::optional<int> draw;
    int draws = 1;
    std::optional<std::string> comment;
};

int stakeSystem(CliContext& ctx, const SystemStakeOptions& o)
{
    WorkspaceSession ws(ctx);
    app::CombinationService& combs = ws->Combinations();
    const bool loaded =
        o.in.empty() ? combs.Generate(ws->Configuration().SavedGenerateSettings()) : combs.Open(o.in).has_value();
    if (!loaded)
        return ExitFailure;
    if (combs.Count() == 0)
        throw Error("Список комбинаций пуст!");
    app::SystemsService& systems = ws->Systems();
    const auto system = systems.LoadForList();
    if (!system)
        return ExitFailure;
    stakes::MultiStakeRequest request = systems.StakeRequest(*system, !o.filter);
    if (o.draw)
        request.DrawNumber = *o.draw;
    request.DrawsCount = o.draws;
    if (o.comment)
        request.Comment = *o.comment;
    const stakes::AddStakesResult result = systems.Stake(*system, !o.filter, request);
    std::cout << fmt::format("Система: {} ({} чисел)", system->Title(), system->Numbers.size()) << '\n'
              << fmt::format("Сделано ставок: {}", result.Stakes) << '\n'
              << ws->Stakes().PanelText() << '\n';
    return result.Completed ? ExitOk : ExitFailure;
}

// ---- the catalogue of the exchange service ----------------------------------------

struct OnlineListOptions {
    std::string service;
    std::string format = "text";
};

// The catalogue; a failure has been shown.
std::vector<systems::tSystemData> catalogue(app::Workspace& ws)
{
    app::SystemsCatalogue listed = ws.Systems().ListOnline();
    if (!listed.Available)
        throw FailureShown{};
    return std::move(listed.Systems);
}

const systems::tSystemData& listedSystem(const std::vector<systems::tSystemData>& list, int id)
{
    for (const systems::tSystemData& s : list)
        if (s.Id == id)
            return s;
    throw Error(fmt::format("Система #{} не найдена в списке систем!", id));
}

int onlineList(CliContext& ctx, const OnlineListOptions& o)
{
    WorkspaceSession ws(ctx);
    applyServiceOption(*ws, o.service);
    const auto list = catalogue(*ws);
    Table table;
    table.captions = {"Номер",         "Название", "Автор",    "Числа",     "Блок",        "Комбинаций",
                      "Дата создания", "Статус",   "Загрузок", "Последняя", "Комментарии", "Ссылка"};
    for (const systems::tSystemData& s : list)
        table.rows.push_back({std::to_string(s.Id), s.Title, s.Author, fmt::format("{:02d}", s.Numbers),
                              std::to_string(s.Block), std::to_string(s.CombCount),
                              exchange::LocalDateTimeText(s.Created),
                              ws->Systems().LocalFile(s) ? std::string(app::SystemsLoadedStatus) : std::string(),
                              std::to_string(s.Downloads), exchange::LocalDateTimeText(s.LastDownload),
                              TerminalHost::terminalText(s.Description), s.Url});
    printTable(std::cout, table, tableFormatFromName(o.format));
    return ExitOk;
}

struct OnlineIdsOptions {
    std::string service;
    std::vector<int> ids;
};

int onlineDownload(CliContext& ctx, const OnlineIdsOptions& o)
{
    WorkspaceSession ws(ctx);
    applyServiceOption(*ws, o.service);
    const auto list = catalogue(*ws);
    std::vector<systems::tSystemData> chosen;
    for (const int id : o.ids)
        chosen.push_back(listedSystem(list, id));
    const int saved = ws->Systems().DownloadOnline(chosen);
    for (const systems::tSystemData& s : chosen)
        if (const auto file = ws->Systems().LocalFile(s))
            std::cout << fmt::format("#{} \"{}\": {}", s.Id, s.Title, file->filename().string()) << '\n';
    return saved == static_cast<int>(chosen.size()) ? ExitOk : ExitFailure;
}

int onlineShow(CliContext& ctx, const OnlineIdsOptions& o)
{
    WorkspaceSession ws(ctx);
    applyServiceOption(*ws, o.service);
    const auto list = catalogue(*ws);
    const systems::tSystemData& s = listedSystem(list, o.ids.at(0));
    const auto combs = ws->Systems().FetchOnline(s);
    if (!combs)
        return ExitFailure;
    std::cout << fmt::format("Наименование: {}\nОписание: {}\nАвтор: {} <{}>\nСсылка: {}\nСоздана: {}\n"
                             "Числа: {}\nДлина: 6\nБлок: {}\nКомбинаций: {}\nЗагрузок: {}\nПоследняя: {}\n"
                             "Список комбинаций:\n",
                             s.Title, TerminalHost::terminalText(s.Description), s.Author, s.AuthorMail, s.Url,
                             exchange::LocalDateTimeText(s.Created), s.Numbers, s.Block, s.CombCount, s.Downloads,
                             exchange::LocalDateTimeText(s.LastDownload));
    std::cout << systems::NormalizeSystemCombs(*combs).Text << '\n';
    return ExitOk;
}

struct SystemPublishOptions {
    std::string service;
    std::string file;
    std::string title;
    std::string descr;
    std::optional<std::string> author;
    std::string url;
    int olap = 0;
    int id = 0;
};

int onlinePublish(CliContext& ctx, const SystemPublishOptions& o)
{
    WorkspaceSession ws(ctx);
    applyServiceOption(*ws, o.service);
    systems::tSystemData s = ws->Systems().NewSystem();
    if (o.id > 0) {
        s = listedSystem(catalogue(*ws), o.id);
        if (!ws->Systems().IsOwn(s))
            throw Error("Вы можете изменять только свои системы!");
    }
    const systems::NormalizedCombs combs =
        systems::NormalizeSystemCombs(cp1251::toUtf8(files::readFile(o.file, systems::MaxSystemFileSize)));
    s.Combs = combs.Text;
    s.Numbers = combs.Numbers;
    s.CombCount = combs.CombCount;
    s.Title = o.title;
    s.Description = o.descr;
    s.Block = o.olap;
    s.Url = o.url;
    if (o.author)
        s.Author = *o.author;
    const auto id = ws->Systems().PublishOnline(s);
    if (!id)
        return ExitFailure;
    std::cout << fmt::format("Система #{}: \"{}\" ({} чисел, комбинаций: {})", *id, s.Title, s.Numbers, s.CombCount)
              << '\n';
    return ExitOk;
}

int onlineDelete(CliContext& ctx, const OnlineIdsOptions& o)
{
    WorkspaceSession ws(ctx);
    applyServiceOption(*ws, o.service);
    const auto list = catalogue(*ws);
    // The command line is the confirmation.
    return ws->Systems().DeleteOnline(listedSystem(list, o.ids.at(0))) ? ExitOk : ExitFailure;
}

} // namespace

void addSystemsCommands(CLI::App& app, CliContext& ctx)
{
    CLI::App* cmd = app.add_subcommand("systems", "Системы: сервис обмена, этот компьютер и системная игра");
    cmd->require_subcommand(1);

    auto localOptions = std::make_shared<LocalOptions>();
    CLI::App* localCmd = cmd->add_subcommand("local", "Системы в папке Systems");
    addFormatOption(localCmd, localOptions->format);
    onChosen(localCmd, ctx, localOptions, local);

    auto installOptions = std::make_shared<InstallOptions>();
    CLI::App* installCmd =
        cmd->add_subcommand("install", "Установить систему из файла строк позиций (заменяет систему с тем же числом)");
    installCmd->add_option("file", installOptions->file, "Файл: в каждой строке шесть позиций 1..n")->required();
    installCmd->add_option("--olap", installOptions->olap, "Блок системы (0..5)")
        ->check(CLI::Range(0, systems::MaxSystemBlock))
        ->capture_default_str();
    installCmd->add_option("--id", installOptions->id, "Номер системы (по умолчанию следующий свободный)")
        ->check(CLI::Range(0, systems::MaxSystemId));
    onChosen(installCmd, ctx, installOptions, install);

    addWheelCommands(cmd, ctx);

    auto stakeOptions = std::make_shared<SystemStakeOptions>();
    CLI::App* stakeCmd = cmd->add_subcommand("stake", "Системная игра по числам списка комбинаций");
    stakeCmd->add_flag("--filter", stakeOptions->filter, "Только комбинации системы, которые есть в списке");
    stakeCmd->add_option("--in", stakeOptions->in, "Список комбинаций (по умолчанию сохраненные настройки генерации)");
    stakeCmd->add_option("--draw", stakeOptions->draw, "Номер тиража (по умолчанию следующий после смещения)")
        ->check(CLI::Range(1, std::numeric_limits<int32_t>::max()));
    stakeCmd->add_option("--draws", stakeOptions->draws, "Количество тиражей")
        ->check(CLI::Range(1, 65535))
        ->capture_default_str();
    stakeCmd->add_option("--comment", stakeOptions->comment, "Комментарий к ставкам");
    onChosen(stakeCmd, ctx, stakeOptions, stakeSystem);

    auto listOptions = std::make_shared<OnlineListOptions>();
    CLI::App* listCmd = cmd->add_subcommand("list", "Список систем сервиса обмена");
    addServiceOption(listCmd, listOptions->service);
    addFormatOption(listCmd, listOptions->format);
    onChosen(listCmd, ctx, listOptions, onlineList);

    auto downloadOptions = std::make_shared<OnlineIdsOptions>();
    CLI::App* downloadCmd = cmd->add_subcommand("download", "Загрузить системы на этот компьютер");
    addServiceOption(downloadCmd, downloadOptions->service);
    downloadCmd->add_option("id", downloadOptions->ids, "Номера систем")->required();
    onChosen(downloadCmd, ctx, downloadOptions, onlineDownload);

    auto showOptions = std::make_shared<OnlineIdsOptions>();
    CLI::App* showCmd = cmd->add_subcommand("show", "Свойства и комбинации системы");
    addServiceOption(showCmd, showOptions->service);
    showCmd->add_option("id", showOptions->ids, "Номер системы")->required()->expected(1);
    onChosen(showCmd, ctx, showOptions, onlineShow);

    auto publishOptions = std::make_shared<SystemPublishOptions>();
    CLI::App* publishCmd = cmd->add_subcommand("publish", "Опубликовать систему (или заменить свою: --id)");
    addServiceOption(publishCmd, publishOptions->service);
    publishCmd->add_option("file", publishOptions->file, "Файл: в каждой строке шесть чисел")->required();
    publishCmd->add_option("--title", publishOptions->title, "Наименование")->required();
    publishCmd->add_option("--descr", publishOptions->descr, "Описание")->required();
    publishCmd->add_option("--author", publishOptions->author, "Автор (по умолчанию [ONLINE] UserName)");
    publishCmd->add_option("--url", publishOptions->url, "Ссылка");
    publishCmd->add_option("--olap", publishOptions->olap, "Блок системы (0..5)")
        ->check(CLI::Range(0, systems::MaxSystemBlock))
        ->capture_default_str();
    publishCmd->add_option("--id", publishOptions->id, "Номер своей системы, которую заменить")
        ->check(CLI::Range(1, systems::MaxSystemId));
    onChosen(publishCmd, ctx, publishOptions, onlinePublish);

    auto deleteOptions = std::make_shared<OnlineIdsOptions>();
    CLI::App* deleteCmd = cmd->add_subcommand("delete", "Удалить свою систему из сервиса обмена");
    addServiceOption(deleteCmd, deleteOptions->service);
    deleteCmd->add_option("id", deleteOptions->ids, "Номер системы")->required()->expected(1);
    onChosen(deleteCmd, ctx, deleteOptions, onlineDelete);
}

} // namespace belvane::cli
