// belvane-cli systems ...: the systems on this computer and the system stakes.

#include <fmt/format.h>
#include <iostream>

#include "cli/command_binding.h"
#include "cli/table_output.h"
#include "support/error.h"

namespace belvane::cli {
namespace {

struct LocalOptions {
    std::string format = "text";
};

int local(CliContext& ctx, const LocalOptions& o)
{
    WorkspaceSession ws(ctx);
    Table table;
    table.captions = {"Файл", "Числа", "Блок", "Номер", "Комбинаций", "Статус"};
    for (const systems::LocalSystem& s : ws->Systems().Local()) {
        const bool valid = s.Problem.empty();
        table.rows.push_back({s.Path.filename().string(), fmt::format("{:02d}", s.Name.Numbers),
                              s.Name.Block < 0 ? std::string("?") : std::to_string(s.Name.Block),
                              s.Name.Id < 0 ? std::string("?") : std::to_string(s.Name.Id),
                              valid ? std::to_string(s.Lines) : std::string(),
                              valid ? std::string("Загружена") : TerminalHost::terminalText(s.Problem)});
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
    return ExitOk;
}

struct StakeOptions {
    bool filter = false;
    std::string in;
    std::optional<int> draw;
    int draws = 1;
    std::optional<std::string> comment;
};

int stake(CliContext& ctx, const StakeOptions& o)
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

} // namespace

void addSystemsCommands(CLI::App& app, CliContext& ctx)
{
    CLI::App* cmd = app.add_subcommand("systems", "Системы на этом компьютере и системная игра");
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

    auto stakeOptions = std::make_shared<StakeOptions>();
    CLI::App* stakeCmd = cmd->add_subcommand("stake", "Системная игра по числам списка комбинаций");
    stakeCmd->add_flag("--filter", stakeOptions->filter, "Только комбинации системы, которые есть в списке");
    stakeCmd->add_option("--in", stakeOptions->in, "Список комбинаций (по умолчанию сохраненные настройки генерации)");
    stakeCmd->add_option("--draw", stakeOptions->draw, "Номер тиража (по умолчанию следующий после смещения)")
        ->check(CLI::Range(1, std::numeric_limits<int32_t>::max()));
    stakeCmd->add_option("--draws", stakeOptions->draws, "Количество тиражей")
        ->check(CLI::Range(1, 65535))
        ->capture_default_str();
    stakeCmd->add_option("--comment", stakeOptions->comment, "Комментарий к ставкам");
    onChosen(stakeCmd, ctx, stakeOptions, stake);
}

} // namespace belvane::cli
