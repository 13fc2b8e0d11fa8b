// Spreadsheet export parameters: ".exp" files of the user's and the
// "EXPORT_EXCEL_<OWNER>.<CONTROL>" sections of the configuration file, INI
// text whose "Item_%d" lines move, rename and resize the sheet's columns.
// The text is applied to an export of a small list as both kinds of store,
// stored back, and loaded from a file as the export dialog does.

#include <cstdlib>

#include "fuzz_support.h"
#include "support/export_fields.h"
#include "support/export_parameters.h"
#include "support/ini_document.h"
#include "support/table_source.h"

using namespace belvane;

namespace {

class SmallList : public xlsx::ColumnListSource {
public:
    SmallList()
    {
        columns_ = {{"Тираж", xlsx::Alignment::Right, 60},
                    {"Дата", xlsx::Alignment::Center, 90},
                    {"Числа", xlsx::Alignment::Left, 160},
                    {"Сумма", xlsx::Alignment::Right, 40}};
    }
    xlsx::SourceKind kind() const override { return xlsx::SourceKind::ListView; }
    int64_t rowCount() const override { return 2; }
    void cellText(int64_t row, int column, std::string& out) const override
    {
        out += std::to_string(row * 10 + column);
    }
};

void CheckFields(const std::vector<xlsx::ExportField>& fields, size_t columns)
{
    // Applying moves and edits the source's fields, never adds or drops one.
    if (fields.size() != columns)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text = fuzz::AsText(data, size);
    static const SmallList source;
    const xlsx::ExportCall call{.Owner = "TFormMain", .Control = "lvDraws", .Title = "Тиражи", .SheetName = "Лист"};
    const std::string section = xlsx::ExportSectionName(call.Owner, call.Control);

    for (const xlsx::StoreKind kind : {xlsx::StoreKind::Configuration, xlsx::StoreKind::ParameterFile}) {
        IniDocument doc = IniDocument::parse(text);
        xlsx::ExportParameters params = xlsx::InitialParameters(call, source);
        (void)xlsx::ApplyStoredParameters(doc, section, params, kind);
        CheckFields(params.Fields, static_cast<size_t>(source.columnCount()));
        for (const xlsx::ExportField& field : params.Fields) {
            (void)xlsx::FieldItemText(field);
            (void)xlsx::ValidateFieldCaption(field.Caption);
            (void)xlsx::ValidateFieldWidth(field.Width);
        }
        (void)xlsx::ValidateBaseFontSize(params.BaseFontSize);
        xlsx::StoreParameters(doc, section, params, kind);
        (void)doc.toText();
    }

    // Single item lines, as the section holds them.
    fuzz::InputReader lines(data, size);
    for (int i = 0; i < 16 && !lines.Rest().empty(); ++i) {
        if (const auto item = xlsx::SplitFieldItem(lines.Line())) {
            xlsx::ExportField field;
            (void)xlsx::ApplyFieldItem(*item, field);
        }
    }

    const auto file = fuzz::WriteScratchFile("params.exp", text);
    xlsx::ExportParameters params = xlsx::InitialParameters(call, source);
    (void)xlsx::LoadExportParameters(file, section, params, xlsx::StoreKind::ParameterFile);
    CheckFields(params.Fields, static_cast<size_t>(source.columnCount()));
    return 0;
}
