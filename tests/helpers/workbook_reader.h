#pragma once

// Reads back the first sheet of a workbook file (.xlsx) through the zip
// reader: the sheet names, every cell's text with its alignment and font
// size, the column widths and the page orientation.

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace belvane::testing {

struct WorkbookCell {
    std::string Text;
    std::string Horizontal; // "left", "right", "center" or empty
    std::string Vertical;   // "center" or empty
    double FontSize = 0;
    bool Number = false; // a number cell (its value as Text), not a text
};

struct WorkbookSheet {
    std::vector<std::string> SheetNames;
    std::map<std::pair<int, int>, WorkbookCell> Cells; // (row, column), both from 0
    int RowElements = 0;                               // rows the sheet holds
    std::map<int, double> ColumnWidths;                // column from 0
    std::map<int, WorkbookCell> ColumnStyles;          // the style of each column (no text)
    std::string Orientation;                           // "portrait", "landscape" or empty
    bool InlineStrings = false;                        // texts stored in the cells, not in a shared table

    std::string text(int row, int column) const;
    int lastRow() const; // -1 for an empty sheet
};

WorkbookSheet ReadWorkbook(const std::filesystem::path& path);

} // namespace belvane::testing
