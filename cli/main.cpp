// belvane-cli: the headless front end of Belvane 6x45.

#include <CLI/CLI.hpp>
#include <iostream>

#include "app/startup_options.h"
#include "cli/cli_context.h"

namespace {

using namespace belvane;

// The program's batch options (fullrefresh, /fullrecreate, --loadonly ...) may
// stand alone or beside the global options; they run the batch job.
std::optional<app::StartupOptions> batchOptions(int argc, char** argv, std::vector<std::string>& rest)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    const app::StartupOptions options = app::ParseStartupOptions(args, &rest);
    if (rest.size() == args.size())
        return std::nullopt;
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace belvane::cli;

    CLI::App app{"Belvane 6x45 — анализатор лотереи 6 из 45 (командная строка)", "belvane-cli"};
    app.fallthrough(); // global options may also follow the command
    CliContext ctx;
    app.add_option("--data-dir", ctx.dataDir, "Папка данных (по умолчанию $BELVANE_HOME или папка программы)");
    app.add_option("--offset", ctx.offset, "Смещение назад от последнего тиража для команды")
        ->check(CLI::NonNegativeNumber);
    auto* yes = app.add_flag("--yes", ctx.yes, "Отвечать \"да\" на все вопросы");
    auto* no = app.add_flag("--no", ctx.no, "Отвечать \"нет\" на все вопросы");
    yes->excludes(no);
    app.footer("Пакетные режимы: belvane-cli [--data-dir DIR] fullrefresh | fullrecreate | loadonly "
               "(также -, --, / или \\ перед словом, в любом регистре)");

    std::vector<std::string> rest;
    const auto batch = batchOptions(argc, argv, rest);
    addDrawsCommands(app, ctx);
    addStatsCommands(app, ctx);
    addCombsCommands(app, ctx);
    addSettingsCommands(app, ctx);
    addScenarioCommands(app, ctx);
    addStakesCommands(app, ctx);
    addFormulaCommands(app, ctx);
    addShreddingCommands(app, ctx);
    if (!batch)
        app.require_subcommand(1);

    try {
        if (batch) {
            std::vector<std::string> reversed(rest.rbegin(), rest.rend());
            app.parse(reversed); // the global options beside the batch words
        } else {
            app.parse(argc, argv);
        }
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? ExitOk : ExitUsage;
    }
    ctx.host.setAnswerPolicy(ctx.yes ? AnswerPolicy::Yes : ctx.no ? AnswerPolicy::No : AnswerPolicy::Ask);

    try {
        if (batch)
            return runBatch(ctx, *batch);
        return ctx.action ? ctx.action() : ExitUsage;
    } catch (const FailureShown&) {
        return ExitFailure;
    } catch (const std::exception& e) {
        ctx.host.showError(e.what());
        return ExitFailure;
    }
}
