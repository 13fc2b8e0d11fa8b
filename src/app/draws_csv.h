#pragma once

// The draws CSV file: one draw per line, fields separated by ";", a field may
// be enclosed in double quotes. Nine fields (draw number; "date"; six numbers;
// extra number) are written and read; eight fields (date; six numbers; extra)
// are read, the draw taking the next number after the archive's count.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/draws.h"
#include "support/translation.h"

namespace belvane {
class Host;
}

namespace belvane::app {

inline constexpr std::string_view DrawsCsvFilter = BELVANE_TEXT("Файлы тиражей (*.csv)|*.csv");
inline constexpr std::string_view DrawsCsvExtension = "csv";

struct DrawsCsvImport {
    int appended = 0; // new draws added to the archive
    int present = 0;  // lines of draws the archive already holds
    int rejected = 0; // lines that are no draw: another field count, number <= 0, bad numbers
};

// What an import did, one line per count that is not zero ("Добавлено тиражей:
// %d" always), lines separated by CR.
std::string ImportSummaryText(const DrawsCsvImport& result);

// Adds the draws of a CSV text (UTF-8; a byte-order mark at its start is
// skipped) whose number is positive and not yet in the archive, each at its
// place by number (a draw older than the newest goes between its neighbours,
// so the archive stays in ascending order). Lines whose six numbers are not
// distinct values 1..45, whose extra number is outside 1..45, or whose date
// is neither empty nor a real day written "dd/mm/yyyy", are rejected: they
// are no draw.
DrawsCsvImport AppendDrawsFromCsv(std::string_view text, model::TDrawsArray& draws);

// Nine-field lines, oldest draw first, CR LF line ends (UTF-8).
std::string DrawsToCsv(const model::TDrawsArray& draws);

// Reads the file (Windows-1251, or UTF-8 when it starts with a byte-order
// mark) and adds its new draws to `draws` (the caller saves). A file that
// cannot be read is shown through the host and adds nothing.
std::optional<DrawsCsvImport> ImportDrawsCsv(Host& host, const std::filesystem::path& csvFile,
                                             model::TDrawsArray& draws);

// The export action: writes every draw (Windows-1251). Returns the number of
// draws written, or nullopt after a failure (shown through the host).
std::optional<int> ExportDrawsCsv(Host& host, const std::filesystem::path& csvFile, const model::TDrawsArray& draws);

} // namespace belvane::app
