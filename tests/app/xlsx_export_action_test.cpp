#include <gtest/gtest.h>

#include "app/draws_list.h"
#include "app/draws_stat_table.h"
#include "app/export_sources.h"
#include "app/xlsx_export_action.h"
#include "helpers/recording_host.h"
#include "helpers/stats_fixture.h"
#include "helpers/temp_dir.h"
#include "helpers/workbook_reader.h"
#include "support/xlsx_export.h"

namespace belvane::app {
namespace {

using testing::makeDraw;
using testing::ReadWorkbook;
using testing::RecordingHost;
using testing::StatsFixture;
using testing::TempDir;

xlsx::ExportParameters ParametersFor(const xlsx::TableSource& source, std::string_view control, std::string_view title)
{
    return xlsx::InitialParameters(MainWindowExportCall(control, title), source);
}

TEST(ExportSources, DrawsAndCombinationsReadInPlace)
{
    const model::TDrawsArray draws = {makeDraw(1, {5, 3, 1, 2, 4, 6}, 9, "01/02/2024"),
                                      makeDraw(2, {45, 10, 20, 30, 40, 44}, 7, "08/02/2024")};
    DrawsListSource drawsList(draws, true);
    EXPECT_EQ(drawsList.rowCount(), 2);
    EXPECT_EQ(drawsList.column(ColDate).Caption, "Дата тиража");
    EXPECT_EQ(drawsList.column(ColDate).Align, xlsx::Alignment::Center);
    std::string cell;
    drawsList.cellText(0, ColNumber, cell); // newest first
    EXPECT_EQ(cell, "2");
    cell.clear();
    drawsList.cellText(1, ColBall1, cell); // sorted ascending
    EXPECT_EQ(cell, "1");

    const std::vector<model::TComb> combs = {{1, 2, 3, 4, 5, 6}, {40, 41, 42, 43, 44, 45}};
    CombListSource combList(combs);
    EXPECT_EQ(combList.columnCount(), 8);
    cell.clear();
    combList.cellText(1, 0, cell);
    combList.cellText(1, 6, cell);
    combList.cellText(1, 7, cell);
    EXPECT_EQ(cell, "245255");

    const xlsx::ExportCall call = MainWindowExportCall(DrawsListControl, DrawsExportTitle);
    EXPECT_EQ(xlsx::ExportSectionName(call.Owner, call.Control), "EXPORT_EXCEL_TFORMMAIN.LVDRAWS");
    EXPECT_EQ(call.SheetName, "Архив тиражей");
}

TEST(XlsxExportAction, StatisticsTableToAWorkbook)
{
    StatsFixture f({makeDraw(1, {1, 2, 3, 4, 5, 6}), makeDraw(2, {7, 8, 9, 10, 11, 12})});
    DrawsStatRequest request;
    request.Entry = f.list.FindMethod("NUMS");
    const DrawsStatTable table = CalculateDrawsStat(f.list, request);
    ASSERT_EQ(table.Rows.size(), 45u);

    std::vector<int> shown(45);
    for (int i = 0; i < 45; ++i)
        shown[static_cast<size_t>(i)] = 44 - i; // sorted descending on screen
    const DrawsStatSource source(table, shown);
    xlsx::ExportParameters p = ParametersFor(source, DrawsStatControl, DrawsStatExportTitle);
    p.SheetName = "NUMS";

    TempDir dir;
    RecordingHost host;
    host.setStatus("Готово");
    ASSERT_EQ(ExportToXlsx(host, source, p, xlsx::AllRows(source.rowCount()), dir / "n.xlsx"), ExportResult::Written);
    EXPECT_EQ(host.status(), "Готово");
    EXPECT_EQ(host.progressOpens, 1);
    EXPECT_EQ(host.progressCloses, 1);
    ASSERT_FALSE(host.progressPositions.empty());
    EXPECT_EQ(host.progressPositions.back(), 5 + 2 * DrawsStatColumnCount + 45);
    EXPECT_NE(std::find(host.statuses.begin(), host.statuses.end(), xlsx::StagePrepare), host.statuses.end());

    const auto sheet = ReadWorkbook(dir / "n.xlsx");
    EXPECT_EQ(sheet.SheetNames, std::vector<std::string>{"NUMS"});
    EXPECT_EQ(sheet.text(0, 0), "Статистика");
    EXPECT_EQ(sheet.text(2, 0), "Значение");
    EXPECT_EQ(sheet.text(2, DrawsStatColumnCount - 1), "+/- КРН");
    EXPECT_EQ(sheet.text(3, 0), table.Rows[44].Cells[StatColValue]);
    EXPECT_EQ(sheet.text(47, 0), table.Rows[0].Cells[StatColValue]);
    EXPECT_EQ(sheet.text(47, StatColCount), table.Rows[0].Cells[StatColCount]);
    EXPECT_EQ(sheet.lastRow(), 47);
    EXPECT_TRUE(host.errors().empty());
}

TEST(XlsxExportAction, RefusalsAreShownAndCancelWritesNothing)
{
    const std::vector<model::TComb> combs(10, model::TComb{1, 2, 3, 4, 5, 6});
    CombListSource source(combs);
    xlsx::ExportParameters p = ParametersFor(source, CombListControl, CombsExportTitle);
    TempDir dir;

    RecordingHost host;
    p.SheetName = "a/b";
    EXPECT_EQ(ExportToXlsx(host, source, p, xlsx::AllRows(10), dir / "c.xlsx"), ExportResult::Failed);
    EXPECT_EQ(host.errors(), std::vector<std::string>{"Наименование листа не может содержать символы [ ] : * ? / \\!"});
    EXPECT_EQ(host.progressOpens, 0);

    p.SheetName = "Комбинации";
    host.cancelAtOpen = true;
    EXPECT_EQ(ExportToXlsx(host, source, p, xlsx::AllRows(10), dir / "c.xlsx"), ExportResult::Cancelled);
    EXPECT_EQ(host.progressCloses, 1);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_EQ(host.errors().size(), 1u);
}

} // namespace
} // namespace belvane::app
