// belvane-cli scenario ...: the scenario's lines and files from the terminal.

#include <fmt/format.h>
#include <iostream>

#include "app/combination_service.h"
#include "app/ratings_service.h"
#include "app/backtest_comparison.h"
#include "app/scenario_service.h"
#include "app/stakes_listing.h"
#include "app/stakes_service.h"
#include "cli/command_binding.h"
#include "cli/scenario_interrupt.h"
#include "cli/table_output.h"
#include "scenario/filter_variants.h"
#include "scenario/run_texts.h"
#include "scenario/script_line.h"
#include "stakes/ratings_texts.h"
#include "stakes/stake_texts.h"
#include "stats/stat_list.h"
#include "support/cp1251.h"
#include "support/error.h"
#include "support/translation.h"

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
    WorkspaceSession ws(ctx, Access::Read);
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

int addLine(CliContext& ctx, const std::string& line)
{
    WorkspaceSession ws(ctx);
    app::ScenarioService& s = ws->Scenario();
    s.Add(line);
    std::cout << scenario::CanonicalScriptLine(ws->Registry(), s.Lines().Lines().back()) << '\n'
              << s.PanelText() << '\n';
    return ExitOk;
}

int removeLines(CliContext& ctx, const std::vector<int>& numbers)
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

int clearScenario(CliContext& ctx)
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

struct RunOptions {
    std::string file;
    std::optional<int> offsets; // "Тест": the number of offsets
    int holdout = 0;            // "Тест": the newest offsets kept out of the choice of the best variant
    bool control = false;       // "Тест": random stakes beside the scenario's
    std::optional<uint64_t> seed;
    bool log = false;
    bool stakes = false;
    std::string format = "text";
};

// The ratings row of each comment the run staked under, in the order the run
// made them; a comment whose stakes are not checked yet shows an empty row.
void printRatingRows(app::Workspace& ws, const std::vector<std::string>& comments, TableFormat format)
{
    const stakes::TRatingsArray& records = ws.Ratings().Ratings().records();
    Table table;
    table.captions.assign(stakes::RatingsColumnCaptions.begin(), stakes::RatingsColumnCaptions.end());
    for (const std::string& comment : comments) {
        const std::string key = cp1251::foldCase(cp1251::fromUtf8(comment));
        stakes::RatingRecord record;
        record.Key = comment;
        for (const stakes::RatingRecord& r : records)
            if (cp1251::foldCase(cp1251::fromUtf8(r.Key)) == key) {
                record = r;
                break;
            }
        const auto cells = stakes::RatingRowTexts(record, ws.Ratings().Mode(), ws.Hits());
        table.rows.emplace_back(cells.begin(), cells.end());
    }
    printTable(std::cout, table, format);
}

// The stakes the run wrote, as "stakes list" shows them (separators left out).
void printRunStakes(app::Workspace& ws, size_t first, TableFormat format)
{
    app::PrintStakes(std::cout, ws.Stakes().File(), format, {.First = first, .Separators = false});
}

int runScenario(CliContext& ctx, const RunOptions& o)
{
    WorkspaceSession ws(ctx);
    app::ScenarioService& scenario = ws->Scenario();
    const std::vector<std::string> lines = linesOf(*ws, o.file);
    app::ScenarioRunSettings settings = scenario.RunSettings();
    settings.Log = settings.Log || o.log;
    settings.Seed = o.seed;
    settings.Control = o.offsets && (settings.Control || o.control);

    if (o.offsets && o.holdout >= *o.offsets) {
        std::cerr << fmt::format("--holdout ({}) должно быть меньше --offsets ({}).", o.holdout, *o.offsets) << '\n';
        return ExitUsage;
    }

    app::ScenarioRunResult result;
    {
        ScenarioInterrupt interrupt(scenario);
        result = o.offsets ? scenario.Test(lines, *o.offsets, settings) : scenario.Run(lines, settings);
    }
    const TableFormat format = tableFormatFromName(o.format);
    printRatingRows(*ws, result.Comments, format);
    if (o.stakes)
        printRunStakes(*ws, result.FirstRecord, format);
    if (o.offsets)
        app::CompareTestAndLog(*ws, result, o.holdout);
    if (result.Chance && format == TableFormat::Text)
        std::cout << '\n' << stakes::BacktestChanceText(*result.Chance) << '\n';
    if (format == TableFormat::Text) {
        std::cout << fmt::format("Ставок: {}", result.Stakes) << '\n';
        if (result.ControlStakes > 0)
            std::cout << fmt::format("Контрольных случайных ставок: {}", result.ControlStakes) << '\n';
        std::cout << ws->Combinations().PanelText() << '\n';
        if (!result.LogFile.empty())
            std::cout << fmt::format("Журнал: {}", result.LogFile.string()) << '\n';
    }
    ws.close();
    if (result.Declined) {
        // Without a terminal the question took its preselected "no".
        if (!ctx.host.interactive())
            ctx.host.showError(support::Message(
                "Ставки не сделаны: результат строки больше {} ставок. Чтобы сделать их, укажите --yes.",
                scenario::ManyStakesLimit));
        return ExitFailure;
    }
    return result.Failed ? ExitFailure : ExitOk;
}

int deleteRunLogs(CliContext& ctx)
{
    WorkspaceSession ws(ctx);
    ws->Scenario().DeleteLogs();
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
    onChosen(addCmd, ctx, line, addLine);

    auto numbers = std::make_shared<std::vector<int>>();
    CLI::App* deleteCmd = cmd->add_subcommand("delete", "Удалить строки по номерам (с 1)");
    deleteCmd->add_option("numbers", *numbers, "Номера строк")->required();
    onChosen(deleteCmd, ctx, numbers, removeLines);

    CLI::App* clearCmd = cmd->add_subcommand("clear", "Удалить все строки");
    onChosen(clearCmd, ctx, std::make_shared<int>(), [](CliContext& c, int) { return clearScenario(c); });

    auto variantOptions = std::make_shared<VariantsOptions>();
    CLI::App* variantsCmd = cmd->add_subcommand("variants", "Варианты фильтров строк сценария");
    variantsCmd->add_option("file", variantOptions->file, "Файл сценария (без него - рабочая копия)");
    variantsCmd->add_option("--line", variantOptions->line, "Номер строки (с 1)")->check(CLI::PositiveNumber);
    onChosen(variantsCmd, ctx, variantOptions, variants);

    for (const bool test : {false, true}) {
        auto run = std::make_shared<RunOptions>();
        CLI::App* runCmd = test ? cmd->add_subcommand("test", "Тест сценария на прошлых смещениях (\"Тест\")")
                                : cmd->add_subcommand("run", "Прогноз по сценарию на текущем смещении (\"Прогноз\")");
        runCmd->add_option("file", run->file, "Файл сценария (без него - рабочая копия)");
        if (test)
            runCmd->add_option("--offsets", run->offsets, "Количество тестов: смещения K, K-1, ..., 1")
                ->required()
                ->check(CLI::PositiveNumber);
        if (test)
            runCmd
                ->add_option("--holdout", run->holdout,
                             "Новейших смещений вне выбора лучшего варианта: он выбирается на более старых, "
                             "а его результат на этих показывается отдельно")
                ->check(CLI::NonNegativeNumber);
        if (test)
            runCmd->add_flag("--control", run->control,
                             "Контроль: на каждом смещении столько же случайных ставок из полного набора "
                             "(с тем же --seed), со своим комментарием и строкой рейтинга");
        runCmd->add_option("--seed", run->seed, "Начальное значение для RAND (воспроизводимый выбор)");
        runCmd->add_flag("--log", run->log, "Записать журнал выполнения сценария");
        runCmd->add_flag("--stakes", run->stakes, "Показать сделанные ставки");
        addFormatOption(runCmd, run->format);
        onChosen(runCmd, ctx, run, runScenario);
    }

    CLI::App* logsCmd = cmd->add_subcommand("logs", "Журналы выполнения сценариев");
    logsCmd->require_subcommand(1);
    CLI::App* logsDeleteCmd = logsCmd->add_subcommand("delete", "Удалить журналы выполнения сценариев");
    onChosen(logsDeleteCmd, ctx, std::make_shared<int>(), [](CliContext& c, int) { return deleteRunLogs(c); });
}

} // namespace belvane::cli
