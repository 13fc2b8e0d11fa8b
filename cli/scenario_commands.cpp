// belvane-cli scenario ...: the scenario's lines and files from the terminal.

#include <fmt/format.h>
#include <iostream>

#include "cli/command_binding.h"
#include "cli/table_output.h"
#include "scenario/filter_variants.h"
#include "scenario/script_line.h"
#include "support/error.h"

namespace belvane::cli {
namespace {

// The lines of a scenario file, or the working copy when no file is named.
std::vector<std::string> linesOf(app::Workspace& ws, const std::string& file)
{
    if (file.empty())
        return ws.Scenario().Lines().Lines();
    scenario::Scenario s;
    s.Open(file);
    return s.Lines();
}

struct ShowOptions {
    std::string file;
    std::string format = "text";
};

int show(CliContext& ctx, const ShowOptions& o)
{
    WorkspaceSession ws(ctx);
    Table table;
    table.captions.emplace_back("№");
    table.captions.insert(table.captions.end(), scenario::ScriptColumnCaptions.begin(),
                          scenario::ScriptColumnCaptions.end());
    const std::vector<std::string> lines = linesOf(*ws, o.file);
    for (size_t i = 0; i < lines.size(); ++i) {
        auto& row = table.rows.emplace_back();
        row.push_back(std::to_string(i + 1));
        for (const std::string& cell : scenario::ScriptRowTexts(ws->Registry(), lines[i]))
            row.push_back(cell);
    }
    printTable(std::cout, table, tableFormatFromName(o.format));
    if (tableFormatFromName(o.format) == TableFormat::Text)
        std::cout << scenario::ScriptLinesStatus(static_cast<int>(lines.size())) << '\n';
    return ExitOk;
}

// open / append / save FILE.
enum class FileAction { Open, Append, Save };

int fileCommand(CliContext& ctx, const std::string& file, FileAction action)
{
    WorkspaceSession ws(ctx);
    app::ScenarioService& s = ws->Scenario();
    const bool ok = action == FileAction::Open     ? s.Open(file)
                    : action == FileAction::Append ? s.Append(file)
                                                   : s.Save(file);
    if (!ok)
        return ExitFailure;
    std::cout << s.PanelText() << '\n';
    return ExitOk;
}

int add(CliContext& ctx, const std::string& line)
{
    WorkspaceSession ws(ctx);
    app::ScenarioService& s = ws->Scenario();
    s.Add(line);
    std::cout << scenario::CanonicalScriptLine(ws->Registry(), s.Lines().Lines().back()) << '\n'
              << s.PanelText() << '\n';
    return ExitOk;
}

int remove(CliContext& ctx, const std::vector<int>& numbers)
{
    WorkspaceSession ws(ctx);
    app::ScenarioService& s = ws->Scenario();
    std::vector<int> indexes;
    for (int n : numbers) {
        if (n < 1 || n > s.Count())
            throw Error(fmt::format("Строки {} нет в сценарии (строк: {})!", n, s.Count()));
        indexes.push_back(n - 1);
    }
    s.Delete(indexes); // the command line is the confirmation
    std::cout << s.PanelText() << '\n';
    return ExitOk;
}

int clear(CliContext& ctx)
{
    WorkspaceSession ws(ctx);
    ws->Scenario().Clear();
    std::cout << ws->Scenario().PanelText() << '\n';
    return ExitOk;
}

struct VariantsOptions {
    std::string file;
    int line = 0; // 1-based; 0: every command line
};

int variants(CliContext& ctx, const VariantsOptions& o)
{
    WorkspaceSession ws(ctx);
    const stats::TStatList& registry = ws->Registry();
    const std::vector<std::string> lines = linesOf(*ws, o.file);
    if (o.line > static_cast<int>(lines.size()))
        throw Error(fmt::format("Строки {} нет в сценарии (строк: {})!", o.line, lines.size()));
    for (size_t i = 0; i < lines.size(); ++i) {
        if ((o.line > 0 && static_cast<int>(i) + 1 != o.line) || scenario::IsSeparatorLine(lines[i]))
            continue;
        const auto items = scenario::ParseLineFilters(registry, scenario::SplitScriptLine(lines[i]));
        scenario::FilterVariants all(registry, items);
        if (o.line == 0)
            std::cout << fmt::format("Строка {}:", i + 1) << '\n';
        std::cout << fmt::format("Создано {} вариантов фильтров.", all.Count()) << '\n';
        scenario::TFilterRec rec;
        while (all.Next(rec))
            std::cout << scenario::FilterRecText(registry, rec) << '\n';
    }
    return ExitOk;
}

} // namespace

void addScenarioCommands(CLI::App& app, CliContext& ctx)
{
    CLI::App* cmd = app.add_subcommand("scenario", "Сценарий: строки, файлы, варианты фильтров");
    cmd->require_subcommand(1);

    auto showOptions = std::make_shared<ShowOptions>();
    CLI::App* showCmd = cmd->add_subcommand("show", "Строки сценария (без FILE - рабочая копия)");
    showCmd->add_option("file", showOptions->file, "Файл сценария (.lsc)");
    addFormatOption(showCmd, showOptions->format);
    onChosen(showCmd, ctx, showOptions, show);

    for (const auto& [name, help, action] :
         {std::tuple{"open", "Загрузить сценарий из файла вместо текущего", FileAction::Open},
          std::tuple{"append", "Добавить сценарий из файла в конец текущего", FileAction::Append},
          std::tuple{"save", "Сохранить сценарий в файл", FileAction::Save}}) {
        auto file = std::make_shared<std::string>();
        CLI::App* fileCmd = cmd->add_subcommand(name, help);
        fileCmd->add_option("file", *file, "Файл сценария (.lsc)")->required();
        onChosen(fileCmd, ctx, file,
                 [a = action](CliContext& c, const std::string& f) { return fileCommand(c, f, a); });
    }

    auto line = std::make_shared<std::string>();
    CLI::App* addCmd = cmd->add_subcommand("add", "Добавить строку в конец сценария");
    addCmd->add_option("line", *line, "Строка сценария: \"опции|фильтр 1|...|фильтр 7|комментарий\"")->required();
    onChosen(addCmd, ctx, line, add);

    auto numbers = std::make_shared<std::vector<int>>();
    CLI::App* deleteCmd = cmd->add_subcommand("delete", "Удалить строки по номерам (с 1)");
    deleteCmd->add_option("numbers", *numbers, "Номера строк")->required();
    onChosen(deleteCmd, ctx, numbers, remove);

    CLI::App* clearCmd = cmd->add_subcommand("clear", "Удалить все строки");
    onChosen(clearCmd, ctx, std::make_shared<int>(), [](CliContext& c, int) { return clear(c); });

    auto variantOptions = std::make_shared<VariantsOptions>();
    CLI::App* variantsCmd = cmd->add_subcommand("variants", "Варианты фильтров строк сценария");
    variantsCmd->add_option("file", variantOptions->file, "Файл сценария (без него - рабочая копия)");
    variantsCmd->add_option("--line", variantOptions->line, "Номер строки (с 1)")->check(CLI::PositiveNumber);
    onChosen(variantsCmd, ctx, variantOptions, variants);
}

} // namespace belvane::cli
