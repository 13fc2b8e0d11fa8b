// belvane-cli stakes ... and ratings ...: stakes, their check and the ratings from the terminal.

#include <fmt/format.h>
#include <iostream>

#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/ratings_service.h"
#include "app/stakes_export_sources.h"
#include "app/stakes_listing.h"
#include "app/stakes_service.h"
#include "app/workspace.h"
#include "cli/command_binding.h"
#include "cli/table_output.h"
#include "cli/xlsx_options.h"
#include "model/comb_text.h"
#include "model/int_list.h"
#include "stakes/stake_texts.h"
#include "support/error.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::cli {
namespace {

void printStakesCount(app::Workspace& ws)
{
    std::cout << ws.Stakes().PanelText() << '\n';
}

// The list the stakes are made from: the file, or the saved generation settings.
app::CombinationService& loadList(app::Workspace& ws, const std::string& file)
{
    app::CombinationService& combs = ws.Combinations();
    const bool loaded =
        file.empty() ? combs.Generate(ws.Configuration().SavedGenerateSettings()) : combs.Open(file).has_value();
    if (!loaded)
        throw FailureShown{};
    return combs;
}

struct StakesListOptions {
    std::string format = "text";
    XlsxOptions xlsx;
};

int listStakes(CliContext& ctx, const StakesListOptions& o)
{
    WorkspaceSession ws(ctx, Access::Read);
    app::StakesService& stakes = ws->Stakes();
    if (o.xlsx.wanted())
        return writeXlsx(ctx, *ws, o.xlsx, app::StakesExportSource(stakes),
                         {app::StakesGridControl, app::StakesExportTitle});
    // Read from the file as it is printed: a file of millions of stakes needs no more memory than a few.
    app::PrintStakes(std::cout, stakes.File(), tableFormatFromName(o.format));
    if (tableFormatFromName(o.format) == TableFormat::Text)
        printStakesCount(*ws);
    return ExitOk;
}

struct ManualStakeOptions {
    std::string numbers;
    std::optional<int> draw;
    int draws = 1;
    std::optional<std::string> comment;
};

// The stake dialog's rules, then the stake and the check.
int addStake(app::Workspace& ws, const model::TComb& prefill, const ManualStakeOptions& o)
{
    app::StakesService& service = ws.Stakes();
    stakes::StakeRecord stake = service.PrepareManualStake(prefill);
    const int64_t draw = o.draw ? *o.draw : stake.DrawNumber;
    const std::string numbers = model::CombToListText(prefill);
    const std::string comment = o.comment ? *o.comment : stake.Comment;
    if (const auto refusal =
            stakes::ValidateStakeDialog(draw, o.numbers.empty() ? numbers : o.numbers, comment, o.draws))
        throw Error(refusal->Message);
    stake.DrawNumber = static_cast<int32_t>(draw);
    stake.Comment = comment;
    if (!service.AddStake(stake, o.draws))
        return ExitFailure;
    const size_t count = service.Count();
    std::cout << fmt::format("Ставка на тираж {}: {}", stake.DrawNumber, numbers) << '\n';
    // The stake just made, as checking left it.
    const stakes::StakeRecord last = service.Record(count - 1);
    if (last.Checked)
        std::cout << fmt::format("Совпадений: {} ({}). Профит: {}", last.Matches, stakes::StakeCellText(last, 6),
                                 stakes::StakeCellText(last, 7))
                  << '\n';
    printStakesCount(ws);
    return ExitOk;
}

int addManualStake(CliContext& ctx, const ManualStakeOptions& o)
{
    const auto numbers = stakes::ParseStakeNumbers(o.numbers);
    if (!numbers)
        throw Error(std::string(stakes::InvalidStakeMessage));
    WorkspaceSession ws(ctx);
    return addStake(*ws, *numbers, o);
}

struct ListStakeOptions {
    std::string in;
    std::string rows; // 1-based rows of the list, integer-list notation
    std::optional<int> draw;
    int draws = 1;
    std::optional<std::string> comment;
};

int addList(CliContext& ctx, const ListStakeOptions& o)
{
    WorkspaceSession ws(ctx);
    app::CombinationService& combs = loadList(*ws, o.in);
    std::vector<size_t> rows;
    if (!o.rows.empty()) {
        const auto numbers = model::ParseIntList(o.rows);
        if (!numbers || numbers->empty())
            throw Error(fmt::format("Некорректный список строк: \"{}\"!", o.rows));
        for (int n : *numbers) {
            if (n < 1 || static_cast<size_t>(n) > combs.Count())
                throw Error(fmt::format("Строки {} нет в списке комбинаций (строк: {})!", n, combs.Count()));
            rows.push_back(static_cast<size_t>(n - 1));
        }
    }
    stakes::MultiStakeRequest request;
    request.DrawNumber = o.draw ? *o.draw : ws->Stakes().NextDrawNumber();
    request.DrawsCount = o.draws;
    request.Comment = o.comment ? *o.comment : std::string(stakes::ManualStakeComment);
    request.ListSize = static_cast<int32_t>(combs.Count());
    if (const auto refusal = stakes::ValidateMultiStakeDialog(request.DrawNumber, request.Comment, request.DrawsCount))
        throw Error(refusal->Message);
    const stakes::AddStakesResult result = ws->Stakes().AddStakes(rows, request, rows.empty());
    std::cout << fmt::format("Сделано ставок: {}", result.Stakes) << '\n';
    printStakesCount(*ws);
    return result.Completed ? ExitOk : ExitFailure;
}

struct RandomOptions {
    std::string in;
    std::optional<int> draw;
    std::optional<std::string> comment;
};

int random(CliContext& ctx, const RandomOptions& o)
{
    WorkspaceSession ws(ctx);
    loadList(*ws, o.in);
    const auto comb = ws->Stakes().RandomCombination();
    if (!comb)
        throw Error("Список комбинаций пуст!");
    ManualStakeOptions options;
    options.draw = o.draw;
    options.comment = o.comment;
    return addStake(*ws, *comb, options);
}

int check(CliContext& ctx)
{
    WorkspaceSession ws(ctx);
    const stakes::CheckResult result = ws->Stakes().Check();
    std::cout << fmt::format("Проверено ставок: {}", result.Checked) << '\n';
    printStakesCount(*ws);
    return result.Failed || result.Cancelled ? ExitFailure : ExitOk;
}

struct DeleteOptions {
    std::vector<int> rows;            // 1-based
    std::vector<std::string> matches; // OP V
};

stakes::StakeFilterChoice matchChoice(const std::vector<std::string>& words)
{
    static const std::pair<std::string_view, stakes::MatchCondition> ops[] = {
        {"=", stakes::MatchCondition::Equal},
        {">", stakes::MatchCondition::Greater},
        {">=", stakes::MatchCondition::NotLess},
        {"<", stakes::MatchCondition::Less},
        {"<=", stakes::MatchCondition::NotGreater}};
    stakes::StakeFilterChoice choice;
    const auto op = std::find_if(std::begin(ops), std::end(ops), [&](const auto& p) { return p.first == words[0]; });
    const auto value = text::parseInt(words[1]);
    if (op == std::end(ops) || !value || *value < 0 || *value > stakes::MaxConditionValue)
        throw Error(
            fmt::format("Некорректное условие: \"{} {}\" (нужно: = > >= < <= и число 0..6)!", words[0], words[1]));
    choice.Condition = op->second;
    choice.Value = *value;
    return choice;
}

int removeStakes(CliContext& ctx, const DeleteOptions& o)
{
    if (o.rows.empty() == o.matches.empty())
        throw Error("Укажите номера ставок или условие --matches OP V!");
    WorkspaceSession ws(ctx);
    app::StakesService& service = ws->Stakes();
    const size_t before = service.Count();
    bool done = false;
    if (!o.matches.empty()) {
        done = service.DeleteByMatches(matchChoice(o.matches));
    } else {
        std::vector<size_t> indices;
        for (int r : o.rows) {
            if (r < 1 || static_cast<size_t>(r) > before)
                throw Error(fmt::format("Ставки {} нет в файле ставок (записей: {})!", r, before));
            indices.push_back(static_cast<size_t>(r - 1));
        }
        done = service.DeleteRecords(indices); // the command line is the confirmation
    }
    std::cout << fmt::format("Удалено записей: {}", before - service.Count()) << '\n';
    printStakesCount(*ws);
    return done || before == service.Count() ? ExitOk : ExitFailure;
}

int clearStakes(CliContext& ctx)
{
    WorkspaceSession ws(ctx);
    const size_t before = ws->Stakes().Count();
    ws->Stakes().Clear(); // the command line is the confirmation
    std::cout << fmt::format("Удалено записей: {}", before - ws->Stakes().Count()) << '\n';
    printStakesCount(*ws);
    return ExitOk;
}

int deleteLogs(CliContext& ctx)
{
    WorkspaceSession ws(ctx);
    ws->Stakes().DeleteLogs();
    return ExitOk;
}

struct RatingsOptions {
    std::optional<int> mode;
    std::optional<int> sort;
    bool desc = false;
    std::string format = "text";
    XlsxOptions xlsx;
};

int listRatings(CliContext& ctx, const RatingsOptions& o)
{
    // A chosen mode or sort order is kept for the next listing.
    WorkspaceSession ws(ctx, o.mode || o.sort ? Access::Change : Access::Read);
    app::RatingsService& ratings = ws->Ratings();
    if (o.mode)
        ratings.SetMode(static_cast<stakes::EfficiencyMode>(*o.mode));
    if (o.sort && !ratings.Sort(*o.sort, o.desc))
        return ExitFailure;
    if (o.xlsx.wanted())
        return writeXlsx(ctx, *ws, o.xlsx, app::RatingsExportSource(ratings),
                         {app::RatingsListControl, app::RatingsExportTitle});
    // The page's columns, then the comparison with random play.
    Table table;
    table.captions.assign(stakes::RatingsColumnCaptions.begin(), stakes::RatingsColumnCaptions.end());
    for (std::string_view caption : stakes::ChanceColumnCaptions)
        table.captions.push_back(support::Text(caption));
    const std::vector<stakes::RowChance> chance = ratings.CompareWithChance();
    for (size_t i = 0; i < ratings.Count(); ++i) {
        const auto cells = ratings.RowTexts(i);
        auto& row = table.rows.emplace_back(cells.begin(), cells.end());
        for (int c = 0; c < stakes::ChanceColumnCount; ++c)
            row.push_back(stakes::ChanceCellText(chance[i], c));
    }
    printTable(std::cout, table, tableFormatFromName(o.format));
    if (tableFormatFromName(o.format) == TableFormat::Text)
        std::cout << ratings.PanelText() << '\n';
    return ExitOk;
}

int refreshRatings(CliContext& ctx)
{
    WorkspaceSession ws(ctx);
    const bool done = ws->Ratings().Refresh();
    std::cout << ws->Ratings().PanelText() << '\n';
    return done ? ExitOk : ExitFailure;
}

int exportRatings(CliContext& ctx, const std::string& file)
{
    WorkspaceSession ws(ctx, Access::Read);
    if (!ws->Ratings().ExportCsv(file))
        return ExitFailure;
    std::cout << fmt::format("Выгружено строк рейтинга: {}", ws->Ratings().Count()) << '\n';
    return ExitOk;
}

} // namespace

void addStakesCommands(CLI::App& app, CliContext& ctx)
{
    CLI::App* cmd = app.add_subcommand("stakes", "Ставки: создание, проверка, удаление");
    cmd->require_subcommand(1);

    auto list = std::make_shared<StakesListOptions>();
    CLI::App* listCmd = cmd->add_subcommand("list", "Список ставок");
    addFormatOption(listCmd, list->format);
    addXlsxOptions(listCmd, list->xlsx);
    onChosen(listCmd, ctx, list, listStakes);

    auto drawOptions = [](CLI::App* c, std::optional<int>& draw, std::optional<std::string>& comment) {
        c->add_option("--draw", draw, "Номер тиража (по умолчанию следующий после смещения)")
            ->check(CLI::Range(1, std::numeric_limits<int32_t>::max()));
        c->add_option("--comment", comment, "Комментарий к ставке (по умолчанию \"Ставка \\\"вручную\\\"\")");
    };

    auto stake = std::make_shared<ManualStakeOptions>();
    CLI::App* addCmd = cmd->add_subcommand("add", "Сделать ставку");
    addCmd->add_option("numbers", stake->numbers, "Шесть чисел: \"n1;n2;n3;n4;n5;n6\"")->required();
    drawOptions(addCmd, stake->draw, stake->comment);
    addCmd->add_option("--draws", stake->draws, "Количество тиражей")
        ->check(CLI::Range(1, 65535))
        ->capture_default_str();
    onChosen(addCmd, ctx, stake, addManualStake);

    auto listStake = std::make_shared<ListStakeOptions>();
    CLI::App* addListCmd = cmd->add_subcommand("add-list", "Сделать ставки для комбинаций списка");
    addListCmd->add_option("--in", listStake->in, "Список комбинаций (по умолчанию сохраненные настройки генерации)");
    addListCmd->add_option("--rows", listStake->rows, "Номера строк списка (с 1): \"1,5,7\" или \"1-10;1\"");
    drawOptions(addListCmd, listStake->draw, listStake->comment);
    addListCmd->add_option("--draws", listStake->draws, "Количество тиражей")
        ->check(CLI::Range(1, 65535))
        ->capture_default_str();
    onChosen(addListCmd, ctx, listStake, addList);

    auto rnd = std::make_shared<RandomOptions>();
    CLI::App* randomCmd = cmd->add_subcommand("random", "Сделать случайную ставку из списка комбинаций");
    randomCmd->add_option("--in", rnd->in, "Список комбинаций (по умолчанию сохраненные настройки генерации)");
    drawOptions(randomCmd, rnd->draw, rnd->comment);
    onChosen(randomCmd, ctx, rnd, random);

    CLI::App* checkCmd = cmd->add_subcommand("check", "Проверить ставки");
    onChosen(checkCmd, ctx, std::make_shared<int>(), [](CliContext& c, int) { return check(c); });

    auto del = std::make_shared<DeleteOptions>();
    CLI::App* deleteCmd = cmd->add_subcommand("delete", "Удалить ставки по номерам или по условию");
    deleteCmd->add_option("rows", del->rows, "Номера записей (с 1)");
    deleteCmd->add_option("--matches", del->matches, "Условие: OP V, OP одно из = > >= < <=")->expected(2);
    onChosen(deleteCmd, ctx, del, removeStakes);

    CLI::App* clearCmd = cmd->add_subcommand("clear", "Удалить все ставки");
    onChosen(clearCmd, ctx, std::make_shared<int>(), [](CliContext& c, int) { return clearStakes(c); });

    CLI::App* logsCmd = cmd->add_subcommand("logs", "Журналы ставок");
    logsCmd->require_subcommand(1);
    CLI::App* logsDeleteCmd = logsCmd->add_subcommand("delete", "Удалить журналы ставок");
    onChosen(logsDeleteCmd, ctx, std::make_shared<int>(), [](CliContext& c, int) { return deleteLogs(c); });

    CLI::App* ratingsCmd = app.add_subcommand("ratings", "Рейтинг комментариев ставок");
    ratingsCmd->require_subcommand(1);
    auto ratings = std::make_shared<RatingsOptions>();
    CLI::App* ratingsList = ratingsCmd->add_subcommand("list", "Таблица рейтинга");
    ratingsList->add_option("--mode", ratings->mode, "E0..E6: 0 ожидаемые, 1 абсолютные, 2 относительные")
        ->check(CLI::Range(0, 2));
    ratingsList->add_option("--sort", ratings->sort, "Столбец сортировки (0..12)")->check(CLI::Range(0, 12));
    ratingsList->add_flag("--desc", ratings->desc, "По убыванию");
    addFormatOption(ratingsList, ratings->format);
    addXlsxOptions(ratingsList, ratings->xlsx);
    onChosen(ratingsList, ctx, ratings, listRatings);

    CLI::App* refreshCmd = ratingsCmd->add_subcommand("refresh", "Пересчитать рейтинг по текущим ставкам");
    onChosen(refreshCmd, ctx, std::make_shared<int>(), [](CliContext& c, int) { return refreshRatings(c); });

    auto exportFile = std::make_shared<std::string>();
    CLI::App* exportCmd = ratingsCmd->add_subcommand("export", "Экспорт рейтинга в CSV-файл");
    exportCmd->add_option("file", *exportFile, "CSV-файл")->required();
    onChosen(exportCmd, ctx, exportFile, exportRatings);
}

} // namespace belvane::cli
