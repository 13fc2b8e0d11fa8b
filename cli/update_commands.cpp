// belvane-cli update ...: updates of the program itself — the search, the
// download that stages the update for the restart, putting the staged files
// in place and taking the last update back.

#include <iostream>

#include "app/update_service.h"
#include "cli/command_binding.h"

namespace belvane::cli {
namespace {

struct UpdateOptions {
    std::string manifest;
};

void printOffer(const app::UpdateOffer& offer)
{
    std::cout << TerminalHost::terminalText(app::UpdateFoundCaption) << '\n'
              << "Текущая версия: " << offer.Running.Text() << '\n'
              << "Новая версия: " << offer.Version.Text() << '\n';
    if (!offer.Description.empty())
        std::cout << TerminalHost::terminalText(offer.Description) << '\n';
    std::cout << TerminalHost::terminalText(offer.Details) << '\n';
}

int checkUpdate(CliContext& ctx, const UpdateOptions& o)
{
    WorkspaceSession ws(ctx);
    const app::UpdateCheckResult r = ws->Update().Check({.Manifest = o.manifest});
    if (r.Outcome == app::UpdateCheckOutcome::Available)
        printOffer(r.Offer);
    return r.Outcome == app::UpdateCheckOutcome::Available || r.Outcome == app::UpdateCheckOutcome::NoUpdate
               ? ExitOk
               : ExitFailure;
}

int downloadUpdate(CliContext& ctx, const UpdateOptions& o)
{
    WorkspaceSession ws(ctx);
    const app::UpdateCheckResult r = ws->Update().Check({.Manifest = o.manifest});
    if (r.Outcome == app::UpdateCheckOutcome::NoUpdate)
        return ExitOk;
    if (r.Outcome != app::UpdateCheckOutcome::Available)
        return ExitFailure;
    printOffer(r.Offer);
    const app::UpdateInstallResult installed = ws->Update().Install(r.Offer);
    return installed.Outcome == app::UpdateInstallOutcome::Failed ? ExitFailure : ExitOk;
}

int applyUpdate(CliContext& ctx, const UpdateOptions&)
{
    WorkspaceSession ws(ctx);
    const std::optional<std::string> version = ws->Update().StagedVersion();
    if (!version) {
        ctx.host.showError("Нет загруженного обновления.");
        return ExitFailure;
    }
    if (!ws->Update().ApplyStaged())
        return ExitFailure;
    std::cout << "Установлено обновление " << *version << " в папку " << ws->Update().ProgramFolder().string() << '\n';
    return ExitOk;
}

int rollBackUpdate(CliContext& ctx, const UpdateOptions&)
{
    WorkspaceSession ws(ctx);
    if (!ws->Update().RollBack())
        return ExitFailure;
    std::cout << "Восстановлены файлы программы, заменённые последним обновлением.\n";
    return ExitOk;
}

} // namespace

void addUpdateCommands(CLI::App& app, CliContext& ctx)
{
    CLI::App* update = app.add_subcommand("update", "Обновление программы");
    update->require_subcommand(1);
    const char* manifestHelp =
        "Адрес https:// или путь к файлу описания обновлений на этот раз (иначе [UPDATE] ManifestUrl)";

    auto check = std::make_shared<UpdateOptions>();
    CLI::App* checkCmd = update->add_subcommand("check", "Поиск доступных обновлений");
    checkCmd->add_option("--manifest", check->manifest, manifestHelp);
    onChosen(checkCmd, ctx, check, checkUpdate);

    auto download = std::make_shared<UpdateOptions>();
    CLI::App* downloadCmd = update->add_subcommand(
        "download", "Загрузить и проверить обновление; его файлы заменят файлы программы при перезапуске");
    downloadCmd->add_option("--manifest", download->manifest, manifestHelp);
    onChosen(downloadCmd, ctx, download, downloadUpdate);

    auto none = std::make_shared<UpdateOptions>();
    CLI::App* applyCmd = update->add_subcommand("apply", "Заменить файлы программы загруженным обновлением сейчас");
    onChosen(applyCmd, ctx, none, applyUpdate);
    CLI::App* rollbackCmd =
        update->add_subcommand("rollback", "Вернуть файлы программы, заменённые последним обновлением");
    onChosen(rollbackCmd, ctx, none, rollBackUpdate);
}

} // namespace belvane::cli
