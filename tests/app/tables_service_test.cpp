// The regular stakes of a workspace: the tables file and its damaged copy,
// adding one or many with their comments, the next stake, and the test over
// past offsets — its stakes, its cancel and its failures, after each of which
// the offset is where it was.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/ratings_service.h"
#include "app/scenario_service.h"
#include "app/setting_keys.h"
#include "app/stakes_service.h"
#include "app/tables_service.h"
#include "app/workspace.h"
#include "combs/list_file.h"
#include "helpers/draws_builder.h"
#include "helpers/temp_dir.h"
#include "helpers/workspace_fixture.h"
#include "scenario/rating_key_line.h"
#include "scenario/script_line.h"
#include "stakes/regular_shift.h"
#include "stakes/stake_dialogs.h"
#include "stats/stat_list.h"
#include "support/file_faults.h"

namespace belvane::app {
namespace {

using stakes::RegularBase;
using stakes::RegularStake;
using testing::makeDraw;
using testing::readBytes;
using testing::StartedWorkspace;
using testing::TempDir;
using testing::writeBytes;

// Draws 1..6, each of other numbers.
model::TDrawsArray sixDraws()
{
    return {makeDraw(1, {10, 11, 12, 13, 14, 15}), makeDraw(2, {20, 21, 22, 23, 24, 25}),
            makeDraw(3, {1, 2, 3, 40, 41, 42}),    makeDraw(4, {4, 5, 6, 30, 31, 32}),
            makeDraw(5, {11, 3, 5, 7, 9, 1}),      makeDraw(6, {2, 4, 6, 8, 10, 12})};
}

const std::vector<model::TComb> kListCombs{
    {1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {13, 14, 15, 16, 17, 18}, {40, 41, 42, 43, 44, 45}};

class TablesTest : public ::testing::Test {
protected:
    void start(const model::TDrawsArray& draws = sixDraws())
    {
        testing::writeArchiveFile(dir.path(), draws);
        w = std::make_unique<StartedWorkspace>(dir.path(), StartupOptions{}, WorkspaceMode{.Interactive = false});
        combs::SaveListFile(dir / "list.lcv", kListCombs);
        ASSERT_TRUE(ws().Combinations().Open(dir / "list.lcv"));
    }
    void TearDown() override { files::clearFaults(); }
    Workspace& ws() { return **w; }
    TablesService& tables() { return ws().Tables(); }
    testing::RecordingHost& host() { return w->host; }

    bool add(std::string comment, RegularBase base, int step, std::optional<model::TComb> start,
             std::vector<size_t> rows = {})
    {
        return tables().Add({std::move(comment), base, step, start}, rows);
    }
    std::vector<stakes::StakeRecord> stakeRecords()
    {
        std::vector<stakes::StakeRecord> out;
        for (size_t i = 0; i < ws().Stakes().Count(); ++i)
            out.push_back(ws().Stakes().Record(i));
        return out;
    }
    std::string tablesBytes() { return readBytes(ws().Files().tables()); }

    TempDir dir;
    std::unique_ptr<StartedWorkspace> w;
};

TEST_F(TablesTest, BothModesOverThreeOffsetsStakeTheirOwnWayAndComeBack)
{
    start();
    ASSERT_TRUE(add("Из тиража", RegularBase::LastDraw, 1, std::nullopt));
    ASSERT_TRUE(add("Своя", RegularBase::Combination, 2, model::TComb{1, 2, 3, 4, 5, 6}));
    ws().Archive().SetOffset(1);
    int refreshes = 0;
    ws().OnRefresh([&refreshes](bool) { ++refreshes; });

    const RegularTestResult result = tables().Test(3, std::vector<size_t>{1, 0});
    EXPECT_FALSE(result.Failed);
    EXPECT_EQ(result.Stakes, 6u);
    EXPECT_EQ(ws().Archive().Offset(), 1);
    EXPECT_FALSE(ws().RefreshSuppressed);
    EXPECT_EQ(refreshes, 0); // the views never saw the offsets of the test

    // Offsets 3, 2, 1: the newest visible draws are 3, 4 and 5; list order inside each.
    const auto made = stakeRecords();
    ASSERT_EQ(made.size(), 6u);
    const std::vector<std::pair<int, model::TComb>> expected{{4, {2, 3, 4, 41, 42, 43}}, {4, {3, 4, 5, 6, 7, 8}},
                                                             {5, {5, 6, 7, 31, 32, 33}}, {5, {5, 6, 7, 8, 9, 10}},
                                                             {6, {2, 4, 6, 8, 10, 12}},  {6, {7, 8, 9, 10, 11, 12}}};
    for (size_t i = 0; i < made.size(); ++i) {
        EXPECT_EQ(made[i].Kind, static_cast<uint8_t>(stakes::StakeKind::Regular)) << i;
        EXPECT_EQ(made[i].DrawNumber, expected[i].first) << i;
        EXPECT_TRUE(std::equal(expected[i].second.begin(), expected[i].second.end(), made[i].numbers().begin())) << i;
        EXPECT_EQ(made[i].Comment, i % 2 == 0 ? "Из тиража" : "Своя") << i;
        EXPECT_TRUE(made[i].Checked) << i; // every draw is in the archive
    }
    EXPECT_EQ(made[4].Matches, 6); // draw 5 shifted by one is draw 6

    EXPECT_EQ(tables().Records()[0].Current, (model::TComb{2, 4, 6, 8, 10, 12}));
    EXPECT_EQ(tables().Records()[1].Current, (model::TComb{7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(tables().Records()[1].Stakes, 3);
    EXPECT_EQ(stakes::ReadTablesFile(ws().Files().tables()), tables().Records()); // saved
    // The ratings count each regular stake as its own row.
    EXPECT_EQ(ws().Ratings().Count(), 2u);
}

TEST_F(TablesTest, ManyCombinationsGetNumberedCommentsAndACollisionRefusesAll)
{
    start();
    ASSERT_TRUE(add("Регулярная ставка", RegularBase::Combination, 1, std::nullopt, {3, 0, 1}));
    ASSERT_EQ(tables().Count(), 3u);
    EXPECT_EQ(tables().RowTexts(0),
              (std::array<std::string, 5>{"Регулярная ставка (1)", "1;2;3;4;5;6", "1", "1;2;3;4;5;6", "0"}));
    EXPECT_EQ(tables().Records()[1].Comment, "Регулярная ставка (2)");
    EXPECT_EQ(tables().Records()[2].Comment, "Регулярная ставка (4)");
    EXPECT_EQ(tables().Records()[2].Current, (model::TComb{40, 41, 42, 43, 44, 45}));

    const std::string before = tablesBytes();
    host().messages.clear();
    EXPECT_FALSE(add("РЕГУЛЯРНАЯ СТАВКА", RegularBase::Combination, 1, std::nullopt, {2, 1}));
    ASSERT_EQ(host().errors().size(), 1u);
    EXPECT_EQ(host().errors()[0], stakes::DuplicateRegularCommentMessage);
    EXPECT_EQ(tables().Count(), 3u); // not even the row whose name was free
    EXPECT_EQ(tablesBytes(), before);

    // One combination: one regular stake under the comment as typed.
    ASSERT_TRUE(add("Одна", RegularBase::Combination, -3, std::nullopt, {2}));
    EXPECT_EQ(tables().Records()[3].Start, (model::TComb{13, 14, 15, 16, 17, 18}));
    EXPECT_EQ(tables().Records()[3].Step, -3);
}

TEST_F(TablesTest, WithoutACombinationTheStartMustBeGiven)
{
    start();
    EXPECT_FALSE(add("Пусто", RegularBase::Combination, 1, std::nullopt));
    EXPECT_EQ(host().errors(), (std::vector<std::string>{std::string(stakes::InvalidStakeMessage)}));
    EXPECT_EQ(tables().Count(), 0u);
    EXPECT_FALSE(std::filesystem::exists(ws().Files().tables()));
    ASSERT_TRUE(add("Пусто", RegularBase::Combination, 1, model::TComb{45, 3, 2, 1, 5, 4}));
    EXPECT_EQ(tables().Records()[0].Start, (model::TComb{1, 2, 3, 4, 5, 45}));
    // The previous draw's mode starts from the draw its first stake shifts.
    ASSERT_TRUE(add("Тираж", RegularBase::LastDraw, 1, std::nullopt));
    EXPECT_EQ(tables().Records()[1].Start, (model::TComb{2, 4, 6, 8, 10, 12}));
}

TEST_F(TablesTest, TheNewestDrawModeIsRefusedOnAnEmptyArchive)
{
    start({});
    EXPECT_FALSE(add("Тираж", RegularBase::LastDraw, 1, std::nullopt));
    EXPECT_EQ(host().errors().back(), stakes::EmptyArchiveBaseMessage);
    EXPECT_EQ(tables().Count(), 0u);
}

TEST_F(TablesTest, OneStakeMovesTheRegularStakeOnlyOnceItIsInTheFile)
{
    start();
    ASSERT_TRUE(add("Своя", RegularBase::Combination, 5, model::TComb{41, 42, 43, 44, 45, 1}));
    const auto prepared = tables().PrepareStake(0);
    ASSERT_TRUE(prepared);
    EXPECT_EQ(prepared->Stake.DrawNumber, 7);
    EXPECT_EQ(prepared->Stake.Kind, static_cast<uint8_t>(stakes::StakeKind::Regular));
    EXPECT_EQ(prepared->Advanced.Current, (model::TComb{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(tables().Records()[0].Stakes, 0); // a dialog cancelled here changes nothing

    // The stakes file cannot take the stake: the regular stake stays.
    ws().Stakes().Close();
    EXPECT_FALSE(tables().MakeStake(*prepared, prepared->Stake, 1));
    EXPECT_EQ(tables().Records()[0].Stakes, 0);
    ws().Stakes().Open();
    ASSERT_TRUE(tables().MakeStake(*prepared, prepared->Stake, 2));
    EXPECT_EQ(tables().Records()[0].Stakes, 1);
    EXPECT_EQ(stakes::ReadTablesFile(ws().Files().tables())[0].Current, (model::TComb{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(ws().Stakes().Count(), 3u); // stake, separator, stake
}

TEST_F(TablesTest, ACancelledTestLeavesEveryFileAsItWas)
{
    start();
    ASSERT_TRUE(add("Своя", RegularBase::Combination, 2, model::TComb{1, 2, 3, 4, 5, 6}));
    ws().Archive().SetOffset(2);
    const std::string before = tablesBytes();
    host().cancelAtPosition = 2;
    const RegularTestResult result = tables().Test(4, std::vector<size_t>{0});
    EXPECT_TRUE(result.Cancelled);
    EXPECT_EQ(result.Stakes, 0u);
    EXPECT_EQ(tablesBytes(), before);
    EXPECT_EQ(tables().Records()[0].Stakes, 0);
    EXPECT_EQ(ws().Stakes().Count(), 0u);
    EXPECT_EQ(ws().Archive().Offset(), 2);
    EXPECT_FALSE(ws().RefreshSuppressed);
}

TEST_F(TablesTest, AFailureInsideTheTestStillRestoresTheOffset)
{
    start();
    ASSERT_TRUE(add("Своя", RegularBase::Combination, 2, model::TComb{1, 2, 3, 4, 5, 6}));
    ws().Archive().SetOffset(1);
    const std::string before = tablesBytes();

    // No stake can be added: nothing moves on.
    ws().Stakes().Close();
    RegularTestResult result = tables().Test(3, std::vector<size_t>{0});
    EXPECT_TRUE(result.Failed);
    EXPECT_EQ(result.Stakes, 0u);
    EXPECT_EQ(ws().Archive().Offset(), 1);
    EXPECT_FALSE(ws().RefreshSuppressed);
    EXPECT_EQ(tablesBytes(), before);
    EXPECT_EQ(tables().Records()[0].Stakes, 0);
    ws().Stakes().Open();

    // Another window is open: the test fails before it stakes anything.
    host().messages.clear();
    host().openProgress(1, false);
    result = tables().Test(3, std::vector<size_t>{0});
    host().closeProgress();
    EXPECT_TRUE(result.Failed);
    EXPECT_EQ(host().errors(), (std::vector<std::string>{std::string(ProgressAlreadyOpenMessage)}));
    EXPECT_EQ(ws().Archive().Offset(), 1);
    EXPECT_FALSE(ws().RefreshSuppressed);

    // The tables file cannot be written: the failure is shown and the stakes
    // the test made are undone with it, so that a second test makes them anew.
    host().messages.clear();
    const std::string stakesBefore = readBytes(ws().Files().stakes());
    files::injectFault({files::FaultKind::Write, "Belvane_6x45.ltb", 1});
    result = tables().Test(2, std::vector<size_t>{0});
    EXPECT_TRUE(result.Failed);
    EXPECT_EQ(result.Stakes, 0u);
    ASSERT_EQ(host().errors().size(), 1u);
    EXPECT_EQ(host().errors()[0].rfind("Ошибка записи в файл регулярных ставок!\r\r", 0), 0u) << host().errors()[0];
    EXPECT_EQ(host().warnings(), (std::vector<std::string>{std::string(ChangeUndoneMessage)}));
    EXPECT_EQ(tablesBytes(), before);
    EXPECT_EQ(readBytes(ws().Files().stakes()), stakesBefore);
    EXPECT_EQ(tables().Records()[0].Stakes, 0);
    EXPECT_EQ(ws().Archive().Offset(), 1);
}

TEST_F(TablesTest, TheTestNeedsTwoDrawsAndACountInRange)
{
    start({makeDraw(1, {1, 2, 3, 4, 5, 6})});
    ASSERT_TRUE(add("Своя", RegularBase::Combination, 1, model::TComb{1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(tables().AskTestCount());
    EXPECT_TRUE(host().numberQuestions.empty());
    EXPECT_FALSE(ws().ActionEnabled("TablesStakeTest", ViewSelection{.TableRows = 1, .TableCurrent = 0}));
    EXPECT_TRUE(tables().Test(1, std::vector<size_t>{0}).Failed);
    EXPECT_EQ(ws().Stakes().Count(), 0u);
}

TEST_F(TablesTest, AFileThatCannotBeReadIsKeptBesideTheNewOne)
{
    writeBytes(dir / "Belvane_6x45.ltb", std::string(stakes::RegularStakeRecordSize, '\x07'));
    start();
    EXPECT_EQ(tables().Count(), 0u);
    ASSERT_EQ(host().errors().size(), 1u);
    EXPECT_EQ(host().errors()[0].rfind("Ошибка чтения файла регулярных ставок!\r\r", 0), 0u);
    ASSERT_TRUE(add("Новая", RegularBase::Combination, 1, model::TComb{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(readBytes(dir / "Belvane_6x45.ltb.bad"), std::string(stakes::RegularStakeRecordSize, '\x07'));
    EXPECT_EQ(stakes::ReadTablesFile(ws().Files().tables()).size(), 1u);
}

TEST_F(TablesTest, AHiddenPageNeitherReadsNorWrites)
{
    start();
    ASSERT_TRUE(add("Своя", RegularBase::Combination, 1, model::TComb{1, 2, 3, 4, 5, 6}));
    const std::string before = tablesBytes();
    tables().SetVisible(false);
    EXPECT_EQ(tables().Count(), 0u);
    EXPECT_FALSE(ws().ActionEnabled("TablesAdd", {}));
    EXPECT_FALSE(add("Другая", RegularBase::Combination, 1, model::TComb{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(tablesBytes(), before);
    tables().SetVisible(true);
    EXPECT_TRUE(ws().Settings().Flag(key::TabTables));
    ASSERT_EQ(tables().Count(), 1u);
    EXPECT_EQ(tables().Records()[0].Comment, "Своя");

    // Deleting keeps the rows that were not chosen, in order.
    ASSERT_TRUE(add("Вторая", RegularBase::Combination, 1, model::TComb{1, 2, 3, 4, 5, 6}));
    ASSERT_TRUE(add("Третья", RegularBase::Combination, 1, model::TComb{1, 2, 3, 4, 5, 6}));
    ASSERT_TRUE(tables().Delete(std::vector<size_t>{2, 0}));
    ASSERT_EQ(tables().Count(), 1u);
    EXPECT_EQ(tables().Records()[0].Comment, "Вторая");
    EXPECT_FALSE(tables().Delete(std::vector<size_t>{5}));
    EXPECT_EQ(host().errors().back(), "Запись со индексом 5 в файле данных не найдена!");
}

} // namespace
} // namespace belvane::app

namespace belvane::app {
namespace {

// A stake's numbers shifted by hand: n - 3, brought back above 0, sorted.
std::vector<int> shiftedDown3(std::vector<int> numbers)
{
    for (int& n : numbers)
        n = n - 3 < 1 ? n - 3 + 45 : n - 3;
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// The six numbers of a line "n;\"dd/mm/yyyy\";a;b;c;d;e;f;x" of the draws CSV.
std::vector<int> csvNumbers(const std::string& line)
{
    std::vector<int> fields;
    size_t at = 0;
    for (int i = 0; i < 8; ++i) {
        const size_t end = line.find(';', at);
        if (i >= 2)
            fields.push_back(std::stoi(line.substr(at, end - at)));
        at = end + 1;
    }
    return fields;
}

TEST(TablesRealArchive, ANewestDrawRegularTestedOverThreeOffsetsMatchesAHandComputation)
{
    BELVANE_REQUIRE_SHARED_DATA(csv, "draws-6x45-real.csv");
    TempDir dir;
    StartedWorkspace ws(dir.path(), StartupOptions{}, WorkspaceMode{.Interactive = false});
    ASSERT_TRUE(ws->Archive().Import(csv));
    const size_t drawCount = ws->Archive().Draws().size();
    ASSERT_GT(drawCount, 4u);

    std::vector<std::string> lines;
    {
        std::istringstream in(readBytes(csv));
        for (std::string line; std::getline(in, line);)
            if (!line.empty() && line != "\r")
                lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), drawCount);

    ASSERT_TRUE(ws->Tables().Add({"Регуляр -3", RegularBase::LastDraw, -3, std::nullopt}, {}));
    const RegularTestResult result = ws->Tables().Test(3, std::vector<size_t>{0});
    ASSERT_FALSE(result.Failed);
    ASSERT_EQ(result.Stakes, 3u);
    EXPECT_EQ(ws->Archive().Offset(), 0);

    int matchesSum = 0;
    for (size_t k = 0; k < 3; ++k) {
        // Offset 3 - k: the newest visible draw is this one, the stake is for the next.
        const std::vector<int> base = csvNumbers(lines[drawCount - 4 + k]);
        const std::vector<int> drawn = csvNumbers(lines[drawCount - 3 + k]);
        const std::vector<int> expected = shiftedDown3(base);
        int matches = 0;
        for (int n : expected)
            matches += std::count(drawn.begin(), drawn.end(), n) > 0 ? 1 : 0;
        matchesSum += matches;
        const stakes::StakeRecord stake = ws->Stakes().Record(k);
        EXPECT_EQ(stake.DrawNumber, static_cast<int32_t>(drawCount - 2 + k));
        EXPECT_EQ(std::vector<int>(stake.numbers().begin(), stake.numbers().end()), expected) << k;
        EXPECT_TRUE(stake.Checked);
        EXPECT_EQ(stake.Matches, matches) << k;
    }
    const auto& ratings = ws->Ratings().Ratings().records();
    ASSERT_EQ(ratings.size(), 1u);
    EXPECT_EQ(ratings[0].Key, "Регуляр -3");
    EXPECT_EQ(ratings[0].Count, 3);
    EXPECT_EQ(ratings[0].MatchesSum, matchesSum);
}

TEST(TablesRealArchive, AScenarioRunsRatingTurnsBackIntoItsLine)
{
    BELVANE_REQUIRE_SHARED_DATA(csv, "draws-6x45-real.csv");
    TempDir dir;
    StartedWorkspace ws(dir.path(), StartupOptions{}, WorkspaceMode{.Interactive = false});
    ASSERT_TRUE(ws->Archive().Import(csv));
    ws->Configuration().SaveGenerateSettings({2, "1,2,3,4,5,6,7,8"});
    const std::string original = "EXCL:0#FIRST|TSD1#NUMS:10#LNO:#ST:1| |BSD1#SUMS:20#LNO:#ST:1| | | | |Проверка";
    const std::vector<std::string> lines{original};
    const ScenarioRunResult run = ws->Scenario().Test(lines, 2, {});
    ASSERT_FALSE(run.Failed);
    ASSERT_GT(ws->Ratings().Count(), 0u);
    const std::string key = ws->Ratings().Ratings().records()[0].Key;
    EXPECT_EQ(key.rfind("01.001: Проверка @ ", 0), 0u) << key;

    ASSERT_EQ(ws->Ratings().ToScript(std::vector<size_t>{0}), 1);
    ASSERT_EQ(ws->Scenario().Count(), 1);
    const std::string back = ws->Scenario().Lines().Line(0);
    const scenario::ScriptLineFields was =
        scenario::SplitScriptLine(scenario::CanonicalScriptLine(ws->Registry(), original));
    const scenario::ScriptLineFields is =
        scenario::SplitScriptLine(scenario::CanonicalScriptLine(ws->Registry(), back));
    EXPECT_EQ(is.Options, was.Options) << back;
    // The empty second field is gone: the filters come back one after another.
    EXPECT_EQ(is.Filters[0], was.Filters[0]) << back;
    EXPECT_EQ(is.Filters[1], was.Filters[2]) << back;
    EXPECT_EQ(is.Comment, "01.001: Проверка");

    // A key that is not a scenario's: refused with its message, nothing added.
    ws.host.messages.clear();
    EXPECT_FALSE(ws->Ratings().KeyToScript("Регуляр -3"));
    EXPECT_EQ(ws.host.errors(), (std::vector<std::string>{scenario::UnusableRatingKeyText("Регуляр -3")}));
    EXPECT_EQ(ws->Scenario().Count(), 1);
}

} // namespace
} // namespace belvane::app
