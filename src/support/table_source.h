#pragma once

// A table as the spreadsheet export reads it: columns with a caption, an
// alignment and a width on screen, and rows whose cells it asks for one at a
// time. Every list and grid of the program can be a source without copying
// its rows: the source only answers what a row's cell says.

#include <cstdint>
#include <string>
#include <vector>

namespace belvane::xlsx {

// The numbers are the stored form ("Item_%d" lines): 0 left, 1 right, 2 centre.
enum class Alignment : int { Left = 0, Right = 1, Center = 2 };

// A list view brings its columns' alignment to the export; a grid does not.
enum class SourceKind { ListView, Grid };

struct SourceColumn {
    std::string Caption;
    Alignment Align = Alignment::Left;
    int PixelWidth = 64;
};

class TableSource {
public:
    virtual ~TableSource() = default;

    virtual SourceKind kind() const = 0;
    virtual int columnCount() const = 0;
    virtual SourceColumn column(int index) const = 0;
    // Data rows only (a grid's header row is not one).
    virtual int64_t rowCount() const = 0;
    // Appends the text of one cell to `out`; the caller clears it between cells.
    virtual void cellText(int64_t row, int column, std::string& out) const = 0;
};

// A source whose columns are a list the owner may adjust, for instance to the
// widths the user gave them on screen.
class ColumnListSource : public TableSource {
public:
    int columnCount() const override { return static_cast<int>(columns_.size()); }
    SourceColumn column(int index) const override { return columns_.at(static_cast<size_t>(index)); }

    std::vector<SourceColumn>& columns() { return columns_; }
    const std::vector<SourceColumn>& columns() const { return columns_; }

protected:
    std::vector<SourceColumn> columns_;
};

// Rows Begin..End-1 of a source.
struct RowRange {
    int64_t Begin = 0;
    int64_t End = 0;
    friend bool operator==(const RowRange&, const RowRange&) = default;
};

// Every row of a source of rowCount rows.
std::vector<RowRange> AllRows(int64_t rowCount);

// The ranges sorted, clipped to 0..rowCount-1, overlapping and touching
// ranges merged, empty ones dropped: each row at most once, in source order.
std::vector<RowRange> NormalizeRows(std::vector<RowRange> ranges, int64_t rowCount);

// Rows selected one by one (a list view's selected items), as ranges.
std::vector<RowRange> RowsFromIndexes(std::vector<int64_t> indexes, int64_t rowCount);

int64_t CountRows(const std::vector<RowRange>& ranges);

} // namespace belvane::xlsx
