#pragma once

// Where an export's texts go on the sheet: an optional pre-title, the title,
// the notes and the creation line at the top, the header row two rows below
// the last of them, the data rows after it. Also the limits of a sheet that
// an export must respect before it writes anything.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/export_parameters.h"

namespace belvane::xlsx {

inline constexpr int64_t MaxSheetRows = 1048576;
inline constexpr int64_t MaxSheetColumns = 16384;
inline constexpr size_t MaxSheetNameLength = 31;
inline constexpr std::string_view ForbiddenSheetNameChars = "[]:*?/\\";
inline constexpr size_t MaxCellTextLength = 32767; // characters

inline constexpr std::string_view CreatedLineTemplate = "Отчет построен: {}.";

struct TitleLine {
    int Row = 0; // from 0
    std::string Text;
    int FontSize = DefaultBaseFontSize;
};

struct SheetLayout {
    std::vector<TitleLine> Lines; // in row order; the title's line is there even when its text is empty
    int HeaderRow = 0;
    int FirstDataRow = 0;
};

// `createdAt` fills the creation line (when the parameters ask for it).
SheetLayout LayOutSheet(const ExportParameters& params, std::string_view createdAt);

// The local date and time as the creation line shows them: "dd.mm.yyyy hh:mm:ss".
std::string CreatedAtText(std::chrono::system_clock::time_point when);

// "Наименование листа:" check: the exact message, or nullopt when a sheet may carry the name.
std::optional<std::string> ValidateSheetName(std::string_view name);

// A name a sheet may carry, made from a title: forbidden characters and
// apostrophes at the ends dropped, cut to 31 characters; "Лист1" when nothing is left.
std::string SheetNameFromTitle(std::string_view title);

// Everything the dialog's OK checks before an export of `rowCount` rows
// starts: sheet name, font size, captions, widths, and the size of the sheet.
std::optional<std::string> ValidateExport(const ExportParameters& params, int64_t rowCount);

} // namespace belvane::xlsx
