#pragma once

// The spreadsheet export as an action: writes the workbook with the status
// texts and the cancellable progress window of the host, and shows a failure
// through the host.

#include <filesystem>
#include <vector>

#include "support/export_parameters.h"
#include "support/table_source.h"

namespace belvane {
class Host;
}

namespace belvane::app {

enum class ExportResult { Written, Cancelled, Failed };

// Exports `rows` of the source (AllRows(source.rowCount()) for "all shown")
// to the workbook file `target`. A refused or failed export shows its message
// and leaves an existing target as it was; "Отмена" stops it the same way,
// silently.
ExportResult ExportToXlsx(Host& host, const xlsx::TableSource& source, const xlsx::ExportParameters& params,
                          const std::vector<xlsx::RowRange>& rows, const std::filesystem::path& target);

} // namespace belvane::app
