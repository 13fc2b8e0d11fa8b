#pragma once

// --xlsx FILE and its companions: the listing commands write their table to a
// workbook instead of the terminal, with the export's title, sheet, page and
// font settings given on the command line.

#include <optional>
#include <string>
#include <string_view>

#include "cli/cli_context.h"
#include "support/table_source.h"

namespace CLI {
class App;
class Option;
} // namespace CLI

namespace belvane::cli {

struct XlsxOptions {
    std::string file; // empty: no workbook
    std::optional<std::string> title;
    std::optional<std::string> sheet;
    std::optional<int> orientation;
    std::optional<int> fontSize;
    std::string notes;
    bool created = false;
    std::string parameters; // an ".exp" file whose stored export parameters apply first

    bool wanted() const { return !file.empty(); }
};

// Adds the options; returns --xlsx (for excludes()).
CLI::Option* addXlsxOptions(CLI::App* command, XlsxOptions& options);

// Which list of the program the table is, for the stored parameters' section
// and the title and sheet used when none is given.
struct XlsxList {
    std::string_view Control;
    std::string_view Title;
};

// Writes every row of the source to the workbook and says so; a refused,
// failed or interrupted export has shown its message and gives ExitFailure.
int writeXlsx(CliContext& ctx, app::Workspace& ws, const XlsxOptions& options, const xlsx::TableSource& source,
              XlsxList list);

} // namespace belvane::cli
