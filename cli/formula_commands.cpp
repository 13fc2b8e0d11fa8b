// belvane-cli formula ...: the formula evaluator and the shredding value from
// the terminal, without a data folder.

#include <cstdio>
#include <fmt/format.h>
#include <iostream>

#include "cli/command_binding.h"
#include "model/game.h"
#include "stats/config_data.h"
#include "stats/shredding_value.h"
#include "support/error.h"
#include "support/formula.h"
#include "support/text.h"

namespace belvane::cli {
namespace {

// Eighteen significant digits: all an 80-bit value holds reliably, and
// round values print as they are ("64", "0.5").
std::string valueText(long double value)
{
    if (value == 0)
        value = 0; // no "-0"
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.18Lg", value);
    return buffer;
}

int evaluate(CliContext& ctx, const std::string& text)
{
    const FormulaResult r = EvaluateFormulaText(text);
    if (!r.ok()) {
        ctx.host.showError(FormulaFaultText(r.fault));
        return ExitFailure;
    }
    std::cout << valueText(r.value) << '\n';
    return ExitOk;
}

struct ShredOptions {
    std::string formula;
    std::string numbers;
    std::string prev;
    std::string prev2;
    int digits = 2;
};

// Six numbers 0..45 (0: none) in the order given, separated by blanks, "," or ";".
model::TComb parseSix(const std::string& text, std::string_view option)
{
    const auto words = text::split(text, " \t,;", true);
    model::TComb c{};
    bool ok = words.size() == c.size();
    for (size_t i = 0; ok && i < c.size(); ++i) {
        const auto n = text::parseInt(words[i]);
        ok = n && *n >= 0 && *n <= model::MaxNumber;
        c[i] = ok ? static_cast<model::Ball>(*n) : 0;
    }
    if (!ok)
        throw Error(fmt::format("Некорректные числа {}: \"{}\" (нужно шесть чисел от 0 до {})!", option, text,
                                model::MaxNumber));
    return c;
}

int shred(CliContext&, const ShredOptions& o)
{
    const model::TComb n = parseSix(o.numbers, "--numbers");
    const model::TComb p = o.prev.empty() ? model::TComb{} : parseSix(o.prev, "--prev");
    const model::TComb t = o.prev2.empty() ? model::TComb{} : parseSix(o.prev2, "--prev2");
    std::cout << stats::ShreddingFormula(o.formula, o.digits).value(n, p, t) << '\n';
    return ExitOk;
}

} // namespace

void addFormulaCommands(CLI::App& app, CliContext& ctx)
{
    CLI::App* formula = app.add_subcommand("formula", "Вычисление формул (как в методах шинковки)");
    formula->require_subcommand(1);

    auto text = std::make_shared<std::string>();
    CLI::App* evalCmd = formula->add_subcommand("eval", "Значение формулы без переменных (или сообщение об ошибке)");
    evalCmd->add_option("text", *text, "Формула, например \"2*(3+4)\"")->required();
    onChosen(evalCmd, ctx, text, evaluate);

    auto shredOptions = std::make_shared<ShredOptions>();
    CLI::App* shredCmd = formula->add_subcommand(
        "shred", "Значение шинковки: первые знаки дробной части формулы над числами (0 при любой ошибке)");
    shredCmd->add_option("formula", shredOptions->formula, "Формула с переменными n1..n6, p1..p6, t1..t6")->required();
    shredCmd->add_option("--numbers", shredOptions->numbers, "Шесть чисел n1..n6 в порядке выпадения")->required();
    shredCmd->add_option("--prev", shredOptions->prev, "Числа предыдущего тиража p1..p6 (по умолчанию нули)");
    shredCmd->add_option("--prev2", shredOptions->prev2, "Числа тиража перед предыдущим t1..t6 (по умолчанию нули)");
    shredCmd->add_option("--digits", shredOptions->digits, "Количество знаков после запятой")
        ->check(CLI::Range(stats::MinFormulaDigits, stats::MaxFormulaDigits))
        ->capture_default_str();
    onChosen(shredCmd, ctx, shredOptions, shred);
}

} // namespace belvane::cli
