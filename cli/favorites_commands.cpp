// belvane-cli favorites ...: the favourite methods and the captions of the
// user's, as the favourites manager edits them. Every change goes through the
// dialog's working copy and its OK, so the ".flt" file is saved as after the dialog.

#include <fmt/format.h>
#include <iostream>
#include <optional>

#include "app/statistics_service.h"
#include "cli/command_binding.h"
#include "cli/table_output.h"
#include "stats/favorites_draft.h"
#include "stats/stat_list.h"
#include "support/text.h"

namespace belvane::cli {
namespace {

int listFavorites(CliContext& ctx, const std::string& format)
{
    WorkspaceSession ws(ctx, Access::Read);
    const stats::TStatList& registry = ws->Registry();
    Table table;
    table.captions = {"ID", "Избранный", "Название", "Название пользователя"};
    for (int i = 0; i < registry.MethodCount(); ++i) {
        const stats::TStatMethod& m = registry.Item(i);
        table.rows.push_back({m.ID(), registry.IsListed(i) ? "+" : "-", m.DisplayCaption(), m.UserCaption});
    }
    printTable(std::cout, table, tableFormatFromName(format));
    return ExitOk;
}

// Applies the edited copy as the dialog's OK does, then closes the workspace;
// a failed write of the ".flt" file is a failure.
void applyDraft(WorkspaceSession& ws, const stats::FavoritesDraft& draft)
{
    if (!ws->Statistics().ApplyFavorites(draft))
        throw FailureShown{};
    ws.close();
}

std::string favoritesSummary(const stats::TStatList& registry)
{
    const std::string ids = registry.FavoritesText();
    return ids.empty() ? std::string("Избранные методы: все") : fmt::format("Избранные методы: {}", ids);
}

int setFavorites(CliContext& ctx, const std::string& ids)
{
    WorkspaceSession ws(ctx);
    stats::FavoritesDraft draft = ws->Statistics().MakeFavoritesDraft();
    draft.MarkAll(false);
    for (std::string_view id : text::split(ids, ",", true)) {
        id = text::trim(id);
        if (!id.empty())
            draft.SetMarked(draft.MethodOfEntry(ws.entry(id)), true);
    }
    applyDraft(ws, draft);
    std::cout << favoritesSummary(ws->Registry()) << '\n';
    return ExitOk;
}

struct RenameOptions {
    std::string id;
    std::string caption;
};

// Renames one method (no caption: back to its own) and prints the caption it shows now.
int editCaption(CliContext& ctx, const std::string& id, const std::optional<std::string>& caption)
{
    WorkspaceSession ws(ctx);
    const int entry = ws.entry(id);
    stats::FavoritesDraft draft = ws->Statistics().MakeFavoritesDraft();
    const int method = draft.MethodOfEntry(entry);
    if (caption)
        draft.Rename(method, *caption);
    else
        draft.ResetName(method);
    applyDraft(ws, draft);
    const stats::TStatMethod& m = ws->Registry().Item(entry);
    std::cout << fmt::format("{}: {}", m.ID(), m.DisplayCaption()) << '\n';
    return ExitOk;
}

int renameMethod(CliContext& ctx, const RenameOptions& o)
{
    return editCaption(ctx, o.id, o.caption);
}

int resetName(CliContext& ctx, const std::string& id)
{
    return editCaption(ctx, id, std::nullopt);
}

int exportNames(CliContext& ctx, const std::string& file)
{
    WorkspaceSession ws(ctx, Access::Read);
    if (!ws->Statistics().ExportFavoriteNames(ws->Statistics().MakeFavoritesDraft(), file))
        throw FailureShown{};
    return ExitOk;
}

int importNames(CliContext& ctx, const std::string& file)
{
    WorkspaceSession ws(ctx);
    stats::FavoritesDraft draft = ws->Statistics().MakeFavoritesDraft();
    if (!ws->Statistics().ImportFavoriteNames(draft, file))
        throw FailureShown{};
    applyDraft(ws, draft);
    return ExitOk;
}

} // namespace

void addFavoritesCommands(CLI::App& app, CliContext& ctx)
{
    CLI::App* favorites =
        app.add_subcommand("favorites", "Избранные методы расчета статистики и их названия (файл .flt)");
    favorites->require_subcommand(1);

    auto format = std::make_shared<std::string>("text");
    CLI::App* listCmd =
        favorites->add_subcommand("list", "Методы: ID, отметка избранного, название, название пользователя");
    addFormatOption(listCmd, *format);
    onChosen(listCmd, ctx, format, listFavorites);

    auto ids = std::make_shared<std::string>();
    CLI::App* setCmd = favorites->add_subcommand(
        "set", "Заменить список избранных методов (пустой список или все методы: все доступные)");
    setCmd->add_option("ids", *ids, "ID методов через запятую, без учета регистра")->required();
    onChosen(setCmd, ctx, ids, setFavorites);

    auto rename = std::make_shared<RenameOptions>();
    CLI::App* renameCmd = favorites->add_subcommand("rename", "Переименовать метод");
    renameCmd->add_option("id", rename->id, "ID метода")->required();
    renameCmd->add_option("caption", rename->caption, "Новое название")->required();
    onChosen(renameCmd, ctx, rename, renameMethod);

    auto reset = std::make_shared<std::string>();
    CLI::App* resetCmd = favorites->add_subcommand("reset-name", "Вернуть название метода по умолчанию");
    resetCmd->add_option("id", *reset, "ID метода")->required();
    onChosen(resetCmd, ctx, reset, resetName);

    auto exportFile = std::make_shared<std::string>();
    CLI::App* exportCmd = favorites->add_subcommand("export", "Экспорт названий методов в файл");
    exportCmd->add_option("file", *exportFile, "Файл .flt")->required();
    onChosen(exportCmd, ctx, exportFile, exportNames);

    auto importFile = std::make_shared<std::string>();
    CLI::App* importCmd = favorites->add_subcommand("import", "Импорт названий методов из файла (и сохранение)");
    importCmd->add_option("file", *importFile, "Файл .flt")->required();
    onChosen(importCmd, ctx, importFile, importNames);
}

} // namespace belvane::cli
