#pragma once

// Printing a table: aligned text for people, tab-separated values for scripts.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "support/text_table.h"

namespace belvane::cli {

using TableFormat = text::TableFormat;

struct Table {
    std::vector<std::string> captions;
    std::vector<std::vector<std::string>> rows;
};

// Text: columns padded to their widest cell, numeric columns right-aligned.
// TSV: the captions as the header row, then the rows, cells as they are.
void printTable(std::ostream& out, const Table& table, TableFormat format);

// "text" or "tsv"; the CLI's option validator guarantees one of them.
TableFormat tableFormatFromName(std::string_view name);

} // namespace belvane::cli
