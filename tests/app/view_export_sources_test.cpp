// The card, layout, stakes and ratings lists as export sources: their cells
// as the grids show them, and when their export actions are enabled.

#include <gtest/gtest.h>

#include "app/ratings_service.h"
#include "app/setting_keys.h"
#include "app/stakes_export_sources.h"
#include "app/stakes_service.h"
#include "app/view_export_sources.h"
#include "app/view_selection.h"
#include "helpers/draws_builder.h"
#include "helpers/workspace_fixture.h"

namespace belvane::app {
namespace {

using testing::makeDraw;
using testing::StartedWorkspace;
using testing::TempDir;

std::string Cell(const xlsx::TableSource& source, int64_t row, int column)
{
    std::string text;
    source.cellText(row, column, text);
    return text;
}

TEST(ViewExportSources, CardCellsHoldTheDrawnNumbersOnly)
{
    views::CardRow row;
    row.DrawNumber = 1234;
    row.Extra = 17;
    row.Filled[1] = row.Filled[45] = true;
    const CardExportSource card({row});
    ASSERT_EQ(card.columnCount(), views::CardColumnCount);
    EXPECT_EQ(card.kind(), xlsx::SourceKind::Grid);
    EXPECT_EQ(card.column(0).Caption, "Тираж");
    EXPECT_EQ(card.column(45).Caption, "45");
    EXPECT_EQ(card.column(46).Caption, "E");
    EXPECT_EQ(Cell(card, 0, 0), "1234");
    EXPECT_EQ(Cell(card, 0, 1), "1");
    EXPECT_EQ(Cell(card, 0, 2), "");
    EXPECT_EQ(Cell(card, 0, 45), "45");
    EXPECT_EQ(Cell(card, 0, 46), "17");
}

TEST(ViewExportSources, LayoutRowsBeginWithTheirCount)
{
    views::NumberLayout grid;
    grid.Counts = {3, 1};
    grid.DrawNumbers = {20, 19};
    views::LayoutCell twoNumbers;
    twoNumbers.Text = "5, 7";
    views::LayoutCell nextDraw;
    nextDraw.Text = "[44]";
    grid.Cells = {{twoNumbers, views::LayoutCell{}}, {views::LayoutCell{}, nextDraw}};
    const LayoutExportSource layout(grid);
    ASSERT_EQ(layout.columnCount(), 3);
    EXPECT_EQ(layout.column(0).Caption, "Кол-во");
    EXPECT_EQ(layout.column(2).Caption, "19");
    EXPECT_EQ(layout.rowCount(), 2);
    EXPECT_EQ(Cell(layout, 0, 0), "3");
    EXPECT_EQ(Cell(layout, 0, 1), "5, 7");
    EXPECT_EQ(Cell(layout, 0, 2), "");
    EXPECT_EQ(Cell(layout, 1, 2), "[44]");
}

TEST(ViewExportSources, StakesAndRatingsReadTheServicesRowByRow)
{
    TempDir dir;
    testing::writeArchiveFile(dir.path(), {makeDraw(1, {1, 2, 3, 4, 5, 6}), makeDraw(2, {7, 8, 9, 10, 11, 12})});
    StartedWorkspace ws(dir.path());
    ViewSelection none;
    EXPECT_FALSE(ws->ActionEnabled("StakesXlsExport", none));
    EXPECT_FALSE(ws->ActionEnabled("RatingsXlsExport", none));

    ASSERT_TRUE(ws->Stakes().AddStake(ws->Stakes().PrepareManualStake(model::TComb{7, 8, 9, 1, 2, 3}), 1));
    const StakesExportSource stakes(ws->Stakes());
    ASSERT_EQ(stakes.rowCount(), 1);
    EXPECT_EQ(stakes.column(0).Caption, "№ тиража");
    EXPECT_EQ(Cell(stakes, 0, 0), "3");
    const RatingsExportSource ratings(ws->Ratings());
    EXPECT_EQ(ratings.kind(), xlsx::SourceKind::ListView);
    EXPECT_EQ(ratings.column(1).Align, xlsx::Alignment::Right);
    EXPECT_EQ(ratings.rowCount(), static_cast<int64_t>(ws->Ratings().Count()));
    EXPECT_TRUE(ws->ActionEnabled("StakesXlsExport", none));
}

TEST(ViewExportSources, ExportActionsNeedSomethingToExport)
{
    TempDir dir;
    StartedWorkspace empty(dir.path());
    ViewSelection grids;
    grids.CardColumns = grids.LayoutColumns = 47;
    EXPECT_FALSE(empty->ActionEnabled("DrawsXlsExport", grids));
    EXPECT_FALSE(empty->ActionEnabled("DrawsStatExportToExcel", grids));

    TempDir other;
    testing::writeArchiveFile(other.path(), {makeDraw(1, {1, 2, 3, 4, 5, 6})});
    StartedWorkspace ws(other.path());
    EXPECT_TRUE(ws->ActionEnabled("DrawsXlsExport", grids));
    EXPECT_TRUE(ws->ActionEnabled("CombsXlsExport", grids)); // the full set
    // A grid of the draw column and one more has nothing to export.
    ViewSelection narrow;
    narrow.CardColumns = narrow.LayoutColumns = 2;
    const bool cardShown = ws->Settings().Flag(key::TabCard);
    EXPECT_EQ(ws->ActionEnabled("CardXlsExport", grids), cardShown);
    EXPECT_FALSE(ws->ActionEnabled("CardXlsExport", narrow));
    EXPECT_FALSE(ws->ActionEnabled("LayoutXlsExport", narrow));
}

} // namespace
} // namespace belvane::app
