#include "cli/table_output.h"

#include <ostream>

namespace belvane::cli {

void printTable(std::ostream& out, const Table& table, TableFormat format)
{
    text::printStreamedTable(out, table.captions, format, [&](const auto& sink) {
        for (const auto& row : table.rows)
            sink(row);
    });
}

TableFormat tableFormatFromName(std::string_view name)
{
    return name == "tsv" ? TableFormat::Tsv : TableFormat::Text;
}

} // namespace belvane::cli
