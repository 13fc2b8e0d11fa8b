#include "cli/table_output.h"

#include <algorithm>
#include <ostream>

#include "support/text.h"

namespace belvane::cli {
namespace {

bool looksNumeric(std::string_view cell)
{
    return cell.empty() || cell == "-" || text::parseDouble(cell).has_value() ||
           (cell.front() == '+' && text::parseDouble(cell.substr(1)).has_value());
}

void printTsv(std::ostream& out, const Table& table)
{
    auto line = [&](const std::vector<std::string>& cells) {
        for (size_t c = 0; c < cells.size(); ++c)
            out << (c ? "\t" : "") << cells[c];
        out << '\n';
    };
    line(table.captions);
    for (const auto& row : table.rows)
        line(row);
}

void printText(std::ostream& out, const Table& table)
{
    const size_t columns = table.captions.size();
    std::vector<size_t> width(columns, 0);
    std::vector<bool> numeric(columns, true);
    for (size_t c = 0; c < columns; ++c)
        width[c] = text::utf8Length(table.captions[c]);
    for (const auto& row : table.rows) {
        for (size_t c = 0; c < columns && c < row.size(); ++c) {
            width[c] = std::max(width[c], text::utf8Length(row[c]));
            numeric[c] = numeric[c] && looksNumeric(row[c]);
        }
    }
    auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (size_t c = 0; c < columns; ++c) {
            const std::string& cell = c < cells.size() ? cells[c] : std::string();
            const std::string pad(width[c] - text::utf8Length(cell), ' ');
            if (c > 0)
                text += "  ";
            text += numeric[c] ? pad + cell : cell + pad;
        }
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        out << text << '\n';
    };
    line(table.captions);
    for (const auto& row : table.rows)
        line(row);
}

} // namespace

void printTable(std::ostream& out, const Table& table, TableFormat format)
{
    if (format == TableFormat::Tsv)
        printTsv(out, table);
    else
        printText(out, table);
}

TableFormat tableFormatFromName(std::string_view name)
{
    return name == "tsv" ? TableFormat::Tsv : TableFormat::Text;
}

} // namespace belvane::cli
