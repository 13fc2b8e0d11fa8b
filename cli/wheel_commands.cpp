// belvane-cli systems generate | verify: systems of one's own and the exact
// check of what any system guarantees.

#include <fmt/format.h>
#include <iostream>

#include "app/systems_service.h"
#include "app/wheel_outcome_text.h"
#include "cli/command_binding.h"
#include "cli/table_output.h"
#include "support/error.h"
#include "support/file_io.h"
#include "systems/system_file.h"
#include "systems/system_guarantee.h"
#include "systems/wheel_verify.h"

namespace belvane::cli {
namespace {

// For each condition p: how many p-subsets get at least t, for every t.
void printGuaranteeTable(const systems::GuaranteeTable& table, const std::string& format)
{
    Table out;
    out.captions = {"Из чисел", "Наборов", "≥1", "≥2", "≥3", "≥4", "≥5", "≥6", "Гарантия"};
    for (int p = 1; p <= std::min(systems::SystemCombLength, table.Numbers); ++p) {
        std::vector<std::string> row = {std::to_string(p), std::to_string(table.Subsets(p))};
        for (int t = 1; t <= systems::SystemCombLength; ++t)
            row.push_back(t <= p ? std::to_string(table.Meeting(p, t)) : std::string());
        row.push_back(std::to_string(table.Guaranteed(p)));
        out.rows.push_back(std::move(row));
    }
    printTable(std::cout, out, tableFormatFromName(format));
}

struct GenerateOptions {
    int numbers = 0;
    int guarantee = 0;
    std::optional<int> condition;
    double seconds = 60;
    uint64_t seed = 1;
    std::optional<int64_t> rounds;
    bool install = false;
    std::string out;
};

int generate(CliContext& ctx, const GenerateOptions& o)
{
    WorkspaceSession ws(ctx, o.install ? Access::Change : Access::Read);
    // Checked before the search: its minutes are not spent on an output that cannot be written.
    if (!o.out.empty())
        if (const std::string refusal = ws->Files().ownFileRefusal(o.out); !refusal.empty())
            throw Error(refusal);
    app::WheelRequest request;
    request.Design = {o.numbers, o.guarantee, o.condition.value_or(o.guarantee)};
    request.Seconds = o.seconds;
    request.Seed = o.seed;
    request.Rounds = o.rounds;
    const auto outcome = ws->Systems().GenerateWheel(request, o.install);
    if (!outcome)
        return ExitFailure;
    for (const std::string& line : app::WheelOutcomeLines(request, *outcome))
        std::cout << line << '\n';
    std::string text;
    for (const systems::SystemLine& line : outcome->Wheel.Lines)
        text += systems::SystemLineText(line) + "\r\n";
    if (outcome->Installed) {
        for (const std::string& line : app::WheelInstalledLines(request.Design.Numbers, *outcome->Installed))
            std::cout << line << '\n';
    } else if (!o.out.empty()) {
        files::writeFileAtomically(o.out, text);
        std::cout << fmt::format("Записана: {}", o.out) << '\n';
    } else {
        std::cout << "Список комбинаций:\n";
        for (const systems::SystemLine& line : outcome->Wheel.Lines)
            std::cout << systems::SystemLineText(line) << '\n';
    }
    return ExitOk;
}

struct VerifyOptions {
    std::string file;
    std::optional<int> numbers;
    std::string format = "text";
};

int verify(CliContext& ctx, const VerifyOptions& o)
{
    WorkspaceSession ws(ctx, Access::Read);
    std::filesystem::path path = o.file;
    if (!o.numbers && o.file.empty())
        throw CLI::RequiredError("file или --numbers");
    if (o.numbers) {
        const auto found = systems::FindSystemFile(ws->Systems().Folder(), *o.numbers);
        if (!found)
            throw Error(fmt::format("Система для {} чисел не найдена или не загружена на компьютер!", *o.numbers));
        path = *found;
    }
    // A system file names its count and block; any other file of lines counts its largest position.
    const auto name = systems::ParseSystemFileName(path.filename().string());
    std::vector<systems::SystemLine> lines;
    int numbers = 0;
    if (name) {
        lines = systems::ReadSystemFile(path);
        numbers = name->Numbers;
    } else {
        systems::PositionLines read = systems::ReadPositionLines(path);
        lines = std::move(read.Lines);
        numbers = read.Numbers;
    }
    if (lines.empty())
        throw Error("Содержимое системы должно быть указано обязательно!");
    if (numbers < systems::MinSystemNumbers || numbers > systems::MaxSystemNumbers)
        throw Error("Указано недопустмое количество используемых чисел!");
    const auto table = systems::VerifySystem(lines, numbers);
    const systems::SystemGuarantee guarantee = systems::GuaranteeOf(*table);
    std::cout << fmt::format("Система: {} (чисел: {}, комбинаций: {})", path.filename().string(), numbers, lines.size())
              << '\n';
    printGuaranteeTable(*table, o.format);
    if (!name || name->Block < 0) {
        if (const auto p = guarantee.ConditionFor(guarantee.Block()); p && guarantee.Block() > 0)
            std::cout << fmt::format("Гарантия: {} из {}", guarantee.Block(), *p) << '\n';
        return ExitOk;
    }
    std::cout << fmt::format("Блок {}: {}", name->Block, systems::GuaranteeText(guarantee, name->Block)) << '\n';
    if (!guarantee.Meets(name->Block)) {
        std::cerr << TerminalHost::terminalText(
                         systems::BlockNotMetMessage(path.filename().string(), name->Block, guarantee))
                  << '\n';
        return ExitFailure;
    }
    return ExitOk;
}

} // namespace

void addWheelCommands(CLI::App* systems, CliContext& ctx)
{
    auto generateOptions = std::make_shared<GenerateOptions>();
    CLI::App* generateCmd = systems->add_subcommand(
        "generate", "Создать систему: если из чисел системы выпадет --if, хотя бы одна комбинация угадает --guarantee");
    generateCmd->add_option("--numbers", generateOptions->numbers, "Количество чисел системы (7..45)")
        ->required()
        ->check(CLI::Range(systems::MinSystemNumbers, systems::MaxSystemNumbers));
    generateCmd->add_option("--guarantee", generateOptions->guarantee, "Гарантированное совпадение, блок (1..5)")
        ->required()
        ->check(CLI::Range(1, systems::MaxSystemBlock));
    generateCmd
        ->add_option("--if", generateOptions->condition,
                     "Сколько выпавших чисел среди чисел системы (от гарантии до 6; по умолчанию как гарантия)")
        ->check(CLI::Range(1, systems::SystemCombLength));
    generateCmd->add_option("--seconds", generateOptions->seconds, "Время поиска, секунд")
        ->check(CLI::Range(0.0, 86400.0))
        ->capture_default_str();
    generateCmd->add_option("--seed", generateOptions->seed, "Зерно поиска: то же зерно дает ту же систему")
        ->capture_default_str();
    generateCmd
        ->add_option("--rounds", generateOptions->rounds,
                     "Число раундов поиска вместо времени (повторяет прежний запуск в точности)")
        ->check(CLI::Range(int64_t{0}, int64_t{1} << 40));
    generateCmd->add_flag("--install", generateOptions->install,
                          "Установить как систему для этого количества чисел (заменяет прежнюю)");
    generateCmd->add_option("--out", generateOptions->out, "Записать комбинации в файл")->excludes("--install");
    onChosen(generateCmd, ctx, generateOptions, generate);

    auto verifyOptions = std::make_shared<VerifyOptions>();
    CLI::App* verifyCmd =
        systems->add_subcommand("verify", "Проверить систему: сколько наборов выпавших чисел дает каждое совпадение");
    auto* fileOption = verifyCmd->add_option("file", verifyOptions->file, "Файл системы");
    auto* numbersOption =
        verifyCmd->add_option("--numbers", verifyOptions->numbers, "Установленная система для N чисел")
            ->check(CLI::Range(systems::MinSystemNumbers, systems::MaxSystemNumbers));
    fileOption->excludes(numbersOption);
    addFormatOption(verifyCmd, verifyOptions->format);
    onChosen(verifyCmd, ctx, verifyOptions, verify);
}

} // namespace belvane::cli
