#include "support/text_table.h"

#include <algorithm>
#include <ostream>

#include "support/text.h"

namespace belvane::text {
namespace {

bool looksNumeric(std::string_view cell)
{
    return cell.empty() || cell == "-" || parseDouble(cell).has_value() ||
           (cell.front() == '+' && parseDouble(cell.substr(1)).has_value());
}

} // namespace

TextTableLayout::TextTableLayout(const TableRow& captions) : width_(captions.size(), 0), numeric_(captions.size(), true)
{
    for (size_t c = 0; c < captions.size(); ++c)
        width_[c] = utf8Length(captions[c]);
}

void TextTableLayout::measure(const TableRow& row)
{
    for (size_t c = 0; c < width_.size() && c < row.size(); ++c) {
        width_[c] = std::max(width_[c], utf8Length(row[c]));
        numeric_[c] = numeric_[c] && looksNumeric(row[c]);
    }
}

void TextTableLayout::print(std::ostream& out, const TableRow& row) const
{
    std::string line;
    for (size_t c = 0; c < width_.size(); ++c) {
        const std::string_view cell = c < row.size() ? std::string_view(row[c]) : std::string_view();
        const size_t pad = width_[c] - std::min(width_[c], utf8Length(cell));
        if (c > 0)
            line += "  ";
        if (numeric_[c])
            line.append(pad, ' ').append(cell);
        else
            line.append(cell).append(pad, ' ');
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    out << line << '\n';
}

void printTsvRow(std::ostream& out, const TableRow& row)
{
    for (size_t c = 0; c < row.size(); ++c)
        out << (c ? "\t" : "") << row[c];
    out << '\n';
}

void printStreamedTable(std::ostream& out, const TableRow& captions, TableFormat format, const TableRows& rows)
{
    if (format == TableFormat::Tsv) {
        printTsvRow(out, captions);
        rows([&](const TableRow& row) { printTsvRow(out, row); });
        return;
    }
    TextTableLayout layout(captions);
    rows([&](const TableRow& row) { layout.measure(row); });
    layout.print(out, captions);
    rows([&](const TableRow& row) { layout.print(out, row); });
}

} // namespace belvane::text
