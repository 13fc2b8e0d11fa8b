#pragma once

// Tables printed as text for people (columns padded to their widest cell,
// numeric columns right-aligned) or as tab-separated values for scripts.
// Rows come from a producer that may be called twice (once to measure, once
// to print), so a table far bigger than memory, read from its file as it is
// printed, needs no more memory than one row.

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace belvane::text {

enum class TableFormat { Text, Tsv };

using TableRow = std::vector<std::string>;
// Hands every row, in order, to the sink.
using TableRows = std::function<void(const std::function<void(const TableRow&)>& sink)>;

// The text form's column widths and alignments, learnt from every row.
class TextTableLayout {
public:
    explicit TextTableLayout(const TableRow& captions);
    void measure(const TableRow& row);
    void print(std::ostream& out, const TableRow& row) const;

private:
    std::vector<size_t> width_;
    std::vector<bool> numeric_;
};

void printTsvRow(std::ostream& out, const TableRow& row);

// The captions, then the rows; `rows` is called once for TSV and twice for text.
void printStreamedTable(std::ostream& out, const TableRow& captions, TableFormat format, const TableRows& rows);

} // namespace belvane::text
