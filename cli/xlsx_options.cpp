#include "cli/xlsx_options.h"

#include <CLI/CLI.hpp>
#include <fmt/format.h>
#include <iostream>

#include "app/export_sources.h"
#include "app/xlsx_export_action.h"
#include "support/export_parameters.h"
#include "support/sheet_layout.h"

namespace belvane::cli {

CLI::Option* addXlsxOptions(CLI::App* command, XlsxOptions& o)
{
    CLI::Option* file = command->add_option("--xlsx", o.file, "Записать таблицу в книгу Microsoft Excel (.xlsx)");
    command->add_option("--title", o.title, "Наименование отчета")->needs(file);
    command->add_option("--sheet", o.sheet, "Наименование листа (по умолчанию из наименования отчета)")->needs(file);
    command->add_option("--orientation", o.orientation, "Ориентация: 0 не устанавливать, 1 книжная, 2 альбомная")
        ->check(CLI::Range(0, 2))
        ->needs(file);
    command
        ->add_option("--font-size", o.fontSize,
                     fmt::format("Базовый размер шрифта ({}..{}, по умолчанию {})", xlsx::MinBaseFontSize,
                                 xlsx::MaxBaseFontSize, xlsx::DefaultBaseFontSize))
        ->check(CLI::Range(xlsx::MinBaseFontSize, xlsx::MaxBaseFontSize))
        ->needs(file);
    command->add_option("--notes", o.notes, "Дополнительные сведения (строка под наименованием)")->needs(file);
    command->add_flag("--created", o.created, "Добавить строку с датой и временем формирования отчета")->needs(file);
    command->add_option("--xlsx-params", o.parameters, "Файл параметров экспорта (.exp): поля, их порядок и ширина")
        ->needs(file);
    return file;
}

int writeXlsx(CliContext& ctx, app::Workspace& ws, const XlsxOptions& o, const xlsx::TableSource& source, XlsxList list)
{
    if (const std::string refusal = ws.Files().ownFileRefusal(o.file); !refusal.empty()) {
        ctx.host.showError(refusal);
        return ExitFailure;
    }
    const xlsx::ExportCall call = app::MainWindowExportCall(list.Control, list.Title);
    xlsx::ExportParameters params = xlsx::InitialParameters(call, source);
    if (!o.parameters.empty()) {
        const xlsx::LoadReport report = xlsx::LoadExportParameters(
            o.parameters, xlsx::ExportSectionName(call.Owner, call.Control), params, xlsx::StoreKind::ParameterFile);
        if (!report.Errors.empty()) {
            for (const std::string& message : report.Errors)
                ctx.host.showError(message);
            return ExitFailure;
        }
    }
    if (o.title) {
        params.Title = *o.title;
        if (!o.sheet)
            params.SheetName = xlsx::SheetNameFromTitle(*o.title);
    }
    if (o.sheet)
        params.SheetName = *o.sheet;
    if (o.orientation)
        params.Orientation = static_cast<xlsx::PageOrientation>(*o.orientation);
    if (o.fontSize)
        params.BaseFontSize = *o.fontSize;
    if (!o.notes.empty())
        params.Notes = o.notes;
    params.ShowCreateTime = params.ShowCreateTime || o.created;

    const auto rows = xlsx::AllRows(source.rowCount());
    switch (app::ExportToXlsx(ctx.host, source, params, rows, o.file)) {
    case app::ExportResult::Written:
        std::cout << fmt::format("Книга записана: {} (строк: {})", o.file, xlsx::CountRows(rows)) << '\n';
        return ExitOk;
    case app::ExportResult::Cancelled:
    case app::ExportResult::Failed:
        break;
    }
    return ExitFailure;
}

} // namespace belvane::cli
