// belvane-cli shredding ...: the three shredding formulas of the configuration.

#include <fmt/format.h>
#include <iostream>

#include "app/configuration_service.h"
#include "cli/command_binding.h"
#include "cli/table_output.h"
#include "stats/config_data.h"
#include "stats/shredding.h"
#include "stats/shredding_value.h"
#include "support/error.h"

namespace belvane::cli {
namespace {

int showFormulas(CliContext& ctx, const std::string& format)
{
    WorkspaceSession ws(ctx, Access::Read);
    const app::ShreddingSettings settings = ws->Configuration().Shredding();
    Table table;
    table.captions = {"Метод", "Формула", "Знаков"};
    for (size_t i = 0; i < settings.Formulas.size(); ++i)
        table.rows.push_back({stats::TstShreddingStatClass.IDFor(static_cast<int>(i) + 1), settings.Formulas[i],
                              std::to_string(settings.Digits[i])});
    printTable(std::cout, table, tableFormatFromName(format));
    return ExitOk;
}

struct FormulaSetOptions {
    int slot = 1;
    std::string formula;
    std::optional<int> digits;
};

// The formula is checked as the dialog checks it; the digit count stays when not given.
int setFormula(CliContext& ctx, const FormulaSetOptions& o)
{
    if (const auto problem = stats::ShreddingFormulaProblem(o.formula))
        throw Error(*problem);
    WorkspaceSession ws(ctx);
    app::ShreddingSettings settings = ws->Configuration().Shredding();
    const size_t i = static_cast<size_t>(o.slot - 1);
    settings.Formulas[i] = o.formula;
    settings.Digits[i] = o.digits.value_or(settings.Digits[i]);
    if (!ws->Configuration().ApplyShredding(settings).Ok)
        throw FailureShown{}; // the formula is in use, but a write failed
    const app::ShreddingSettings stored = ws->Configuration().Shredding();
    ws.close();
    std::cout << fmt::format("{}: {} (знаков: {})", stats::TstShreddingStatClass.IDFor(o.slot), stored.Formulas[i],
                             stored.Digits[i])
              << '\n';
    return ExitOk;
}

} // namespace

void addShreddingCommands(CLI::App& app, CliContext& ctx)
{
    CLI::App* shredding = app.add_subcommand("shredding", "Формулы методов шинковки (раздел SHREDDING)");
    shredding->require_subcommand(1);

    auto format = std::make_shared<std::string>("text");
    CLI::App* getCmd = shredding->add_subcommand("get", "Три формулы и количество знаков после запятой");
    addFormatOption(getCmd, *format);
    onChosen(getCmd, ctx, format, showFormulas);

    auto set = std::make_shared<FormulaSetOptions>();
    CLI::App* setCmd = shredding->add_subcommand(
        "set", "Изменить формулу (списки методов и файлы полного набора обновляются, как после диалога)");
    setCmd->add_option("slot", set->slot, "Номер формулы (1..3)")
        ->required()
        ->check(CLI::Range(1, stats::ShreddingSlotCount));
    setCmd->add_option("formula", set->formula, "Формула с переменными n1..n6, p1..p6, t1..t6")->required();
    setCmd->add_option("--digits", set->digits, "Количество знаков после запятой (по умолчанию прежнее)")
        ->check(CLI::Range(stats::MinFormulaDigits, stats::MaxFormulaDigits));
    onChosen(setCmd, ctx, set, setFormula);
}

} // namespace belvane::cli
