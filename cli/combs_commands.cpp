// belvane-cli combs ... and filter: the combination list from the terminal.

#include <fmt/format.h>
#include <iostream>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/export_sources.h"
#include "app/filter_request.h"
#include "app/workspace.h"
#include "cli/command_binding.h"
#include "cli/xlsx_options.h"
#include "combs/generate.h"
#include "combs/list_file.h"
#include "combs/list_queries.h"
#include "model/comb_text.h"
#include "model/number_sets.h"
#include "support/error.h"

namespace belvane::cli {
namespace {

// The list to work on: the full set when no file is named, else the file's combinations.
app::CombinationService& loadOrGenerate(app::Workspace& ws, const std::string& file)
{
    app::CombinationService& combinations = ws.Combinations();
    const bool ok =
        file.empty() ? combinations.Generate({combs::GenerateFull, {}}) : combinations.Open(file).has_value();
    if (!ok)
        throw FailureShown{};
    return combinations;
}

void saveList(const app::CombinationService& combinations, const std::string& file)
{
    if (!combinations.Save(file))
        throw FailureShown{};
}

void printCount(const app::CombinationService& combinations)
{
    std::cout << combinations.PanelText() << '\n';
}

// The list as it stands, to the workbook --xlsx names (when it names one).
void exportList(CliContext& ctx, app::Workspace& ws, const XlsxOptions& o)
{
    if (o.wanted() && writeXlsx(ctx, ws, o, app::CombListSource(ws.Combinations().Combs()),
                                {app::CombListControl, app::CombsExportTitle}) != ExitOk)
        throw FailureShown{};
}

struct GenerateOptions {
    std::optional<int> mode;
    std::optional<std::string> parameters;
    std::string out;
    XlsxOptions xlsx;
};

int generate(CliContext& ctx, const GenerateOptions& o)
{
    WorkspaceSession ws(ctx);
    app::GenerateSettings settings = ws->Configuration().SavedGenerateSettings();
    if (o.mode)
        settings.Mode = *o.mode;
    if (o.parameters)
        settings.Parameters = *o.parameters;
    app::CombinationService& combinations = ws->Combinations();
    if (!combinations.Generate(settings))
        return ExitFailure;
    saveList(combinations, o.out);
    printCount(combinations);
    exportList(ctx, *ws, o.xlsx);
    return ExitOk;
}

struct ExcludeOptions {
    int n = 0;
    std::string in;
    std::string out;
    XlsxOptions xlsx;
};

int exclude(CliContext& ctx, const ExcludeOptions& o)
{
    WorkspaceSession ws(ctx);
    app::CombinationService& combinations = loadOrGenerate(*ws, o.in);
    combinations.ExcludeLatestDraws(o.n);
    saveList(combinations, o.out);
    printCount(combinations);
    exportList(ctx, *ws, o.xlsx);
    return ExitOk;
}

struct InfoOptions {
    std::string file;
    XlsxOptions xlsx;
};

int info(CliContext& ctx, const InfoOptions& o)
{
    const std::string& file = o.file;
    WorkspaceSession ws(ctx, Access::Read);
    app::CombinationService& combinations = ws->Combinations();
    const std::optional<int> skipped = combinations.Open(file);
    if (!skipped)
        return ExitFailure;
    printCount(combinations);
    std::cout << combinations.DistinctNumbersMessage() << '\n';
    if (*skipped > 0)
        std::cout << app::SkippedLinesText(*skipped) << '\n';
    exportList(ctx, *ws, o.xlsx);
    return ExitOk;
}

struct FindOptions {
    std::string file;
    std::string comb;
};

int find(CliContext& ctx, const FindOptions& o)
{
    const model::TComb wanted = model::ParseComb(o.comb);
    WorkspaceSession ws(ctx, Access::Read);
    const app::CombinationService& combinations = loadOrGenerate(*ws, o.file);
    const auto combs = combinations.Combs();
    const auto row = std::find_if(combs.begin(), combs.end(),
                                  [&](const model::TComb& c) { return model::Sorted(c) == model::Sorted(wanted); });
    if (row == combs.end())
        throw Error(
            fmt::format("Комбинация \"{}\" не найдена в списке \"{}\"!", model::CombToListText(wanted), o.file));
    const auto index = static_cast<size_t>(row - combs.begin());
    std::cout << fmt::format("Строка {}: {}", index + 1, model::CombToDisplayText(*row)) << '\n'
              << TerminalHost::terminalText(combinations.FindInDrawsMessage(index)) << '\n';
    return ExitOk;
}

struct FilterOptions {
    std::string in;
    std::string out;
    std::string method;
    int length = 1000;
    bool sorted = false;
    bool keep = false;
    bool remove = false;
    std::vector<std::string> values;
    XlsxOptions xlsx;
};

int filter(CliContext& ctx, const FilterOptions& o)
{
    WorkspaceSession ws(ctx);
    app::FilterRequest request;
    request.Entry = ws.entry(o.method);
    request.Offset = ws->Archive().Offset();
    request.Length = o.length;
    request.Sorted = ws->Archive().Sorted() || o.sorted;
    request.Remove = o.remove;
    request.ValueTexts = o.values;

    app::CombinationService& combinations = loadOrGenerate(*ws, o.in);
    if (!combinations.Filter(request))
        return ExitFailure;
    saveList(combinations, o.out);
    const combs::HistoryRow& row = combinations.History().Rows().back();
    std::cout << row.Caption << '\t' << row.Values << '\t' << row.Count << '\n';
    printCount(combinations);
    exportList(ctx, *ws, o.xlsx);
    return ExitOk;
}

} // namespace

void addCombsCommands(CLI::App& app, CliContext& ctx)
{
    CLI::App* combsCmd = app.add_subcommand("combs", "Списки комбинаций: создание, исключение тиражей, сведения");
    combsCmd->require_subcommand(1);

    auto gen = std::make_shared<GenerateOptions>();
    CLI::App* genCmd = combsCmd->add_subcommand("generate", "Создать новый список комбинаций");
    genCmd
        ->add_option("--mode", gen->mode,
                     "0 полный список, 1 любое из моих чисел, 2 только мои числа, 3 без моих чисел, 4 из файла")
        ->check(CLI::Range(0, 4));
    genCmd->add_option("--param", gen->parameters, "Мои числа через запятую или имя файла списка (режим 4)");
    genCmd->add_option("--out", gen->out, "Файл списка комбинаций (.lcv)")->required();
    addXlsxOptions(genCmd, gen->xlsx);
    onChosen(genCmd, ctx, gen, generate);

    auto ex = std::make_shared<ExcludeOptions>();
    CLI::App* exCmd = combsCmd->add_subcommand("exclude", "Исключить из списка комбинации последних тиражей");
    exCmd->add_option("n", ex->n, "Количество последних тиражей")->required()->check(CLI::Range(1, 1'000'000));
    exCmd->add_option("--in", ex->in, "Исходный список (по умолчанию полный набор)");
    exCmd->add_option("--out", ex->out, "Файл результата (.lcv)")->required();
    addXlsxOptions(exCmd, ex->xlsx);
    onChosen(exCmd, ctx, ex, exclude);

    auto infoOptions = std::make_shared<InfoOptions>();
    CLI::App* infoCmd = combsCmd->add_subcommand("info", "Количество комбинаций и уникальных номеров списка");
    infoCmd->add_option("file", infoOptions->file, "Файл списка комбинаций")->required();
    addXlsxOptions(infoCmd, infoOptions->xlsx);
    onChosen(infoCmd, ctx, infoOptions, info);

    auto fnd = std::make_shared<FindOptions>();
    CLI::App* findCmd = combsCmd->add_subcommand("find", "Найти комбинацию списка в архиве тиражей");
    findCmd->add_option("file", fnd->file, "Файл списка комбинаций")->required();
    findCmd->add_option("comb", fnd->comb, "Комбинация: \"n1 n2 n3 n4 n5 n6\"")->required();
    onChosen(findCmd, ctx, fnd, find);

    auto flt = std::make_shared<FilterOptions>();
    CLI::App* filterCmd =
        app.add_subcommand("filter", "Оставить или удалить комбинации с выбранными значениями статистики");
    filterCmd->add_option("--in", flt->in, "Исходный список (по умолчанию полный набор)");
    filterCmd->add_option("--out", flt->out, "Файл результата (.lcv)")->required();
    filterCmd->add_option("--method", flt->method, "ID метода (NUMS, POS1, ...)")->required();
    filterCmd->add_option("--len", flt->length, "Количество тиражей для расчета")
        ->check(CLI::Range(1, 1'000'000))
        ->capture_default_str();
    filterCmd->add_flag("--sorted", flt->sorted, "Числа тиражей по возрастанию");
    addXlsxOptions(filterCmd, flt->xlsx);
    auto* keep = filterCmd->add_flag("--keep", flt->keep, "Оставить выделенные");
    auto* remove = filterCmd->add_flag("--remove", flt->remove, "Удалить выделенные");
    keep->excludes(remove);
    filterCmd->add_option("--value", flt->values, "Значение из столбца \"Значение\" (можно несколько)")->required();
    filterCmd->callback([&ctx, flt] {
        if (!flt->keep && !flt->remove)
            throw CLI::RequiredError("--keep or --remove");
        ctx.action = [&ctx, flt] { return filter(ctx, *flt); };
    });
}

} // namespace belvane::cli
