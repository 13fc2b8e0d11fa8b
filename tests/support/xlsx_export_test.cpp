#include <gtest/gtest.h>

#include <tuple>

#include "helpers/fake_table.h"
#include "helpers/temp_dir.h"
#include "helpers/workbook_reader.h"
#include "support/error.h"
#include "support/sheet_layout.h"
#include "support/xlsx_export.h"

namespace belvane::xlsx {
namespace {

namespace fs = std::filesystem;
using testing::FakeTable;
using testing::readBytes;
using testing::ReadWorkbook;
using testing::TempDir;
using testing::writeBytes;

constexpr std::string_view CreatedAt = "01.02.2024 10:11:12";

class RecordingProgress final : public ExportProgress {
public:
    void stage(std::string_view text) override { stages.emplace_back(text); }
    void start(int64_t n) override
    {
        total = n;
        ++starts;
    }
    void advance(int64_t steps) override { position += steps; }
    bool cancelled() const override { return cancelAt >= 0 && position >= cancelAt; }

    std::vector<std::string> stages;
    int64_t total = -1;
    int64_t position = 0;
    int starts = 0;
    int64_t cancelAt = -1; // "Отмена" once the progress reaches this position
};

FakeTable ThreeColumns()
{
    return FakeTable(
        {{"Значение", Alignment::Left, 80}, {"Количество", Alignment::Right, 160}, {"Дата", Alignment::Center, 40}},
        {{"1", "12", "01/02/2024"},
         {"2 & <3>", "", "02/02/2024"},
         {"Сумма 21-255", "7", "03/02/2024"},
         {"4", "5", "04/02/2024"}});
}

ExportParameters Parameters(const TableSource& source)
{
    ExportParameters p;
    p.Title = "Статистика";
    p.SheetName = "NUMS";
    p.Fields = BuildExportFields(source);
    return p;
}

// The files a folder holds, by name.
std::vector<std::string> FolderNames(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SheetLayout, TitleLinesAndTheHeaderRow)
{
    ExportParameters p;
    p.Title = "Ставки";
    p.BaseFontSize = 8;
    SheetLayout layout = LayOutSheet(p, CreatedAt);
    ASSERT_EQ(layout.Lines.size(), 1u);
    EXPECT_EQ(layout.Lines[0].Row, 0);
    EXPECT_EQ(layout.Lines[0].FontSize, 12);
    EXPECT_EQ(layout.HeaderRow, 2);
    EXPECT_EQ(layout.FirstDataRow, 3);

    p.PreTitle = "Belvane 6x45";
    layout = LayOutSheet(p, CreatedAt);
    ASSERT_EQ(layout.Lines.size(), 2u);
    EXPECT_EQ(layout.Lines[0].Text, "Belvane 6x45");
    EXPECT_EQ(layout.Lines[0].FontSize, 6);
    EXPECT_EQ(layout.Lines[1].Row, 2);
    EXPECT_EQ(layout.HeaderRow, 4);

    p.ShowCreateTime = true;
    layout = LayOutSheet(p, CreatedAt);
    ASSERT_EQ(layout.Lines.size(), 3u);
    EXPECT_EQ(layout.Lines[2].Row, 3);
    EXPECT_EQ(layout.Lines[2].Text, "Отчет построен: 01.02.2024 10:11:12.");
    EXPECT_EQ(layout.HeaderRow, 5);

    p.PreTitle.clear();
    p.Notes = "Последние 100 тиражей";
    p.BaseFontSize = 1;
    layout = LayOutSheet(p, CreatedAt);
    ASSERT_EQ(layout.Lines.size(), 3u);
    EXPECT_EQ(layout.Lines[1].Row, 1);
    EXPECT_EQ(layout.Lines[1].Text, "Последние 100 тиражей");
    EXPECT_EQ(layout.Lines[1].FontSize, 1);
    EXPECT_EQ(layout.Lines[2].Row, 2);
    EXPECT_EQ(layout.HeaderRow, 4);
    EXPECT_EQ(layout.FirstDataRow, 5);
}

TEST(XlsxExport, WorkbookHoldsTheReportAsLaidOut)
{
    TempDir dir;
    const FakeTable table = ThreeColumns();
    ExportParameters p = Parameters(table);
    p.Notes = "Числа 1-45";
    p.ShowCreateTime = true;
    p.Orientation = PageOrientation::Landscape;
    p.BaseFontSize = 10;
    MoveField(p.Fields, 2, 0); // Дата, Значение, Количество
    p.Fields[0].Caption = "Дата тиража";
    p.Fields[0].Width = 12;
    RecordingProgress progress;
    ASSERT_EQ(WriteXlsx(dir / "n.xlsx", p, table, AllRows(table.rowCount()), CreatedAt, progress),
              WriteOutcome::Written);

    const auto sheet = ReadWorkbook(dir / "n.xlsx");
    EXPECT_EQ(sheet.SheetNames, std::vector<std::string>{"NUMS"});
    EXPECT_TRUE(sheet.InlineStrings); // constant-memory mode keeps the texts in the cells
    EXPECT_EQ(sheet.Orientation, "landscape");
    EXPECT_EQ(sheet.text(0, 0), "Статистика");
    EXPECT_EQ(sheet.Cells.at({0, 0}).FontSize, 14);
    EXPECT_EQ(sheet.text(1, 0), "Числа 1-45");
    EXPECT_EQ(sheet.text(2, 0), "Отчет построен: 01.02.2024 10:11:12.");
    EXPECT_EQ(sheet.Cells.at({2, 0}).FontSize, 10);

    EXPECT_EQ(sheet.text(4, 0), "Дата тиража");
    EXPECT_EQ(sheet.text(4, 1), "Значение");
    EXPECT_EQ(sheet.text(4, 2), "Количество");
    EXPECT_EQ(sheet.Cells.at({4, 2}).Horizontal, "center");

    EXPECT_EQ(sheet.text(5, 0), "01/02/2024");
    EXPECT_EQ(sheet.text(5, 2), "12");
    EXPECT_EQ(sheet.text(6, 1), "2 & <3>");
    EXPECT_EQ(sheet.Cells.count({6, 2}), 0u); // an empty text writes no cell
    EXPECT_EQ(sheet.text(7, 1), "Сумма 21-255");
    EXPECT_EQ(sheet.text(8, 2), "5");
    EXPECT_EQ(sheet.lastRow(), 8);
    EXPECT_EQ(sheet.RowElements, 3 + 1 + 4);

    const auto& date = sheet.Cells.at({5, 0});
    EXPECT_EQ(date.Horizontal, "center");
    EXPECT_EQ(date.Vertical, "center");
    EXPECT_EQ(date.FontSize, 10);
    EXPECT_EQ(sheet.Cells.at({5, 1}).Horizontal, "left");
    EXPECT_EQ(sheet.Cells.at({5, 2}).Horizontal, "right");
    EXPECT_EQ(sheet.ColumnStyles.at(2).Horizontal, "right"); // the whole column, not only the cells written
    EXPECT_NEAR(sheet.ColumnWidths.at(0), 12, 1);
    EXPECT_NEAR(sheet.ColumnWidths.at(2), 20, 1);

    EXPECT_EQ(progress.total, 5 + 2 * 3 + 4);
    EXPECT_EQ(progress.position, progress.total);
    EXPECT_EQ(progress.stages, (std::vector<std::string>{std::string(StageConnect), std::string(StageWorkbook),
                                                         std::string(StageSheet), std::string(StageFormat),
                                                         std::string(StagePrepare), std::string(StageTransfer)}));
    EXPECT_EQ(FolderNames(dir.path()), std::vector<std::string>{"n.xlsx"});
}

TEST(XlsxExport, SelectedRowsUncheckedFieldsAndOrientation)
{
    TempDir dir;
    const FakeTable table = ThreeColumns();
    ExportParameters p = Parameters(table);
    p.Fields[1].Checked = false;
    p.PreTitle = "Belvane 6x45";
    p.Orientation = PageOrientation::Portrait;
    RecordingProgress progress;
    WriteXlsx(dir / "s.xlsx", p, table, {{3, 4}, {0, 1}}, CreatedAt, progress);

    auto sheet = ReadWorkbook(dir / "s.xlsx");
    EXPECT_EQ(sheet.Orientation, "portrait");
    EXPECT_EQ(sheet.text(0, 0), "Belvane 6x45");
    EXPECT_EQ(sheet.text(2, 0), "Статистика");
    EXPECT_EQ(sheet.text(4, 1), "Дата");
    EXPECT_EQ(sheet.text(5, 0), "1"); // source order, whatever the order of the selection
    EXPECT_EQ(sheet.text(6, 0), "4");
    EXPECT_EQ(sheet.text(6, 1), "04/02/2024");
    EXPECT_EQ(sheet.lastRow(), 6);
    EXPECT_EQ(progress.total, 5 + 2 * 2 + 2);

    // Every field unchecked: the title lines and an empty header row.
    for (auto& f : p.Fields)
        f.Checked = false;
    p.PreTitle.clear();
    p.Orientation = PageOrientation::NotSet;
    WriteXlsx(dir / "s.xlsx", p, table, AllRows(4), CreatedAt, progress);
    sheet = ReadWorkbook(dir / "s.xlsx");
    EXPECT_EQ(sheet.Orientation, "");
    EXPECT_EQ(sheet.Cells.size(), 1u);
    EXPECT_EQ(sheet.text(0, 0), "Статистика");
}

TEST(XlsxExport, RefusedBeforeAnyFileIsTouched)
{
    TempDir dir;
    const auto target = dir / "big.xlsx";
    writeBytes(target, "the previous workbook");
    FakeTable table = ThreeColumns();
    ExportParameters p = Parameters(table);

    // Title, empty row, header: three rows before the data.
    EXPECT_FALSE(ValidateExport(p, MaxSheetRows - 3));
    const auto tooMany = ValidateExport(p, MaxSheetRows - 2);
    ASSERT_TRUE(tooMany);
    EXPECT_EQ(*tooMany, "Число строк отчета (1048577) больше, чем вмещает лист Microsoft Excel (1048576)!\r"
                        "Экспортируйте выделенные записи или сократите список.");

    table.setRowCount(8'145'060); // a full combination list
    RecordingProgress progress;
    try {
        WriteXlsx(target, p, table, AllRows(table.rowCount()), CreatedAt, progress);
        FAIL() << "a sheet cannot hold that many rows";
    } catch (const Error& e) {
        EXPECT_TRUE(std::string(e.what()).starts_with("Число строк отчета (8145063)")) << e.what();
    }
    // Only the selected rows count.
    EXPECT_EQ(WriteXlsx(target, p, table, {{100, 110}}, CreatedAt, progress), WriteOutcome::Written);
    EXPECT_EQ(ReadWorkbook(target).lastRow(), 12);
    writeBytes(target, "the previous workbook");

    for (const char* name : {"Лист:1", "", "Статистика по всем номерам тиражей"}) {
        p.SheetName = name;
        EXPECT_THROW(WriteXlsx(target, p, table, AllRows(4), CreatedAt, progress), Error) << name;
    }
    p.SheetName = "NUMS";
    p.Fields[0].Caption = "a;b";
    EXPECT_THROW(WriteXlsx(target, p, table, AllRows(4), CreatedAt, progress), Error);

    EXPECT_EQ(progress.starts, 1); // the refusals never started
    EXPECT_EQ(readBytes(target), "the previous workbook");
    EXPECT_EQ(FolderNames(dir.path()), std::vector<std::string>{"big.xlsx"});
}

TEST(XlsxExport, CancelAndFailureKeepTheExistingTarget)
{
    TempDir dir;
    const auto target = dir / "n.xlsx";
    writeBytes(target, "the previous workbook");
    FakeTable table = ThreeColumns();
    table.setRowCount(5000);
    const ExportParameters p = Parameters(table);

    for (int64_t at : {1, 3, 10, 2000}) { // in the set-up stages and in the middle of the rows
        RecordingProgress progress;
        progress.cancelAt = at;
        EXPECT_EQ(WriteXlsx(target, p, table, AllRows(table.rowCount()), CreatedAt, progress), WriteOutcome::Cancelled)
            << at;
        EXPECT_EQ(readBytes(target), "the previous workbook");
        EXPECT_EQ(FolderNames(dir.path()), std::vector<std::string>{"n.xlsx"}) << at;
    }

    table.failAt(2500);
    RecordingProgress progress;
    try {
        WriteXlsx(target, p, table, AllRows(table.rowCount()), CreatedAt, progress);
        FAIL() << "the source failed";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Ошибка экспорта данных в Microsoft Excel!\rthe source failed");
    }
    EXPECT_EQ(readBytes(target), "the previous workbook");
    EXPECT_EQ(FolderNames(dir.path()), std::vector<std::string>{"n.xlsx"});

    try {
        WriteXlsx(dir / "missing" / "n.xlsx", p, table, AllRows(4), CreatedAt, progress);
        FAIL() << "wrote into a folder that does not exist";
    } catch (const Error& e) {
        // Says which folder is missing, in the program's own words.
        EXPECT_EQ(std::string(e.what()), support::Message(FolderMissingError, (dir / "missing").string()));
    }
    EXPECT_EQ(TargetFolderProblem(dir / "missing" / "n.xlsx"),
              support::Message(FolderMissingError, (dir / "missing").string()));
    EXPECT_EQ(TargetFolderProblem(dir / "n.xlsx"), std::nullopt);
    EXPECT_TRUE(TargetFolderProblem(target / "n.xlsx")); // a file is no folder
}

TEST(XlsxExport, PlainNumbersBecomeNumberCells)
{
    for (auto [text, value, decimals] : {std::tuple{"12", 12.0, 0},
                                         {"-3.50", -3.5, 2},
                                         {"0", 0.0, 0},
                                         {"0.125", 0.125, 3},
                                         {"999999999999999", 999999999999999.0, 0}}) {
        const auto number = NumberInCell(text);
        ASSERT_TRUE(number) << text;
        EXPECT_DOUBLE_EQ(number->Value, value);
        EXPECT_EQ(number->Decimals, decimals);
    }
    // Texts whose look a number would lose, and texts that are no number.
    for (const char* text :
         {"05", "01.02.2024", "1 2 3", "12%", "1e5", "+3", "-", "3.", ".5", "1,5", " 7", "1234567890123456", ""})
        EXPECT_FALSE(NumberInCell(text)) << text;

    TempDir dir;
    const FakeTable table(
        {{"Ставок", Alignment::Right, 80}, {"Профит", Alignment::Right, 80}, {"Ставка", Alignment::Left, 80}},
        {{"12", "-2.00", "03 07 15"}, {"7", "999998.00", "1 2 3 4 5 6"}});
    RecordingProgress progress;
    ASSERT_EQ(WriteXlsx(dir / "n.xlsx", Parameters(table), table, AllRows(2), CreatedAt, progress),
              WriteOutcome::Written);
    const auto sheet = ReadWorkbook(dir / "n.xlsx");
    const int first = 3;                                 // title, blank, header
    EXPECT_FALSE(sheet.Cells.at({first - 1, 0}).Number); // the header stays text
    EXPECT_TRUE(sheet.Cells.at({first, 0}).Number);
    EXPECT_EQ(sheet.text(first, 0), "12");
    EXPECT_TRUE(sheet.Cells.at({first + 1, 1}).Number);
    EXPECT_DOUBLE_EQ(std::stod(sheet.text(first + 1, 1)), 999998);
    EXPECT_EQ(sheet.Cells.at({first + 1, 1}).Horizontal, "right"); // the column's look kept
    EXPECT_FALSE(sheet.Cells.at({first, 2}).Number);
    EXPECT_EQ(sheet.text(first, 2), "03 07 15");
}

TEST(XlsxExport, CellTextsASheetCanHold)
{
    std::string s = "Тираж 12";
    MakeCellText(s);
    EXPECT_EQ(s, "Тираж 12");
    s = std::string("a\x01"
                    "b\tc\nd\x7f",
                    8);
    MakeCellText(s);
    EXPECT_EQ(s, "a?b\tc\nd\x7f");
    s = "ok\xC3(\xED\xA0\x80\xEF\xBF\xBE end"; // a broken sequence, a surrogate, U+FFFE
    MakeCellText(s);
    EXPECT_EQ(s, "ok?(?????? end");

    s = std::string(MaxCellTextLength + 10, 'x');
    MakeCellText(s);
    EXPECT_EQ(s.size(), MaxCellTextLength);
    std::string cyrillic;
    for (size_t i = 0; i < MaxCellTextLength + 1; ++i)
        cyrillic += "ж";
    MakeCellText(cyrillic);
    EXPECT_EQ(cyrillic.size(), 2 * MaxCellTextLength); // cut at a character, not inside one
}

} // namespace
} // namespace belvane::xlsx
