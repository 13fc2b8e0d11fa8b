// The analysis views in a running workspace: what makes them rebuild,
// filtering by their cells, and the prefetch files a configuration change
// leaves behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "app/analysis_service.h"
#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/demo_archive.h"
#include "app/prefetch_files.h"
#include "app/setting_keys.h"
#include "app/statistics_service.h"
#include "helpers/draws_builder.h"
#include "helpers/workspace_fixture.h"
#include "stats/stat_list.h"

using namespace belvane;
using namespace belvane::app;
using belvane::testing::makeDraw;

namespace {

model::TDrawsArray smallArchive()
{
    return {makeDraw(1, {1, 2, 3, 4, 5, 6}, 7, "07/12/2002"), makeDraw(2, {7, 8, 9, 10, 11, 12}, 1, "14/12/2002"),
            makeDraw(3, {13, 14, 15, 16, 17, 18}, 2, "21/12/2002")};
}

} // namespace

TEST(AnalysisService, EditsOfTheArchiveAndTheConfigurationChangeTheInputsOfEveryView)
{
    belvane::testing::TempDir dir;
    belvane::testing::writeArchiveFile(dir.path(), smallArchive());
    belvane::testing::StartedWorkspace s(dir.path());
    Workspace& ws = *s;
    const ViewInputs before = ws.Analysis().Inputs(100);

    ASSERT_TRUE(ws.Archive().ReplaceDraw(2, makeDraw(3, {13, 14, 15, 16, 17, 19}, 2, "21/12/2002")));
    const ViewInputs edited = ws.Analysis().Inputs(100);
    EXPECT_NE(edited, before);
    EXPECT_EQ(edited.DrawCount, before.DrawCount); // the count alone would not have told

    stats::TConfigData config = ws.Configuration().Data();
    config.ChannelSize = 9;
    ws.Configuration().Apply(config);
    EXPECT_NE(ws.Analysis().Inputs(100), edited);
    EXPECT_EQ(ws.Analysis().ChannelSize(), 9);
    EXPECT_NE(ws.Analysis().Inputs(100, 5), ws.Analysis().Inputs(100, 6));
}

TEST(AnalysisService, AnEditedDrawChangesTheStatisticsTableWithoutAForcedRefresh)
{
    belvane::testing::TempDir dir;
    belvane::testing::writeArchiveFile(dir.path(), smallArchive());
    belvane::testing::StartedWorkspace s(dir.path());
    Workspace& ws = *s;
    const auto& types = ws.Statistics().StatTypes();
    const auto nums = std::find(types.begin(), types.end(), ws.Registry().FindMethod("NUMS"));
    ASSERT_NE(nums, types.end());
    ws.Statistics().SetStatTypeIndex(static_cast<int>(nums - types.begin()));
    ws.Statistics().Calculate(true);
    auto countOf = [&](int number) {
        for (const DrawsStatRow& row : ws.Statistics().Table().Rows)
            if (row.Value.V1 == number)
                return row.Value.Count;
        return -1;
    };
    ASSERT_EQ(countOf(19), 0);

    // The edit's own refresh is not forced.
    ASSERT_TRUE(ws.Archive().ReplaceDraw(2, makeDraw(3, {13, 14, 15, 16, 17, 19}, 2, "21/12/2002")));
    EXPECT_EQ(countOf(19), 1);
    EXPECT_EQ(countOf(18), 0);
}

TEST(AnalysisService, ViewsAtTheOffset)
{
    belvane::testing::TempDir dir;
    belvane::testing::writeArchiveFile(dir.path(), smallArchive());
    belvane::testing::StartedWorkspace s(dir.path());
    Workspace& ws = *s;
    ws.Archive().SetOffset(1);
    const LayoutView layout = ws.Analysis().Layout(100);
    EXPECT_EQ(layout.Grid.DrawNumbers, (std::vector<int>{2, 1}));
    EXPECT_EQ(layout.Compare[0].Heading, "1 - 2");
    const views::WeekGrid week = ws.Analysis().Week(100);
    EXPECT_EQ(week.Counts[6][1], 1); // 07/12/2002 was a Saturday
    EXPECT_EQ(week.Counts[6][13], 0);
    // The card shows the whole archive whatever the offset.
    EXPECT_EQ(ws.Analysis().Card().size(), 3u);
}

TEST(AnalysisService, CellsKeepOrRemoveTheCombinationsHoldingTheirNumbers)
{
    belvane::testing::TempDir dir;
    belvane::testing::writeArchiveFile(dir.path(), smallArchive());
    belvane::testing::StartedWorkspace s(dir.path());
    Workspace& ws = *s;
    ASSERT_EQ(ws.Combinations().Count(), static_cast<size_t>(model::FullSetSize));

    // A layout cell "[12], 7" and a card cell "7" give the values 12 and 7.
    const std::vector<std::string> cells = {"[12], 7", "", "7"};
    ASSERT_TRUE(ws.Analysis().FilterByCells(CellSource::Layout, cells, true));
    EXPECT_EQ(ws.Combinations().Count(), static_cast<size_t>(model::Binomial(43, 6)));
    const auto& rows = ws.Combinations().History().Rows();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.back().Caption, "Схема");
    EXPECT_EQ(rows.back().Values, "12; 7");

    ASSERT_TRUE(ws.Analysis().FilterByWeekColumns(1, 1, false));
    EXPECT_EQ(ws.Combinations().Count(), static_cast<size_t>(model::Binomial(42, 5)));
    EXPECT_EQ(ws.Combinations().History().Rows().back().Caption, "Неделя");

    // Only empty cells: nothing to filter by, and the list stays. The undo
    // copy was still taken, as before every filter: it holds the list as it stands.
    const std::vector<std::string> empty = {"", " "};
    const size_t historyRows = ws.Combinations().History().Rows().size();
    EXPECT_FALSE(ws.Analysis().FilterByCells(CellSource::Card, empty, false));
    EXPECT_EQ(s.host.errors().back(), "В выделенном диапазоне нет значений для фильтра!");
    EXPECT_EQ(ws.Combinations().Count(), static_cast<size_t>(model::Binomial(42, 5)));
    EXPECT_EQ(ws.Combinations().History().Rows().size(), historyRows);
    EXPECT_EQ(ws.Combinations().List().undo().size(), static_cast<size_t>(model::Binomial(42, 5)));
    // The same for an empty layout selection after a filter, and for a week selection of no columns.
    ASSERT_TRUE(ws.Analysis().FilterByCells(CellSource::Layout, std::vector<std::string>{"45"}, true));
    EXPECT_FALSE(ws.Analysis().FilterByCells(CellSource::Layout, empty, true));
    EXPECT_EQ(ws.Combinations().List().undo().size(), ws.Combinations().Count());
    ASSERT_TRUE(ws.Analysis().FilterByCells(CellSource::Card, std::vector<std::string>{"44"}, true));
    EXPECT_FALSE(ws.Analysis().FilterByWeekColumns(3, 2, false));
    EXPECT_EQ(ws.Combinations().List().undo().size(), ws.Combinations().Count());
}

TEST(AnalysisService, FilterActionsNeedAListTheTabAndColumnsWithinTheNumbers)
{
    belvane::testing::TempDir dir;
    belvane::testing::StartedWorkspace s(dir.path());
    Workspace& ws = *s;
    ViewSelection sel;
    sel.CardFirstColumn = 1;
    sel.CardLastColumn = 45;
    EXPECT_TRUE(ws.ActionEnabled("CardFilter_Include", sel));
    sel.CardLastColumn = 46; // the extra number
    EXPECT_FALSE(ws.ActionEnabled("CardFilter_Exclude", sel));
    sel.LayoutFirstColumn = 0;
    sel.LayoutLastColumn = 3;
    EXPECT_FALSE(ws.ActionEnabled("LayoutFilter_Include", sel));
    sel.WeekFirstColumn = 3;
    sel.WeekLastColumn = 5;
    EXPECT_TRUE(ws.ActionEnabled("WeekFilter_Include", sel));
    ws.SetSetting(key::TabWeek, 0);
    EXPECT_FALSE(ws.ActionEnabled("WeekFilter_Include", sel));
    EXPECT_FALSE(ws.ActionEnabled("StakesGraphDraws", sel)); // no stakes
}

TEST(AnalysisService, AConfigurationChangeWithPrefetchOffDeletesTheFilesOfItsGroups)
{
    belvane::testing::TempDir dir;
    belvane::testing::StartedWorkspace s(dir.path());
    Workspace& ws = *s;
    ASSERT_FALSE(ws.Statistics().PrefetchsEnabled());
    const std::vector<std::string> channels = PrefetchIdsOfGroups(ws.Registry(), 1u << stats::GroupChannels);
    ASSERT_FALSE(channels.empty());
    std::filesystem::create_directories(ws.Files().prefetch(channels[0]).parent_path());
    const std::filesystem::path chnc = ws.Files().prefetch("CHNC");
    const std::filesystem::path chn9 = ws.Files().prefetch("CHN9"); // gone with channels of 6
    const std::filesystem::path sums = ws.Files().prefetch("SUMS");
    for (const auto& p : {chnc, chn9, sums})
        std::ofstream(p) << "x";

    stats::TConfigData config = ws.Configuration().Data();
    config.ChannelSize = 6;
    ws.Configuration().Apply(config);
    EXPECT_FALSE(std::filesystem::exists(chnc));
    EXPECT_FALSE(std::filesystem::exists(chn9));
    EXPECT_TRUE(std::filesystem::exists(sums)); // another group
}

// The repeats window's two stages: the list with a step per analysed draw,
// then the chart with a step per row, each under its own status text.
TEST(AnalysisService, RepeatsShowProgressForTheDrawsAndThenForTheRowsOfTheChart)
{
    belvane::testing::TempDir dir;
    belvane::testing::writeArchiveFile(dir.path(), app::MakeDemoDraws(40, 11));
    belvane::testing::StartedWorkspace s(dir.path());
    belvane::testing::RecordingHost& host = s.host;
    host.statuses.clear();
    host.progressPositions.clear();
    const int opens = host.progressOpens;
    const std::string idle = host.status();

    const std::optional<RepeatsView> view = s->Analysis().RepeatsWithGraph(25, 10);
    ASSERT_TRUE(view);
    const int64_t rows = static_cast<int64_t>(view->Table.Rows.size());
    ASSERT_GT(rows, 25); // most draws share 1 and 2 numbers with some of the ten before
    EXPECT_EQ(host.progressOpens - opens, 2);
    EXPECT_EQ(host.progressCloses, host.progressOpens);
    // Each gauge starts anew and moves one step at a time: to 25, then to the rows.
    std::vector<std::vector<int64_t>> gauges;
    for (size_t i = 0; i < host.progressPositions.size(); ++i) {
        if (i == 0 || host.progressPositions[i] < host.progressPositions[i - 1])
            gauges.emplace_back();
        gauges.back().push_back(host.progressPositions[i]);
    }
    ASSERT_EQ(gauges.size(), 2u);
    for (const auto& gauge : gauges)
        for (size_t i = 1; i < gauge.size(); ++i)
            EXPECT_LE(gauge[i] - gauge[i - 1], 1);
    EXPECT_EQ(gauges[0].back(), 25);
    EXPECT_EQ(gauges[1].back(), rows);
    const auto at = [&](std::string_view text) {
        return std::find(host.statuses.begin(), host.statuses.end(), text) - host.statuses.begin();
    };
    EXPECT_LT(at("Идет сбор статистики...."), at("Создание графиков..."));
    EXPECT_LT(at("Создание графиков..."), static_cast<std::ptrdiff_t>(host.statuses.size()));
    size_t points = 0;
    for (const views::ChartSeries& series : view->Graph.Series)
        points += series.Points.size();
    EXPECT_EQ(static_cast<int64_t>(points), rows);
    EXPECT_EQ(host.status(), idle);
}
