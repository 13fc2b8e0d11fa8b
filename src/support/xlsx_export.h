#pragma once

// Writes an export as a workbook file (.xlsx) of one sheet: the title lines,
// the header row and the chosen rows of a table source, column by column as
// the export fields say. Rows stream from the source into the file (the
// sheet is never held in memory), into a temporary file beside the target
// that replaces the target only when it is complete: a failed or cancelled
// export leaves an existing target as it was and no temporary file behind.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "support/export_parameters.h"
#include "support/table_source.h"
#include "support/translation.h"

namespace belvane::xlsx {

inline constexpr std::string_view XlsxFileFilter =
    BELVANE_TEXT("Книги Microsoft Excel (*.xlsx)|*.xlsx|Все файлы (*.*)|*.*");
inline constexpr std::string_view XlsxExtension = "xlsx";

// The stages an export goes through, as the status line names them.
inline constexpr std::string_view StageConnect = BELVANE_TEXT("Вызов Microsoft Excel...");
inline constexpr std::string_view StageWorkbook = BELVANE_TEXT("Создание рабочей книги...");
inline constexpr std::string_view StageSheet = BELVANE_TEXT("Создание листа...");
inline constexpr std::string_view StageFormat = BELVANE_TEXT("Форматирование листа...");
inline constexpr std::string_view StagePrepare = BELVANE_TEXT("Подготовка данных для экспорта...");
inline constexpr std::string_view StageTransfer = BELVANE_TEXT("Передача данных в Microsoft Excel...");

inline constexpr std::string_view WorkbookError = BELVANE_TEXT("Ошибка создания книги Microsoft Excel!");
inline constexpr std::string_view SheetError = BELVANE_TEXT("Ошибка создания листа Microsoft Excel!");
inline constexpr std::string_view ExportDataError = BELVANE_TEXT("Ошибка экспорта данных в Microsoft Excel!\r{}");

inline constexpr std::string_view FolderMissingError =
    BELVANE_TEXT("Папка \"{}\" не существует.\rУкажите для файла книги существующую папку.");
inline constexpr std::string_view FolderReadOnlyError =
    BELVANE_TEXT("В папку \"{}\" нельзя записать файл книги: нет права на запись.\rУкажите другую папку.");

// What keeps the workbook from being written into the target's folder (it
// is missing, or it is no folder one may write into), or nullopt.
std::optional<std::string> TargetFolderProblem(const std::filesystem::path& target);

// How the writer reports its progress and learns that it should stop.
class ExportProgress {
public:
    virtual ~ExportProgress() = default;
    virtual void stage(std::string_view text) = 0;
    virtual void start(int64_t total) = 0; // steps: two per checked field, one per row, five more
    virtual void advance(int64_t steps) = 0;
    virtual bool cancelled() const = 0;
};

// Total steps an export of `rowCount` rows announces.
int64_t ExportSteps(const ExportParameters& params, int64_t rowCount);

enum class WriteOutcome { Written, Cancelled };

// Writes the workbook. `rows` are the source rows to export (see
// NormalizeRows); `createdAt` fills the creation line. Parameters that
// ValidateExport or TargetFolderProblem refuse are refused here too, before
// any file is touched.
// Failures throw Error with the message to show.
WriteOutcome WriteXlsx(const std::filesystem::path& target, const ExportParameters& params, const TableSource& source,
                       const std::vector<RowRange>& rows, std::string_view createdAt, ExportProgress& progress);

// A data cell whose whole text is a plain decimal number ("12", "-3.50", no
// leading zeros, no exponent, at most 15 digits) goes to the sheet as that
// number, shown with the same decimals, so the spreadsheet can sum it. Other
// texts ("05", "01.02.2024", "1 2 3", "12%") stay texts.
struct CellNumber {
    double Value = 0;
    int Decimals = 0;
};
std::optional<CellNumber> NumberInCell(std::string_view text);

// A cell text as a sheet may hold it: control characters other than tab and
// line feed, and bytes that are not UTF-8, become "?"; a text longer than a
// cell allows is cut at that length.
void MakeCellText(std::string& text);

} // namespace belvane::xlsx
