// belvane-cli: the headless front end of Belvane 6x45.

#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/batch_arguments.h"
#include "cli/cli_context.h"
#include "support/file_faults.h"

int main(int argc, char** argv)
{
    using namespace belvane::cli;

    // The tests of this tool make its file operations fail through this seam.
    if (!belvane::files::injectFaultsFromEnvironment()) {
        std::cerr << "BELVANE_FILE_FAULTS: некорректное значение\n";
        return ExitUsage;
    }

    CLI::App app{"Belvane 6x45 — анализатор лотереи 6 из 45 (командная строка)", "belvane-cli"};
    app.fallthrough(); // global options may also follow the command
    CliContext ctx;
    app.add_option(std::string(DataDirOption), ctx.dataDir,
                   "Папка данных (по умолчанию $BELVANE_HOME или папка программы)");
    app.add_option(std::string(OffsetOption), ctx.offset, "Смещение назад от последнего тиража для команды")
        ->check(CLI::Range(0, MaxOffset));
    auto* yes = app.add_flag("--yes", ctx.yes, "Отвечать \"да\" на все вопросы");
    auto* no = app.add_flag("--no", ctx.no, "Отвечать \"нет\" на все вопросы");
    yes->excludes(no);
    app.footer("Пакетные режимы: belvane-cli [--data-dir DIR] fullrefresh | fullrecreate | loadonly "
               "(также -, --, / или \\ перед словом, в любом регистре; только перед командой)");

    // Batch words count only before the command; a batch job takes no command.
    const BatchArguments batch = SplitBatchArguments(std::vector<std::string>(argv + 1, argv + argc));
    const bool batchJob = batch.Found && (batch.Options.Batch() || !batch.CommandFollows);
    if (batchJob && batch.CommandFollows) {
        std::cerr << "Пакетный режим (fullrefresh, fullrecreate, loadonly) запускается без команды.\n";
        return ExitUsage;
    }
    ctx.startup = batch.Options;

    addDrawsCommands(app, ctx);
    addStatsCommands(app, ctx);
    addFavoritesCommands(app, ctx);
    addCombsCommands(app, ctx);
    addSettingsCommands(app, ctx);
    addScenarioCommands(app, ctx);
    addStakesCommands(app, ctx);
    addRatingsChanceCommands(app, ctx);
    addTablesCommands(app, ctx);
    addDownloadCommands(app, ctx);
    addHttpCommands(app, ctx);
    addFormulaCommands(app, ctx);
    addShreddingCommands(app, ctx);
    addSystemsCommands(app, ctx);
    addViewsCommands(app, ctx);
    addLibraryCommands(app, ctx);
    addUpdateCommands(app, ctx);
    addLanguageCommands(app, ctx);
    if (!batchJob)
        app.require_subcommand(1);

    try {
        std::vector<std::string> reversed(batch.Rest.rbegin(), batch.Rest.rend());
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? ExitOk : ExitUsage;
    }
    ctx.host.setAnswerPolicy(ctx.yes ? AnswerPolicy::Yes : ctx.no ? AnswerPolicy::No : AnswerPolicy::Ask);

    int code = ExitFailure;
    try {
        if (batchJob)
            code = runBatch(ctx);
        else
            code = ctx.action ? ctx.action() : ExitUsage;
    } catch (const FailureShown&) {
        code = ExitFailure;
    } catch (const UsageFailure& e) {
        std::cerr << e.message << '\n';
        return ExitUsage;
    } catch (const std::exception& e) {
        ctx.host.showError(e.what());
        code = ExitFailure;
    }
    // Whatever failed on the way (a write on close, one file of many) was
    // shown as an error: the command has not done all it was asked to.
    if (code == ExitOk && ctx.host.errorsShown() > 0)
        code = ExitFailure;
    return code;
}
