#include <gtest/gtest.h>

#include <sstream>

#include "support/text_table.h"

namespace belvane::text {
namespace {

// Rows from a source read again for every pass, as a file is.
struct CountedRows {
    std::vector<TableRow> rows;
    int passes = 0;
    TableRows producer()
    {
        return [this](const std::function<void(const TableRow&)>& sink) {
            ++passes;
            for (const TableRow& r : rows)
                sink(r);
        };
    }
};

TEST(TextTable, TextIsMeasuredInOnePassAndPrintedInASecond)
{
    CountedRows source{{{"1", "Вручную", "-2.00"}, {"12", "Сценарий", ""}, {"3", "x", "+5.50"}}};
    std::ostringstream out;
    printStreamedTable(out, {"№", "Вид", "Профит"}, TableFormat::Text, source.producer());
    EXPECT_EQ(source.passes, 2);
    // Numbers (an empty cell or a signed number too) to the right, words to the left,
    // widths in characters, not bytes; no blanks at the ends of lines.
    EXPECT_EQ(out.str(), " №  Вид       Профит\n"
                         " 1  Вручную    -2.00\n"
                         "12  Сценарий\n"
                         " 3  x          +5.50\n");
}

TEST(TextTable, TsvIsOnePassWithCellsAsTheyAre)
{
    CountedRows source{{{"1", "a b"}, {"2"}}};
    std::ostringstream out;
    printStreamedTable(out, {"№", "Текст"}, TableFormat::Tsv, source.producer());
    EXPECT_EQ(source.passes, 1);
    EXPECT_EQ(out.str(), "№\tТекст\n1\ta b\n2\n");
}

TEST(TextTable, AnEmptyTableIsItsCaptions)
{
    CountedRows source;
    std::ostringstream out;
    printStreamedTable(out, {"№", "Текст"}, TableFormat::Text, source.producer());
    EXPECT_EQ(out.str(), "№  Текст\n");
}

} // namespace
} // namespace belvane::text
