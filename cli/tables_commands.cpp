// belvane-cli tables ... and ratings to-line: the regular stakes from the
// terminal, and a rating's key back into a scenario line.

#include <fmt/format.h>
#include <iostream>

#include "app/combination_service.h"
#include "app/ratings_service.h"
#include "app/scenario_service.h"
#include "app/stakes_service.h"
#include "app/tables_service.h"
#include "cli/command_binding.h"
#include "cli/table_output.h"
#include "model/comb_text.h"
#include "model/int_list.h"
#include "scenario/rating_key_line.h"
#include "stakes/stake_dialogs.h"
#include "stakes/stake_texts.h"
#include "stats/stat_list.h"
#include "support/error.h"

namespace belvane::cli {
namespace {

// The regular stakes live only while their page is shown.
app::TablesService& shownTables(app::Workspace& ws)
{
    if (!ws.Tables().Visible())
        throw Error(std::string(app::TablesHiddenMessage) + " (settings set TabTables 1)");
    return ws.Tables();
}

// 1-based numbers of the list into indices; a number outside it is refused.
std::vector<size_t> regularIndices(const app::TablesService& tables, const std::vector<int>& numbers)
{
    std::vector<size_t> indices;
    for (int n : numbers) {
        if (n < 1 || static_cast<size_t>(n) > tables.Count())
            throw Error(fmt::format("Регулярной ставки {} нет в списке (всего: {})!", n, tables.Count()));
        indices.push_back(static_cast<size_t>(n - 1));
    }
    return indices;
}

void printCount(const app::TablesService& tables)
{
    std::cout << fmt::format("Регулярных ставок: {}", tables.Count()) << '\n';
}

struct TablesListOptions {
    std::string format = "text";
};

int listTables(CliContext& ctx, const TablesListOptions& o)
{
    WorkspaceSession ws(ctx, Access::Read);
    const app::TablesService& tables = shownTables(*ws);
    Table table;
    table.captions.emplace_back("№");
    table.captions.insert(table.captions.end(), stakes::TablesColumnCaptions.begin(),
                          stakes::TablesColumnCaptions.end());
    for (size_t i = 0; i < tables.Count(); ++i) {
        auto& row = table.rows.emplace_back();
        row.push_back(std::to_string(i + 1));
        for (const std::string& cell : tables.RowTexts(i))
            row.push_back(cell);
    }
    printTable(std::cout, table, tableFormatFromName(o.format));
    if (tableFormatFromName(o.format) == TableFormat::Text)
        printCount(tables);
    return ExitOk;
}

struct TableAddOptions {
    std::string comment;
    std::string start;
    bool lastDraw = false;
    std::string in;
    std::string rows; // 1-based rows of the list, integer-list notation
    int step = 1;
};

int addTable(CliContext& ctx, const TableAddOptions& o)
{
    const int sources = (o.start.empty() ? 0 : 1) + (o.lastDraw ? 1 : 0) + (o.in.empty() ? 0 : 1);
    if (sources != 1)
        throw Error("Укажите одно из: --start \"n1;...;n6\", --last-draw или --in FILE --rows LIST!");
    if (o.in.empty() != o.rows.empty())
        throw Error("--in и --rows указываются вместе!");
    app::RegularAddRequest request;
    request.Comment = o.comment;
    request.Step = o.step;
    request.Base = o.lastDraw ? stakes::RegularBase::LastDraw : stakes::RegularBase::Combination;
    if (!o.start.empty()) {
        request.Start = stakes::ParseStakeNumbers(o.start);
        if (!request.Start)
            throw Error(std::string(stakes::InvalidStakeMessage));
    }
    WorkspaceSession ws(ctx);
    app::TablesService& tables = shownTables(*ws);
    std::vector<size_t> rows;
    if (!o.in.empty()) {
        app::CombinationService& combs = ws->Combinations();
        if (!combs.Open(o.in))
            throw FailureShown{};
        const auto numbers = model::ParseIntList(o.rows);
        if (!numbers || numbers->empty())
            throw Error(fmt::format("Некорректный список строк: \"{}\"!", o.rows));
        for (int n : *numbers) {
            if (n < 1 || static_cast<size_t>(n) > combs.Count())
                throw Error(fmt::format("Строки {} нет в списке комбинаций (строк: {})!", n, combs.Count()));
            rows.push_back(static_cast<size_t>(n - 1));
        }
    }
    const size_t before = tables.Count();
    const bool added = tables.Add(request, rows);
    std::cout << fmt::format("Добавлено регулярных ставок: {}", tables.Count() - before) << '\n';
    printCount(tables);
    return added ? ExitOk : ExitFailure;
}

int removeTables(CliContext& ctx, const std::vector<int>& numbers)
{
    WorkspaceSession ws(ctx);
    app::TablesService& tables = shownTables(*ws);
    const std::vector<size_t> indices = regularIndices(tables, numbers);
    const size_t before = tables.Count();
    const bool deleted = tables.Delete(indices); // the command line is the confirmation
    std::cout << fmt::format("Удалено регулярных ставок: {}", before - tables.Count()) << '\n';
    printCount(tables);
    return deleted ? ExitOk : ExitFailure;
}

struct TableStakeOptions {
    int index = 0;
    int draws = 1;
};

int stakeTables(CliContext& ctx, const TableStakeOptions& o)
{
    WorkspaceSession ws(ctx);
    app::TablesService& tables = shownTables(*ws);
    const size_t index = regularIndices(tables, {o.index}).front();
    const auto prepared = tables.PrepareStake(index);
    if (!prepared)
        return ExitFailure;
    const stakes::StakeRecord& s = prepared->Stake;
    // The stake dialog's rules, as if OK were pressed on what it opened with.
    if (const auto refusal =
            stakes::ValidateStakeDialog(s.DrawNumber, model::JoinNumbers(s.numbers(), ";"), s.Comment, o.draws))
        throw Error(refusal->Message);
    if (!tables.MakeStake(*prepared, s, o.draws))
        return ExitFailure;
    std::cout << fmt::format("Ставка на тираж {}: {}", s.DrawNumber, model::JoinNumbers(s.numbers(), ";")) << '\n';
    app::StakesService& service = ws->Stakes();
    const stakes::StakeRecord last = service.Record(service.Count() - 1);
    if (last.Checked)
        std::cout << fmt::format("Совпадений: {} ({}). Профит: {}", last.Matches, stakes::StakeCellText(last, 6),
                                 stakes::StakeCellText(last, 7))
                  << '\n';
    std::cout << service.PanelText() << '\n';
    return ExitOk;
}

struct TestOptions {
    int count = 0;
    std::vector<int> indices;
};

int test(CliContext& ctx, const TestOptions& o)
{
    WorkspaceSession ws(ctx);
    app::TablesService& tables = shownTables(*ws);
    const std::vector<size_t> indices = regularIndices(tables, o.indices);
    const app::RegularTestResult result = tables.Test(o.count, indices);
    std::cout << fmt::format("Сделано ставок: {}", result.Stakes) << '\n';
    std::cout << ws->Stakes().PanelText() << '\n';
    return result.Failed || result.Cancelled ? ExitFailure : ExitOk;
}

struct ToLineOptions {
    std::string key;
    bool add = false;
};

int toLine(CliContext& ctx, const ToLineOptions& o)
{
    WorkspaceSession ws(ctx);
    if (!o.add) {
        std::cout << scenario::UsableRatingKeyLine(ws->Registry(), o.key) << '\n';
        return ExitOk;
    }
    if (!ws->Ratings().KeyToScript(o.key))
        return ExitFailure;
    std::cout << ws->Scenario().Lines().Line(ws->Scenario().Count() - 1) << '\n';
    return ExitOk;
}

} // namespace

void addTablesCommands(CLI::App& app, CliContext& ctx)
{
    CLI::App* cmd = app.add_subcommand("tables", "Регулярные ставки");
    cmd->require_subcommand(1);

    auto listOptions = std::make_shared<TablesListOptions>();
    CLI::App* listCmd = cmd->add_subcommand("list", "Список регулярных ставок");
    addFormatOption(listCmd, listOptions->format);
    onChosen(listCmd, ctx, listOptions, listTables);

    auto addOptions = std::make_shared<TableAddOptions>();
    CLI::App* addCmd = cmd->add_subcommand("add", "Добавить регулярную ставку");
    addCmd->add_option("--comment", addOptions->comment, "Комментарий к ставке")->required();
    addCmd->add_option("--start", addOptions->start, "Постоянная стартовая комбинация: \"n1;n2;n3;n4;n5;n6\"");
    addCmd->add_flag("--last-draw", addOptions->lastDraw, "Использовать данные предыдущего тиража");
    addCmd->add_option("--in", addOptions->in, "Список комбинаций (.lcv): по ставке на каждую строку из --rows");
    addCmd->add_option("--rows", addOptions->rows, "Номера строк списка (с 1): \"1,5,7\" или \"1-10;1\"");
    addCmd->add_option("--step", addOptions->step, "Шаг")->check(CLI::Range(-45, 45))->capture_default_str();
    onChosen(addCmd, ctx, addOptions, addTable);

    auto deleteNumbers = std::make_shared<std::vector<int>>();
    CLI::App* deleteCmd = cmd->add_subcommand("delete", "Удалить регулярные ставки");
    deleteCmd->add_option("index", *deleteNumbers, "Номера регулярных ставок (с 1)")->required();
    onChosen(deleteCmd, ctx, deleteNumbers, removeTables);

    auto stakeOptions = std::make_shared<TableStakeOptions>();
    CLI::App* stakeCmd = cmd->add_subcommand("stake", "Сделать ставку по регуляру");
    stakeCmd->add_option("index", stakeOptions->index, "Номер регулярной ставки (с 1)")->required();
    stakeCmd->add_option("--draws", stakeOptions->draws, "Количество тиражей")
        ->check(CLI::Range(1, 65535))
        ->capture_default_str();
    onChosen(stakeCmd, ctx, stakeOptions, stakeTables);

    auto testOptions = std::make_shared<TestOptions>();
    CLI::App* testCmd = cmd->add_subcommand("test", "Тест регуляров на последних смещениях");
    testCmd->add_option("count", testOptions->count, "Количество тестов")->required();
    testCmd->add_option("index", testOptions->indices, "Номера регулярных ставок (с 1)")->required();
    onChosen(testCmd, ctx, testOptions, test);

    CLI::App* ratingsCmd = app.get_subcommand("ratings");
    auto toLineOptions = std::make_shared<ToLineOptions>();
    CLI::App* toLineCmd = ratingsCmd->add_subcommand("to-line", "Строка сценария по комментарию строки рейтинга");
    toLineCmd->add_option("key", toLineOptions->key, "Комментарий (ключ) строки рейтинга")->required();
    toLineCmd->add_flag("--add", toLineOptions->add, "Добавить строку в сценарий");
    onChosen(toLineCmd, ctx, toLineOptions, toLine);
}

} // namespace belvane::cli
