#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/ratings_service.h"
#include "app/scenario_service.h"
#include "app/setting_keys.h"
#include "app/stakes_service.h"
#include "app/statistics_service.h"
#include "app/systems_service.h"
#include "app/workspace.h"
#include "combs/list_file.h"
#include "helpers/draws_builder.h"
#include "helpers/temp_dir.h"
#include "helpers/workspace_fixture.h"
#include "scenario/rating_key_line.h"
#include "scenario/run_log.h"
#include "scenario/run_texts.h"
#include "stakes/stake_access.h"
#include "stats/stat_list.h"
#include "support/cp1251.h"
#include "support/file_faults.h"
#include "support/text.h"

namespace belvane::app {
namespace {

using testing::makeDraw;
using testing::readBytes;
using testing::StartedWorkspace;
using testing::TempDir;
using testing::writeBytes;

// Draws 1..8; the newest is 1 2 3 4 5 6, the one before 2 3 4 5 6 7.
model::TDrawsArray eightDraws()
{
    return {makeDraw(1, {10, 11, 12, 13, 14, 15}), makeDraw(2, {20, 21, 22, 23, 24, 25}),
            makeDraw(3, {1, 2, 3, 40, 41, 42}),    makeDraw(4, {4, 5, 6, 30, 31, 32}),
            makeDraw(5, {1, 3, 5, 7, 9, 11}),      makeDraw(6, {2, 4, 6, 8, 10, 12}),
            makeDraw(7, {2, 3, 4, 5, 6, 7}),       makeDraw(8, {1, 2, 3, 4, 5, 6})};
}

// A command-line workspace whose start lists are the combinations of a few
// numbers (seven by default: seven combinations), so every run is quick.
class RunnerTest : public ::testing::Test {
protected:
    void start(const model::TDrawsArray& draws = eightDraws(), std::string myNumbers = "1,2,3,4,5,6,7")
    {
        testing::writeArchiveFile(dir.path(), draws);
        w = std::make_unique<StartedWorkspace>(dir.path(), StartupOptions{}, WorkspaceMode{.Interactive = false});
        ws().Configuration().SaveGenerateSettings({2, std::move(myNumbers)});
    }
    Workspace& ws() { return **w; }
    testing::RecordingHost& host() { return w->host; }

    ScenarioRunResult run(std::vector<std::string> lines, ScenarioRunSettings settings = {})
    {
        return ws().Scenario().Run(lines, settings);
    }
    ScenarioRunResult test(std::vector<std::string> lines, int count, ScenarioRunSettings settings = {})
    {
        return ws().Scenario().Test(lines, count, settings);
    }

    std::vector<stakes::StakeRecord> records()
    {
        std::vector<stakes::StakeRecord> out;
        for (size_t i = 0; i < ws().Stakes().Count(); ++i)
            out.push_back(ws().Stakes().Record(i));
        return out;
    }
    std::vector<stakes::StakeRecord> stakesOnly()
    {
        auto all = records();
        std::erase_if(all, [](const stakes::StakeRecord& r) { return r.isSeparator(); });
        return all;
    }
    static model::TComb numbers(const stakes::StakeRecord& r)
    {
        model::TComb c{};
        std::copy_n(r.Numbers.begin(), c.size(), c.begin());
        return c;
    }
    std::vector<std::string> logLines(const ScenarioRunResult& r)
    {
        std::vector<std::string> out;
        const std::string log = cp1251::toUtf8(readBytes(r.LogFile));
        for (std::string_view line : text::splitLines(log)) {
            const size_t text = line.find("]: ");
            out.emplace_back(text == std::string_view::npos ? line : line.substr(text + 3));
        }
        return out;
    }
    static bool has(const std::vector<std::string>& lines, std::string_view text)
    {
        return std::find(lines.begin(), lines.end(), text) != lines.end();
    }
    std::vector<std::string> warnings()
    {
        std::vector<std::string> out;
        for (const auto& m : host().messages)
            if (m.kind == MessageKind::Warning)
                out.push_back(m.text);
        return out;
    }

    TempDir dir;
    std::unique_ptr<StartedWorkspace> w;
};

// Deletes, one number at a time, every number the newest draw missed: one combination is left.
constexpr std::string_view kToTheNewestDraw = "TSD1#NUMS:1#CLV:0#SF:1";

std::string line(std::string_view options, std::string_view filter1 = " ", std::string_view filter2 = " ",
                 std::string_view comment = "")
{
    return std::string(options) + "|" + std::string(filter1) + "|" + std::string(filter2) + "| | | | | |" +
           std::string(comment);
}

TEST_F(RunnerTest, OneCombinationLeftIsStakedWhateverTheMode)
{
    start();
    const auto r = run({line("FULL:0#STOP", kToTheNewestDraw), line("FULL:0#SKIP", kToTheNewestDraw),
                        line("FULL:0#RAND", kToTheNewestDraw, " ", "мой")});
    EXPECT_FALSE(r.Failed);
    EXPECT_FALSE(r.Stopped);
    EXPECT_TRUE(warnings().empty());
    const auto made = stakesOnly();
    ASSERT_EQ(made.size(), 3u);
    for (const auto& s : made) {
        EXPECT_EQ(numbers(s), (model::TComb{1, 2, 3, 4, 5, 6}));
        EXPECT_EQ(s.DrawNumber, 9); // the draw after the newest
        EXPECT_EQ(s.Kind, static_cast<uint8_t>(stakes::StakeKind::Scenario));
        EXPECT_EQ(s.ListSize, 1);
        EXPECT_FALSE(s.Checked);
    }
    EXPECT_EQ(made[0].Comment, "01.001: @ FULL#STOP + TSD#NUMS:1#CLV:0#SF:1");
    EXPECT_EQ(made[2].Comment, "03.001: мой @ FULL#RAND + TSD#NUMS:1#CLV:0#SF:1");
    EXPECT_EQ(r.Stakes, 3);
    EXPECT_EQ(r.Comments.size(), 3u);
    EXPECT_FALSE(records().front().isSeparator()); // an empty file needs no separator to begin a block
    EXPECT_EQ(ws().Combinations().Count(), 1u);
}

TEST_F(RunnerTest, MoreThanOneLeftStopEndsTheRunSkipGoesOn)
{
    start();
    ScenarioRunSettings settings;
    settings.Log = true;
    const auto r = run({line("FULL:0#SKIP"), line("FULL:0#STOP"), line("FULL:0#FIRST")}, settings);
    EXPECT_TRUE(r.Stopped);
    EXPECT_FALSE(r.Failed);
    EXPECT_TRUE(stakesOnly().empty()); // the third line never ran
    ASSERT_EQ(warnings().size(), 1u);
    EXPECT_EQ(warnings()[0], "Выполнение сценария прервано, т.к. после применения всех фильтров в списке комбинаций их "
                             "осталось более одной: 7!\r\rФильтры: 02.000: @ FULL#STOP");
    const auto log = logLines(r);
    EXPECT_TRUE(has(log, "{-} Ставка игнорирована!"));
    EXPECT_TRUE(has(log, "{!} Сценарий остановлен!"));
    EXPECT_TRUE(has(log, "{ERROR} Фильтры не применялись!"));
    EXPECT_FALSE(has(log, std::string(scenario::RunningLineLog(3, line("FULL:0#FIRST")))));
    EXPECT_EQ(log.back(), scenario::FinishBanner);
    EXPECT_FALSE(has(log, scenario::StoppedBanner)); // no one pressed "Стоп"
}

TEST_F(RunnerTest, AMultiSelectionThatWouldEmptyTheListIsRolledBack)
{
    start();
    // Delete every combination with a number of the newest draw: all seven have one.
    const auto r = run({line("FULL:0#ALL", "TMD1#NUMS:1#CMV:1#SF:1")});
    EXPECT_EQ(ws().Combinations().Count(), 7u);
    EXPECT_EQ(stakesOnly().size(), 7u);
    const auto& history = ws().Combinations().History().Rows();
    ASSERT_GE(history.size(), 2u);
    EXPECT_EQ(history[history.size() - 2].Count, 0u);
    EXPECT_EQ(history.back().Caption, "Отмена последней операции");
    EXPECT_EQ(history.back().Count, 7u);
    EXPECT_EQ(r.Stakes, 7);
}

TEST_F(RunnerTest, KeepingWhatNoRowSelectsIsRolledBackToo)
{
    start();
    ScenarioRunSettings settings;
    settings.Log = true;
    // In a window of one draw no number came five times: nothing is selected, and keeping nothing empties the list.
    const auto r = run({line("FULL:0#ALL", "TMF1#NUMS:1#CMV:5#SF:1")}, settings);
    EXPECT_FALSE(r.Failed);
    EXPECT_EQ(ws().Combinations().Count(), 7u);
    EXPECT_EQ(r.Stakes, 7);
    const auto& history = ws().Combinations().History().Rows();
    ASSERT_GE(history.size(), 2u);
    EXPECT_EQ(history[history.size() - 2].Count, 0u);
    EXPECT_EQ(history.back().Caption, "Отмена последней операции");
    EXPECT_EQ(history.back().Count, 7u);
    const auto log = logLines(r);
    EXPECT_TRUE(has(log, "Оставляем выделенные значения..."));
    EXPECT_TRUE(has(log, "Количество комбинаций в списке: 0"));
    EXPECT_EQ(std::count(log.begin(), log.end(), "{UNDO} Откат изменений..."), 1);

    // Deleting nothing leaves the list as it is, with nothing to roll back.
    std::filesystem::remove(r.LogFile); // a run in the same second would append to it
    const auto kept = run({line("FULL:0#ALL", "TMD1#NUMS:1#CMV:5#SF:1")}, settings);
    const auto keptLog = logLines(kept);
    EXPECT_EQ(kept.Stakes, 7);
    EXPECT_FALSE(has(keptLog, "{UNDO} Откат изменений..."));
    EXPECT_FALSE(has(keptLog, "Количество комбинаций в списке: 0"));
}

TEST_F(RunnerTest, AConditionOnAColumnWithoutAnyValueFailsTheLine)
{
    start();
    ScenarioRunSettings settings;
    settings.Log = true;
    // Without the comparison with the full set every "Отклонение" is "-".
    auto r = run({line("FULL:0#ALL", "TMF1#NUMS:10#DDV:0,1,2#SF:1"), line("FULL:0#ALL")}, settings);
    EXPECT_TRUE(r.Failed);
    EXPECT_EQ(r.Stakes, 0);
    EXPECT_TRUE(stakesOnly().empty());
    ASSERT_EQ(host().errors().size(), 1u);
    EXPECT_EQ(host().errors()[0], scenario::ColumnWithoutValuesMessage("Отклонение", "TMF#NUMS:10#DDV:0,1,2#SF:1",
                                                                       scenario::FullSetOffRemedy));
    EXPECT_NE(host().errors()[0].find("Использовать сравнение с полным набором комбинаций"), std::string::npos);
    EXPECT_EQ(logLines(r).back(), scenario::FinishBanner);

    // One draw: no number came twice, so no row has a "Период".
    r = run({line("FULL:0#ALL", "TMD1#NUMS:1#PAM:1#SF:1")});
    EXPECT_TRUE(r.Failed);
    EXPECT_EQ(host().errors().back(),
              scenario::ColumnWithoutValuesMessage("Период", "TMD#NUMS:1#PAM:1#SF:1", scenario::ShortWindowRemedy));

    // A "-" among values only fails to match: the six numbers of the draw have a "Глубина".
    const size_t errors = host().errors().size();
    r = run({line("FULL:0#ALL", "TMF1#NUMS:1#LDV:1#SF:1")});
    EXPECT_FALSE(r.Failed);
    EXPECT_EQ(r.Stakes, 7);
    EXPECT_EQ(host().errors().size(), errors);

    // With the comparison on, a method that has none still shows "-".
    const stats::TStatList& registry = ws().Registry();
    ASSERT_FALSE(registry.CanPrefetch(registry.FindMethod("RPC2")));
    ws().Settings().Set(key::PrefetchsEnabled, 1);
    r = run({line("FULL:0#ALL", "TMF1#RPC2:5#DLV:0#SF:1")});
    EXPECT_TRUE(r.Failed);
    EXPECT_TRUE(host().errors().back().ends_with(std::string(scenario::NoFullSetRemedy))) << host().errors().back();
}

TEST_F(RunnerTest, ACommentCutToTheRecordIsLoggedAndItsRatingGivesNoLine)
{
    start();
    ws().Archive().SetOffset(1); // stakes for draw 8: checked, and so rated, at once
    ScenarioRunSettings settings;
    settings.Log = true;
    // The comment is long enough that "ST:12" loses its last digit in the record.
    const std::string text = "FULL#FIRST + TSD#NUMS:1#CLV:0#ST:12";
    std::string comment;
    while (8 + text::utf8Length(comment) + 3 + text.size() < 256)
        comment += "к";
    const auto r = run({line("FULL:0#FIRST", "TSD1#NUMS:1#CLV:0#ST:12", " ", comment)}, settings);
    ASSERT_EQ(r.Stakes, 1);
    const std::string full = "01.001: " + comment + " @ " + text;
    const std::string key = stakesOnly()[0].Comment;
    EXPECT_EQ(key, full.substr(0, full.size() - 1));
    EXPECT_TRUE(has(logLines(r), scenario::CommentCutLog(full)));
    ASSERT_EQ(ws().Ratings().Ratings().records().size(), 1u);
    EXPECT_EQ(ws().Ratings().Ratings().records()[0].Key, key);

    const size_t lines = ws().Scenario().Count();
    EXPECT_EQ(ws().Ratings().ToScript(std::vector<size_t>{0}), 0);
    EXPECT_EQ(ws().Scenario().Count(), lines);
    ASSERT_FALSE(host().errors().empty());
    EXPECT_EQ(host().errors().back(), scenario::CutRatingKeyText(key));

    // A comment that fits is not noted.
    std::filesystem::remove(r.LogFile);
    const auto whole = run({line("FULL:0#FIRST", "TSD1#NUMS:1#CLV:0#ST:12", " ", "короткий")}, settings);
    for (const std::string& l : logLines(whole))
        EXPECT_FALSE(l.starts_with("{!} Комментарий ставки обрезан")) << l;
}

TEST_F(RunnerTest, OneAtATimeUntilTheListWouldBeEmpty)
{
    start();
    ScenarioRunSettings settings;
    settings.Log = true;
    // Top-down by "Количество": 1 .. 6 first. Deleting 1 leaves 2 3 4 5 6 7; deleting 2 would leave nothing.
    const auto r = run({line("FULL:0#FIRST", "TSD1#NUMS:1#LNO:#SZ:1")}, settings);
    const auto made = stakesOnly();
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(numbers(made[0]), (model::TComb{2, 3, 4, 5, 6, 7}));
    const auto log = logLines(r);
    EXPECT_EQ(std::count(log.begin(), log.end(), "{UNDO} Откат изменений..."), 1);
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& l) { return l.starts_with("Шаг "); }), 2);
    EXPECT_TRUE(has(log, "Количество комбинаций в списке: 0"));
}

TEST_F(RunnerTest, ATestRunsTheOldestOffsetFirstOneBlockPerPass)
{
    start();
    ws().Archive().SetOffset(2);
    ScenarioRunSettings settings;
    settings.Log = true;
    const auto r = test({line("FULL:0#FIRST")}, 5, settings);
    EXPECT_FALSE(r.Stopped);
    EXPECT_EQ(ws().Archive().Offset(), 2); // back where it was
    const auto all = records();
    ASSERT_EQ(all.size(), 9u); // stake, then separator + stake for the next four passes
    std::vector<int> draws;
    for (const auto& s : all)
        if (!s.isSeparator())
            draws.push_back(s.DrawNumber);
    EXPECT_EQ(draws, (std::vector<int>{4, 5, 6, 7, 8}));
    for (size_t i = 1; i < all.size(); i += 2)
        EXPECT_TRUE(all[i].isSeparator()) << i;
    // Every stake was for a draw in the archive: checked after its line.
    for (const auto& s : stakesOnly())
        EXPECT_TRUE(s.Checked);
    const auto log = logLines(r);
    std::vector<std::string> banners;
    for (const auto& l : log)
        if (l.starts_with("=== Выполнение сценария для смещения"))
            banners.push_back(l);
    ASSERT_EQ(banners.size(), 5u);
    EXPECT_EQ(banners.front(), scenario::OffsetBanner(5));
    EXPECT_EQ(banners.back(), scenario::OffsetBanner(1));
    EXPECT_EQ(log.front(), scenario::StartBanner);
    // The panels counted the cycles and ended idle, with the run finished.
    EXPECT_EQ(host().panels.back().Cycle, 0);
    EXPECT_EQ(host().panels.back().Activity, scenario::FinishedActivity);
    EXPECT_FALSE(ws().Scenario().Running());
}

TEST_F(RunnerTest, ATestNeedsTwoDrawsAndACountInRange)
{
    start({makeDraw(1, {1, 2, 3, 4, 5, 6})});
    EXPECT_FALSE(ws().Scenario().AskTestCount());
    EXPECT_TRUE(test({line("FULL:0#FIRST")}, 1).Failed);
    EXPECT_FALSE(ws().ActionEnabled("ScriptTest", {}));
}

TEST_F(RunnerTest, TheTestCountQuestion)
{
    start({makeDraw(1, {1, 2, 3, 4, 5, 6}), makeDraw(2, {1, 2, 3, 4, 5, 6}), makeDraw(3, {1, 2, 3, 4, 5, 6})});
    EXPECT_EQ(ws().Scenario().AskTestCount(), 2);
    ASSERT_EQ(host().numberQuestions.size(), 1u);
    EXPECT_EQ(host().numberQuestions[0].caption, "Количество тестов");
    EXPECT_EQ(host().numberQuestions[0].prompt, "Укажите количество тестов:");
    EXPECT_EQ(host().numberQuestions[0].max, 2);
    EXPECT_TRUE(test({line("FULL:0#FIRST")}, 3).Failed);
    EXPECT_EQ(host().errors().back(), "Количество тестов должно быть от 1 до 2!");
}

TEST_F(RunnerTest, ExcludingNoDrawsIsTheFullList)
{
    start();
    run({line("EXCL:0#ALL"), line("FULL:0#ALL"), line("EXCL:1#ALL")});
    const auto made = stakesOnly();
    ASSERT_EQ(made.size(), 7u + 7u + 6u);
    for (size_t i = 0; i < 7; ++i)
        EXPECT_EQ(numbers(made[i]), numbers(made[7 + i]));
    // The newest draw's own combination is what "EXCL:1" removes.
    for (size_t i = 14; i < made.size(); ++i)
        EXPECT_NE(numbers(made[i]), (model::TComb{1, 2, 3, 4, 5, 6}));
}

TEST_F(RunnerTest, ClearingStakesKeepsOnlyTheLastVariantButTheRatingsRemember)
{
    start();
    ws().Archive().SetOffset(1); // stakes for draw 8: checked as soon as made
    ASSERT_TRUE(ws().Stakes().CheckOnLine());
    run({line("FULL:0#FIRST#CLR", "TSD1#NUMS:1,2#LNO:#ST:1")});
    const auto all = records();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_TRUE(all[0].Comment.starts_with("01.002: @ FULL#FIRST + TSD#NUMS:2#LNO:#ST:1")) << all[0].Comment;
    const auto& ratings = ws().Ratings().Ratings().records();
    ASSERT_EQ(ratings.size(), 2u);
    EXPECT_TRUE(ratings[0].Key.starts_with("01.00")) << ratings[0].Key;
    EXPECT_TRUE(ratings[1].Key.starts_with("01.00")) << ratings[1].Key;
}

TEST_F(RunnerTest, StopDuringTheExpansionStillFinishes)
{
    start();
    host().onPanels = [&](const ScriptPanels& p) {
        if (p.Activity == scenario::ExpandingActivity)
            ws().Scenario().RequestStop();
    };
    ScenarioRunSettings settings;
    settings.Log = true;
    const auto r = run({line("FULL:0#ALL", kToTheNewestDraw), line("FULL:0#ALL")}, settings);
    EXPECT_TRUE(r.Stopped);
    EXPECT_FALSE(r.Failed);
    EXPECT_EQ(ws().Combinations().Count(), 0u); // no start list was built
    EXPECT_TRUE(stakesOnly().empty());
    const auto log = logLines(r);
    EXPECT_EQ(std::count(log.begin(), log.end(), scenario::StoppedBanner), 1);
    EXPECT_EQ(log.back(), scenario::FinishBanner);
    EXPECT_NE(host().panels.back().Activity, scenario::FinishedActivity); // a stopped forecast did not finish
    EXPECT_FALSE(ws().Scenario().Running());
    EXPECT_FALSE(ws().Scenario().StopRequested());
    EXPECT_FALSE(ws().IsBusy());
}

TEST_F(RunnerTest, StopDuringAWalkAbandonsThePartAndBringsATestBackToItsOffset)
{
    start();
    ScenarioRunSettings settings;
    // Once the walk has taken its first row away, "Стоп" is pressed.
    settings.Poll = [&] {
        const size_t count = ws().Combinations().Count();
        if (count > 0 && count < 7 && ws().Scenario().Running())
            ws().Scenario().RequestStop();
    };
    const auto r = test({line("FULL:0#ALL", "TSD1#NUMS:1#LNO:#SF:1")}, 3, settings);
    EXPECT_TRUE(r.Stopped);
    EXPECT_EQ(ws().Archive().Offset(), 0);                                // where the test began
    EXPECT_TRUE(stakesOnly().empty());                                    // the variant never got to its stakes
    EXPECT_EQ(ws().Combinations().Count(), 1u);                           // 1 deleted: 2 3 4 5 6 7 is left
    EXPECT_EQ(host().panels.back().Activity, scenario::FinishedActivity); // a test says so either way
}

TEST_F(RunnerTest, StopWhileStakingEveryCombination)
{
    start();
    host().onPanels = [&](const ScriptPanels& p) {
        if (p.Stakes == 1)
            ws().Scenario().RequestStop();
    };
    const auto r = run({line("FULL:0#ALL"), line("FULL:0#ALL")});
    EXPECT_TRUE(r.Stopped);
    EXPECT_EQ(stakesOnly().size(), 1u); // the stake made before the stop stays
    EXPECT_EQ(r.Stakes, 1);
    EXPECT_EQ(r.Comments, (std::vector<std::string>{"01.000: @ FULL#ALL"}));
}

TEST_F(RunnerTest, CancelOfTheRunsWindowStopsItAndKeepsItsCheckedStakes)
{
    start();
    ws().Archive().SetOffset(1);
    // "Отмена" once the first stake is made, before the line could check it.
    bool pressed = false;
    host().onPanels = [&](const ScriptPanels& p) {
        if (p.Stakes == 1 && !std::exchange(pressed, true))
            host().requestCancel();
    };
    ScenarioRunSettings settings;
    settings.Log = true;
    settings.CheckOnLine = true;
    const auto r = test({line("FULL:0#ALL"), line("FULL:0#ALL")}, 3, settings);
    EXPECT_TRUE(r.Stopped);
    EXPECT_FALSE(r.Failed);
    EXPECT_EQ(r.Stakes, 1);
    const auto kept = stakesOnly();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].DrawNumber, 6); // tested at offset 3: the draw after the fourth newest
    EXPECT_TRUE(kept[0].Checked);
    EXPECT_EQ(ws().Archive().Offset(), 1); // where the test began
    const auto log = logLines(r);
    EXPECT_EQ(std::count(log.begin(), log.end(), scenario::StoppedBanner), 1);
    EXPECT_EQ(log.back(), scenario::FinishBanner);
    EXPECT_FALSE(host().cancelled()); // the next operation starts afresh
    EXPECT_EQ(host().progressOpens, 1);
    EXPECT_EQ(host().progressCloses, 1);
}

TEST_F(RunnerTest, ARunKeepsOneWindowWhoseGaugeOnlyGoesForward)
{
    start();
    // Every pass builds its list anew (a step with a window of its own) and
    // checks its stakes (another).
    const auto r = test({line("FULL:0#FIRST", "TSD1#NUMS:1-3;1#LNO:#SF:1"), "", line("FULL:0#LAST")}, 3);
    EXPECT_FALSE(r.Stopped);
    EXPECT_EQ(r.Stakes, 12);
    EXPECT_EQ(host().progressOpens, 1);
    EXPECT_EQ(host().progressCloses, 1);
    const auto& gauge = host().progressPositions;
    ASSERT_FALSE(gauge.empty());
    EXPECT_TRUE(std::is_sorted(gauge.begin(), gauge.end()));
    EXPECT_GT(gauge.back(), gauge.front());
    EXPECT_FALSE(host().progressHeld());
}

TEST_F(RunnerTest, NewOnlySkipsWhatTheFileHolds)
{
    start();
    ScenarioRunSettings settings;
    settings.Log = true;
    run({line("FULL:0#FIRST#NEX")});
    const auto second = run({line("FULL:0#ALL#NEX")}, settings);
    EXPECT_EQ(stakesOnly().size(), 7u); // 1 + the six others
    EXPECT_EQ(second.Stakes, 6);
    EXPECT_TRUE(has(logLines(second), "{-} Ставка на тираж 9 не добавлена, так как уже имеется в списке ставок: "
                                      "[1;2;3;4;5;6]"));
}

TEST_F(RunnerTest, ASeedMakesRandomReproducible)
{
    start({makeDraw(1, {1, 2, 3, 4, 5, 6})}, "1,2,3,4,5,6,7,8,9,10,11,12");
    ScenarioRunSettings settings;
    settings.Seed = 42;
    std::vector<model::TComb> picks;
    for (int i = 0; i < 3; ++i) {
        run({line("FULL:0#RAND")}, settings);
        picks.push_back(numbers(stakesOnly().back()));
    }
    EXPECT_EQ(picks[0], picks[1]);
    EXPECT_EQ(picks[1], picks[2]);
}

TEST_F(RunnerTest, FailuresEndTheRunWithTheirMessage)
{
    start();
    ScenarioRunSettings settings;
    settings.Log = true;
    // A method the registry lacks has no draw counts either.
    auto r = run({line("FULL:0#ALL", "TSD1#XYZ:10#LNO:#SF:1"), line("FULL:0#ALL")}, settings);
    EXPECT_TRUE(r.Failed);
    EXPECT_TRUE(stakesOnly().empty());
    ASSERT_EQ(host().errors().size(), 1u);
    EXPECT_EQ(host().errors()[0], "Некорректное описание фильтра: TSD1#XYZ:10#LNO:#SF:1!");
    EXPECT_EQ(logLines(r).back(), scenario::FinishBanner);

    r = run({line("FULL:0#ALL", "TSD1#NUMS:5-1;1#LNO:#SF:1")});
    EXPECT_TRUE(r.Failed);
    EXPECT_EQ(host().errors().back(), "Некорректное описание фильтра: TSD1#NUMS:5-1;1#LNO:#SF:1!");

    // A start list that cannot be built fails the line: nothing is filtered or staked.
    ws().Configuration().SaveGenerateSettings({4, (dir / "missing.lcv").string()});
    r = run({line("FULL:0#ALL")});
    EXPECT_TRUE(r.Failed);
    EXPECT_EQ(r.Stakes, 0);
    EXPECT_TRUE(host().errors().back().starts_with("Ошибка генерации файла комбинаций!\r\r")) << host().errors().back();
    ws().Configuration().SaveGenerateSettings({2, "1,2,3,4,5,6,7"});

    // A method the statistics page does not list is not found either.
    ws().Registry().AllFavorites = false;
    for (int i = 0; i < ws().Registry().MethodCount(); ++i)
        ws().Registry().Item(i).Favorite = ws().Registry().Item(i).ID() != "NUMS";
    ws().Statistics().RebuildTypeLists(false, false);
    r = run({line("FULL:0#ALL", kToTheNewestDraw)});
    EXPECT_TRUE(r.Failed);
    EXPECT_TRUE(host().errors().back().starts_with("Метод расчета статистики \"NUMS\" на найден!\r"));
}

TEST_F(RunnerTest, ReusingTheFirstFiltersStakesWhatRunningThemAgainStakes)
{
    start({makeDraw(1, {1, 2, 3, 4, 5, 6}), makeDraw(2, {7, 8, 9, 10, 11, 12}), makeDraw(3, {1, 8, 13, 14, 15, 16}),
           makeDraw(4, {2, 9, 17, 18, 19, 20})},
          "1,2,7,8,9,13,17,18,20");
    const std::vector<std::string> lines = {
        line("FULL:0#ALL", "TMD1#NUMS:2,3#CMV:1-2;1#SF:1", "BSF6#SUMS:1-3;1#LLV:1-3;1#ST:3")};
    const auto quick = test(lines, 2);
    const auto quickStakes = stakesOnly();
    ScenarioRunSettings logged;
    logged.Log = true; // every filter runs again for every variant
    ws().Stakes().File().Truncate();
    const auto full = test(lines, 2, logged);
    const auto fullStakes = stakesOnly();
    EXPECT_EQ(quick.Stakes, full.Stakes);
    EXPECT_EQ(quick.Comments, full.Comments);
    ASSERT_EQ(quickStakes.size(), fullStakes.size());
    for (size_t i = 0; i < quickStakes.size(); ++i) {
        EXPECT_EQ(numbers(quickStakes[i]), numbers(fullStakes[i])) << i;
        EXPECT_EQ(quickStakes[i].Comment, fullStakes[i].Comment) << i;
        EXPECT_EQ(quickStakes[i].ListSize, fullStakes[i].ListSize) << i;
    }
    EXPECT_GT(quick.Comments.size(), 4u);
}

TEST_F(RunnerTest, SystemGamesFromAnInstalledSystem)
{
    start();
    writeBytes(dir / "seven.txt", "1 2 3 4 5 6\n1 2 3 4 5 7\n1 3 4 5 6 7\n");
    ASSERT_TRUE(ws().Systems().Install(dir / "seven.txt", 0, 1));
    // The current list: three combinations of seven numbers; the third system line is not among them.
    const auto listFile = dir / "three.lcv";
    combs::SaveListFile(listFile,
                        std::vector<model::TComb>{{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {2, 3, 4, 5, 6, 7}});
    ASSERT_TRUE(ws().Combinations().Open(listFile));
    ScenarioRunSettings settings;
    settings.Log = true;
    const auto r = run({line("CURR:0#SYSC"), line("CURR:0#SYSA")}, settings);
    const auto made = stakesOnly();
    ASSERT_EQ(made.size(), 2u + 3u);
    EXPECT_EQ(numbers(made[1]), (model::TComb{1, 2, 3, 4, 5, 7}));
    EXPECT_EQ(numbers(made[4]), (model::TComb{1, 3, 4, 5, 6, 7}));
    const auto log = logLines(r);
    EXPECT_TRUE(has(log, "{#} Системная игра для 7 чисел [система * комбинации]: загружен файл \"6-07-0_0001\""));
    EXPECT_TRUE(has(log, "{#} Системная игра для 7 чисел [все система]: загружен файл \"6-07-0_0001\""));

    // With no system for the list's count the line logs why and stakes nothing.
    combs::SaveListFile(listFile, std::vector<model::TComb>{{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 7, 8}});
    ASSERT_TRUE(ws().Combinations().Open(listFile));
    const auto none = run({line("CURR:0#SYSA")}, settings);
    EXPECT_EQ(none.Stakes, 0);
    EXPECT_TRUE(has(logLines(none), "{#} Системная игра для 8 чисел [ОШИБКА]: \"Система для 8 чисел не найдена или не "
                                    "загружена на компьютер!\""));
}

TEST_F(RunnerTest, AGeneratedSystemIsInstalledVerifiedAndPlayedBySysa)
{
    start();
    WheelRequest request;
    request.Design = {12, 3, 4};
    request.Rounds = 2;
    request.Seed = 5;
    const auto outcome = ws().Systems().GenerateWheel(request, true);
    ASSERT_TRUE(outcome && outcome->Installed) << ::testing::PrintToString(host().errors());
    EXPECT_EQ(outcome->Installed->Path.filename().string().substr(0, 7), "6-12-3_");
    EXPECT_TRUE(outcome->Installed->BlockMet());
    EXPECT_EQ(outcome->Installed->Verified.ConditionFor(3), 4);
    EXPECT_EQ(outcome->Table.Meeting(4, 3), 495u);
    const auto local = ws().Systems().Local();
    ASSERT_EQ(local.size(), 1u);
    ASSERT_TRUE(local[0].Verified);
    EXPECT_EQ(*local[0].Verified, outcome->Installed->Verified);
    EXPECT_FALSE(host().progressOpen());

    // A list over 12 numbers, first seen in the order 12, 11, ..., 1: position i is number 13 - i.
    const auto listFile = dir / "twelve.lcv";
    combs::SaveListFile(listFile, std::vector<model::TComb>{{7, 8, 9, 10, 11, 12}, {1, 2, 3, 4, 5, 6}});
    ASSERT_TRUE(ws().Combinations().Open(listFile));
    run({line("CURR:0#SYSA")});
    const auto made = stakesOnly();
    ASSERT_EQ(made.size(), outcome->Wheel.Lines.size());
    const auto collected = systems::CollectNumbers(ws().Combinations().Combs());
    for (size_t i = 0; i < made.size(); ++i)
        EXPECT_EQ(numbers(made[i]), systems::MapSystemLine(outcome->Wheel.Lines[i], collected)) << i;
}

TEST_F(RunnerTest, AGeneratedSystemCancelledOrAskedWronglyKeepsNothing)
{
    start();
    WheelRequest request;
    request.Design = {16, 4, 4};
    request.Rounds = 50;
    host().cancelAtPosition = 4;
    EXPECT_FALSE(ws().Systems().GenerateWheel(request, true));
    EXPECT_TRUE(ws().Systems().Local().empty());
    EXPECT_TRUE(host().errors().empty());
    EXPECT_FALSE(host().progressOpen());

    host().cancelAtPosition = -1;
    request.Design = {12, 4, 3};
    EXPECT_FALSE(ws().Systems().GenerateWheel(request, true));
    EXPECT_EQ(host().errors(), std::vector<std::string>{"Условие должно быть от 4 до 6!"});
    EXPECT_FALSE(ws().IsBusy());
}

TEST_F(RunnerTest, TheTwoSystemStakeActions)
{
    start();
    writeBytes(dir / "seven.txt", "1 2 3 4 5 6\n1 2 3 4 5 7\n1 3 4 5 6 7\n");
    ASSERT_TRUE(ws().Systems().Install(dir / "seven.txt", 2, 7));
    const auto listFile = dir / "two.lcv";
    combs::SaveListFile(listFile, std::vector<model::TComb>{{1, 2, 3, 4, 5, 6}, {2, 3, 4, 5, 6, 7}});
    ASSERT_TRUE(ws().Combinations().Open(listFile));
    stakes::AddStake(ws().Stakes().File(),
                     stakes::MakeStake(stakes::StakeKind::Manual, 9, {1, 2, 3, 4, 5, 6}, 1, "x", 0));

    SystemsService& systems = ws().Systems();
    EXPECT_TRUE(ws().ActionEnabled("SystemStakeFilter", {}));
    const auto system = systems.LoadForList();
    ASSERT_TRUE(system);
    const auto whole = systems.StakeRequest(*system, true);
    EXPECT_EQ(whole.DrawNumber, 9);
    EXPECT_EQ(whole.Comment, "Системная игра для 7 чисел [вся система]: 6-07-2_0007");
    EXPECT_EQ(systems.StakeRequest(*system, false).Comment, "Системная игра для 7 чисел [комбинации]: 6-07-2_0007");
    auto result = systems.Stake(*system, true, whole);
    EXPECT_TRUE(result.Completed);
    auto all = records();
    ASSERT_EQ(all.size(), 1u + 1u + 3u); // the manual stake, a separator, the system
    EXPECT_TRUE(all[1].isSeparator());
    EXPECT_EQ(all[2].Kind, static_cast<uint8_t>(stakes::StakeKind::System));
    EXPECT_EQ(all[2].ListSize, 3);
    EXPECT_EQ(all[2].Comment, whole.Comment);

    stakes::MultiStakeRequest two = systems.StakeRequest(*system, false);
    two.DrawsCount = 2;
    result = systems.Stake(*system, false, two);
    all = records();
    // One system combination is in the list: separator, stake for 9, separator, stake for 10.
    ASSERT_EQ(all.size(), 5u + 4u);
    EXPECT_EQ(all[6].DrawNumber, 9);
    EXPECT_EQ(all[8].DrawNumber, 10);
    EXPECT_EQ(all[8].ListSize, 2);

    // No system for eight numbers: the error with the hint, nothing staked.
    combs::SaveListFile(listFile, std::vector<model::TComb>{{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 7, 8}});
    ASSERT_TRUE(ws().Combinations().Open(listFile));
    EXPECT_FALSE(systems.LoadForList());
    EXPECT_EQ(host().errors().back(),
              "Система для 8 чисел не найдена или не загружена на компьютер!\r\rПеред системной игрой необходимо "
              "предварительно загрузить системы на Ваш компьютер через меню \"Системы\" - \"Загрузить\".");
}

// Twenty-three numbers make 100,947 combinations: just more than one result stakes without asking.
constexpr std::string_view kManyNumbers = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23";

TEST_F(RunnerTest, ARunAsksOnceBeforeAResultOfManyStakes)
{
    start(eightDraws(), std::string(kManyNumbers));
    ScenarioRunSettings settings;
    settings.Log = true;
    host().yesNoAnswers = {false};
    auto r = run({line("FULL:0#ALL"), line("FULL:0#ALL")}, settings);
    EXPECT_TRUE(r.Declined);
    EXPECT_TRUE(r.Stopped);
    EXPECT_FALSE(r.Failed);
    EXPECT_EQ(r.Stakes, 0);
    EXPECT_EQ(ws().Stakes().Count(), 0u);
    ASSERT_EQ(host().questions.size(), 1u);
    EXPECT_EQ(host().questions[0].caption, "Подтверждение");
    EXPECT_EQ(host().questions[0].text,
              "Будет сделано ставок: 100947 (30.0 МБ в файле ставок).\r\rФильтры: 01.000: @ FULL#ALL\r\rСделать эти "
              "ставки? Ответ \"Да\" относится и к следующим таким ставкам этого выполнения сценария.");
    EXPECT_TRUE(has(logLines(r), "{!} Сценарий остановлен!"));

    // "Yes" holds for the rest of the run: its second result is not asked about.
    host().yesNoAnswers = {true};
    r = run({line("FULL:0#ALL"), line("FULL:0#ALL")});
    EXPECT_FALSE(r.Declined);
    EXPECT_FALSE(r.Stopped);
    EXPECT_EQ(r.Stakes, 2 * 100947);
    EXPECT_EQ(host().questions.size(), 2u);
}

TEST_F(RunnerTest, AResultTheDiskHasNoRoomForWritesNothing)
{
    start();
    stakes::AddStake(ws().Stakes().File(),
                     stakes::MakeStake(stakes::StakeKind::Manual, 9, {1, 2, 3, 4, 5, 6}, 1, "x", 0));
    const std::string before = readBytes(dir / "Belvane_6x45.lsk");
    files::injectFault({.Kind = files::FaultKind::Space, .FileName = "Belvane_6x45.lsk", .FreeBytes = 1000});
    // One stake needs no room asked for; the seven of "ALL" do.
    const auto r = run({line("FULL:0#FIRST"), line("FULL:0#ALL")});
    files::clearFaults();
    EXPECT_TRUE(r.Failed);
    EXPECT_EQ(r.Stakes, 0);
    ASSERT_FALSE(host().errors().empty());
    EXPECT_EQ(host().errors().back(), "Ошибка добавления записи в файл ставок!\r\rНедостаточно места на диске: для 8 "
                                      "записей нужно 1.0 МБ, свободно 0.0 МБ.");
    EXPECT_EQ(readBytes(dir / "Belvane_6x45.lsk"), before) << "the run's first stake goes with it";
}

TEST_F(RunnerTest, OnlyStopIsEnabledWhileARunGoes)
{
    start();
    ws().Scenario().Add(line("FULL:0#ALL"));
    EXPECT_TRUE(ws().ActionEnabled("ScriptRun", {}));
    EXPECT_FALSE(ws().ActionEnabled("ScriptStop", {}));
    std::vector<std::pair<bool, bool>> seen; // (stop, run) while running
    ScenarioRunSettings settings;
    settings.Poll = [&] {
        seen.emplace_back(ws().ActionEnabled("ScriptStop", {}), ws().ActionEnabled("ScriptRun", {}));
    };
    host().yesNoAnswers = {false, true};
    bool asked = false;
    host().onPanels = [&](const ScriptPanels& p) {
        if (!asked && p.Stakes == 1) {
            asked = true;
            EXPECT_FALSE(ws().Scenario().Stop()); // "no": the run goes on
            EXPECT_TRUE(ws().Scenario().Stop());  // "yes"
            EXPECT_FALSE(ws().ActionEnabled("ScriptStop", {}));
        }
    };
    const auto r = ws().Scenario().Run(ws().Scenario().Lines().Lines(), settings);
    EXPECT_TRUE(r.Stopped);
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(seen.front().first);
    EXPECT_FALSE(seen.front().second);
    ASSERT_EQ(host().questions.size(), 2u);
    EXPECT_EQ(host().questions[0].text, "Остановить выполнение сценария?");
    EXPECT_EQ(host().questions[0].caption, "Подтверждение");
    EXPECT_TRUE(ws().CanClose());
}

TEST_F(RunnerTest, DeletingTheRunLogs)
{
    start();
    ScenarioRunSettings settings;
    settings.Log = true;
    const auto r = run({line("FULL:0#NONE")}, settings);
    ASSERT_TRUE(std::filesystem::exists(r.LogFile));
    EXPECT_EQ(r.LogFile.parent_path(), dir.path());
    ws().Scenario().DeleteLogs();
    EXPECT_FALSE(std::filesystem::exists(r.LogFile));
    EXPECT_EQ(host().messages.back().text, "Удалено файлов журналов: 1 из 1.");
    ws().Scenario().DeleteLogs();
    EXPECT_EQ(host().messages.back().text, "Файлы журналов не найдены!");
}

} // namespace
} // namespace belvane::app
