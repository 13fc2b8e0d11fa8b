#include "support/sheet_layout.h"

#include <algorithm>
#include <ctime>
#include <fmt/format.h>

#include "support/text.h"
#include "support/translation.h"

namespace belvane::xlsx {

namespace {

constexpr int PreTitleRows = 2; // the pre-title and an empty row below it
constexpr int HeaderGap = 2;    // the header row is two rows below the last title line
constexpr int PreTitleSizeStep = -2;
constexpr int TitleSizeStep = 4;
constexpr std::string_view FallbackSheetName = "Лист1";
constexpr std::string_view ReservedSheetName = "History";

bool IsForbiddenInSheetName(char c)
{
    return ForbiddenSheetNameChars.find(c) != std::string_view::npos;
}

// The first n characters of a UTF-8 text.
std::string_view FirstCharacters(std::string_view s, size_t n)
{
    size_t chars = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (chars == n)
                return s.substr(0, i);
            ++chars;
        }
    }
    return s;
}

} // namespace

SheetLayout LayOutSheet(const ExportParameters& params, std::string_view createdAt)
{
    SheetLayout layout;
    int row = 0;
    if (!params.PreTitle.empty()) {
        layout.Lines.push_back({row, params.PreTitle, std::max(1, params.BaseFontSize + PreTitleSizeStep)});
        row += PreTitleRows;
    }
    layout.Lines.push_back({row, params.Title, params.BaseFontSize + TitleSizeStep});
    if (!params.Notes.empty())
        layout.Lines.push_back({++row, params.Notes, params.BaseFontSize});
    if (params.ShowCreateTime)
        layout.Lines.push_back({++row, fmt::format(fmt::runtime(CreatedLineTemplate), createdAt), params.BaseFontSize});
    layout.HeaderRow = row + HeaderGap;
    layout.FirstDataRow = layout.HeaderRow + 1;
    return layout;
}

std::string CreatedAtText(std::chrono::system_clock::time_point when)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&t, &local);
    return fmt::format("{:02}.{:02}.{:04} {:02}:{:02}:{:02}", local.tm_mday, local.tm_mon + 1, local.tm_year + 1900,
                       local.tm_hour, local.tm_min, local.tm_sec);
}

std::optional<std::string> ValidateSheetName(std::string_view name)
{
    if (text::trim(name).empty())
        return support::Text("Необходимо ввести наименование листа!");
    if (text::utf8Length(name) > MaxSheetNameLength)
        return support::Message("Наименование листа не может быть длиннее {} символа!", MaxSheetNameLength);
    if (std::any_of(name.begin(), name.end(), IsForbiddenInSheetName))
        return support::Text("Наименование листа не может содержать символы [ ] : * ? / \\!");
    if (name.front() == '\'' || name.back() == '\'')
        return support::Text("Наименование листа не может начинаться или заканчиваться апострофом!");
    if (text::equalsIgnoreCase(name, ReservedSheetName))
        return support::Message("Наименование листа \"{}\" зарезервировано!", name);
    return std::nullopt;
}

std::string SheetNameFromTitle(std::string_view title)
{
    std::string name;
    for (char c : title)
        if (!IsForbiddenInSheetName(c) && c != '\r' && c != '\n')
            name += c;
    std::string_view view = text::trim(name);
    while (!view.empty() && view.front() == '\'')
        view.remove_prefix(1);
    view = FirstCharacters(view, MaxSheetNameLength);
    while (!view.empty() && (view.back() == '\'' || text::isBlank(view.back())))
        view.remove_suffix(1);
    std::string result(view);
    return ValidateSheetName(result) ? std::string(FallbackSheetName) : result;
}

std::optional<std::string> ValidateExport(const ExportParameters& params, int64_t rowCount)
{
    if (auto problem = ValidateSheetName(params.SheetName))
        return problem;
    if (auto problem = ValidateBaseFontSize(params.BaseFontSize))
        return problem;
    int64_t columns = 0;
    for (const ExportField& field : params.Fields) {
        if (auto problem = ValidateFieldCaption(field.Caption))
            return problem;
        if (auto problem = ValidateFieldWidth(field.Width))
            return problem;
        columns += field.Checked ? 1 : 0;
    }
    if (columns > MaxSheetColumns)
        return support::Message("Число экспортируемых столбцов ({}) больше, чем вмещает лист Microsoft Excel ({})!",
                                columns, MaxSheetColumns);
    const int64_t sheetRows = LayOutSheet(params, {}).FirstDataRow + std::max<int64_t>(rowCount, 0);
    if (sheetRows > MaxSheetRows)
        return support::Message("Число строк отчета ({}) больше, чем вмещает лист Microsoft Excel ({})!\r"
                                "Экспортируйте выделенные записи или сократите список.",
                                sheetRows, MaxSheetRows);
    return std::nullopt;
}

} // namespace belvane::xlsx
