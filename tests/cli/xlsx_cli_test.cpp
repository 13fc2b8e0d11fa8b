// --xlsx on the listing commands: the workbook read back, and the exports the
// tool refuses before it writes anything.

#include <gtest/gtest.h>

#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"
#include "helpers/workbook_reader.h"
#include "support/cp1251.h"
#include "support/file_io.h"

namespace belvane::testing {
namespace {

class XlsxCli : public ::testing::Test {
protected:
    CliResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args);
    }
    std::string path(std::string_view name) const { return (dir / std::string(name)).string(); }
    // Files whose name marks them as an unfinished write.
    int temporaries() const
    {
        int n = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            n += entry.path().filename().string().find("belvane-tmp") != std::string::npos ? 1 : 0;
        return n;
    }
    TempDir dir;
};

TEST_F(XlsxCli, StatisticsTableWithTitleAndSheet)
{
    ASSERT_EQ(run({"draws", "demo", "--count", "30"}).exitCode, 0);
    const auto r = run({"stats", "NUMS", "--xlsx", path("n.xlsx"), "--title", "Статистика", "--sheet", "NUMS"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("n.xlsx"), std::string::npos);

    const WorkbookSheet sheet = ReadWorkbook(path("n.xlsx"));
    ASSERT_EQ(sheet.SheetNames, std::vector<std::string>{"NUMS"});
    EXPECT_EQ(sheet.text(0, 0), "Статистика");
    EXPECT_EQ(sheet.text(1, 0), "");
    EXPECT_EQ(sheet.text(2, 0), "Значение");
    EXPECT_EQ(sheet.text(2, 19), "+/- КРН");
    EXPECT_EQ(sheet.text(3, 0), "1");
    EXPECT_EQ(sheet.text(47, 0), "45");
    EXPECT_EQ(sheet.lastRow(), 47); // 45 data rows from the fourth
    EXPECT_EQ(sheet.Orientation, "");
    EXPECT_EQ(sheet.Cells.at({0, 0}).FontSize, 12); // base size 8 + 4
}

TEST_F(XlsxCli, DrawsListWithNotesCreationLineAndPageSettings)
{
    ASSERT_EQ(run({"draws", "demo", "--count", "12"}).exitCode, 0);
    const auto r = run({"draws", "list", "--xlsx", path("d.xlsx"), "--notes", "Двенадцать тиражей", "--created",
                        "--orientation", "2", "--font-size", "10"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const WorkbookSheet sheet = ReadWorkbook(path("d.xlsx"));
    EXPECT_EQ(sheet.SheetNames, std::vector<std::string>{"Архив тиражей"});
    EXPECT_EQ(sheet.text(0, 0), "Архив тиражей");
    EXPECT_EQ(sheet.Cells.at({0, 0}).FontSize, 14);
    EXPECT_EQ(sheet.text(1, 0), "Двенадцать тиражей");
    EXPECT_EQ(sheet.Cells.at({1, 0}).FontSize, 10);
    EXPECT_TRUE(sheet.text(2, 0).starts_with("Отчет построен: ")) << sheet.text(2, 0);
    EXPECT_EQ(sheet.text(4, 0), "Тираж");
    EXPECT_EQ(sheet.text(4, 9), "Дата тиража");
    EXPECT_EQ(sheet.text(5, 0), "12"); // newest first
    EXPECT_EQ(sheet.lastRow(), 16);
    EXPECT_EQ(sheet.Orientation, "landscape");
    EXPECT_EQ(sheet.Cells.at({5, 9}).Horizontal, "center");
}

TEST_F(XlsxCli, StoredParametersChooseAndOrderTheColumns)
{
    ASSERT_EQ(run({"draws", "demo", "--count", "5"}).exitCode, 0);
    files::writeFileAtomically(dir / "p.exp", cp1251::fromUtf8("[EXPORT_EXCEL_TFORMMAIN.LVDRAWS]\r\n"
                                                               "Title=Из файла\r\n"
                                                               "Item_0=9;Дата тиража;Дата;-1;0;12.00\r\n"
                                                               "Item_1=0;Тираж;Тираж;0;1;7.50\r\n"
                                                               "Item_2=3;Номер 3;Чужой;-1;0;5.00\r\n"));
    const auto r = run({"draws", "list", "--xlsx", path("p.xlsx"), "--xlsx-params", path("p.exp")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const WorkbookSheet sheet = ReadWorkbook(path("p.xlsx"));
    EXPECT_EQ(sheet.text(0, 0), "Из файла");
    EXPECT_EQ(sheet.text(2, 0), "Дата");
    EXPECT_EQ(sheet.Cells.at({3, 0}).Horizontal, "left");
    EXPECT_NEAR(sheet.ColumnWidths.at(0), 12, 1);
    EXPECT_EQ(sheet.text(2, 1), "1"); // "Тираж" unchecked; the stale item named no column
    EXPECT_FALSE(sheet.text(3, 1).empty());
    // The stale item is gone from the file, the others stay.
    const std::string kept = cp1251::toUtf8(files::readFile(dir / "p.exp"));
    EXPECT_EQ(kept.find("Чужой"), std::string::npos);
    EXPECT_NE(kept.find("Item_1=0;Тираж;Тираж;0;1;7.50"), std::string::npos);
}

TEST_F(XlsxCli, RefusedExportsWriteNothing)
{
    ASSERT_EQ(run({"draws", "demo", "--count", "5"}).exitCode, 0);
    files::writeFileAtomically(dir / "old.xlsx", "old");

    auto r = run({"draws", "list", "--xlsx", path("old.xlsx"), "--sheet", "a/b"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Наименование листа не может содержать символы"), std::string::npos) << r.err;
    EXPECT_EQ(files::readFile(dir / "old.xlsx"), "old");

    r = run({"draws", "list", "--xlsx", path("Belvane_6x45.ldr")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("файл данных программы"), std::string::npos) << r.err;

    EXPECT_EQ(run({"draws", "list", "--xlsx", path("x.xlsx"), "--orientation", "3"}).exitCode, 2);
    EXPECT_EQ(run({"draws", "list", "--title", "T"}).exitCode, 2); // without --xlsx
    EXPECT_EQ(run({"views", "layout", "--compare", "--xlsx", path("x.xlsx")}).exitCode, 2);

    // The full set is more than a sheet holds: refused before anything is written.
    r = run({"combs", "exclude", "1", "--out", path("all.lcv"), "--xlsx", path("all.xlsx")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("больше, чем вмещает лист Microsoft Excel (1048576)"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "all.xlsx"));
    EXPECT_FALSE(std::filesystem::exists(dir / "x.xlsx"));
    EXPECT_EQ(temporaries(), 0);
}

TEST_F(XlsxCli, EveryListingCommandWritesItsTable)
{
    ASSERT_EQ(run({"draws", "demo", "--count", "20"}).exitCode, 0);
    ASSERT_EQ(run({"--offset", "1", "stakes", "add", "1;2;3;4;5;6", "--comment", "t1"}).exitCode, 0);

    struct Case {
        std::vector<std::string> args;
        std::string sheet;
        std::pair<int, int> cell; // a header cell
        std::string caption;
        int lastRow;
    };
    ASSERT_EQ(run({"combs", "generate", "--mode", "2", "--param", "1,2,3,4,5,6,7", "--out", path("l.lcv")}).exitCode,
              0);
    const Case cases[] = {
        {{"views", "card"}, "Карта", {2, 46}, "E", 22},
        {{"views", "layout", "--len", "10"}, "Схема", {2, 0}, "Кол-во", -2},
        {{"stakes", "list"}, "Ставки", {2, 8}, "Комментарий", 3},
        {{"ratings", "list"}, "Рейтинг", {2, 0}, "Комментарий", 3},
        {{"combs", "info", path("l.lcv")}, "Комбинации", {2, 7}, "S", 9},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--xlsx", path("t.xlsx")});
        const auto r = run(args);
        ASSERT_EQ(r.exitCode, 0) << c.sheet << ": " << r.err;
        const WorkbookSheet sheet = ReadWorkbook(path("t.xlsx"));
        EXPECT_EQ(sheet.SheetNames, std::vector<std::string>{c.sheet});
        EXPECT_EQ(sheet.text(0, 0), c.sheet);
        EXPECT_EQ(sheet.text(c.cell.first, c.cell.second), c.caption) << c.sheet;
        if (c.lastRow >= 0)
            EXPECT_EQ(sheet.lastRow(), c.lastRow) << c.sheet;
        else
            EXPECT_GT(sheet.lastRow(), 3) << c.sheet;
    }
    const WorkbookSheet list = ReadWorkbook(path("t.xlsx")); // the last one: the list of combs info
    EXPECT_EQ(list.text(3, 0), "1");
    EXPECT_EQ(list.text(9, 0), "7");
}

} // namespace
} // namespace belvane::testing
