// belvane-cli draws download and proxy ...: new draws from the lottery
// operator's site, and the proxy the download goes through.

#include <fmt/format.h>
#include <iostream>

#include "app/archive_service.h"
#include "app/configuration_service.h"
#include "app/download_service.h"
#include "cli/command_binding.h"
#include "cli/table_output.h"

namespace belvane::cli {
namespace {

constexpr int kDefaultAttempts = 3;

struct DownloadOptions {
    std::string site;
    int attempts = kDefaultAttempts;
};

int downloadDraws(CliContext& ctx, const DownloadOptions& o)
{
    // Nobody at a terminal to say "try again": the first failure ends the
    // download, unless --yes asks for every attempt up to --attempts.
    if (ctx.host.answerPolicy() == AnswerPolicy::Ask && !ctx.host.interactive())
        ctx.host.setAnswerPolicy(AnswerPolicy::No);
    WorkspaceSession ws(ctx);
    const app::DrawsDownloadResult result = ws->Download().DrawsDownload({o.site, o.attempts});
    if (result.Outcome == app::DownloadOutcome::Failed && !result.FailureShown)
        ctx.host.showError(fmt::format(fmt::runtime(app::DownloadFailedMessage), result.Failure));
    if (!app::DownloadService::Succeeded(result))
        return ExitFailure;
    std::cout << TerminalHost::terminalText(app::DownloadSummaryText(result)) << '\n'
              << ws->Archive().ArchivePanelText() << '\n';
    return ExitOk;
}

int showProxy(CliContext& ctx, const std::string& format)
{
    WorkspaceSession ws(ctx, Access::Read);
    const app::ProxySettings& p = ws->Configuration().Proxy();
    Table table;
    table.captions = {"Параметр", "Значение"};
    table.rows = {{"Режим", fmt::format("{} ({})", p.Mode, app::ProxyModeName(p.Mode))},
                  {"Сервер", p.Server},
                  {"Порт", std::to_string(p.Port)},
                  {"Пользователь", p.Username},
                  {"Пароль", p.Password.empty() ? "" : "********"},
                  {"Список proxy-серверов", ws->Configuration().Download().ProxyListUrl},
                  {"Сайт лотереи", ws->Configuration().Download().SiteUrl}};
    printTable(std::cout, table, tableFormatFromName(format));
    return ExitOk;
}

struct ProxySetOptions {
    int mode = 0;
    std::optional<std::string> server;
    std::optional<int> port;
    std::optional<std::string> user;
    std::optional<std::string> password;
};

int setProxy(CliContext& ctx, const ProxySetOptions& o)
{
    WorkspaceSession ws(ctx);
    // What is not given stays as it was, as the dialog shows it.
    const app::ProxySettings& now = ws->Configuration().Proxy();
    const app::ProxySettings edited =
        app::EditedProxy(o.mode, o.server.value_or(now.Server), o.port.value_or(now.Port),
                         o.user.value_or(now.Username), o.password.value_or(now.Password));
    if (!ws->Configuration().ApplyProxy(edited))
        return ExitFailure;
    std::cout << fmt::format("ProxyMode = {} ({})", edited.Mode, app::ProxyModeName(edited.Mode)) << '\n';
    return ExitOk;
}

} // namespace

void addDownloadCommands(CLI::App& app, CliContext& ctx)
{
    auto download = std::make_shared<DownloadOptions>();
    CLI::App* draws = app.get_subcommand("draws");
    CLI::App* downloadCmd = draws->add_subcommand("download", "Загрузка архива тиражей с сайта лотереи");
    downloadCmd->add_option("--site", download->site, "Адрес сайта лотереи на этот раз (иначе [DOWNLOAD] SiteUrl)");
    downloadCmd
        ->add_option("--attempts", download->attempts,
                     "Наибольшее число попыток; без терминала или с --no повторов нет, с --yes — до этого числа")
        ->check(CLI::Range(1, 100))
        ->capture_default_str();
    onChosen(downloadCmd, ctx, download, downloadDraws);

    CLI::App* proxy = app.add_subcommand("proxy", "Параметры proxy-сервера для загрузки тиражей");
    proxy->require_subcommand(1);

    auto format = std::make_shared<std::string>("text");
    CLI::App* showCmd = proxy->add_subcommand("show", "Текущие параметры");
    addFormatOption(showCmd, *format);
    onChosen(showCmd, ctx, format, showProxy);

    auto set = std::make_shared<ProxySetOptions>();
    CLI::App* setCmd = proxy->add_subcommand("set", "Изменить параметры (раздел PROXY файла Belvane_6x45.ini)");
    setCmd
        ->add_option("--mode", set->mode,
                     "0 — не использовать proxy-сервер, 1 — автоматический поиск сервера, 2 — ручной выбор")
        ->check(CLI::Range(0, 2))
        ->required();
    setCmd->add_option("--server", set->server, "Имя или адрес сервера");
    setCmd->add_option("--port", set->port, "Порт")->check(CLI::Range(1, 65535));
    setCmd->add_option("--user", set->user, "Имя пользователя");
    setCmd->add_option("--password", set->password, "Пароль");
    onChosen(setCmd, ctx, set, setProxy);
}

} // namespace belvane::cli
