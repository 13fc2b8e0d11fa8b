// belvane-cli draws ...: the draws archive from the terminal.

#include <fmt/format.h>
#include <iostream>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/demo_archive.h"
#include "app/draw_input.h"
#include "app/draws_list.h"
#include "app/export_sources.h"
#include "cli/command_binding.h"
#include "cli/table_output.h"
#include "cli/xlsx_options.h"
#include "support/error.h"

namespace belvane::cli {
namespace {

std::optional<model::Date> dateOption(const std::string& text)
{
    return text.empty() ? std::optional(model::Today()) : model::TextToDate(text);
}

void requireSaved(bool saved)
{
    if (!saved)
        throw FailureShown{};
}

struct DrawsListOptions {
    std::string format = "text";
    bool sorted = false;
    XlsxOptions xlsx;
};

int listDraws(CliContext& ctx, const DrawsListOptions& o)
{
    WorkspaceSession ws(ctx, Access::Read);
    const model::TDrawsArray& draws = ws->Archive().Draws();
    const bool sorted = o.sorted || ws->Archive().Sorted();
    if (o.xlsx.wanted())
        return writeXlsx(ctx, *ws, o.xlsx, app::DrawsListSource(draws, sorted),
                         {app::DrawsListControl, app::DrawsExportTitle});
    Table table;
    table.captions.assign(app::DrawsListCaptions.begin(), app::DrawsListCaptions.end());
    for (int row = 0; row < static_cast<int>(draws.size()); ++row) {
        const model::TDraw& draw = app::DrawAtRow(draws, row);
        auto& cells = table.rows.emplace_back();
        for (int c = 0; c < app::DrawsListColumnCount; ++c)
            cells.push_back(app::DrawsListCell(draw, c, sorted));
    }
    printTable(std::cout, table, tableFormatFromName(o.format));
    return ExitOk;
}

int summarizeDraws(CliContext& ctx)
{
    WorkspaceSession ws(ctx, Access::Read);
    const model::TDrawsArray& draws = ws->Archive().Draws();
    std::cout << "Папка данных: " << ws->Files().folder().string() << '\n'
              << ws->Archive().ArchivePanelText() << '\n'
              << ws->Archive().NextDrawPanelText() << '\n';
    if (!ws->Archive().OffsetDrawPanelText().empty())
        std::cout << "Тираж после смещения: " << ws->Archive().OffsetDrawPanelText() << '\n';
    if (!draws.empty())
        std::cout << "Первый: " << model::DrawToText(draws.front()) << '\n'
                  << "Последний: " << model::DrawToText(draws.back()) << '\n';
    std::cout << ws->Combinations().PanelText() << '\n';
    return ExitOk;
}

struct DrawAddOptions {
    std::string numbers;
    std::optional<int> number;
    std::string date;
};

int addDraw(CliContext& ctx, const DrawAddOptions& o)
{
    WorkspaceSession ws(ctx);
    const int number = o.number ? *o.number : ws->Archive().NewDraw().Number;
    if (number <= 0 && !o.number)
        throw Error(app::ArchiveService::NoNextDrawNumberText());
    const model::TDraw draw = app::MakeDrawFromInput(number, o.numbers, dateOption(o.date));
    requireSaved(ws->Archive().AddDraw(draw));
    std::cout << model::DrawToText(draw) << '\n' << ws->Archive().ArchivePanelText() << '\n';
    return ExitOk;
}

struct EditOptions {
    int number = 0;
    std::string numbers;
    std::string date;
};

int editDraw(CliContext& ctx, const EditOptions& o)
{
    WorkspaceSession ws(ctx);
    const int index = ws->Archive().FindDrawIndex(o.number);
    if (index < 0)
        throw Error(fmt::format("Тираж {} не найден в архиве!", o.number));
    const model::TDraw& stored = ws->Archive().Draws()[static_cast<size_t>(index)];
    const auto date = o.date.empty() ? model::TextToDate(stored.dateText()) : model::TextToDate(o.date);
    const model::TDraw draw = app::MakeDrawFromInput(o.number, o.numbers, date);
    requireSaved(ws->Archive().ReplaceDraw(index, draw));
    std::cout << model::DrawToText(draw) << '\n';
    return ExitOk;
}

int deleteDraws(CliContext& ctx, const std::vector<int>& numbers)
{
    WorkspaceSession ws(ctx);
    requireSaved(ws->Archive().DeleteDrawNumbers(numbers));
    std::cout << fmt::format("Удалено тиражей: {}", numbers.size()) << '\n' << ws->Archive().ArchivePanelText() << '\n';
    return ExitOk;
}

int importDraws(CliContext& ctx, const std::string& csv)
{
    WorkspaceSession ws(ctx);
    const auto result = ws->Archive().Import(csv);
    if (!result)
        return ExitFailure;
    std::cout << TerminalHost::terminalText(app::ImportSummaryText(*result)) << '\n';
    std::cout << ws->Archive().ArchivePanelText() << '\n';
    return ExitOk;
}

int exportDraws(CliContext& ctx, const std::string& csv)
{
    WorkspaceSession ws(ctx, Access::Read);
    const auto written = ws->Archive().Export(csv);
    if (!written)
        return ExitFailure;
    std::cout << fmt::format("Выгружено тиражей: {}", *written) << '\n';
    return ExitOk;
}

struct DemoOptions {
    int count = app::DefaultDemoDrawCount;
    uint64_t seed = app::DefaultDemoSeed;
};

int makeDemo(CliContext& ctx, const DemoOptions& o)
{
    WorkspaceSession ws(ctx);
    if (!ws->Archive().Draws().empty())
        throw Error(fmt::format("В папке данных \"{}\" уже есть архив тиражей!\r\r"
                                "Демонстрационный архив создаётся только в пустой папке.",
                                ws->Files().folder().string()));
    requireSaved(ws->Archive().ReplaceArchive(app::MakeDemoDraws(o.count, o.seed)));
    std::cout << fmt::format("Создан демонстрационный архив: {} тиражей.", ws->Archive().Draws().size()) << '\n'
              << "Внимание: это синтетические тиражи, а не настоящие результаты лотереи." << '\n';
    return ExitOk;
}

} // namespace

void addDrawsCommands(CLI::App& app, CliContext& ctx)
{
    CLI::App* draws = app.add_subcommand("draws", "Архив тиражей: просмотр, ввод, импорт и экспорт");
    draws->require_subcommand(1);

    auto list = std::make_shared<DrawsListOptions>();
    CLI::App* listCmd = draws->add_subcommand("list", "Список тиражей, последний тираж первым");
    addFormatOption(listCmd, list->format);
    listCmd->add_flag("--sorted", list->sorted, "Показывать шесть чисел по возрастанию");
    addXlsxOptions(listCmd, list->xlsx);
    onChosen(listCmd, ctx, list, listDraws);

    CLI::App* summaryCmd = draws->add_subcommand("summary", "Краткие сведения об архиве");
    onChosen(summaryCmd, ctx, std::make_shared<int>(), [](CliContext& c, int) { return summarizeDraws(c); });

    auto add = std::make_shared<DrawAddOptions>();
    CLI::App* addCmd = draws->add_subcommand("add", "Добавить тираж в конец архива");
    addCmd->add_option("numbers", add->numbers, "Шесть чисел и дополнительное: \"n1;n2;n3;n4;n5;n6;e\"")->required();
    addCmd->add_option("--number", add->number, "Номер тиража (по умолчанию следующий)");
    addCmd->add_option("--date", add->date, "Дата тиража dd/mm/yyyy (по умолчанию сегодня)");
    onChosen(addCmd, ctx, add, addDraw);

    auto edit = std::make_shared<EditOptions>();
    CLI::App* editCmd = draws->add_subcommand("edit", "Изменить числа (и дату) тиража");
    editCmd->add_option("number", edit->number, "Номер тиража")->required();
    editCmd->add_option("numbers", edit->numbers, "Шесть чисел и дополнительное: \"n1;n2;n3;n4;n5;n6;e\"")->required();
    editCmd->add_option("--date", edit->date, "Дата тиража dd/mm/yyyy (по умолчанию прежняя)");
    onChosen(editCmd, ctx, edit, editDraw);

    auto del = std::make_shared<std::vector<int>>();
    CLI::App* delCmd = draws->add_subcommand("delete", "Удалить тиражи по номерам");
    delCmd->add_option("numbers", *del, "Номера тиражей")->required();
    onChosen(delCmd, ctx, del, deleteDraws);

    auto importFile = std::make_shared<std::string>();
    CLI::App* importCmd = draws->add_subcommand("import", "Импорт тиражей из CSV-файла");
    importCmd->add_option("file", *importFile, "CSV-файл тиражей")->required();
    onChosen(importCmd, ctx, importFile, importDraws);

    auto exportFile = std::make_shared<std::string>();
    CLI::App* exportCmd = draws->add_subcommand("export", "Экспорт тиражей в CSV-файл");
    exportCmd->add_option("file", *exportFile, "CSV-файл тиражей")->required();
    onChosen(exportCmd, ctx, exportFile, exportDraws);

    auto demo = std::make_shared<DemoOptions>();
    CLI::App* demoCmd = draws->add_subcommand("demo", "Создать демонстрационный архив из синтетических тиражей");
    demoCmd->add_option("--count", demo->count, "Количество тиражей")
        ->check(CLI::Range(1, 100000))
        ->capture_default_str();
    demoCmd->add_option("--seed", demo->seed, "Начальное значение генератора")->capture_default_str();
    onChosen(demoCmd, ctx, demo, makeDemo);
}

} // namespace belvane::cli
