#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/library_service.h"
#include "app/scenario_service.h"
#include "app/stakes_service.h"
#include "app/statistics_service.h"
#include "app/workspace.h"
#include "helpers/draws_builder.h"
#include "helpers/recording_host.h"
#include "helpers/temp_dir.h"
#include "helpers/workspace_fixture.h"
#include "stats/stat_list.h"
#include "support/file_faults.h"
#include "support/host.h"
#include "support/ini_document.h"
#include "support/translation.h"

namespace belvane::app {
namespace {

using testing::makeDraw;
using testing::RecordingHost;
using testing::TempDir;

using Started = testing::StartedWorkspace;

void writeArchive(const std::filesystem::path& folder, int draws)
{
    model::TDrawsArray d;
    for (int n = 1; n <= draws; ++n)
        d.push_back(makeDraw(n, {static_cast<model::Ball>(n), 10, 20, 30, 40, 45}, 7, "01/01/2020"));
    testing::writeArchiveFile(folder, d);
}

TEST(Workspace, StartsOnAnEmptyFolderWithDefaults)
{
    TempDir dir;
    Started s(dir.path());
    Workspace& ws = *s.ws;
    EXPECT_EQ(ws.Statistics().Length(), 1000);
    EXPECT_FALSE(ws.Archive().Sorted());
    EXPECT_EQ(ws.Settings().Get("DownloadDrawsOnStart"), 0);
    EXPECT_TRUE(ws.Settings().Flag("ShowTotalLine"));
    EXPECT_EQ(ws.Archive().Offset(), 0);
    EXPECT_TRUE(ws.Archive().Draws().empty());
    EXPECT_EQ(ws.Combinations().Count(), static_cast<size_t>(model::FullSetSize));
    EXPECT_FALSE(ws.Combinations().CanUndo());
    EXPECT_GT(ws.Registry().MethodCount(), 0);
    EXPECT_EQ(ws.Statistics().StatTypeIndex(), 0);
    EXPECT_TRUE(ws.Statistics().Table().Rows.empty()); // nothing to count in an empty archive
    EXPECT_EQ(ws.Hits()[6].Count, 1);
    EXPECT_EQ(ws.Hits()[0].Count, 3'262'623);
    EXPECT_TRUE(std::filesystem::exists(dir / "Belvane_6x45.lsk"));
    EXPECT_EQ(ws.Archive().ArchivePanelText(), "Архив тиражей: 0");
    EXPECT_EQ(ws.Archive().NextDrawPanelText(), "Следующий тираж: 1");
    EXPECT_EQ(ws.Archive().NewDraw().Number, 1);
    EXPECT_TRUE(s.host.errors().empty());
    EXPECT_NE(std::find(s.host.statuses.begin(), s.host.statuses.end(), "Инициализация..."), s.host.statuses.end());
    // The first start records that the prefetch switch has been written once.
    const IniDocument frm = IniDocument::load(dir / "Belvane_6x45.frm");
    EXPECT_TRUE(frm.readBool("TFormMain", "PrefetchsInit", false));
    EXPECT_TRUE(frm.valueExists("TFormMain", "PrefetchsEnabled"));
}

TEST(Workspace, SettingsAreWrittenAtTheirMoment)
{
    TempDir dir;
    {
        Started s(dir.path());
        s.ws->Settings().Set("SortedDraws", 1); // written when toggled
        s.ws->Statistics().SetLength(250);      // written on close
        const IniDocument before = IniDocument::load(dir / "Belvane_6x45.frm");
        EXPECT_TRUE(before.readBool("TFormMain", "SortedDraws", false));
        EXPECT_FALSE(before.valueExists("TFormMain", "DrawsStatLen"));
        EXPECT_THROW(s.ws->Settings().Set("NoSuchKey", 1), Error);

        WindowClosingState closing;
        closing.Placement = WindowPlacement{0, 3, {1, 2, 3, 4}, {10, 20, 810, 620}};
        closing.PixelsPerInch = 96;
        closing.ScreenWidth = 1920;
        closing.ScreenHeight = 1080;
        closing.ColumnWidths["lvDraws"] = {60, 30, 30};
        s.ws->Close(closing);
    }
    Started again(dir.path());
    EXPECT_EQ(again.ws->Statistics().Length(), 250);
    EXPECT_TRUE(again.ws->Archive().Sorted());
    const WindowStateFile frm(dir / "Belvane_6x45.frm");
    const auto placement = LoadPlacement(frm, MainWindowSection, 96, 1920, 1080);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->NormPos, (WindowRect{10, 20, 810, 620}));
    EXPECT_EQ(ShowStateOf(placement->ShowCmd), ShowState::Maximised);
    EXPECT_EQ(LoadColumnWidths(frm, MainWindowSection, "lvDraws", std::vector<int>{1, 1, 1, 1}),
              (std::vector<int>{60, 30, 30, 1}));
}

TEST(Workspace, AWindowStateFileThatCannotBeReadOrWrittenIsReportedAndTheProgramGoesOn)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "Belvane_6x45.frm"); // neither readable nor writable as a file
    Started s(dir.path());
    Workspace& ws = *s.ws;
    ASSERT_EQ(s.host.errors().size(), 1u);
    EXPECT_TRUE(s.host.errors()[0].starts_with("Ошибка загрузки параметров программы!\r\r"));
    EXPECT_TRUE(ws.Settings().LoadFailed());
    EXPECT_EQ(ws.Statistics().Length(), 1000); // defaults stand in
    EXPECT_TRUE(ws.Settings().Flag("ColorDraws"));

    // A view option: the message, and the new value holds for this run.
    EXPECT_FALSE(ws.SetSetting("ColorDraws", 0));
    ASSERT_EQ(s.host.errors().size(), 2u);
    EXPECT_TRUE(s.host.errors()[1].starts_with("Ошибка сохранения параметров программы!\r\r"));
    EXPECT_FALSE(ws.Settings().Flag("ColorDraws"));
    // The services' toggles go through the same net.
    ws.Archive().ToggleSorted();
    EXPECT_TRUE(ws.Archive().Sorted());
    EXPECT_EQ(s.host.errors().size(), 3u);
    // A key written on close stores without touching the file.
    EXPECT_TRUE(ws.SetSetting("DrawsStatLen", 77));
    EXPECT_EQ(s.host.errors().size(), 3u);

    ws.Close();
    ASSERT_EQ(s.host.errors().size(), 4u);
    EXPECT_TRUE(s.host.errors()[3].starts_with("Ошибка сохранения параметров программы!\r\r"));
}

TEST(Workspace, SettingsReachTheFileThroughSetSetting)
{
    TempDir dir;
    Started s(dir.path());
    EXPECT_TRUE(s.ws->SetSetting("ColorCombs", 0));
    EXPECT_FALSE(s.ws->Settings().LoadFailed());
    EXPECT_FALSE(IniDocument::load(dir / "Belvane_6x45.frm").readBool("TFormMain", "ColorCombs", true));
    EXPECT_FALSE(s.ws->SetSetting("NoSuchKey", 1)); // refused, shown, nothing thrown
    EXPECT_EQ(s.host.errors().size(), 1u);

    WindowClosingState closing;
    closing.ListSorts["lvDrawsStat"] = ListSort{3, 1};
    s.ws->Close(closing);
    const auto sort = LoadListSort(WindowStateFile(dir / "Belvane_6x45.frm"), MainWindowSection, "lvDrawsStat");
    ASSERT_TRUE(sort);
    EXPECT_EQ(sort->Column, 3);
    EXPECT_EQ(sort->Direction, 1);
}

TEST(Workspace, SecondProgramOnTheSameFolderIsRefused)
{
    TempDir dir;
    Started first(dir.path());
    RecordingHost host;
    Workspace second(host, DataFiles(dir.path()));
    second.Create();
    EXPECT_THROW(second.Initialise(), StartupFailure);
    ASSERT_EQ(host.errors().size(), 1u);
    EXPECT_EQ(host.errors()[0], ExclusiveAccessMessage);
    // It speaks of this system: the data folder option, no drive letters.
    EXPECT_NE(host.errors()[0].find("--data-dir"), std::string::npos);
    EXPECT_EQ(host.errors()[0].find(":\\"), std::string::npos);
    EXPECT_EQ(host.errors()[0].find("Windows"), std::string::npos);
    // Another folder is fine.
    TempDir other;
    Started elsewhere(other.path());
    EXPECT_TRUE(elsewhere.host.errors().empty());
}

TEST(Workspace, OlderStakesFileIsEmptiedAfterItsWarningAndACopy)
{
    TempDir dir;
    const std::string older(2 * 312, '\x01');
    testing::writeBytes(dir / "Belvane_6x45.lsk", older);
    {
        Started s(dir.path());
        ASSERT_EQ(s.host.messages.size(), 1u);
        EXPECT_EQ(s.host.messages[0].kind, MessageKind::Warning);
        EXPECT_EQ(s.host.messages[0].text,
                  "Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки будут удалены!");
        EXPECT_EQ(std::filesystem::file_size(dir / "Belvane_6x45.lsk"), 0u);
        EXPECT_EQ(testing::readBytes(dir / "Belvane_6x45.lsk.old"), older);
    }
    // A second older file does not replace the first copy.
    const std::string second(312, '\x03');
    testing::writeBytes(dir / "Belvane_6x45.lsk", second);
    {
        Started s(dir.path());
        EXPECT_EQ(testing::readBytes(dir / "Belvane_6x45.lsk.old"), older);
        EXPECT_EQ(testing::readBytes(dir / "Belvane_6x45.lsk.old.2"), second);
    }

    // Without the copy nothing is emptied: the start fails with the reason.
    TempDir noCopy;
    testing::writeBytes(noCopy / "Belvane_6x45.lsk", older);
    files::injectFault({files::FaultKind::Write, "Belvane_6x45.lsk.old", 1});
    {
        RecordingHost host;
        Workspace ws(host, DataFiles(noCopy.path()));
        ws.Create();
        EXPECT_THROW(ws.Initialise(), StartupFailure);
        ASSERT_EQ(host.errors().size(), 1u);
        EXPECT_TRUE(host.errors()[0].starts_with("Ошибка записи в файл ставок!")) << host.errors()[0];
    }
    EXPECT_EQ(testing::readBytes(noCopy / "Belvane_6x45.lsk"), older);

    TempDir current;
    std::string record(312, '\0');
    record[0] = 2;
    testing::writeBytes(current / "Belvane_6x45.lsk", record);
    {
        Started kept(current.path());
        EXPECT_TRUE(kept.host.messages.empty());
    }

    // A record torn at the end (an append cut short) is cut off; the whole records stay.
    testing::writeBytes(current / "Belvane_6x45.lsk", record + std::string(100, '\x02'));
    {
        Started torn(current.path());
        ASSERT_EQ(torn.host.messages.size(), 1u);
        EXPECT_EQ(torn.host.messages[0].kind, MessageKind::Warning);
        EXPECT_EQ(torn.host.messages[0].text, support::Message(TornRecordMessage, 100));
        EXPECT_EQ(testing::readBytes(current / "Belvane_6x45.lsk"), record);
        EXPECT_FALSE(std::filesystem::exists(current / "Belvane_6x45.lsk.old"));
    }
    EXPECT_EQ(std::filesystem::file_size(current / "Belvane_6x45.lsk"), 312u);
}

TEST(Workspace, OffsetAndStatusPanels)
{
    TempDir dir;
    writeArchive(dir.path(), 5);
    Started s(dir.path());
    Workspace& ws = *s.ws;
    EXPECT_EQ(ws.Archive().ArchivePanelText(), "Архив тиражей: 5");
    EXPECT_EQ(ws.Archive().NextDrawPanelText(), "Следующий тираж: 6");
    EXPECT_EQ(ws.Archive().OffsetDrawPanelText(), "");
    ws.Archive().SetOffset(1);
    EXPECT_EQ(ws.Archive().NextDrawPanelText(), "Следующий тираж: 5");
    EXPECT_EQ(ws.Archive().OffsetDrawPanelText(), "5;10;20;30;40;45"); // the newest draw, now in the future
    ws.Archive().SetOffset(4);
    EXPECT_EQ(ws.Archive().NextDrawPanelText(), "Следующий тираж: 2");
    ws.Archive().SetOffset(9); // beyond the archive: the oldest draw is the last one seen
    EXPECT_EQ(ws.Archive().Offset(), 4);
    EXPECT_EQ(ws.Archive().OffsetDrawPanelText(), "2;10;20;30;40;45");
    EXPECT_EQ(ws.Archive().NextDrawPanelText(), "Следующий тираж: 2");
    EXPECT_TRUE(ws.Statistics().Table().Rows.size() > 0);
    EXPECT_EQ(ws.Statistics().Table().Totals.Total, 6); // one draw in the window
    ws.Archive().SetOffset(-3);
    EXPECT_EQ(ws.Archive().Offset(), 0);
    EXPECT_EQ(ws.Archive().DrawDateAfter(0, 1), 20200102);
    EXPECT_EQ(ws.Archive().DrawDateAfter(7, 1), 19780201);

    ws.Archive().SetOffset(1);
    const auto panels = ws.StatusPanelTexts();
    EXPECT_EQ(panels[0], "Архив тиражей: 5");
    EXPECT_EQ(panels[1], "Следующий тираж: 5");
    EXPECT_EQ(panels[2], "5;10;20;30;40;45");
    EXPECT_EQ(panels[3], "Комбинаций: 8145060");
    EXPECT_EQ(panels[4], "Ставок: 0");
    EXPECT_EQ(panels[5], "Рейтинг: 0");
}

TEST(Workspace, RefreshTellsEveryViewUnlessSuppressed)
{
    TempDir dir;
    writeArchive(dir.path(), 3);
    Started s(dir.path());
    std::vector<bool> calls;
    const int id = s.ws->OnRefresh([&](bool force) { calls.push_back(force); });
    s.ws->Archive().SetOffset(1);
    s.ws->RefreshAllViews(true);
    s.ws->RefreshSuppressed = true;
    s.ws->RefreshAllViews(true);
    s.ws->RefreshSuppressed = false;
    s.ws->RemoveRefreshListener(id);
    s.ws->RefreshAllViews(true);
    EXPECT_EQ(calls, (std::vector<bool>{false, true}));

    // A non-forced calculation with nothing changed does no work.
    s.host.statuses.clear();
    s.ws->Statistics().Calculate(false);
    EXPECT_TRUE(s.host.statuses.empty());
    s.ws->Statistics().Calculate(true);
    EXPECT_EQ(s.host.statuses.front(), "Анализ тиражей и расчет статистики...");
}

TEST(Workspace, BusyGuardNests)
{
    TempDir dir;
    Started s(dir.path());
    EXPECT_FALSE(s.ws->IsBusy());
    {
        auto outer = s.ws->Busy();
        {
            auto inner = s.ws->Busy();
            EXPECT_TRUE(s.ws->IsBusy());
        }
        EXPECT_TRUE(s.ws->IsBusy());
    }
    EXPECT_FALSE(s.ws->IsBusy());
}

TEST(Workspace, DrawsAddEditDelete)
{
    TempDir dir;
    Started s(dir.path());
    Workspace& ws = *s.ws;
    ASSERT_TRUE(ws.Archive().AddDraw(makeDraw(1, {1, 2, 3, 4, 5, 6}, 7, "01/01/2020")));
    ASSERT_TRUE(ws.Archive().AddDraw(makeDraw(2, {7, 8, 9, 10, 11, 12}, 1, "08/01/2020")));
    EXPECT_EQ(ws.Archive().NewDraw().Number, 3);
    ASSERT_TRUE(ws.Archive().ReplaceDraw(0, makeDraw(1, {1, 2, 3, 4, 5, 16}, 7, "01/01/2020")));
    EXPECT_EQ(ws.Archive().Draws()[0].Balls[5], 16);

    // Deleting asks, with "no" preselected under "Предупреждение".
    const std::vector<int> rows{0};
    EXPECT_FALSE(ws.Archive().DeleteDrawRows(rows));
    ASSERT_EQ(s.host.questions.size(), 1u);
    EXPECT_EQ(s.host.questions[0].caption, "Предупреждение");
    EXPECT_EQ(s.host.questions[0].text, "Удалить выделенную запись?");
    EXPECT_EQ(ws.Archive().Draws().size(), 2u);

    s.host.yesNoAnswers = {true};
    const std::vector<int> both{0, 1};
    EXPECT_TRUE(ws.Archive().DeleteDrawRows(both));
    EXPECT_EQ(s.host.questions[1].text, "Удалить все выделенные записи (всего будет удалено 2 записи(ей))?");
    EXPECT_TRUE(ws.Archive().Draws().empty());
    EXPECT_EQ(std::filesystem::file_size(dir / "Belvane_6x45.ldr"), 0u);

    const std::vector<int> missing{42};
    EXPECT_THROW(ws.Archive().DeleteDrawNumbers(missing), Error);
}

TEST(Workspace, DetailsAndCard)
{
    TempDir dir;
    writeArchive(dir.path(), 2);
    Started s(dir.path());
    const auto details = s.ws->Archive().DrawDetails(0);
    ASSERT_GE(details.size(), 3u);
    EXPECT_EQ(details[0].Property, "Номер тиража:");
    EXPECT_EQ(details[0].Value, "2");
    EXPECT_EQ(details[1].Value, "01/01/2020");
    const auto pos1 = std::find_if(details.begin(), details.end(),
                                   [](const DetailsRow& r) { return r.Property == "Число в 1 позиции тиража"; });
    ASSERT_NE(pos1, details.end());
    EXPECT_EQ(pos1->Value, "2");
    EXPECT_TRUE(s.ws->Archive().DrawDetails(5).empty());
    EXPECT_FALSE(s.ws->Archive().CombinationDetails({1, 2, 3, 4, 5, 6}).empty());

    const auto card = s.ws->Archive().Card({1, 7, 13, 20, 33, 45}, 7);
    ASSERT_EQ(card.size(), 7u); // ceil(45 / 7)
    EXPECT_EQ(card[0][0].Number, 1);
    EXPECT_TRUE(card[0][0].Marked);
    EXPECT_EQ(card[1][0].Number, 8);
    EXPECT_EQ(card[6][2].Number, 45);
    EXPECT_TRUE(card[6][2].Marked);
    EXPECT_EQ(card[6][3].Number, 0);  // past 45
    EXPECT_EQ(card[1][5].Channel, 3); // 13 with channels of 5
}

TEST(Workspace, FilterFromTheStatisticsTable)
{
    TempDir dir;
    writeArchive(dir.path(), 3);
    Started s(dir.path());
    Workspace& ws = *s.ws;
    ASSERT_EQ(ws.Statistics().StatTypeText(ws.Statistics().StatTypeIndex()), "{ num } Числа тиража [ N ]");
    const std::vector<int> rows{0, 1, 2}; // the numbers 1, 2, 3
    ASSERT_TRUE(ws.Statistics().FilterByRows(rows, false));
    EXPECT_EQ(ws.Combinations().Count(), 2'899'274u);
    EXPECT_EQ(ws.Combinations().History().Rows().back().Values, "1; 2; 3");
    EXPECT_EQ(ws.Combinations().PanelText(), "Комбинаций: 2899274");
    EXPECT_FALSE(ws.Statistics().FilterByRows({}, true));
}

TEST(Workspace, ResetFavoritesAsksAndListsEverythingAgain)
{
    TempDir dir;
    Started s(dir.path());
    Workspace& ws = *s.ws;
    ws.Registry().SetFavorites("EVEN");
    ws.Statistics().RebuildTypeLists(false, false);
    ASSERT_EQ(ws.Statistics().StatTypes().size(), 1u);

    EXPECT_FALSE(ws.Statistics().ResetFavorites()); // "no" is preselected
    EXPECT_EQ(s.host.questions.back().caption, "Подтверждение");
    EXPECT_EQ(s.host.questions.back().text, "Вы действительно хотите сбросить список избранных фильтров?");
    EXPECT_EQ(ws.Statistics().StatTypes().size(), 1u);

    s.host.yesNoAnswers = {true};
    EXPECT_TRUE(ws.Statistics().ResetFavorites());
    EXPECT_EQ(ws.Statistics().StatTypes().size(), static_cast<size_t>(ws.Registry().MethodCount()));
    EXPECT_EQ(ws.Statistics().StatTypeIndex(), 0);
    EXPECT_TRUE(ws.Registry().AllFavorites);
    EXPECT_TRUE(std::filesystem::exists(dir / "Belvane_6x45.flt"));
}

TEST(Workspace, CatalogueDownloadAsksBeforeReplacingLines)
{
    TempDir dir;
    Started s(dir.path());
    scenario::tScriptInfo entry;
    entry.Title = "Клуб";
    entry.Usable = true;
    EXPECT_TRUE(s->Library().ConfirmDownload(entry)); // nothing to lose
    EXPECT_TRUE(s.host.questions.empty());

    s->Scenario().Add("FULL:0#RAND|TSD1#NUMS:100#LNO:#SF:1| | | | | | |Все числа");
    EXPECT_FALSE(s->Library().ConfirmDownload(entry)); // the preselected answer is no
    ASSERT_EQ(s.host.questions.size(), 1u);
    EXPECT_EQ(s.host.questions[0].text, "Заменить текущий сценарий сценарием каталога \"Клуб\"?\r\r"
                                        "Строки рабочего сценария будут потеряны.");
    s.host.yesNoAnswers.push_back(true);
    EXPECT_TRUE(s->Library().ConfirmDownload(entry));
}

TEST(StartupOptions, EverySpelling)
{
    for (const char* arg : {"fullrefresh", "-FullRefresh", "--fullrefresh", "/FULLREFRESH", "\\fullRefresh"}) {
        const std::vector<std::string> args{arg};
        EXPECT_TRUE(ParseStartupOptions(args).FullRefresh) << arg;
        EXPECT_TRUE(ParseStartupOptions(args).Batch()) << arg;
    }
    const std::vector<std::string> args{"restart", "--data-dir", "x", "-no-language", "/LoadOnly", "fullrecreate"};
    std::vector<std::string> rest;
    const StartupOptions o = ParseStartupOptions(args, &rest);
    EXPECT_TRUE(o.Restart);
    EXPECT_TRUE(o.NoLanguage);
    EXPECT_TRUE(o.LoadOnly);
    EXPECT_TRUE(o.FullRecreate);
    EXPECT_FALSE(o.FullRefresh);
    EXPECT_EQ(rest, (std::vector<std::string>{"--data-dir", "x"}));
    // The value of an option that takes one is the option's, however it is spelled.
    const std::vector<std::string> valued{"--data-dir", "fullrefresh", "--shots", "/restart", "-NO-LANGUAGE"};
    const std::string_view withValue[] = {"--data-dir", "--shots"};
    rest.clear();
    const StartupOptions v = ParseStartupOptions(valued, &rest, withValue);
    EXPECT_FALSE(v.FullRefresh);
    EXPECT_FALSE(v.Restart);
    EXPECT_TRUE(v.NoLanguage);
    EXPECT_EQ(rest, (std::vector<std::string>{"--data-dir", "fullrefresh", "--shots", "/restart"}));
    rest.clear();
    EXPECT_TRUE(ParseStartupOptions(std::vector<std::string>{"loadonly", "--data-dir"}, &rest, withValue).LoadOnly);
    EXPECT_EQ(rest, (std::vector<std::string>{"--data-dir"}));
    EXPECT_FALSE(IsStartupOption("fullrefreshx"));
    EXPECT_FALSE(IsStartupOption("---fullrefresh"));
}

TEST(StartupOptions, RestartGivesUpWhileAnotherCopyRuns)
{
    // Another process of this test's own executable name: a copy of sleep.
    TempDir dir;
    const std::filesystem::path copy = dir / CurrentExecutableName();
    std::filesystem::copy_file("/bin/sleep", copy);
    std::filesystem::permissions(copy, std::filesystem::perms::owner_all);
    const std::string path = copy.string();
    char arg0[] = "sleep";
    char arg1[] = "30";
    char* argv[] = {arg0, arg1, nullptr};
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, path.c_str(), nullptr, nullptr, argv, environ), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(100)); // until exec has named it

    StartupOptions options;
    options.Restart = true;
    options.RestartPolls = 3;
    RecordingHost host;
    Workspace ws(host, DataFiles(dir.path()), options);
    EXPECT_THROW(ws.Create(), StartupFailure);
    EXPECT_FALSE(WaitForOtherInstances(CurrentExecutableName(), 1));

    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

TEST(WindowSettings, PlacementRules)
{
    TempDir dir;
    const WindowStateFile file(dir / "x.frm");
    SavePlacement(file, "TFormMain", WindowPlacement{0, 1, {}, {1, 2, 3, 4}}, 96, 1920, 1080);
    SavePlacement(file, "TFormMain", WindowPlacement{0, 2, {}, {5, 6, 7, 8}}, 96, 1280, 1024);
    // The key of the screen size comes first; the plain key holds the last one saved.
    EXPECT_EQ(LoadPlacement(file, "TFormMain", 96, 1920, 1080)->NormPos, (WindowRect{1, 2, 3, 4}));
    EXPECT_EQ(LoadPlacement(file, "TFormMain", 96, 800, 600)->NormPos, (WindowRect{5, 6, 7, 8}));
    EXPECT_FALSE(LoadPlacement(file, "TFormMain", 120, 1920, 1080)); // another density: no position
    EXPECT_EQ(ShowStateOf(2), ShowState::Minimised);
    EXPECT_EQ(ShowStateOf(6), ShowState::Minimised);
    EXPECT_EQ(ShowStateOf(7), ShowState::Minimised);
    EXPECT_EQ(ShowStateOf(3), ShowState::Maximised);
    EXPECT_EQ(ShowStateOf(1), ShowState::Normal);
    SaveListSort(file, "TFormMain", "lvDrawsStat", {3, 1});
    EXPECT_EQ(LoadListSort(file, "TFormMain", "lvDrawsStat")->Column, 3);
    EXPECT_FALSE(LoadListSort(file, "TFormMain", "lvDraws"));
}

TEST(ProxySettings, ModeFollowsTheServerWhenAbsent)
{
    EXPECT_EQ(LoadProxySettings(IniDocument::parse("")).Mode, 0);
    EXPECT_EQ(LoadProxySettings(IniDocument::parse("[PROXY]\nProxyServer=p.local\n")).Mode, 2);
    const ProxySettings p =
        LoadProxySettings(IniDocument::parse("[PROXY]\nProxyServer=p\nProxyMode=1\nProxyPort=3128\n"));
    EXPECT_EQ(p.Mode, 1);
    EXPECT_EQ(p.Port, 3128);
    EXPECT_EQ(LoadProxySettings(IniDocument::parse("")).Port, 80);
}

} // namespace
} // namespace belvane::app
