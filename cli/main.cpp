// belvane-cli: the headless front end of Belvane 6x45.

#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/cli_context.h"

int main(int argc, char** argv)
{
    using namespace belvane::cli;

    CLI::App app{"Belvane 6x45 — анализатор лотереи 6 из 45 (командная строка)", "belvane-cli"};
    CliContext ctx;
    app.add_option("--data-dir", ctx.dataDir, "Папка данных (по умолчанию $BELVANE_HOME или папка программы)");
    app.require_subcommand(1);
    addDrawsCommands(app, ctx);
    addStatsCommands(app, ctx);
    addCombsCommands(app, ctx);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? ExitOk : ExitUsage;
    }

    try {
        return ctx.action ? ctx.action() : ExitUsage;
    } catch (const FailureShown&) {
        return ExitFailure;
    } catch (const std::exception& e) {
        ctx.host.showError(e.what());
        return ExitFailure;
    }
}
